#pragma once
// The embedded store: a dba::Database kept in one SQLite file.
//
// Only OpenMode::kCreate (vantelor-db init) makes or completes an archive; any other open
// refuses a file that is not one of ours of a version this program reads, saying what it
// is, and changes nothing in it. A file this user may not write is opened read only (every
// write is then refused, saying so). A new file is made readable by its owner only; the
// WAL's -wal and -shm files take the database file's mode, so that an archive shared by a
// group keeps its group bits and nothing is ever widened.
//
// Each multivalue file is a table of its own, named after the file, holding
// (key, record) with the key as primary key, so that a key-prefix selection is a range
// scan; dictionaries and their value indexes are tables too. The journal is WAL and
// every connection waits (busy timeout) rather than failing when another process
// writes, so two workstations can write TEMPO records at once. Each write is one
// transaction unless a Transaction is open, which then holds every write until it
// commits. The file stays readable with the sqlite3 shell:
//   sqlite3 demo.db "SELECT key FROM CIVILAIDANT"
//
// Every method may throw dba::Error (kStorageFailure for SQLite failures).

#include <memory>
#include <string>
#include <vector>

#include "data/core/admin_database.h"

namespace dba {

namespace sqlite {
class Connection;
}
class DictionaryIndex;
struct Sentence;

class SqliteDatabase : public AdminDatabase, public std::enable_shared_from_this<SqliteDatabase> {
 public:
  // Use OpenSqliteDatabase; the constructor is public only for make_shared.
  struct Private;
  SqliteDatabase(const Private&, const std::string& path, OpenMode mode);
  ~SqliteDatabase() override;
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  const std::string& Path() const { return path_; }
  const std::string& DisplayName() const override { return path_; }

  std::shared_ptr<File> OpenFile(std::string_view name) override;
  DynArray ExecuteSentence(std::string_view command, std::string_view options = "") override;

  void CreateFile(std::string_view name) override;
  bool HasFile(std::string_view name) override;
  std::vector<std::string> FileNames() override;
  long long RecordCount(std::string_view file) override;
  void ForEachRecord(std::string_view file, const RecordVisitor& visit) override;
  void ClearFile(std::string_view file) override;

  void DefineDictionaryItem(const DictionaryItem& item) override;
  std::vector<DictionaryItem> DictionaryItems(std::string_view file) override;
  // Also after edits made with the sqlite3 shell.
  void Reindex() override;

  std::vector<std::string> SelectKeys(std::string_view sentence) override;
  std::vector<std::string> SelectKeys(const Sentence& sentence);

  bool ReadText(std::string_view file, std::string_view key, std::string& text) override;
  void Write(std::string_view file, std::string_view key, std::string_view text) override;
  bool Erase(std::string_view file, std::string_view key) override;

  // A SQLite file has no roles: always kBadArgument.
  void GrantClerk(std::string_view role) override;

  bool ReadOnly() const override { return readOnly_; }
  void SetLockWait(std::chrono::milliseconds wait) override;

  sqlite::Connection& Connection() { return *connection_; }

 protected:
  // The outermost transaction takes the write lock at once (BEGIN IMMEDIATE), waiting for
  // another writer up to the lock wait (30 s unless SetLockWait), then kArchiveBusy.
  void BeginTransaction() override;
  void CommitTransaction() override;
  void RollbackTransaction() noexcept override;

 private:
  void LoadCatalog();
  std::string ReadOnlyReason() const;

  std::string path_;
  bool readOnly_ = false;
  std::unique_ptr<sqlite::Connection> connection_;
  std::unique_ptr<DictionaryIndex> dictionaries_;
  std::vector<std::string> files_;  // sorted catalog cache
  int transactionDepth_ = 0;
};

// Opens the database at `path` (":memory:" = a new private in-memory database,
// handy for tests). kExisting: an archive of ours that exists (kStorageFailure saying what
// the file is otherwise). kCreate also makes a missing file (for its owner only) and the
// store's own tables in a file without tables; it holds no archive file until CreateFile
// (or CreateArchiveFiles, data/tools/new_archive.h) makes them.
std::shared_ptr<SqliteDatabase> OpenSqliteDatabase(const std::string& path,
                                                   OpenMode mode = OpenMode::kCreate);

}  // namespace dba
