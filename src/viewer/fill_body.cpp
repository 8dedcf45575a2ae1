#include <limits>

#include "data/archive/payslip_body.h"
#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {

namespace {
constexpr int kRowsWithoutScrolling = 20;
constexpr int kADeduireWidth = 1095;
constexpr int kADeduireWidthScrolled = 1335;  // reaches under the scroll bar
}  // namespace

// The rows come from the shared formatting, so the printed form follows the same markup
// and section rules. A record the formatting rejects never reaches the window: the opener
// checks it first (ProblemeBulletin).
void Frm_VisualisationBulletin::Remplir_Corps() {
  W_Ligne = dba::kBodyFirstAttribute;
  const dba::PayslipBody body = dba::FormatPayslipBody(v_.Enr_ArchiveBull);
  ui::ListBox* const columns[dba::kBodyColumns] = {&Lst_Rubrique, &Lst_Base,    &Lst_TauxEmpl,
                                                   &Lst_MontEmpl, &Lst_TauxSal, &Lst_APayer,
                                                   &Lst_ADeduire};
  for (ui::ListBox* list : columns) list->Clear();
  for (const dba::BodyRow& row : body.rows) {
    for (int c = 0; c < dba::kBodyColumns; ++c) columns[c]->AddItem(row.columns[c]);
  }
  W_Ligne = static_cast<std::int16_t>(body.endMarker);

  const int rows = Lst_Rubrique.ListCount();
  Bdv_Detail.SetMax(rows - 1);
  const bool scrolls = rows > kRowsWithoutScrolling;
  Bdv_Detail.SetVisible(scrolls);
  Lst_ADeduire.SetWidth(scrolls ? kADeduireWidthScrolled : kADeduireWidth);
}

}  // namespace vantelor
