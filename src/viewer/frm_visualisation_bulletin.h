#pragma once
// Frm_VisualisationBulletin: one archived payslip on screen, laid out as the printed
// form. It reads the payslip record and the pre-printed flag from the shared state, fills
// itself at load, is shown modally by the selection screen and closes only through
// Retour. Its controls are declared below; its handlers live in one file per concern:
//   frm_visualisation_bulletin.cpp  construction, Init, closing, help pop-up menu
//   layout.cpp                      fonts, geometry and design captions of every control
//   fill_header.cpp                 Remplir_Bulletin, header lines and the three frames
//   fill_body.cpp                   Remplir_Corps
//   scrolling.cpp                   the scroll bar and the seven lists kept on one row
//   fill_footer.cpp                 totals, net amounts and currency names
//   detail_buttons.cpp              Compléments and Détail (the detail windows)
//   reprint.cpp                     Edition (printing this payslip again)

#include <cstdint>

#include "printing/ostrel.h"
#include "state/variable.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace vantelor {

class Frm_VisualisationBulletin : public ui::Form {
 public:
  // Reads Enr_ArchiveBull and W_PreImprime from `v` when loaded; `v` must outlive the
  // window. The window is not loaded yet: Load() fills it (Form_Load).
  explicit Frm_VisualisationBulletin(Variable& v);
  ~Frm_VisualisationBulletin() override;

  // Called once between loading and showing: the content is in place by then.
  void Init();

  // Header and frames.
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
  ui::Frame Cdr_ConvCol{*this, "Cdr_ConvCol"};
  ui::Label Etq_ConvCol{*this, "Etq_ConvCol"};

  // Column titles, placed over the columns by blanks (captions set in layout.cpp).
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};

  // The seven body columns, left to right, and the scroll bar that moves them together.
  ui::ListBox Lst_Rubrique{*this, "Lst_Rubrique"};
  ui::ListBox Lst_Base{*this, "Lst_Base"};
  ui::ListBox Lst_TauxEmpl{*this, "Lst_TauxEmpl"};
  ui::ListBox Lst_MontEmpl{*this, "Lst_MontEmpl"};
  ui::ListBox Lst_TauxSal{*this, "Lst_TauxSal"};
  ui::ListBox Lst_APayer{*this, "Lst_APayer"};
  ui::ListBox Lst_ADeduire{*this, "Lst_ADeduire"};
  ui::VScrollBar Bdv_Detail{*this, "Bdv_Detail"};

  // Footer.
  ui::Label Lab_ChgPat{*this, "Lab_ChgPat", "CHARGES PATR."};
  ui::Label Lab_Gain{*this, "Lab_Gain", "GAINS"};
  ui::Label Lab_Retenue{*this, "Lab_Retenue", "RETENUES"};
  ui::Label Etq_ChargesPat{*this, "Etq_ChargesPat"};
  ui::Label Etq_Gains{*this, "Etq_Gains"};
  ui::Label Etq_Retenues{*this, "Etq_Retenues"};
  ui::Label Label6{*this, "Label6", "NET A PAYER :"};
  ui::Label Etq_NetFrancs{*this, "Etq_NetFrancs"};
  ui::Label Etq_Lib1{*this, "Etq_Lib1"};
  ui::Label Etq_NetEuros{*this, "Etq_NetEuros"};
  ui::Label Etq_Lib2{*this, "Etq_Lib2"};

  // Ruling of the form (points set in layout.cpp); Line3 and Line4 follow the footer layout.
  ui::Line Line1{*this, "Line1"};
  ui::Line Line2{*this, "Line2"};
  ui::Line Line3{*this, "Line3"};
  ui::Line Line4{*this, "Line4"};
  ui::Line Line5{*this, "Line5"};
  ui::Line Line6{*this, "Line6"};
  ui::Line Line7{*this, "Line7"};
  ui::Line Line8{*this, "Line8"};
  ui::Line Line9{*this, "Line9"};
  ui::Line Line10{*this, "Line10"};
  ui::Line Line11{*this, "Line11"};
  ui::Line Line12{*this, "Line12"};
  ui::Line Line13{*this, "Line13"};
  ui::Line Line14{*this, "Line14"};
  ui::Line Line15{*this, "Line15"};

  // Buttons, in tab order.
  ui::CommandButton Cmd_Edition{*this, "Cmd_Edition", "Edition"};
  ui::CommandButton Cmd_Detail{*this, "Cmd_Detail", "Compléments"};
  ui::CommandButton Cmd_DetailBS{*this, "Cmd_DetailBS", "Détail"};
  ui::CommandButton Cmd_Retour{*this, "Cmd_Retour", "Retour"};

  // Help pop-up menu.
  ui::Menu Mnu_Aide{*this, "Mnu_Aide", "Aide"};
  ui::Menu Mnu_Sommaire{*this, "Mnu_Sommaire", "Aide_KALVENOR"};

  // Window members, set anew at each load.
  std::int16_t W_Ligne = 0;  // attribute of the payslip record the fill procedures are on
  bool W_Fermeture = false;  // the window may close (set by Retour only)

  // frm_visualisation_bulletin.cpp
  void Form_Load();
  void Form_Unload(bool& Cancel);
  void Form_MouseDown(int Button, int Shift, int x, int y);
  void Cdr_Cadre1_MouseDown(int Button, int Shift, int x, int y);
  void Cdr_Cadre4_MouseDown(int Button, int Shift, int x, int y);
  void Cdr_ConvCol_MouseDown(int Button, int Shift, int x, int y);
  void Cmd_Retour_Click();
  void Mnu_Sommaire_Click();

  // fill_header.cpp
  void Remplir_Bulletin();
  void Remplir_Entete();
  void Remplir_Cadre1();
  void Remplir_Cadre2();
  void Remplir_Conv();

  // fill_body.cpp
  void Remplir_Corps();

  // scrolling.cpp
  void Gestion_Defilement();
  void Bdv_Detail_Change();
  void Lst_Rubrique_Click();
  void Lst_Base_Click();
  void Lst_TauxEmpl_Click();
  void Lst_MontEmpl_Click();
  void Lst_TauxSal_Click();
  void Lst_APayer_Click();
  void Lst_ADeduire_Click();

  // fill_footer.cpp
  void Remplir_PiedPage1();
  void Remplir_PiedPage2();

  // ---- detail_buttons.cpp: the detail windows (detail engineer) ----
  // Compléments: loads and fills Frm_Complement under the busy bracket, then shows it.
  void Cmd_Detail_Click();
  // Détail: ChargeFrmDetailCalcul.
  void Cmd_DetailBS_Click();
  // Loads Frm_DetailBS, writes its identification boxes, runs its Init and shows it; the
  // viewer stays disabled until it closes.
  void ChargeFrmDetailCalcul();
  // Caregiver, period, employer and contract dates of the shown payslip, each step with
  // errors ignored; a record that cannot be read leaves its fields blank.
  void RemplirDonneesFrmDetailBS(class Frm_DetailBS& Frm);
  // ---- end detail_buttons.cpp ----

  // ---- reprint.cpp: printing this payslip again (printing engineer) ----
  void Cmd_Edition_Click();
  // The print control placed on the window.
  printing::OstrelControl Ctr_Ostrel;
  // ---- end reprint.cpp ----

  Variable& var() { return v_; }

 private:
  // Each concern wires its own events; the constructor calls them all.
  void Layout();
  void LayoutHeader();
  void LayoutBody();
  void LayoutFooter();
  void LayoutRuling();
  // The right button pops the help menu up over `over` at (x, y); other buttons do nothing.
  void Afficher_MenuAide(ui::Control& over, int Button, int x, int y);
  void WireWindow();
  void WireScrolling();
  void WireDetailButtons();
  void WireReprint();

  Variable& v_;
};

}  // namespace vantelor
