#include "data/store/sqlite/sqlite_open.h"

#include <filesystem>

#include "data/core/error.h"
#include "data/store/sqlite/dictionary_index.h"

namespace dba::sqlite {

namespace {

constexpr std::size_t kTablesNamed = 5;

bool IsOurs(const std::string& table) {
  return table == "vantelor_files" || table.rfind("vantelor_dictionary", 0) == 0;
}

std::string TableList(const std::vector<std::string>& tables) {
  std::string list;
  for (std::size_t i = 0; i < tables.size() && i < kTablesNamed; ++i)
    list += (i ? ", " : "") + tables[i];
  if (tables.size() > kTablesNamed) list += ", …";
  return list;
}

bool IsEmptyFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::file_size(path, error) == 0 && !error;
}

// Failures that another way of opening may get round: writing refused, or the WAL's
// shared-memory file that cannot be made.
bool OpeningFailure(Connection& connection) {
  const int code = sqlite3_extended_errcode(connection.Handle()) & 0xFF;
  return code == SQLITE_CANTOPEN || code == SQLITE_READONLY;
}

// After ReadContents failed: says what the file is when it is no SQLite database, or why it
// cannot be read (a lock held longer than the wait stays kArchiveBusy).
[[noreturn]] void CannotRead(const std::string& path, Connection& connection, const Error& error) {
  if (error.code() == kArchiveBusy) throw error;
  const std::string why = sqlite3_errmsg(connection.Handle());
  if ((sqlite3_extended_errcode(connection.Handle()) & 0xFF) == SQLITE_NOTADB)
    throw Error(kStorageFailure, path + " is not a Vantelor archive: it is no SQLite " +
                                     "database (" + why + "); it is left as it is");
  throw Error(kStorageFailure, "cannot read database " + path + ": " + why);
}

}  // namespace

FileContents ReadContents(Connection& connection) {
  FileContents contents;
  Statement version(connection.Handle(), "PRAGMA user_version");
  version.Step();
  contents.version = version.ColumnInt(0);
  Statement tables(connection.Handle(),
                   "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
  while (tables.Step()) {
    contents.tables.push_back(tables.ColumnText(0));
    if (contents.tables.back() == "vantelor_files") contents.catalog = true;
  }
  return contents;
}

std::unique_ptr<Connection> ConnectExisting(const std::string& path, FileContents& contents) {
  auto connection = std::make_unique<Connection>(path, Access::kReadWrite);
  if (!connection->ReadOnly()) {
    try {
      contents = ReadContents(*connection);
      return connection;
    } catch (const Error& e) {
      // A folder this user may not write cannot hold the WAL's files: read only, below.
      if (!OpeningFailure(*connection)) CannotRead(path, *connection, e);
    }
  }
  connection.reset();
  // This user may read the file but not write it (or its folder). A WAL file read only
  // would leave a -wal and a -shm file of this user's beside it, which another user's
  // writer could then not use: read through the writer's own when one has the file open,
  // else immutable (nobody writes it now; a writer starting later is seen only once it
  // has copied its changes into the file).
  std::error_code error;
  const bool writerOpen = std::filesystem::exists(path + "-shm", error);
  connection =
      std::make_unique<Connection>(path, writerOpen ? Access::kReadOnly : Access::kImmutable);
  try {
    contents = ReadContents(*connection);
  } catch (const Error& e) {
    CannotRead(path, *connection, e);
  }
  return connection;
}

bool CheckArchive(const std::string& path, const FileContents& contents, OpenMode mode) {
  if (contents.version > kSchemaVersion)
    throw Error(kStorageFailure, path + " was made by a newer version of Vantelor (schema " +
                                     std::to_string(contents.version) + "; this one reads " +
                                     std::to_string(kSchemaVersion) + "): it is left as it is");
  if (contents.catalog && contents.version == kSchemaVersion) return false;
  std::vector<std::string> others;
  for (const std::string& table : contents.tables)
    if (!IsOurs(table)) others.push_back(table);
  if (contents.tables.empty() && mode == OpenMode::kCreate) return true;
  if (contents.tables.empty()) {
    throw Error(kStorageFailure, path +
                                     (IsEmptyFile(path) ? " is an empty file (0 bytes)"
                                                        : " is an empty SQLite database") +
                                     ", not a Vantelor archive: make one with vantelor-db init");
  }
  throw Error(kStorageFailure, path + " is not a Vantelor archive: it is another program's " +
                                   "SQLite database (tables " +
                                   TableList(others.empty() ? contents.tables : others) +
                                   "); it is left as it is");
}

void CreateSchema(Connection& connection) {
  connection.Execute("BEGIN IMMEDIATE");
  try {
    connection.Execute(
        "CREATE TABLE IF NOT EXISTS vantelor_files(name TEXT PRIMARY KEY NOT NULL) WITHOUT ROWID");
    DictionaryIndex::CreateTables(connection);
    connection.Execute("PRAGMA user_version = " + std::to_string(kSchemaVersion));
    connection.Execute("COMMIT");
  } catch (...) {
    connection.Execute("ROLLBACK");
    throw;
  }
}

}  // namespace dba::sqlite
