#pragma once
// Frm_Complement: the complementary page of the payslip open in the viewer: the whole
// header (employer identity and registration numbers, the employee's staff data, the
// caregiver's address, the collective agreement) and the whole footer (month and
// cumulated figures, totals, net to pay in two currencies, leave balances), all read
// from the shared ARCHIVEBULL record. Modal and read-only; it closes only through Retour.
//   frm_complement.cpp      construction, wiring, loading, closing, help pop-up menu
//   complement_layout.cpp   fonts, geometry, captions and help contexts
//   complement_entete.cpp   Remplir_Bulletin and the header procedures
//   complement_pied.cpp     the three footer procedures

#include <cstdint>

#include "state/variable.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace vantelor {

class Frm_Complement : public ui::Form {
 public:
  // `v` must outlive the window. The caller loads it, calls Remplir_Bulletin and shows
  // it modally.
  explicit Frm_Complement(Variable& v);
  ~Frm_Complement() override;

  // Header.
  ui::Frame Cdr_EnteteBulletin{*this, "Cdr_EnteteBulletin", "Entête du bulletin"};
  ui::Label Label1{*this, "Label1", "BULLETIN DE PAIE :"};
  ui::Label Etq_Entete1{*this, "Etq_Entete1"};
  ui::Label Etq_Entete2{*this, "Etq_Entete2"};
  ui::Frame Cdr_Cadre1{*this, "Cdr_Cadre1"};
  ui::Label Etq_SigleEmpl{*this, "Etq_SigleEmpl"};
  ui::Label Etq_AdresseEmpl{*this, "Etq_AdresseEmpl"};
  ui::Label Etq_ComplAdrEmpl{*this, "Etq_ComplAdrEmpl"};
  ui::Label Etq_VilleEmpl{*this, "Etq_VilleEmpl"};
  ui::Frame Cdr_Cadre4{*this, "Cdr_Cadre4"};
  ui::Label Etq_Aidant{*this, "Etq_Aidant"};
  ui::Label Etq_AdresseAidant{*this, "Etq_AdresseAidant"};
  ui::Label Etq_ComplAdrAidant{*this, "Etq_ComplAdrAidant"};
  ui::Label Etq_VilleAidant{*this, "Etq_VilleAidant"};
  ui::Frame Cdr_Cadre2{*this, "Cdr_Cadre2"};
  ui::Label Etq_SiretEmpl{*this, "Etq_SiretEmpl"};
  ui::Label Etq_ApeEmpl{*this, "Etq_ApeEmpl"};
  ui::Label Etq_UrssafEmpl{*this, "Etq_UrssafEmpl"};
  ui::Label Etq_NumEmpl{*this, "Etq_NumEmpl"};
  ui::Frame Cdr_Cadre3{*this, "Cdr_Cadre3"};
  ui::Label Etq_Matricule{*this, "Etq_Matricule"};
  ui::Label Etq_NumSS{*this, "Etq_NumSS"};
  ui::Label Etq_Qualif{*this, "Etq_Qualif"};
  ui::Label Etq_Coeff{*this, "Etq_Coeff"};
  ui::Label Etq_Anciennete{*this, "Etq_Anciennete"};
  ui::Label Etq_DateEntree{*this, "Etq_DateEntree"};
  ui::Frame Cdr_ConvCol{*this, "Cdr_ConvCol"};
  ui::Label Etq_ConvCol{*this, "Etq_ConvCol"};

  // Footer: month and cumulated rows.
  ui::Frame Cdr_PiedBulletin{*this, "Cdr_PiedBulletin", "Pied de page du bulletin"};
  ui::Label Label23{*this, "Label23"};
  ui::Label Label16{*this, "Label16", "mois"};
  ui::Label Label17{*this, "Label17", "cumul"};
  ui::Label Etq_BrutM{*this, "Etq_BrutM"};
  ui::Label Etq_NetFiscM{*this, "Etq_NetFiscM"};
  ui::Label Etq_HresM{*this, "Etq_HresM"};
  ui::Label Etq_BrutC{*this, "Etq_BrutC"};
  ui::Label Etq_NetFiscC{*this, "Etq_NetFiscC"};
  ui::Label Etq_HresC{*this, "Etq_HresC"};
  // Totals and net to pay.
  ui::Label Lab_ChgPat{*this, "Lab_ChgPat", "CHARGES PATR."};
  ui::Label Lab_Gain{*this, "Lab_Gain", "GAINS"};
  ui::Label Lab_Retenue{*this, "Lab_Retenue", "RETENUES"};
  ui::Label Etq_ChargesPat{*this, "Etq_ChargesPat"};
  ui::Label Etq_Gains{*this, "Etq_Gains"};
  ui::Label Etq_Retenues{*this, "Etq_Retenues"};
  ui::Label Label6{*this, "Label6", "NET A PAYER"};
  ui::Label Etq_NetFrancs{*this, "Etq_NetFrancs"};
  ui::Label Etq_Lib3{*this, "Etq_Lib3"};
  ui::Label Etq_NetEuros{*this, "Etq_NetEuros"};
  ui::Label Etq_Lib4{*this, "Etq_Lib4"};
  // Leave balances.
  ui::Frame Frame1{*this, "Frame1"};
  ui::Label Label2{*this, "Label2", "  SOLDE CONGES PAYES    SOLDE CONGES ANCIENNETE"};
  ui::Label Etq_Conges{*this, "Etq_Conges"};
  ui::Label Label19{*this, "Label19", "Valeur"};
  ui::Label Label20{*this, "Label20", "Jours"};
  ui::Label Label21{*this, "Label21", "Valeur"};
  ui::Label Label22{*this, "Label22", "Jours"};
  ui::Label Etq_CPHeures{*this, "Etq_CPHeures"};
  ui::Label Etq_CPJour{*this, "Etq_CPJour"};
  ui::Label Etq_CAHeures{*this, "Etq_CAHeures"};
  ui::Label Etq_CAJour{*this, "Etq_CAJour"};
  // Shown instead of the footer when the record has no end-of-body marker.
  ui::Label Etq_Incomplet{*this, "Etq_Incomplet",
                          "Bulletin incomplet : le pied de page est absent de l'archive."};

  // Rulings; Line3 and Line4 follow the footer layout.
  ui::Line Line1{*this, "Line1"};
  ui::Line Line2{*this, "Line2"};
  ui::Line Line3{*this, "Line3"};
  ui::Line Line4{*this, "Line4"};
  ui::Line Line5{*this, "Line5"};

  ui::CommandButton Cmd_Retour{*this, "Cmd_Retour", "Retour"};
  ui::Menu Mnu_Aide{*this, "Mnu_Aide", "Aide"};
  ui::Menu Mnu_Sommaire{*this, "Mnu_Sommaire", "Aide_KALVENOR"};

  // The attribute the footer procedures work from (0 when the record has no marker).
  std::int16_t W_Ligne = 0;

  // Fills the whole page from the shared payslip record, block by block in print order.
  // A non-numeric amount throws dba::Error to the caller; a record without the
  // end-of-body marker leaves the footer blank and says so.
  void Remplir_Bulletin();
  void Remplir_Entete();
  void Remplir_Cadre1();
  void Remplir_Cadre2();
  void Remplir_Cadre3();
  void Remplir_Cadre4();
  void Remplir_Conv();
  void Remplir_PiedPage1();
  void Remplir_PiedPage2();
  void Remplir_PiedPage4();

  void Form_Load();
  void Cmd_Retour_Click();
  void Form_Unload(bool& Cancel);
  // The right button on the window or on one of its eight frames pops the help menu up.
  void Form_MouseDown(int Button, int Shift, int x, int y);
  void Cadre_MouseDown(ui::Frame& Cadre, int Button, int Shift, int x, int y);
  void Mnu_Sommaire_Click();

 private:
  void Layout();
  void LayoutEntete();
  void LayoutPied();
  void LayoutConges();
  void Wire();
  void Afficher_MenuAide(ui::Control& over, int Button, int x, int y);

  Variable& v_;
  bool W_Fermeture = false;
};

}  // namespace vantelor
