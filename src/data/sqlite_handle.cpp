#include "data/sqlite_handle.h"

#include "data/error.h"
#include "data/sentence_sql.h"

namespace dba::sqlite {

void Fail(sqlite3* db, std::string_view what) {
  throw Error(kStorageFailure,
              std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "no database"));
}

std::string Quoted(std::string_view identifier) { return QuotedIdentifier(identifier); }

Statement::Statement(sqlite3* db, std::string_view sql) {
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
      SQLITE_OK)
    Fail(db, "cannot prepare \"" + std::string(sql) + "\"");
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement::Statement(Statement&& other) noexcept : stmt_(other.stmt_) { other.stmt_ = nullptr; }

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(stmt_);
    stmt_ = other.stmt_;
    other.stmt_ = nullptr;
  }
  return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
  // SQLITE_TRANSIENT: SQLite copies the bytes, so the caller's buffer may go.
  if (sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8) !=
      SQLITE_OK)
    Fail(sqlite3_db_handle(stmt_), "cannot bind parameter " + std::to_string(index));
  return *this;
}

Statement& Statement::Bind(int index, long long number) {
  if (sqlite3_bind_int64(stmt_, index, number) != SQLITE_OK)
    Fail(sqlite3_db_handle(stmt_), "cannot bind parameter " + std::to_string(index));
  return *this;
}

bool Statement::Step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  sqlite3* db = sqlite3_db_handle(stmt_);
  std::string message = std::string("statement failed (") + sqlite3_sql(stmt_) + ")";
  sqlite3_reset(stmt_);
  Fail(db, message);
}

void Statement::Run() {
  while (Step()) {
  }
}

void Statement::Reset() { sqlite3_reset(stmt_); }

std::string Statement::ColumnText(int column) const { return std::string(ColumnView(column)); }

std::string_view Statement::ColumnView(int column) const {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
  const int size = sqlite3_column_bytes(stmt_, column);
  if (!bytes) return {};
  return {bytes, static_cast<std::size_t>(size)};
}

long long Statement::ColumnInt(int column) const { return sqlite3_column_int64(stmt_, column); }

Connection::Connection(const std::string& path) {
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    throw Error(kStorageFailure, "cannot open database " + path + ": " + message);
  }
  sqlite3_extended_result_codes(db_, 1);
}

Connection::~Connection() {
  cache_.clear();  // statements first: a connection with live statements will not close
  sqlite3_close(db_);
}

void Connection::Execute(std::string_view sql) {
  std::string owned(sql);
  char* error = nullptr;
  if (sqlite3_exec(db_, owned.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : sqlite3_errmsg(db_);
    sqlite3_free(error);
    throw Error(kStorageFailure, "\"" + owned + "\" failed: " + message);
  }
}

StatementUse Connection::Cached(const std::string& sql) {
  auto it = cache_.find(sql);
  if (it == cache_.end()) it = cache_.emplace(sql, std::make_unique<Statement>(db_, sql)).first;
  return StatementUse(*it->second);
}

}  // namespace dba::sqlite
