#include "data/store/postgres/postgres_store.h"

#include <algorithm>

#include "data/archive/archive_files.h"
#include "data/store/common/sentence_sql.h"
#include "data/store/common/store_file.h"
#include "data/store/postgres/connection.h"
#include "data/store/postgres/dictionary_values.h"
#include "data/store/postgres/pages.h"
#include "data/store/postgres/read_ahead.h"
#include "data/store/postgres/schema.h"
#include "text/text.h"

namespace dba {

struct PostgresDatabase::Private {};

PostgresDatabase::PostgresDatabase(const Private&, const std::string& name, OpenMode mode)
    : connection_(std::make_unique<pg::Connection>(name)),
      dictionaries_(std::make_unique<pg::DictionaryValues>(*connection_)),
      readAhead_(std::make_unique<pg::ReadAhead>()) {
  schema_ = pg::SchemaOid(*connection_);
  if (!pg::HasSchema(*connection_)) {
    if (mode == OpenMode::kExisting)
      throw Error(kStorageFailure, "La base " + DisplayName() +
                                       " ne contient pas d'archive Vantelor (ses tables "
                                       "manquent) : créez-la avec vantelor-db --db NOM init");
    pg::CreateSchema(*connection_, schema_);
  }
  dictionaries_->Load();
  LoadCatalog();
}

PostgresDatabase::~PostgresDatabase() = default;

std::shared_ptr<PostgresDatabase> OpenPostgresDatabase(const std::string& name, OpenMode mode) {
  return std::make_shared<PostgresDatabase>(PostgresDatabase::Private{}, name, mode);
}

const std::string& PostgresDatabase::DisplayName() const { return connection_->DisplayName(); }

pg::Statement PostgresDatabase::Lock(pg::ArchiveLock lock, bool shared) const {
  return pg::LockStatement(lock, schema_, shared);
}

void PostgresDatabase::SetLockWait(std::chrono::milliseconds wait) {
  connection_->SetLockWait(wait.count());
}

long long PostgresDatabase::RoundTrips() const { return connection_->RoundTrips(); }

void PostgresDatabase::SetReadAhead(bool on) {
  readAheadOn_ = on;
  readAhead_->Forget();
}

void PostgresDatabase::LoadCatalog() {
  const pg::Result names =
      connection_->Run("SELECT name FROM vantelor_files ORDER BY name COLLATE \"C\"", {}, true);
  files_.clear();
  for (int i = 0; i < names.Rows(); ++i) files_.push_back(names.Text(i, 0));
}

bool PostgresDatabase::HasFile(std::string_view name) {
  if (std::binary_search(files_.begin(), files_.end(), name)) return true;
  LoadCatalog();  // another workstation may have made it since
  return std::binary_search(files_.begin(), files_.end(), name);
}

std::vector<std::string> PostgresDatabase::FileNames() {
  LoadCatalog();
  return files_;
}

void PostgresDatabase::CreateFile(std::string_view name) {
  CheckNewFileName(name, FileNames());
  if (HasFile(name)) return;
  Transaction transaction(*this);
  connection_->RunAll({Lock(pg::ArchiveLock::kCatalog),
                       {pg::CreateFileTableSql(name), {}, false},
                       {"INSERT INTO vantelor_files(name) VALUES($1::text) ON CONFLICT DO NOTHING",
                        pg::Params().Bytes(name)}});
  transaction.Commit();
  LoadCatalog();
}

std::shared_ptr<File> PostgresDatabase::OpenFile(std::string_view name) {
  RequireFile(name);
  return std::make_shared<StoreFile>(shared_from_this(), std::string(name));
}

long long PostgresDatabase::RecordCount(std::string_view file) {
  RequireFile(file);
  return connection_->Run("SELECT count(*) FROM " + QuotedIdentifier(file), {}, true).Number(0, 0);
}

void PostgresDatabase::ForEachRecord(std::string_view file, const RecordVisitor& visit) {
  RequireFile(file);
  pg::ForEachPage(*connection_, file, true, [&](const std::vector<pg::Row>& rows) {
    for (const pg::Row& row : rows) visit(row.key, row.record);
  });
}

void PostgresDatabase::ClearFile(std::string_view file) {
  RequireFile(file);
  Transaction transaction(*this);
  std::vector<pg::Statement> statements;
  LockDictionary(statements);
  statements.push_back({"DELETE FROM " + QuotedIdentifier(file)});
  connection_->RunAll(statements);
  dictionaries_->FileCleared(file);
  transaction.Commit();
}

bool PostgresDatabase::ReadText(std::string_view file, std::string_view key, std::string& text) {
  const std::string name(file);
  if (connection_->Depth() == 0 && readAheadOn_) {
    if (auto answer = readAhead_->Read(*connection_, name, std::string(key))) {
      text = std::move(answer->text);
      return answer->found;
    }
  }
  const pg::Result found =
      connection_->Run("SELECT record FROM " + QuotedIdentifier(file) + " WHERE key = $1",
                       pg::Params().Bytes(key), true);
  const bool exists = found.Rows() > 0;
  text = exists ? found.Text(0, 0) : std::string();
  if (connection_->Depth() == 0 && readAheadOn_)
    readAhead_->Keep(name, std::string(key), exists ? std::optional(text) : std::nullopt);
  return exists;
}

void PostgresDatabase::Prefetch(std::string_view file, const std::vector<std::string>& keys) {
  if (connection_->Depth() == 0 && readAheadOn_) readAhead_->Expect(std::string(file), keys);
}

// A write or an erase in a file that feeds no dictionary index is one statement: one
// round trip inside a transaction (with its savepoint), two outside (BEGIN with it, then
// COMMIT). The rows it changed; nothing when an item was defined on the file meanwhile
// (then nothing was done and the items are read again).
std::optional<long long> PostgresDatabase::RunPlain(std::string_view file,
                                                    const pg::Statement& statement) {
  readAhead_->Forget();
  if (connection_->Depth() > 0) return connection_->RunInSavepoint(statement).Changed();
  std::vector<pg::Result> results = connection_->Begin(
      {Lock(pg::ArchiveLock::kWrite, true),
       {"SELECT count(*) FROM vantelor_dictionary WHERE file = $1::text OR source_file = $1::text",
        pg::Params().Bytes(file)},
       statement});
  try {
    if (results[1].Number(0, 0) > 0) {
      connection_->Rollback();
      dictionaries_->Load();
      return std::nullopt;
    }
    connection_->Commit();
  } catch (...) {
    connection_->Rollback();
    throw;
  }
  return results[2].Changed();
}

// Files that feed a dictionary index are written one transaction at a time
// (ArchiveLock::kDictionary), so that an index value is never computed from another writer's
// uncommitted record. The lock goes with the statements that follow it.
void PostgresDatabase::LockDictionary(std::vector<pg::Statement>& statements) {
  if (dictionaryLockDepth_ > 0) return;
  statements.push_back(Lock(pg::ArchiveLock::kDictionary));
  dictionaryLockDepth_ = connection_->Depth();
}

void PostgresDatabase::Write(std::string_view file, std::string_view key, std::string_view text) {
  RequireFile(file);
  CheckWrittenKey(file, key);
  const pg::Statement upsert{"INSERT INTO " + QuotedIdentifier(file) +
                                 "(key, record) VALUES($1, $2) ON CONFLICT (key) DO UPDATE SET"
                                 " record = EXCLUDED.record",
                             pg::Params().Bytes(key).Bytes(text)};
  if (!dictionaries_->Involves(file) && RunPlain(file, upsert)) return;
  Transaction transaction(*this);
  std::vector<pg::Statement> statements;
  LockDictionary(statements);
  statements.push_back(upsert);
  connection_->RunAll(statements);
  dictionaries_->RecordChanged(file, key, text);
  transaction.Commit();
}

bool PostgresDatabase::Erase(std::string_view file, std::string_view key) {
  RequireFile(file);
  const pg::Statement erase{"DELETE FROM " + QuotedIdentifier(file) + " WHERE key = $1",
                            pg::Params().Bytes(key)};
  if (!dictionaries_->Involves(file))
    if (const auto erased = RunPlain(file, erase)) return *erased > 0;
  Transaction transaction(*this);
  std::vector<pg::Statement> statements;
  LockDictionary(statements);
  statements.push_back(erase);
  const std::vector<pg::Result> results = connection_->RunAll(statements);
  if (results.back().Changed() == 0) return false;  // rolled back: nothing done
  dictionaries_->RecordChanged(file, key, std::nullopt);
  transaction.Commit();
  return true;
}

void PostgresDatabase::DefineDictionaryItem(const DictionaryItem& item) {
  RequireFile(item.file);
  if (!item.sourceFile.empty()) RequireFile(item.sourceFile);
  Transaction transaction(*this);
  connection_->Run(Lock(pg::ArchiveLock::kWrite).sql);
  dictionaries_->Define(item);
  transaction.Commit();
}

std::vector<DictionaryItem> PostgresDatabase::DictionaryItems(std::string_view file) {
  dictionaries_->Load();
  return dictionaries_->Items(file);
}

void PostgresDatabase::Reindex() {
  Transaction transaction(*this);
  connection_->Run(Lock(pg::ArchiveLock::kWrite).sql);
  dictionaries_->ReindexAll();
  transaction.Commit();
}

void PostgresDatabase::GrantClerk(std::string_view role) {
  for (std::string_view file : {files::kTempo, files::kImpressions})
    if (!HasFile(file))
      throw Error(kFileNotFound, "no file " + std::string(file) + " in " + DisplayName() +
                                     ": run vantelor-db init first");
  pg::GrantClerkRights(*connection_, role, FileNames());
}

void PostgresDatabase::BeginTransaction() {
  readAhead_->Forget();
  if (connection_->Depth() > 0) {
    connection_->Begin();
    return;
  }
  // Another workstation may have changed the dictionary since we last looked.
  const std::vector<pg::Result> results = connection_->Begin(
      {Lock(pg::ArchiveLock::kWrite, true), pg::DictionaryValues::LoadStatement()});
  dictionaries_->Loaded(results[1]);
  dictionaryLockDepth_ = 0;
}

void PostgresDatabase::CommitTransaction() { connection_->Commit(); }

void PostgresDatabase::RollbackTransaction() noexcept {
  connection_->Rollback();
  if (connection_->Depth() < dictionaryLockDepth_) dictionaryLockDepth_ = 0;
}

}  // namespace dba
