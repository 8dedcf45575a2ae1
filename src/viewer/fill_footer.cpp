#include "data/archive/payslip_footer.h"
#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {

namespace {
constexpr int kChgPatLeft = 4680;
constexpr int kChgPatWidth = 2295;
constexpr int kTotalEmployeurWidth = 4455;  // over the places of the two hidden captions
}  // namespace

// Each layout sets every caption, width and visibility that differs between the two, so
// the result never depends on the design state.
void Frm_VisualisationBulletin::Remplir_PiedPage1() {
  W_Ligne = static_cast<std::int16_t>(W_Ligne + 2);
  const dba::PayslipFooter f = dba::FormatPayslipFooter(v_.Enr_ArchiveBull, W_Ligne - 2);
  if (!f.employerTotal.empty()) Etq_ChargesPat.SetCaption(f.employerTotal);
  Lab_ChgPat.SetCaption(f.employerCaption);
  if (f.gainsLayout) {
    Etq_Gains.SetCaption(f.gains);
    if (!f.deductions.empty()) Etq_Retenues.SetCaption(f.deductions);
    Lab_ChgPat.SetWidth(kChgPatWidth);
  } else {
    Lab_ChgPat.SetWidth(kTotalEmployeurWidth);
    Lab_ChgPat.SetLeft(kChgPatLeft);
  }
  ui::Control* const gainsOnly[] = {&Lab_Gain, &Lab_Retenue, &Line3, &Line4};
  for (ui::Control* c : gainsOnly) c->SetVisible(f.gainsLayout);
}

void Frm_VisualisationBulletin::Remplir_PiedPage2() {
  W_Ligne = static_cast<std::int16_t>(W_Ligne + 2);
  const dba::PayslipFooter f = dba::FormatPayslipFooter(v_.Enr_ArchiveBull, W_Ligne - 4);
  if (!f.net.empty()) Etq_NetFrancs.SetCaption(f.net);
  if (!f.secondNet.empty()) Etq_NetEuros.SetCaption(f.secondNet);
  Etq_Lib1.SetCaption(f.currencies.first);
  Etq_Lib2.SetCaption(f.currencies.second);
}

}  // namespace vantelor
