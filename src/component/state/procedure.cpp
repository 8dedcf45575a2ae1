#include "component/state/procedure.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace vantelor {

void Ouvrir_Fichiers(Variable& v) {
  dba::Database& db = LaBase(v);
  v.Fic_PeriodesPaie = db.OpenFile("PERIODESPAIE");
  v.Fic_AidantsArchiveBull = db.OpenFile("AIDANTSARCHIVEBULL");
  v.Fic_AidesArchiveBull = db.OpenFile("AIDESARCHIVEBULL");
  v.Fic_Association = db.OpenFile("ASSOCIATION");
  v.Fic_CivilAidant = db.OpenFile("CIVILAIDANT");
  v.Fic_CivilAide = db.OpenFile("CIVILAIDE");
  v.Fic_ArchiveBull = db.OpenFile("ARCHIVEBULL");
  v.Fic_Tempo = db.OpenFile("TEMPO");
  v.Fic_Contrat = db.OpenFile("CONTRAT");
}

void Fermer_Fichiers(Variable& v) {
  for (dba::Record* r :
       {&v.Enr_ArchiveBull, &v.Enr_CivilAidant, &v.Enr_CivilAide, &v.Enr_Association,
        &v.Enr_Contrat, &v.Enr_DetailCalcul, &v.Enr_RubSaisie, &v.Enr_RubCharge, &v.Enr_Tempo}) {
    *r = dba::Record();
  }
  for (auto* f :
       {&v.Fic_PeriodesPaie, &v.Fic_AidantsArchiveBull, &v.Fic_AidesArchiveBull, &v.Fic_Association,
        &v.Fic_CivilAidant, &v.Fic_CivilAide, &v.Fic_ArchiveBull, &v.Fic_Tempo, &v.Fic_RubCharge,
        &v.Fic_RubSaisie, &v.Fic_DetailCalcul, &v.Fic_Contrat}) {
    f->reset();
  }
  v.TheDatabase.reset();
}

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

dba::Database& LaBase(Variable& v) {
  if (!v.TheDatabase) throw dba::Error(dba::kBadArgument, "no database: TheDatabase was not set");
  return *v.TheDatabase;
}

dba::File& FichierOuvert(const std::shared_ptr<dba::File>& handle, std::string_view name) {
  if (!handle) throw dba::Error(dba::kFileNotFound, "file " + std::string(name) + " is not open");
  return *handle;
}

}  // namespace vantelor
