#include "state/procedure.h"

#include "data/archive/archive_files.h"

namespace vantelor {

void Ouvrir_Fichiers(Variable& v) {
  namespace files = dba::files;
  dba::Database& db = LaBase(v);
  v.Fic_PeriodesPaie = db.OpenFile(files::kPeriodesPaie);
  v.Fic_AidantsArchiveBull = db.OpenFile(files::kAidantsArchiveBull);
  v.Fic_AidesArchiveBull = db.OpenFile(files::kAidesArchiveBull);
  v.Fic_Association = db.OpenFile(files::kAssociation);
  v.Fic_CivilAidant = db.OpenFile(files::kCivilAidant);
  v.Fic_CivilAide = db.OpenFile(files::kCivilAide);
  v.Fic_ArchiveBull = db.OpenFile(files::kArchiveBull);
  v.Fic_Tempo = db.OpenFile(files::kTempo);
  v.Fic_Contrat = db.OpenFile(files::kContrat);
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

dba::Database& LaBase(const Variable& v) {
  if (!v.TheDatabase) throw dba::Error(dba::kBadArgument, "no database: TheDatabase was not set");
  return *v.TheDatabase;
}

dba::File& FichierOuvert(const std::shared_ptr<dba::File>& handle, std::string_view name) {
  if (!handle) throw dba::Error(dba::kFileNotFound, "file " + std::string(name) + " is not open");
  return *handle;
}

}  // namespace vantelor
