#include "data/store/open_database.h"

#include "data/store/postgres/postgres_store.h"
#include "data/store/postgres/server_name.h"
#include "data/store/sqlite/sqlite_store.h"

namespace dba {

bool IsServerName(std::string_view name) {
  return name.rfind("postgresql://", 0) == 0 || name.rfind("postgres://", 0) == 0;
}

std::string DisplayName(std::string_view name) {
  return IsServerName(name) ? pg::WithoutPassword(name) : std::string(name);
}

std::shared_ptr<AdminDatabase> OpenNamedDatabase(const std::string& name, OpenMode mode) {
  if (IsServerName(name)) return OpenPostgresDatabase(name, mode);
  return OpenSqliteDatabase(name, mode);
}

std::shared_ptr<Database> StoreClient::OpenDatabase(const std::string& name) {
  std::shared_ptr<AdminDatabase> database = OpenNamedDatabase(name, OpenMode::kExisting);
  database->SetLockWait(kScreenLockWait);
  return database;
}

}  // namespace dba
