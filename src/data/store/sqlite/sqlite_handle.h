#pragma once
// Small owners of SQLite handles. A Connection closes its database and a Statement
// finalizes itself when it goes; every failing SQLite call becomes a dba::Error with
// code kStorageFailure and SQLite's own message (SQL quoted in it is cut short), or
// kArchiveBusy when another connection held a lock longer than the busy timeout.

#include <sqlite3.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace dba::sqlite {

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;

  // Binds are 1-based, as in SQLite. Text is bound as bytes: nothing is checked or
  // converted, so bytes that are not UTF-8 come back as they went in.
  Statement& Bind(int index, std::string_view text);
  Statement& Bind(int index, long long number);
  // Steps once: true when a row is ready, false when done. Throws on failure.
  bool Step();
  // Runs to completion, ignoring rows.
  void Run();
  // Ready for new binds and steps (keeps the compiled statement).
  void Reset();

  std::string ColumnText(int column) const;
  std::string_view ColumnView(int column) const;  // valid until the next Step/Reset
  long long ColumnInt(int column) const;

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

// A cached statement lent for one use: reset when the use ends, so that no read
// transaction stays open between calls (a reader left open would pin an old snapshot).
class StatementUse {
 public:
  explicit StatementUse(Statement& statement) : statement_(&statement) {}
  ~StatementUse() { statement_->Reset(); }
  StatementUse(const StatementUse&) = delete;
  StatementUse& operator=(const StatementUse&) = delete;
  Statement* operator->() const { return statement_; }
  Statement& operator*() const { return *statement_; }

 private:
  Statement* statement_;
};

// How a connection opens its file. kImmutable reads a file that nobody may write while it
// is open, without locks or the WAL's shared-memory file (which a read-only folder cannot
// hold).
enum class Access { kCreate, kReadWrite, kReadOnly, kImmutable };

class Connection {
 public:
  // Opens the database file at `path` (kCreate: made when missing; ":memory:" gives a
  // private in-memory database). kReadWrite falls to read only by itself when the system
  // refuses writing the file (see ReadOnly). Throws kStorageFailure when it cannot be
  // opened.
  explicit Connection(const std::string& path, Access access = Access::kCreate);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  sqlite3* Handle() const { return db_; }
  // True when the connection may not write (opened read only, or the file is).
  bool ReadOnly() const;
  // How long a statement waits for another connection's lock before kArchiveBusy (30 s
  // from the start: the tools' wait; the screens wait less).
  void SetBusyTimeout(int milliseconds);
  static constexpr int kDefaultBusyTimeoutMs = 30000;
  // Runs one or more statements that take no parameters.
  void Execute(std::string_view sql);
  // A compiled statement kept for the life of the connection, ready for binds.
  StatementUse Cached(const std::string& sql);

 private:
  sqlite3* db_ = nullptr;
  std::map<std::string, std::unique_ptr<Statement>, std::less<>> cache_;
};

// Throws the connection's last error, prefixed by `what`: kArchiveBusy for a lock that
// another connection held too long, kStorageFailure otherwise.
[[noreturn]] void Fail(sqlite3* db, std::string_view what);

// An identifier in double quotes, inner quotes doubled.
std::string Quoted(std::string_view identifier);

}  // namespace dba::sqlite
