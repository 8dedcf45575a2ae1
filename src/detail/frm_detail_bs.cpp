#include "detail/frm_detail_bs.h"

#include "data/archive/archive_files.h"
#include "data/archive/archive_key.h"
#include "data/core/step.h"
#include "state/procedure.h"

namespace vantelor {

Frm_DetailBS::Frm_DetailBS(Variable& v)
    : ui::Form("Frm_DetailBS", "Détail du bulletin de paie"), v_(v) {
  Layout();
  Wire();
}

Frm_DetailBS::~Frm_DetailBS() = default;

void Frm_DetailBS::Wire() {
  OnUnload = [this](bool& cancel) { Form_Unload(cancel); };
  Cmd_Retour.OnClick = [this] { Cmd_Retour_Click(); };
  // The window is read-only: no key reaches a box.
  for (ui::TextBox* box :
       {&Txt_CodAidant, &Txt_NomAidant, &Txt_PeriodePaie, &Txt_CodEmployeur, &Txt_NomEmployeur,
        &Txt_DateDebContrat, &Txt_DateFinContrat, &Txt_CacheLibRub, &Txt_CacheMontSal,
        &Txt_BaseBrut, &Txt_MontantBrut, &Txt_NetFiscal, &Txt_NetAPayer}) {
    box->OnKeyPress = [](int& key) { key = 0; };
  }
  WireRing();
}

// Only a successful read fills the window: a failed one (missing record or any other
// error) leaves it empty rather than showing the record of an earlier opening.
void Frm_DetailBS::Init() {
  W_Fermeture = false;
  dba::Database& base = LaBase(v_);
  v_.Fic_RubSaisie = base.OpenFile(dba::files::kRubSaisie);
  v_.Fic_RubCharge = base.OpenFile(dba::files::kRubCharge);
  v_.Fic_DetailCalcul = base.OpenFile(dba::files::kDetailCalcul);

  const std::string cle = dba::ArchiveKey(v_.Enr_ArchiveBull(0)).DetailKey();
  const std::uint32_t lecture =
      dba::RunStep([&] { v_.Enr_DetailCalcul = v_.Fic_DetailCalcul->ReadRecord(cle); });
  if (lecture == 0) {
    dba::RunStep([&] { RemplirListsDetailBS(); });
    dba::RunStep([&] { RemplirZonesTextsResultat(); });
    dba::RunStep([&] { Maj_Bdv(Bdv_Rub, Lst_CodeRub, kLignesVisibles); });
  }
  ui::desktop().SetMousePointer(ui::kDefaultPointer);
}

void Frm_DetailBS::Cmd_Retour_Click() {
  W_Fermeture = true;
  Unload();
}

// Retour is the only way out: the close box and every other request are refused.
void Frm_DetailBS::Form_Unload(bool& Cancel) {
  if (!W_Fermeture) Cancel = true;
}

}  // namespace vantelor
