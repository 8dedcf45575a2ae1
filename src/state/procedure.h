#pragma once
// Shared procedures of the component.

#include <string>
#include <string_view>

#include "state/variable.h"

namespace vantelor {

// Opens the nine files of the component, in order, into their handles. The first failing
// open throws its dba::Error; the files opened before it stay open.
void Ouvrir_Fichiers(Variable& v);
// Releases every record global, then the file handles in order, then the database.
void Fermer_Fichiers(Variable& v);
// The login name of the user running the process, whole whatever its length.
std::string Lire_NomUtilisateur();
// The first name found among the password entry's and the environment's (either may be
// null), whole; "" when neither gives one.
std::string NomUtilisateur(const char* fromPasswd, const char* fromEnvironment);

// The database handed in by the host; throws dba::Error(kBadArgument) when none was, so
// that a host which forgot TheDatabase gets an error rather than a crash.
dba::Database& LaBase(const Variable& v);
// An open file handle; throws dba::Error(kFileNotFound) naming the file when it is not
// open (Init failed before opening it, or was never called).
dba::File& FichierOuvert(const std::shared_ptr<dba::File>& handle, std::string_view name);

}  // namespace vantelor
