#pragma once
// The embedded store: a dba::Database kept in one SQLite file.
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

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/database.h"
#include "data/dictionary.h"

namespace dba {

namespace sqlite {
class Connection;
}
class DictionaryIndex;
struct Sentence;

enum class OpenMode {
  kCreate,   // make the database file when it is missing
  kExisting  // kStorageFailure when the file is missing
};

class SqliteDatabase : public Database, public std::enable_shared_from_this<SqliteDatabase> {
 public:
  // Use OpenSqliteDatabase; the constructor is public only for make_shared.
  struct Private;
  SqliteDatabase(const Private&, const std::string& path);
  ~SqliteDatabase() override;
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  const std::string& Path() const { return path_; }

  std::shared_ptr<File> OpenFile(std::string_view name) override;
  DynArray ExecuteSentence(std::string_view command, std::string_view options = "") override;

  // Creates an empty file (nothing happens when it exists). Names are letters, digits,
  // '_' and '-'; kBadArgument otherwise.
  void CreateFile(std::string_view name);
  bool HasFile(std::string_view name);
  std::vector<std::string> FileNames();
  long long RecordCount(std::string_view file);
  // Calls `visit(key, text)` for every record of `file`, in key order.
  void ForEachRecord(std::string_view file,
                     const std::function<void(std::string_view, std::string_view)>& visit);

  // Adds or replaces a dictionary item and indexes every record of its file at once.
  // kFileNotFound when its file or source file does not exist.
  void DefineDictionaryItem(const DictionaryItem& item);
  std::vector<DictionaryItem> DictionaryItems(std::string_view file);
  // Recomputes every dictionary index (after records were changed outside this library,
  // for instance with the sqlite3 shell).
  void Reindex();

  // The keys a query sentence selects, in its order; see query_sentence.h.
  std::vector<std::string> SelectKeys(std::string_view sentence);
  std::vector<std::string> SelectKeys(const Sentence& sentence);

  // The storage primitives behind File, also used by bulk loaders.
  bool ReadText(std::string_view file, std::string_view key, std::string& text);
  void Write(std::string_view file, std::string_view key, std::string_view text);
  bool Erase(std::string_view file, std::string_view key);

  sqlite::Connection& Connection() { return *connection_; }

 private:
  friend class Transaction;
  void RequireFile(std::string_view name);
  void RequireItems(const Sentence& sentence);
  void LoadCatalog();

  std::string path_;
  std::unique_ptr<sqlite::Connection> connection_;
  std::unique_ptr<DictionaryIndex> dictionaries_;
  std::vector<std::string> files_;  // sorted catalog cache
  int transactionDepth_ = 0;
  int savepointCounter_ = 0;
};

// Groups writes into one all-or-nothing transaction: Commit() makes them durable,
// leaving the scope without Commit() (an exception) undoes them. Transactions nest
// (an inner one is a savepoint). The outermost one takes the write lock at once
// (BEGIN IMMEDIATE), waiting for another writer up to the busy timeout.
class Transaction {
 public:
  explicit Transaction(SqliteDatabase& database);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();

 private:
  SqliteDatabase& database_;
  std::string savepoint_;  // empty for the outermost transaction
  bool done_ = false;
};

// Opens the database at `path` (":memory:" = a new private in-memory database,
// handy for tests). A new file gets the store's own tables; it holds no file until
// CreateFile (or CreateArchiveFiles, archive_files.h) makes them.
std::shared_ptr<SqliteDatabase> OpenSqliteDatabase(const std::string& path,
                                                   OpenMode mode = OpenMode::kCreate);

// The database client of this store: opens existing databases by path.
class SqliteClient : public Client {
 public:
  std::shared_ptr<Database> OpenDatabase(const std::string& path) override;
};

}  // namespace dba
