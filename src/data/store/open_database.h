#pragma once
// One name for a database, two stores. Wherever a database is named (--db, VANTELOR_DB,
// the public OpenDatabase), a libpq URI beginning postgresql:// or postgres:// opens the
// server store (postgres/postgres_store.h); anything else is the path of a SQLite file
// (sqlite_store.h). Credentials come the way libpq finds them (the URI, PGPASSWORD,
// ~/.pgpass, service files); messages name a server database without its password.

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "data/core/admin_database.h"

namespace dba {

// True for a name of the server store.
bool IsServerName(std::string_view name);

// The name as messages may show it: a server name without its password.
std::string DisplayName(std::string_view name);

// Opens the database `name` (see above). kExisting refuses a SQLite file that does not
// exist and a server database that holds no archive; kCreate makes them. Throws
// dba::Error naming the database.
std::shared_ptr<AdminDatabase> OpenNamedDatabase(const std::string& name,
                                                 OpenMode mode = OpenMode::kExisting);

// How long the screens wait for a lock that another connection holds (an import, another
// workstation's print) before they tell the clerk the archive is busy (kArchiveBusy).
inline constexpr std::chrono::seconds kScreenLockWait{3};

// The database client of both stores, the one the screens and hosts use: opens existing
// databases by name, waiting kScreenLockWait at most for a lock.
class StoreClient : public Client {
 public:
  std::shared_ptr<Database> OpenDatabase(const std::string& name) override;
};

}  // namespace dba
