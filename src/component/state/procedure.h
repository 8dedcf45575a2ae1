#pragma once
// Shared procedures of the component.

#include <string>

#include "component/state/variable.h"

namespace vantelor {

// Opens the nine files of the component, in order, into their handles. The first failing
// open throws its dba::Error; the files opened before it stay open.
void Ouvrir_Fichiers(Variable& v);
// Releases every record global, then the file handles in order, then the database.
void Fermer_Fichiers(Variable& v);
// The login name of the user running the process, whole whatever its length.
std::string Lire_NomUtilisateur();

}  // namespace vantelor
