#pragma once
// The selection screen: the control's own window. Its controls are declared in tab
// order; its handlers live in one file per concern:
//   selection_screen.cpp  construction, layout, Init
//   criteria.cpp          activity and period boxes, Verif_Zones, help pop-up menu
//   lookup.cpp            caregiver and care-recipient code checks, name searches
//   name_search.cpp       the name-search sentence and its list of persons
//   search.cpp            Recherche, OK, Sortir
//   listing.cpp           Lister
//   affiche_bull.cpp      opening a listed payslip in the viewer
//   batch_print.cpp       Imprimer

#include <string>

#include "data/core/dynamic_array.h"
#include "printing/ostrel.h"
#include "state/variable.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace vantelor {

inline constexpr const char* kTitreMessage = "Message KALVENOR";

class SelectionScreen : public ui::UserControl {
 public:
  explicit SelectionScreen(Variable& v);
  ~SelectionScreen() override;

  // Controls, in tab order.
  ui::Frame Cdr_Selection{*this, "Cdr_Selection", "Critères de sélection"};
  ui::CheckBox Cac_Prestataire{*this, "Cac_Prestataire", "Prestataire"};
  ui::CheckBox Cac_Mandataire{*this, "Cac_Mandataire", "Mandataire"};
  ui::Frame Cdr_Individu{*this, "Cdr_Individu", "Choix de l'aidant et/ou de l'aidé"};
  ui::Label Etq_Select{*this, "Etq_Select", "Aidant"};
  ui::TextBox Txt_CodeAidant{*this, "Txt_CodeAidant"};
  ui::ComboBox Cbo_NomAidant{*this, "Cbo_NomAidant"};
  ui::Label Etq_Aide{*this, "Etq_Aide", "Aidé"};
  ui::TextBox Txt_CodeAide{*this, "Txt_CodeAide"};
  ui::ComboBox Cbo_NomAide{*this, "Cbo_NomAide"};
  ui::CommandButton Cmd_Recherche{*this, "Cmd_Recherche", "Recherche"};
  ui::Frame Cdr_Periode{*this, "Cdr_Periode", "Période de paie"};
  ui::Label Etq_DebutPeriode{*this, "Etq_DebutPeriode", "De"};
  ui::ComboBox Cbo_DebutPeriode{*this, "Cbo_DebutPeriode"};
  ui::ComboBox Cbo_DebutAn{*this, "Cbo_DebutAn"};
  ui::Label Etq_FinPeriode{*this, "Etq_FinPeriode", "A"};
  ui::ComboBox Cbo_FinPeriode{*this, "Cbo_FinPeriode"};
  ui::ComboBox Cbo_FinAn{*this, "Cbo_FinAn"};
  ui::CommandButton Cmd_Lister{*this, "Cmd_Lister", "Lister"};
  ui::Frame Cdr_Select{*this, "Cdr_Select", "Sélection"};
  ui::Label Etq_Periode{*this, "Etq_Periode", "Période"};
  ui::Label Etq_Employeur{*this, "Etq_Employeur", "Employeur"};
  ui::ListBox Lst_Periode{*this, "Lst_Periode"};
  ui::ListBox Lst_CodeArchive{*this, "Lst_CodeArchive"};
  ui::CommandButton Cmd_Imprimer{*this, "Cmd_Imprimer", "Imprimer"};
  ui::CheckBox Cac_Preimp{*this, "Cac_Preimp", "Documents pré imprimés"};
  ui::CommandButton Cmd_OK{*this, "Cmd_OK", "OK"};
  ui::CommandButton Cmd_Sortir{*this, "Cmd_Sortir", "Sortir"};
  ui::Menu Mnu_Aide{*this, "Mnu_Aide", "Aide"};
  ui::Menu Mnu_Sommaire{*this, "Mnu_Sommaire", "Aide_KALVENOR"};

  // Per-control members.
  bool W_Sortir = false;
  std::string W_CodeAidant;
  bool W_Erreur = false;
  dba::DynArray W_ListeAidants;
  dba::DynArray W_ListeAides;
  dba::DynArray W_ListeBulletins;

  // The control's Init: opens the files into the shared state, resets the screen,
  // preselects W_CodeAidant, reads the pre-printed setting and puts the focus on the
  // caregiver code. A file that cannot be opened stops it with the database's error.
  void Init();

  // criteria.cpp
  void Recherche_PreImp();
  void Remplir_PeriodeAn();
  void Vider_Zones();
  void Gestion_Bdv();
  void Verif_Zones();
  void Desactiver_Periode();
  void Activer_Aide(bool flag);
  void Gestion_Lister();

  // lookup.cpp
  void Txt_CodeAidant_Change();
  void Txt_CodeAide_Change();
  void Recherche_NomAidant();
  void Recherche_NomAide();
  void Cbo_NomAidant_Click();
  void Cbo_NomAide_Click();

  // search.cpp
  void Gestion_Recherche();
  void Rechercher();
  void Recherche_Bulletin(const std::string& Etre, const std::string& W_Couple = "");
  void Cmd_Recherche_Click();
  void Cmd_OK_Click();
  void Cmd_Sortir_Click();

  // listing.cpp
  void Cmd_Lister_Click();

  // affiche_bull.cpp
  void Affiche_Bull();
  void Lst_Periode_DblClick();

  // ---- batch_print.cpp: reprinting every listed payslip (printing) ----
  void Cmd_Imprimer_Click();
  // The print control placed on the screen.
  printing::OstrelControl Ctr_Ostrel;
  // ---- end batch_print.cpp ----

  Variable& var() { return v_; }

 private:
  // selection_screen.cpp
  void Disposer();

  // criteria.cpp
  void Cac_Activite_Click();
  void Afficher_MenuAide(ui::Control& over, int button, int x, int y);

  // Each concern wires its own events; the constructor calls them all.
  void WireCriteria();
  void WireLookup();
  void WireSearch();
  void WireListing();
  void WireAfficheBull();
  void WireBatchPrint();

  Variable& v_;
};

}  // namespace vantelor
