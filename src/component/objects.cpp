// The public factories of the outside objects.
#include "vantelor/objects.h"
#include "data/sqlite_store.h"
#include "rights/stored_rights.h"
#include "state/procedure.h"

namespace vantelor {

ClientRef NewClient() { return std::make_shared<dba::SqliteClient>(); }

DatabaseRef OpenDatabase(const ClientRef& client, const std::string& path) {
  if (!client) throw dba::Error(dba::kBadArgument, "cannot open database " + path + ": no client");
  return client->OpenDatabase(path);
}

RightsRef RightsForUser(const DatabaseRef& database, const std::string& userName) {
  return std::make_shared<rights::StoredUserRights>(database, userName);
}

std::string LoginName() { return Lire_NomUtilisateur(); }

}  // namespace vantelor
