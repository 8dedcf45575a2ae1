#pragma once
// The office store: a dba::Database on a PostgreSQL server, reached with libpq, for
// several workstations sharing one archive. It gives exactly the results and error codes
// of the SQLite file (sqlite_store.h) for every call and every query sentence: keys,
// records and dictionary values are bytes (bytea), compared byte by byte, so orders are
// the same and text that is not UTF-8 comes back unchanged.
//
// Each file is a table "NAME"(key, record); the store's own tables are listed in
// schema.h. Every statement is prepared once per connection; keys and sentence texts are
// always parameters. A write is one transaction unless a Transaction is open; readers
// never see a transaction half done. Records a screen is about to read one by one after a
// sentence (the records it selected, or the records their dictionary items read) are
// fetched together (read_ahead.h), so that an interaction costs a few round trips.
//
// Every method may throw dba::Error; see connection.h for the errors of the server.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/core/admin_database.h"

namespace dba {

struct Sentence;

namespace pg {
enum class ArchiveLock;
class Connection;
struct Statement;
class DictionaryValues;
class ReadAhead;
}  // namespace pg

class PostgresDatabase : public AdminDatabase,
                         public std::enable_shared_from_this<PostgresDatabase> {
 public:
  // Use OpenPostgresDatabase; the constructor is public only for make_shared.
  struct Private;
  PostgresDatabase(const Private&, const std::string& name, OpenMode mode);
  ~PostgresDatabase() override;
  PostgresDatabase(const PostgresDatabase&) = delete;
  PostgresDatabase& operator=(const PostgresDatabase&) = delete;

  const std::string& DisplayName() const override;

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
  void Reindex() override;

  std::vector<std::string> SelectKeys(std::string_view sentence) override;

  bool ReadText(std::string_view file, std::string_view key, std::string& text) override;
  void Write(std::string_view file, std::string_view key, std::string_view text) override;
  bool Erase(std::string_view file, std::string_view key) override;
  // The records of `keys` are read ahead as a sentence's are (read_ahead.h).
  void Prefetch(std::string_view file, const std::vector<std::string>& keys) override;

  void GrantClerk(std::string_view role) override;

  // Rights are the server's: a write the role may not make is refused by it.
  bool ReadOnly() const override { return false; }
  // Without it, statements wait for a lock as long as the server says (lock_timeout).
  void SetLockWait(std::chrono::milliseconds wait) override;

  // Round trips to the server so far (a connection made counts one): for benchmarks.
  long long RoundTrips() const;
  // Reading ahead (read_ahead.h) is on; off only to measure what it saves. Either way,
  // what was read ahead or kept is forgotten.
  void SetReadAhead(bool on);
  pg::Connection& Connection() { return *connection_; }

 protected:
  void BeginTransaction() override;
  void CommitTransaction() override;
  void RollbackTransaction() noexcept override;

 private:
  std::vector<std::string> SelectKeys(const Sentence& sentence);
  void LoadCatalog();
  std::optional<long long> RunPlain(std::string_view file, const pg::Statement& statement);

  std::unique_ptr<pg::Connection> connection_;
  std::unique_ptr<pg::DictionaryValues> dictionaries_;
  std::unique_ptr<pg::ReadAhead> readAhead_;
  std::vector<std::string> files_;  // sorted catalog cache
  void LockDictionary(std::vector<pg::Statement>& statements);
  pg::Statement Lock(pg::ArchiveLock lock, bool shared = false) const;

  long long schema_ = 0;  // the schema's number, for its advisory locks (schema.h)
  // The transaction level (Connection::Depth) that holds kDictionary, 0 for none: a
  // savepoint rolled back releases the locks taken after it.
  int dictionaryLockDepth_ = 0;
  bool readAheadOn_ = true;
};

// Opens the database named by the libpq URI `name` (postgresql://... or postgres://...).
// kExisting: kStorageFailure when the database holds no archive yet; kCreate makes the
// store's tables (the database itself must exist on the server). A malformed name is
// kBadArgument; a server that cannot be reached kStorageFailure.
std::shared_ptr<PostgresDatabase> OpenPostgresDatabase(const std::string& name, OpenMode mode);

}  // namespace dba
