// The public factories of the outside objects.
#include "vantelor/objects.h"
#include "data/store/open_database.h"
#include "rights/stored_rights.h"
#include "state/procedure.h"
#include "state/variable.h"
#include "text/text.h"

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

std::string UserForRights(const DatabaseRef& database, const std::string& requested) {
  const std::string login = Lire_NomUtilisateur();
  if (requested.empty() || text::Upper(requested) == text::Upper(login)) return login;
  // "*" as an access code passes exactly when the rights hold the value "*".
  const bool manager =
      !login.empty() &&
      RightsForUser(database, login)->FunctionRights(kFonctionPalimor)->PersonAccess("*", 0);
  if (!manager) {
    throw std::runtime_error("L'utilisateur " + login + " ne peut pas agir avec les droits de " +
                             requested +
                             " : ses propres droits ne permettent pas de voir tout "
                             "le monde.");
  }
  return requested;
}

}  // namespace vantelor
