#include "detail/frm_detail_bs.h"

namespace vantelor {

namespace {

// The next list of the ring selects the same row; a row it does not have is never asked
// of it. The toolkit raises Click only on a real change, which ends the round.
void Suivre(const ui::ListBox& from, ui::ListBox& next) {
  const int index = from.ListIndex();
  if (index < next.ListCount()) next.SetListIndex(index);
}

}  // namespace

void Frm_DetailBS::WireRing() {
  Bdv_Rub.SetMin(0);
  Bdv_Rub.SetValue(0);
  Bdv_Rub.SetSmallChange(1);
  Bdv_Rub.SetLargeChange(1);
  Bdv_Rub.OnChange = [this] { Bdv_Rub_Change(); };
  Bdv_Rub.OnScroll = [this] { Bdv_Rub_Scroll(); };
  Lst_CodeRub.OnClick = [this] { Lst_CodeRub_Click(); };
  Lst_LibRub.OnClick = [this] { Lst_LibRub_Click(); };
  Lst_BaseSal.OnClick = [this] { Lst_BaseSal_Click(); };
  Lst_TauxSal.OnClick = [this] { Lst_TauxSal_Click(); };
  Lst_MontantSal.OnClick = [this] { Lst_MontantSal_Click(); };
  Lst_BasePat.OnClick = [this] { Lst_BasePat_Click(); };
  Lst_TauxPat.OnClick = [this] { Lst_TauxPat_Click(); };
  Lst_MontantPat.OnClick = [this] { Lst_MontantPat_Click(); };
  for (ui::ListBox* list : {&Lst_CodeRub, &Lst_LibRub, &Lst_BaseSal, &Lst_TauxSal, &Lst_MontantSal,
                            &Lst_BasePat, &Lst_TauxPat, &Lst_MontantPat})
    list->ScrollWith(&Bdv_Rub);  // the wheel over any column moves the bar
}

// Exactly `NbLignesVisibles` rows need no bar.
void Frm_DetailBS::Maj_Bdv(ui::VScrollBar& Bdv, ui::ListBox& Lst, int NbLignesVisibles) {
  Bdv.SetMax(Lst.ListCount() - 1);
  Bdv.SetVisible(Lst.ListCount() > NbLignesVisibles);
  Bdv.SetValue(0);
}

// A value past the last row (no row at all, say) selects nothing.
void Frm_DetailBS::Bdv_Rub_Change() {
  if (Bdv_Rub.Value() < Lst_CodeRub.ListCount()) Lst_CodeRub.SetListIndex(Bdv_Rub.Value());
}

void Frm_DetailBS::Bdv_Rub_Scroll() { Bdv_Rub_Change(); }

void Frm_DetailBS::Lst_CodeRub_Click() { Suivre(Lst_CodeRub, Lst_LibRub); }
void Frm_DetailBS::Lst_LibRub_Click() { Suivre(Lst_LibRub, Lst_BaseSal); }
void Frm_DetailBS::Lst_BaseSal_Click() { Suivre(Lst_BaseSal, Lst_TauxSal); }
void Frm_DetailBS::Lst_TauxSal_Click() { Suivre(Lst_TauxSal, Lst_MontantSal); }
void Frm_DetailBS::Lst_MontantSal_Click() { Suivre(Lst_MontantSal, Lst_BasePat); }
void Frm_DetailBS::Lst_BasePat_Click() { Suivre(Lst_BasePat, Lst_TauxPat); }
void Frm_DetailBS::Lst_TauxPat_Click() { Suivre(Lst_TauxPat, Lst_MontantPat); }

void Frm_DetailBS::Lst_MontantPat_Click() {
  Suivre(Lst_MontantPat, Lst_CodeRub);
  Bdv_Rub.SetValue(Lst_MontantPat.ListIndex());
}

}  // namespace vantelor
