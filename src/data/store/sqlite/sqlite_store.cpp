#include "data/store/sqlite/sqlite_store.h"

#include <sys/stat.h>

#include <algorithm>

#include "data/store/common/store_file.h"
#include "data/store/sqlite/dictionary_index.h"
#include "data/store/sqlite/private_file.h"
#include "data/store/sqlite/sql_functions.h"
#include "data/store/sqlite/sqlite_handle.h"
#include "data/store/sqlite/sqlite_open.h"
#include "text/text.h"

namespace dba {

using sqlite::Quoted;

struct SqliteDatabase::Private {};

namespace {

std::string SavepointName(int depth) { return "vantelor_" + std::to_string(depth); }

bool FileExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

SqliteDatabase::SqliteDatabase(const Private&, const std::string& path, OpenMode mode)
    : path_(path) {
  bool makeSchema = true;
  if (path == ":memory:") {
    connection_ = std::make_unique<sqlite::Connection>(path);
  } else {
    sqlite::FileContents contents;
    connection_ = sqlite::ConnectExisting(path, contents);
    makeSchema = sqlite::CheckArchive(path, contents, mode);
  }
  readOnly_ = connection_->ReadOnly();
  if (makeSchema && readOnly_)
    throw Error(kStorageFailure, "cannot make an archive in " + path + ": " + ReadOnlyReason());
  if (makeSchema) {
    // Keyed tables keep a row on its page only up to about a quarter of the page: with
    // 16 KiB pages a whole payslip (2-4 KB) stays on one page instead of spilling into an
    // overflow page that is mostly empty. Takes effect only on a new, empty file, and must
    // come before the switch to WAL.
    connection_->Execute("PRAGMA page_size = 16384");
    if (path != ":memory:") connection_->Execute("PRAGMA journal_mode = WAL");
  }
  connection_->Execute("PRAGMA synchronous = NORMAL");
  // Reads map the file instead of copying pages through read() calls.
  connection_->Execute("PRAGMA mmap_size = 1073741824");
  RegisterSqlFunctions(connection_->Handle());
  if (makeSchema) sqlite::CreateSchema(*connection_);
  dictionaries_ = std::make_unique<DictionaryIndex>(*connection_);
  dictionaries_->Load();
  LoadCatalog();
}

SqliteDatabase::~SqliteDatabase() = default;

std::shared_ptr<SqliteDatabase> OpenSqliteDatabase(const std::string& path, OpenMode mode) {
  if (path.empty()) throw Error(kBadArgument, "no database path given");
  if (path != ":memory:" && !FileExists(path)) {
    if (mode == OpenMode::kExisting)
      throw Error(kStorageFailure, "cannot open database " + path + ": no such file");
    CreatePrivateFile(path);  // personal data: for its owner only, whatever the umask
  }
  return std::make_shared<SqliteDatabase>(SqliteDatabase::Private{}, path, mode);
}

std::string SqliteDatabase::ReadOnlyReason() const {
  return "L'archive " + path_ +
         " est en lecture seule pour cet utilisateur (pas de droit d'écriture sur le fichier "
         "ou sur son dossier) : il faut le droit d'écrire pour cette opération.";
}

void SqliteDatabase::SetLockWait(std::chrono::milliseconds wait) {
  connection_->SetBusyTimeout(static_cast<int>(wait.count()));
}

void SqliteDatabase::LoadCatalog() {
  files_.clear();
  sqlite::Statement s(connection_->Handle(), "SELECT name FROM vantelor_files ORDER BY name");
  while (s.Step()) files_.push_back(s.ColumnText(0));
}

bool SqliteDatabase::HasFile(std::string_view name) {
  if (std::binary_search(files_.begin(), files_.end(), name)) return true;
  LoadCatalog();  // another process may have made it since
  return std::binary_search(files_.begin(), files_.end(), name);
}

std::vector<std::string> SqliteDatabase::FileNames() {
  LoadCatalog();
  return files_;
}

void SqliteDatabase::CreateFile(std::string_view name) {
  CheckNewFileName(name, FileNames());
  if (HasFile(name)) return;
  Transaction transaction(*this);
  connection_->Execute("CREATE TABLE IF NOT EXISTS " + Quoted(name) +
                       "(key TEXT PRIMARY KEY NOT NULL, record TEXT NOT NULL) WITHOUT ROWID");
  connection_->Cached("INSERT OR IGNORE INTO vantelor_files(name) VALUES(?)")->Bind(1, name).Run();
  transaction.Commit();
  LoadCatalog();
}

std::shared_ptr<File> SqliteDatabase::OpenFile(std::string_view name) {
  RequireFile(name);
  return std::make_shared<StoreFile>(shared_from_this(), std::string(name));
}

long long SqliteDatabase::RecordCount(std::string_view file) {
  RequireFile(file);
  auto s = connection_->Cached("SELECT count(*) FROM " + Quoted(file));
  s->Step();
  return s->ColumnInt(0);
}

void SqliteDatabase::ForEachRecord(std::string_view file, const RecordVisitor& visit) {
  RequireFile(file);
  sqlite::Statement s(connection_->Handle(),
                      "SELECT key, record FROM " + Quoted(file) + " ORDER BY key");
  while (s.Step()) visit(s.ColumnView(0), s.ColumnView(1));
}

void SqliteDatabase::ClearFile(std::string_view file) {
  RequireFile(file);
  Transaction transaction(*this);
  connection_->Execute("DELETE FROM " + Quoted(file));
  dictionaries_->FileCleared(file);
  transaction.Commit();
}

bool SqliteDatabase::ReadText(std::string_view file, std::string_view key, std::string& text) {
  auto s = connection_->Cached("SELECT record FROM " + Quoted(file) + " WHERE key = ?");
  s->Bind(1, key);
  if (!s->Step()) return false;
  text = s->ColumnText(0);
  return true;
}

void SqliteDatabase::Write(std::string_view file, std::string_view key, std::string_view text) {
  RequireFile(file);
  CheckWrittenKey(file, key);
  Transaction transaction(*this);
  connection_->Cached("INSERT OR REPLACE INTO " + Quoted(file) + "(key, record) VALUES(?, ?)")
      ->Bind(1, key)
      .Bind(2, text)
      .Run();
  dictionaries_->RecordChanged(file, key, text);
  transaction.Commit();
}

bool SqliteDatabase::Erase(std::string_view file, std::string_view key) {
  RequireFile(file);
  Transaction transaction(*this);
  connection_->Cached("DELETE FROM " + Quoted(file) + " WHERE key = ?")->Bind(1, key).Run();
  if (sqlite3_changes(connection_->Handle()) == 0) return false;  // rolled back: nothing done
  dictionaries_->RecordChanged(file, key, std::nullopt);
  transaction.Commit();
  return true;
}

void SqliteDatabase::DefineDictionaryItem(const DictionaryItem& item) {
  RequireFile(item.file);
  if (!item.sourceFile.empty()) RequireFile(item.sourceFile);
  Transaction transaction(*this);
  dictionaries_->Define(item);
  transaction.Commit();
}

std::vector<DictionaryItem> SqliteDatabase::DictionaryItems(std::string_view file) {
  dictionaries_->Load();
  return dictionaries_->Items(file);
}

void SqliteDatabase::Reindex() {
  Transaction transaction(*this);
  dictionaries_->ReindexAll();
  transaction.Commit();
}

void SqliteDatabase::GrantClerk(std::string_view role) {
  throw Error(kBadArgument, "cannot grant rights to " + std::string(role) + " on " + path_ +
                                ": a SQLite file has no roles (give clerks read-only access to "
                                "the file instead)");
}

void SqliteDatabase::BeginTransaction() {
  if (readOnly_) throw Error(kStorageFailure, ReadOnlyReason());
  if (transactionDepth_ == 0) {
    connection_->Execute("BEGIN IMMEDIATE");
    // Another process may have changed the dictionary since we last looked.
    try {
      dictionaries_->Load();
    } catch (...) {
      connection_->Execute("ROLLBACK");
      throw;
    }
  } else {
    connection_->Execute("SAVEPOINT " + SavepointName(transactionDepth_));
  }
  ++transactionDepth_;
}

void SqliteDatabase::CommitTransaction() {
  const int depth = transactionDepth_ - 1;
  connection_->Execute(depth == 0 ? "COMMIT" : "RELEASE " + SavepointName(depth));
  transactionDepth_ = depth;
}

void SqliteDatabase::RollbackTransaction() noexcept {
  const int depth = --transactionDepth_;
  try {
    if (depth == 0) {
      connection_->Execute("ROLLBACK");
    } else {
      const std::string name = SavepointName(depth);
      connection_->Execute("ROLLBACK TO " + name + "; RELEASE " + name);
    }
  } catch (...) {
    // Nothing more can be done here; SQLite has already undone the transaction when the
    // rollback itself fails.
  }
}

}  // namespace dba
