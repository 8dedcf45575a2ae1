#pragma once
// Component-wide state: one copy shared by the control and its three windows, which run
// one after the other on the user-interface thread (the windows are modal). The control
// owns it and hands it to each window it opens; Fermer_Fichiers releases it.

#include <cstdint>
#include <memory>

#include "data/core/database.h"
#include "rights/rights.h"

namespace vantelor {

// This component's function code in the users' rights.
inline constexpr const char* kFonctionPalimor = "PALIMOR";

struct Variable {
  // Outside objects handed in by the host.
  std::shared_ptr<rights::UserRights> DroitsUtilisateur;
  std::shared_ptr<rights::FunctionAccess> DroitsFonction;  // rights on "PALIMOR"
  std::shared_ptr<dba::Client> TheClient;
  std::shared_ptr<dba::Database> TheDatabase;

  // File handles opened by Ouvrir_Fichiers.
  std::shared_ptr<dba::File> Fic_PeriodesPaie;
  std::shared_ptr<dba::File> Fic_AidantsArchiveBull;
  std::shared_ptr<dba::File> Fic_AidesArchiveBull;
  std::shared_ptr<dba::File> Fic_Association;
  std::shared_ptr<dba::File> Fic_CivilAidant;
  std::shared_ptr<dba::File> Fic_CivilAide;
  std::shared_ptr<dba::File> Fic_ArchiveBull;
  std::shared_ptr<dba::File> Fic_Tempo;
  std::shared_ptr<dba::File> Fic_Contrat;
  // Opened by the calculation detail window at each of its openings.
  std::shared_ptr<dba::File> Fic_RubSaisie;
  std::shared_ptr<dba::File> Fic_RubCharge;
  std::shared_ptr<dba::File> Fic_DetailCalcul;

  // Record globals: each read replaces what the variable held.
  dba::Record Enr_ArchiveBull;  // the payslip shown by the viewer
  dba::Record Enr_CivilAidant;
  dba::Record Enr_CivilAide;
  dba::Record Enr_Association;
  dba::Record Enr_Contrat;
  dba::Record Enr_DetailCalcul;
  dba::Record Enr_RubSaisie;
  dba::Record Enr_RubCharge;
  dba::Record Enr_Tempo;

  bool W_PreImprime = false;            // Cac_Preimp ticked when the payslip was opened
  std::int16_t W_StatutImpression = 0;  // handed to the print control by reference
};

}  // namespace vantelor
