#pragma once
// What the tools need of a store beside the screens' Database: making files and dictionary
// items, walking and counting records, writing in bulk inside one transaction, rebuilding
// the dictionary indexes. vantelor-db, the importer and the demo seeder work through it,
// so that each works on either store (the SQLite file or the PostgreSQL server).
//
// Every method may throw dba::Error.

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/core/database.h"
#include "data/core/dictionary.h"

namespace dba {

enum class OpenMode {
  kCreate,   // make the store's own tables (and, for a file, the file) when missing
  kExisting  // an error when there is no archive there yet
};

using RecordVisitor = std::function<void(std::string_view key, std::string_view text)>;

class AdminDatabase : public Database {
 public:
  // The name the database was opened with, without any password: for messages.
  virtual const std::string& DisplayName() const = 0;

  // Creates an empty file (nothing happens when it exists). A name is 1 to 63 letters,
  // digits, '_' and '-', and differs from the store's own tables; kBadArgument otherwise.
  virtual void CreateFile(std::string_view name) = 0;
  virtual bool HasFile(std::string_view name) = 0;
  // Every file, in name order.
  virtual std::vector<std::string> FileNames() = 0;
  virtual long long RecordCount(std::string_view file) = 0;
  // Calls `visit(key, text)` for every record of `file`, in key order (byte order).
  virtual void ForEachRecord(std::string_view file, const RecordVisitor& visit) = 0;
  // Removes every record of `file`; the dictionary values that read them follow.
  virtual void ClearFile(std::string_view file) = 0;

  // Adds or replaces a dictionary item and indexes every record of its file at once.
  // kFileNotFound when its file or source file does not exist.
  virtual void DefineDictionaryItem(const DictionaryItem& item) = 0;
  virtual std::vector<DictionaryItem> DictionaryItems(std::string_view file) = 0;
  // Recomputes every dictionary index (after records were changed behind the store).
  virtual void Reindex() = 0;

  // The keys a query sentence selects, in its order; see query_sentence.h.
  virtual std::vector<std::string> SelectKeys(std::string_view sentence) = 0;

  // The storage primitives behind File. ReadText is false when there is no such record;
  // Erase is false (and changes nothing) when there was none.
  virtual bool ReadText(std::string_view file, std::string_view key, std::string& text) = 0;
  virtual void Write(std::string_view file, std::string_view key, std::string_view text) = 0;
  virtual bool Erase(std::string_view file, std::string_view key) = 0;
  // File::Prefetch of `file`: nothing by default.
  virtual void Prefetch(std::string_view file, const std::vector<std::string>& keys);

  // Lets `role` read every file and dictionary and write only print requests (TEMPO) and
  // the print log, nothing else. kBadArgument on a store that has no roles.
  virtual void GrantClerk(std::string_view role) = 0;

  // True when this user may only read the database (a SQLite file or folder without write
  // access): every write then throws kStorageFailure saying that it needs write access.
  virtual bool ReadOnly() const = 0;
  // How long a call waits for a lock that another connection holds before it gives up
  // with kArchiveBusy (nothing done). Until set, the SQLite file waits 30 s and the server
  // as its own lock_timeout says; the screens wait a few seconds (StoreClient).
  virtual void SetLockWait(std::chrono::milliseconds wait) = 0;

 protected:
  friend class Transaction;
  // Throws kFileNotFound naming `name` unless HasFile(name).
  void RequireFile(std::string_view name);
  // Transactions nest: the outermost begins and commits, an inner one is a savepoint.
  virtual void BeginTransaction() = 0;
  virtual void CommitTransaction() = 0;
  // Undoes the innermost open transaction; must not throw.
  virtual void RollbackTransaction() noexcept = 0;
};

// Groups writes into one all-or-nothing transaction: Commit() makes them durable, leaving
// the scope without Commit() (an exception) undoes them. Transactions nest (an inner one is
// a savepoint). Writers queue behind each other rather than fail.
class Transaction {
 public:
  explicit Transaction(AdminDatabase& database);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();

 private:
  AdminDatabase& database_;
  bool done_ = false;
};

// Throws kBadArgument for a key no record may have: an empty one, or one holding a mark.
void CheckWrittenKey(std::string_view file, std::string_view key);

// Throws kBadArgument unless CreateFile may make a file `name` beside `existing`: a valid
// name (see CreateFile) that differs from every other file's by more than letter case (the
// SQLite file would give both one table). Both stores keep to this one rule.
void CheckNewFileName(std::string_view name, const std::vector<std::string>& existing);

}  // namespace dba
