#pragma once
// Internal to the SQLite store: opening a file as this user may, and telling whether it is
// an archive of ours before anything is written. Only init makes or completes a schema;
// every other open reads the file as it is and refuses what it is not, so that opening
// another program's file never changes it (no WAL switch, no version stamp, no table).

#include <memory>
#include <string>
#include <vector>

#include "data/core/admin_database.h"
#include "data/store/sqlite/sqlite_handle.h"

namespace dba::sqlite {

// The schema version this program reads and writes (PRAGMA user_version).
inline constexpr long long kSchemaVersion = 1;

// What a file holds, read without writing anything.
struct FileContents {
  long long version = 0;            // PRAGMA user_version
  bool catalog = false;             // the store's own table of files is there
  std::vector<std::string> tables;  // every table, ours included
};

// A connection to the existing file `path`: read-write when this user may write it, else
// read only; immutable when not even the WAL's shared-memory file can be made (a WAL file
// in a folder this user may not write). Fills `contents`. kStorageFailure when the file
// cannot be read or is no SQLite database.
std::unique_ptr<Connection> ConnectExisting(const std::string& path, FileContents& contents);

// Reads what the connection's database holds.
FileContents ReadContents(Connection& connection);

// Throws kStorageFailure, saying what the file is, unless `contents` is an archive this
// program reads or (kCreate only) a file without tables, in which an archive may be made.
// True when the schema is still to make.
bool CheckArchive(const std::string& path, const FileContents& contents, OpenMode mode);

// Makes the store's own tables and stamps the version, in one transaction.
void CreateSchema(Connection& connection);

}  // namespace dba::sqlite
