#pragma once
// Frm_DetailBS: the calculation detail of the payslip open in the viewer, one row per pay
// item (code, label, employee base, rate and amount, employer base, rate and amount) and
// four totals, read from DETAILCALCUL with the item labels of RUBSAISIE and RUBCHARGE.
// Modal and read-only; it closes only through Retour. Its handlers live in:
//   frm_detail_bs.cpp  construction, wiring, Init, closing
//   detail_layout.cpp  fonts, geometry, help contexts of every control
//   detail_fill.cpp    RemplirListsDetailBS, RemplirZonesTextsResultat
//   detail_ring.cpp    Maj_Bdv and the eight lists kept on one row with Bdv_Rub

#include "state/variable.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace vantelor {

namespace detail {
struct LigneRubrique;
}

class Frm_DetailBS : public ui::Form {
 public:
  // `v` must outlive the window. The caller loads the window, writes the seven header
  // boxes, calls Init and shows it modally.
  explicit Frm_DetailBS(Variable& v);
  ~Frm_DetailBS() override;

  // Identification, written by the viewer.
  ui::Label Etq_Aidant{*this, "Etq_Aidant", "Aidant"};
  ui::TextBox Txt_CodAidant{*this, "Txt_CodAidant"};
  ui::TextBox Txt_NomAidant{*this, "Txt_NomAidant"};
  ui::Label Etq_PeriodePaie{*this, "Etq_PeriodePaie", "Période de paie"};
  ui::TextBox Txt_PeriodePaie{*this, "Txt_PeriodePaie"};
  ui::Frame Fra_Contrat{*this, "Fra_Contrat", "Contrat "};
  ui::Label Etq_Employeur{*this, "Etq_Employeur", "Employeur"};
  ui::TextBox Txt_CodEmployeur{*this, "Txt_CodEmployeur"};
  ui::TextBox Txt_NomEmployeur{*this, "Txt_NomEmployeur"};
  ui::Label Etq_DateDebContrat{*this, "Etq_DateDebContrat", "Début "};
  ui::TextBox Txt_DateDebContrat{*this, "Txt_DateDebContrat"};
  ui::Label Etq_DateFinContrat{*this, "Etq_DateFinContrat", "Fin"};
  ui::TextBox Txt_DateFinContrat{*this, "Txt_DateFinContrat"};

  // The rows: eight visible columns, the hidden kind column, one scroll bar.
  ui::Frame Fra_ListesRubriques{*this, "Fra_ListesRubriques"};
  ui::Label Etq_Salariale{*this, "Etq_Salariale", "S A L A R I A L E"};
  ui::Label Etq_Patronale{*this, "Etq_Patronale", "P A T R O N A L E"};
  ui::Label Etq_CodeRub{*this, "Etq_CodeRub", " Code"};
  ui::Label Etq_LibRub{*this, "Etq_LibRub", "Libellé rubrique"};
  ui::Label Etq_BaseSal{*this, "Etq_BaseSal", "Base"};
  ui::Label Etq_TauxSal{*this, "Etq_TauxSal", "Taux"};
  ui::Label Etq_MontantSal{*this, "Etq_MontantSal", "Montant"};
  ui::Label Etq_BasePat{*this, "Etq_BasePat", "Base"};
  ui::Label Etq_TauxPat{*this, "Etq_TauxPat", "Taux"};
  ui::Label Etq_MontantPat{*this, "Etq_MontantPat", "Montant"};
  ui::ListBox Lst_CodeRub{*this, "Lst_CodeRub"};
  ui::ListBox Lst_LibRub{*this, "Lst_LibRub"};
  ui::ListBox Lst_BaseSal{*this, "Lst_BaseSal"};
  ui::ListBox Lst_TauxSal{*this, "Lst_TauxSal"};
  ui::ListBox Lst_MontantSal{*this, "Lst_MontantSal"};
  ui::ListBox Lst_BasePat{*this, "Lst_BasePat"};
  ui::ListBox Lst_TauxPat{*this, "Lst_TauxPat"};
  ui::ListBox Lst_MontantPat{*this, "Lst_MontantPat"};
  ui::ListBox Lst_RubAuto{*this, "Lst_RubAuto"};
  // Masks over the list edges that no neighbour covers; nothing reads or writes them.
  ui::TextBox Txt_CacheLibRub{*this, "Txt_CacheLibRub"};
  ui::TextBox Txt_CacheMontSal{*this, "Txt_CacheMontSal"};
  ui::VScrollBar Bdv_Rub{*this, "Bdv_Rub"};

  // Totals.
  ui::Label Etq_BaseBrut{*this, "Etq_BaseBrut", "Base Brut"};
  ui::TextBox Txt_BaseBrut{*this, "Txt_BaseBrut"};
  ui::Label Etq_MontantBrut{*this, "Etq_MontantBrut", "Montant Brut"};
  ui::TextBox Txt_MontantBrut{*this, "Txt_MontantBrut"};
  ui::Label Etq_NetFiscal{*this, "Etq_NetFiscal", "Net Fiscal"};
  ui::TextBox Txt_NetFiscal{*this, "Txt_NetFiscal"};
  ui::Label Etq_NetAPayer{*this, "Etq_NetAPayer", "Montant à payer"};
  ui::TextBox Txt_NetAPayer{*this, "Txt_NetAPayer"};

  ui::CommandButton Cmd_Retour{*this, "Cmd_Retour", "Retour"};

  // True only once the user has pressed Retour.
  bool W_Fermeture = false;

  // Opens RUBSAISIE, RUBCHARGE and DETAILCALCUL into their handles (an error there goes
  // to the caller), then reads the payslip's detail and fills the rows, the totals and
  // the bar, each step with errors ignored, and puts the default mouse pointer back.
  void Init();
  // detail_fill.cpp
  void RemplirListsDetailBS();
  void RemplirZonesTextsResultat();
  // detail_ring.cpp
  void Maj_Bdv(ui::VScrollBar& Bdv, ui::ListBox& Lst, int NbLignesVisibles);
  void Bdv_Rub_Change();
  void Bdv_Rub_Scroll();
  void Lst_CodeRub_Click();
  void Lst_LibRub_Click();
  void Lst_BaseSal_Click();
  void Lst_TauxSal_Click();
  void Lst_MontantSal_Click();
  void Lst_BasePat_Click();
  void Lst_TauxPat_Click();
  void Lst_MontantPat_Click();

  void Cmd_Retour_Click();
  void Form_Unload(bool& Cancel);

  // Rows the lists show at once.
  static constexpr int kLignesVisibles = 20;

 private:
  void Layout();
  void LayoutEntete();
  void LayoutListes();
  void LayoutTotaux();
  void Wire();
  void WireRing();
  // Adds one entry to each of the nine lists.
  void AjouterLigne(const detail::LigneRubrique& ligne);

  Variable& v_;
};

}  // namespace vantelor
