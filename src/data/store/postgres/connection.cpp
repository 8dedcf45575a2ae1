#include "data/store/postgres/connection.h"

#include <cstring>

#include "data/core/error.h"
#include "data/store/postgres/server_name.h"

namespace dba::pg {

namespace {

std::string Trimmed(const char* text) {
  std::string out = text ? text : "";
  while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
  return out;
}

// Connection exceptions (class 08) and the server shutting down (57P01-57P03) leave the
// connection unusable even when libpq has not noticed yet.
bool IsConnectionFailure(const char* state) {
  return state && (std::strncmp(state, "08", 2) == 0 || std::strcmp(state, "57P01") == 0 ||
                   std::strcmp(state, "57P02") == 0 || std::strcmp(state, "57P03") == 0);
}

std::string SavepointName(int depth) { return "vantelor_" + std::to_string(depth); }

}  // namespace

Connection::Connection(std::string name)
    : name_(std::move(name)), displayName_(WithoutPassword(name_)) {
  char* error = nullptr;
  PQconninfoOption* options = PQconninfoParse(name_.c_str(), &error);
  if (!options) {
    const std::string detail = ScrubPassword(name_, Trimmed(error));
    PQfreemem(error);
    throw Error(kBadArgument, "Nom de base incorrect " + displayName_ + " : " + detail);
  }
  PQconninfoFree(options);
  Connect(true);
}

Connection::~Connection() { PQfinish(conn_); }

void Connection::Connect(bool first) {
  const char* keywords[] = {"dbname", "fallback_application_name", "connect_timeout", nullptr};
  const char* values[] = {name_.c_str(), "vantelor", "10", nullptr};
  conn_ = PQconnectdbParams(keywords, values, 1);
  ++roundTrips_;
  if (conn_ && PQstatus(conn_) == CONNECTION_OK) {
    // The server's notices ("already exists, skipping") are no business of our callers'.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
    if (lockWait_ == 0) return;
    // A connection made again keeps the lock wait (one more round trip).
    const std::string set = "SET lock_timeout = " + std::to_string(lockWait_);
    PGresult* result = PQexec(conn_, set.c_str());
    ++roundTrips_;
    const bool done = PQresultStatus(result) == PGRES_COMMAND_OK;
    PQclear(result);
    if (done) return;
  }
  const std::string detail =
      ScrubPassword(name_, conn_ ? Trimmed(PQerrorMessage(conn_)) : "out of memory");
  PQfinish(conn_);
  conn_ = nullptr;
  if (!first) Lost(detail);
  throw Error(kStorageFailure, "Connexion impossible à la base " + displayName_ + " : " + detail);
}

void Connection::Reopen() {
  PQfinish(conn_);
  conn_ = nullptr;
  prepared_.clear();
  broken_ = true;
  Connect(false);
  broken_ = false;
}

void Connection::Lost(const std::string& detail) {
  broken_ = true;
  throw Error(kConnectionLost, "La base de données " + displayName_ + " ne répond pas (" + detail +
                                   "). Réessayez : la connexion sera rétablie à la prochaine "
                                   "action.");
}

void Connection::Fail(const Result& failure) {
  PGresult* result = failure.Raw();
  const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
  const char* primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
  const std::string message = Trimmed(primary ? primary : PQresultErrorMessage(result));
  if (IsConnectionFailure(state) || PQstatus(conn_) == CONNECTION_BAD) Lost(message);
  if (state && std::strcmp(state, "55P03") == 0)
    throw Error(kArchiveBusy,
                std::string(kArchiveBusyText) + " (" + displayName_ + " : " + message + ")");
  if (state && std::strcmp(state, "42501") == 0)
    throw Error(kStorageFailure,
                "Droits insuffisants sur la base " + displayName_ + " : " + message);
  throw Error(kStorageFailure, "database " + displayName_ + ": " + message);
}

void Connection::SetLockWait(long long milliseconds) {
  lockWait_ = milliseconds;
  Execute("SET lock_timeout = " + std::to_string(milliseconds));
}

Result Connection::Run(const std::string& sql, const Params& params, bool retry) {
  std::vector<Result> results = RunAll({{sql, params}}, retry);
  return std::move(results.front());
}

std::vector<Result> Connection::RunAll(const std::vector<Statement>& statements, bool retry) {
  if (broken_) {
    if (depth_ > 0) Lost("transaction interrompue");
    Reopen();
    retry = false;
  }
  try {
    return Send(statements);
  } catch (const Error& e) {
    if (e.code() != kConnectionLost || !retry || depth_ > 0) throw;
  }
  Reopen();
  return Send(statements);
}

// Sends one statement, with its preparation on its first use; returns the name it is
// being prepared under, or "" when there is nothing to prepare.
std::string Connection::SendOne(const Statement& s, std::size_t position) {
  const std::vector<const char*> values = s.params.Values();
  const auto send = [&](const char* name) {
    return name ? PQsendQueryPrepared(conn_, name, s.params.Count(), values.data(),
                                      s.params.Lengths(), s.params.Formats(), 1)
                : PQsendQueryParams(conn_, s.sql.c_str(), s.params.Count(), nullptr, values.data(),
                                    s.params.Lengths(), s.params.Formats(), 1);
  };
  std::string preparing;
  int sent = 1;
  if (!s.prepare) {
    sent = send(nullptr);
  } else if (const auto known = prepared_.find(s.sql); known != prepared_.end()) {
    sent = send(known->second.c_str());
  } else {
    // A name unique on this connection: statements prepared so far, then the position.
    preparing = 'v' + std::to_string(prepared_.size() + 1);
    preparing += '_';
    preparing += std::to_string(position);
    sent = PQsendPrepare(conn_, preparing.c_str(), s.sql.c_str(), 0, nullptr) == 1
               ? send(preparing.c_str())
               : 0;
  }
  if (sent != 1) Lost(Trimmed(PQerrorMessage(conn_)));
  return preparing;
}

// The reply to one command: its result, then the null that ends it.
Result Connection::Reply() {
  const auto next = [this]() {
    PGresult* r = PQgetResult(conn_);
    if (PQstatus(conn_) == CONNECTION_BAD) {
      PQclear(r);
      Lost(Trimmed(PQerrorMessage(conn_)));
    }
    return Result(r);
  };
  Result reply = next();
  if (!reply.Raw() || next().Raw()) Lost("unexpected reply");
  return reply;
}

std::vector<Result> Connection::Send(const std::vector<Statement>& statements) {
  if (trace_) trace_(statements);
  if (PQenterPipelineMode(conn_) != 1) Lost(Trimmed(PQerrorMessage(conn_)));
  std::vector<std::string> preparing;
  for (const Statement& s : statements) preparing.push_back(SendOne(s, preparing.size()));
  if (PQpipelineSync(conn_) != 1) Lost(Trimmed(PQerrorMessage(conn_)));
  ++roundTrips_;

  // After the first failure the server skips what follows (PGRES_PIPELINE_ABORTED).
  std::vector<Result> results;
  Result failure;
  const auto failed = [&](Result& reply) {
    const ExecStatusType status = PQresultStatus(reply.Raw());
    if (status == PGRES_FATAL_ERROR && !failure.Raw()) failure = std::move(reply);
    return status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK;
  };
  for (std::size_t i = 0; i < statements.size(); ++i) {
    if (!preparing[i].empty()) {
      Result prepared = Reply();
      if (!failed(prepared)) prepared_.emplace(statements[i].sql, preparing[i]);
    }
    Result reply = Reply();
    failed(reply);
    results.push_back(std::move(reply));
  }
  const Result sync(PQgetResult(conn_));
  if (PQresultStatus(sync.Raw()) != PGRES_PIPELINE_SYNC || PQexitPipelineMode(conn_) != 1)
    Lost("unexpected reply");
  if (failure.Raw()) Fail(failure);
  return results;
}

void Connection::Execute(const std::string& sql) {
  if (broken_) {
    if (depth_ > 0) Lost("transaction interrompue");
    Reopen();
  }
  PGresult* result = PQexec(conn_, sql.c_str());
  ++roundTrips_;
  const ExecStatusType status = PQresultStatus(result);
  if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) {
    PQclear(result);
    return;
  }
  if (!result) Lost(Trimmed(PQerrorMessage(conn_)));
  Fail(Result(result));
}

std::vector<Result> Connection::Begin(const std::vector<Statement>& first) {
  if (depth_ > 0) {
    RunAll({{"SAVEPOINT " + SavepointName(depth_), {}, false}});
    ++depth_;
    return {};
  }
  std::vector<Statement> statements{{"BEGIN", {}, false}};
  statements.insert(statements.end(), first.begin(), first.end());
  std::vector<Result> results;
  try {
    results = RunAll(statements, true);
  } catch (const Error&) {
    if (!broken_) {
      try {
        RunAll({{"ROLLBACK", {}, false}});
      } catch (const Error&) {
      }
    }
    throw;
  }
  depth_ = 1;
  results.erase(results.begin());
  return results;
}

Result Connection::RunInSavepoint(const Statement& statement) {
  const std::string name = SavepointName(depth_);
  try {
    std::vector<Result> results = RunAll(
        {{"SAVEPOINT " + name, {}, false}, statement, {"RELEASE SAVEPOINT " + name, {}, false}});
    return std::move(results[1]);
  } catch (const Error&) {
    if (!broken_) {
      try {
        RunAll({{"ROLLBACK TO SAVEPOINT " + name, {}, false},
                {"RELEASE SAVEPOINT " + name, {}, false}});
      } catch (const Error&) {
      }
    }
    throw;
  }
}

void Connection::Commit() {
  const int depth = depth_ - 1;
  RunAll({{depth == 0 ? "COMMIT" : "RELEASE SAVEPOINT " + SavepointName(depth), {}, false}});
  depth_ = depth;
}

void Connection::Rollback() noexcept {
  if (depth_ == 0) return;
  const int depth = --depth_;
  if (broken_) return;
  try {
    if (depth == 0) {
      RunAll({{"ROLLBACK", {}, false}});
    } else {
      RunAll({{"ROLLBACK TO SAVEPOINT " + SavepointName(depth), {}, false},
              {"RELEASE SAVEPOINT " + SavepointName(depth), {}, false}});
    }
  } catch (...) {
    // The server undoes a transaction whose connection is gone; nothing else can be done.
  }
}

}  // namespace dba::pg
