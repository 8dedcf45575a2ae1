// The public factories of the outside objects.
#include "vantelor/objects.h"
#include "data/store/open_database.h"
#include "rights/stored_rights.h"
#include "state/procedure.h"
#include "state/variable.h"

namespace vantelor {

ClientRef NewClient() { return std::make_shared<dba::StoreClient>(); }

DatabaseRef OpenDatabase(const ClientRef& client, const std::string& name) {
  if (!client)
    throw dba::Error(dba::kBadArgument,
                     "cannot open database " + dba::DisplayName(name) + ": no client");
  return client->OpenDatabase(name);
}

RightsRef RightsForUser(const DatabaseRef& database, const std::string& userName) {
  return std::make_shared<rights::StoredUserRights>(database, userName);
}

bool HasRights(const DatabaseRef& database, const std::string& userName) {
  return !rights::StoredUserRights(database, userName).AccessCodesOf(kFonctionPalimor).empty();
}

std::string LoginName() { return Lire_NomUtilisateur(); }

}  // namespace vantelor
