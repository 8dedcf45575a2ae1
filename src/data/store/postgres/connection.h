#pragma once
// Internal to the server store: one libpq connection and what it has prepared.
//
// Every statement is prepared once per connection, on its first use, in the same round
// trip as its first execution; statements sent together travel in one round trip
// (libpq's pipeline mode). Transactions nest: the outermost is BEGIN ... COMMIT, an inner
// one a savepoint.
//
// Errors: a server that cannot be reached when the connection is made is kStorageFailure;
// a connection lost afterwards is kConnectionLost, and the next call outside a
// transaction connects again (reads that find the connection gone reconnect at once and
// are sent again). Both messages are French, for the screens show them to the clerk, and
// name the database without its password. A lock that another connection held longer than
// SetLockWait allows is kArchiveBusy. Other server errors are kStorageFailure.

#include <libpq-fe.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "data/store/postgres/result.h"

namespace dba::pg {

struct Statement {
  Statement(std::string text, Params parameters = {}, bool prepared = true)
      : sql(std::move(text)), params(std::move(parameters)), prepare(prepared) {}
  std::string sql;
  Params params;
  bool prepare;  // false for BEGIN, COMMIT, SAVEPOINT and the like
};

class Connection {
 public:
  // Connects to the database `name` (a libpq URI); the credentials are libpq's own
  // (the URI, PGPASSWORD, ~/.pgpass, service files).
  explicit Connection(std::string name);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // The database's name without its password.
  const std::string& DisplayName() const { return displayName_; }

  // One statement; `retry` when sending it twice is harmless (a read).
  Result Run(const std::string& sql, const Params& params = {}, bool retry = false);
  // Statements sent in one round trip; their results in order. The first failure throws,
  // and the statements after it are not run.
  std::vector<Result> RunAll(const std::vector<Statement>& statements, bool retry = false);
  // SQL without parameters or results (schema, grants); one round trip, not prepared.
  void Execute(const std::string& sql);

  // One statement that either happens whole or not at all without ending the open
  // transaction (a savepoint around it, sent in the same round trip). Inside a
  // transaction only.
  Result RunInSavepoint(const Statement& statement);

  // The outermost Begin sends BEGIN with `first` (their results are returned);
  // inner ones a savepoint.
  std::vector<Result> Begin(const std::vector<Statement>& first = {});
  void Commit();
  void Rollback() noexcept;
  int Depth() const { return depth_; }

  // Statements wait at most this long for a lock another connection holds, then fail with
  // kArchiveBusy; kept for the connections made again. 0 = as long as the server says.
  void SetLockWait(long long milliseconds);

  // Round trips to the server since the connection was made (a connection counts one).
  long long RoundTrips() const { return roundTrips_; }
  // Called with every lot of statements sent (benchmarks replay them with libpq alone).
  using Trace = std::function<void(const std::vector<Statement>&)>;
  void SetTrace(Trace trace) { trace_ = std::move(trace); }
  PGconn* Handle() const { return conn_; }

 private:
  void Connect(bool first);
  void Reopen();
  std::vector<Result> Send(const std::vector<Statement>& statements);
  std::string SendOne(const Statement& statement, std::size_t position);
  Result Reply();
  [[noreturn]] void Lost(const std::string& detail);
  [[noreturn]] void Fail(const Result& failure);

  std::string name_;
  std::string displayName_;
  PGconn* conn_ = nullptr;
  bool broken_ = false;
  int depth_ = 0;
  long long lockWait_ = 0;
  long long roundTrips_ = 0;
  Trace trace_;
  std::map<std::string, std::string, std::less<>> prepared_;  // SQL → statement name
};

}  // namespace dba::pg
