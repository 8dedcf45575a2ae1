// The login name of the user running the process: the one place that asks the system.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "state/procedure.h"

namespace vantelor {

std::string Lire_NomUtilisateur() {
  const passwd* pw = getpwuid(geteuid());
  return NomUtilisateur(pw ? pw->pw_name : nullptr, std::getenv("USER"));
}

std::string NomUtilisateur(const char* fromPasswd, const char* fromEnvironment) {
  // Whole, however long: a long name must not collapse into the same print-request key
  // as every other long name.
  for (const char* name : {fromPasswd, fromEnvironment}) {
    if (name && *name) return name;
  }
  return "";
}

}  // namespace vantelor
