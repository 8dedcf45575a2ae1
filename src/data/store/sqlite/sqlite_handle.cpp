#include "data/store/sqlite/sqlite_handle.h"

#include "data/core/error.h"
#include "data/store/common/sentence_sql.h"
#include "text/text.h"

namespace dba::sqlite {

namespace {

// SQL quoted in a message: a sentence may make a statement of hundreds of kilobytes.
constexpr int kQuotedSql = 200;

std::string QuotedSql(std::string_view sql) { return "\"" + text::Excerpt(sql, kQuotedSql) + "\""; }

[[noreturn]] void Throw(sqlite3* db, int code, const std::string& what,
                        const std::string& message) {
  const int primary = code & 0xFF;
  if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    throw Error(kArchiveBusy, std::string(kArchiveBusyText) + " (" +
                                  (file && *file ? file : "database") + ": " + message + ")");
  }
  throw Error(kStorageFailure, what + ": " + message);
}

}  // namespace

void Fail(sqlite3* db, std::string_view what) {
  if (!db) throw Error(kStorageFailure, std::string(what) + ": no database");
  Throw(db, sqlite3_extended_errcode(db), std::string(what), sqlite3_errmsg(db));
}

std::string Quoted(std::string_view identifier) { return QuotedIdentifier(identifier); }

Statement::Statement(sqlite3* db, std::string_view sql) {
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
      SQLITE_OK)
    Fail(db, "cannot prepare " + QuotedSql(sql));
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
  std::string message = "statement failed (" + text::Excerpt(sqlite3_sql(stmt_), kQuotedSql) + ")";
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

namespace {

// A URI for the path (with immutable=1): '%', '?' and '#' written as %XX.
std::string ImmutableUri(const std::string& path) {
  std::string uri = "file:";
  for (char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      static const char* const kHex = "0123456789ABCDEF";
      uri += '%';
      uri += kHex[(c >> 4) & 15];
      uri += kHex[c & 15];
    } else {
      uri += c;
    }
  }
  return uri + "?immutable=1";
}

int FlagsOf(Access access) {
  switch (access) {
    case Access::kCreate:
      return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    case Access::kReadWrite:
      return SQLITE_OPEN_READWRITE;
    case Access::kReadOnly:
      return SQLITE_OPEN_READONLY;
    case Access::kImmutable:
      return SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
  }
  return SQLITE_OPEN_READONLY;
}

}  // namespace

Connection::Connection(const std::string& path, Access access) {
  const std::string name = access == Access::kImmutable ? ImmutableUri(path) : path;
  if (sqlite3_open_v2(name.c_str(), &db_, FlagsOf(access) | SQLITE_OPEN_NOMUTEX, nullptr) !=
      SQLITE_OK) {
    std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    throw Error(kStorageFailure, "cannot open database " + path + ": " + message);
  }
  sqlite3_extended_result_codes(db_, 1);
  SetBusyTimeout(kDefaultBusyTimeoutMs);
}

bool Connection::ReadOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }

void Connection::SetBusyTimeout(int milliseconds) { sqlite3_busy_timeout(db_, milliseconds); }

Connection::~Connection() {
  cache_.clear();  // statements first: a connection with live statements will not close
  sqlite3_close(db_);
}

void Connection::Execute(std::string_view sql) {
  std::string owned(sql);
  char* error = nullptr;
  const int rc = sqlite3_exec(db_, owned.c_str(), nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    std::string message = error ? error : sqlite3_errmsg(db_);
    sqlite3_free(error);
    Throw(db_, rc, QuotedSql(owned) + " failed", message);
  }
}

StatementUse Connection::Cached(const std::string& sql) {
  auto it = cache_.find(sql);
  if (it == cache_.end()) it = cache_.emplace(sql, std::make_unique<Statement>(db_, sql)).first;
  return StatementUse(*it->second);
}

}  // namespace dba::sqlite
