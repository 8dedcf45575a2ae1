#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {

// A click in one column writes its row into the scroll bar, whose Change selects that row
// in all seven; the echo Click of each list writes the same value, which raises nothing.
void Frm_VisualisationBulletin::WireScrolling() {
  Bdv_Detail.OnChange = [this] { Bdv_Detail_Change(); };
  Lst_Rubrique.OnClick = [this] { Lst_Rubrique_Click(); };
  Lst_Base.OnClick = [this] { Lst_Base_Click(); };
  Lst_TauxEmpl.OnClick = [this] { Lst_TauxEmpl_Click(); };
  Lst_MontEmpl.OnClick = [this] { Lst_MontEmpl_Click(); };
  Lst_TauxSal.OnClick = [this] { Lst_TauxSal_Click(); };
  Lst_APayer.OnClick = [this] { Lst_APayer_Click(); };
  Lst_ADeduire.OnClick = [this] { Lst_ADeduire_Click(); };
  for (ui::ListBox* list : {&Lst_Rubrique, &Lst_Base, &Lst_TauxEmpl, &Lst_MontEmpl, &Lst_TauxSal,
                            &Lst_APayer, &Lst_ADeduire})
    list->ScrollWith(&Bdv_Detail);  // the wheel over any column moves the bar
}

void Frm_VisualisationBulletin::Gestion_Defilement() {
  const int row = Bdv_Detail.Value();
  for (ui::ListBox* list : {&Lst_Rubrique, &Lst_Base, &Lst_TauxEmpl, &Lst_MontEmpl, &Lst_TauxSal,
                            &Lst_APayer, &Lst_ADeduire})
    list->SetListIndex(row);
}

void Frm_VisualisationBulletin::Bdv_Detail_Change() {
  if (Lst_Rubrique.ListCount() > 0) Gestion_Defilement();
}

void Frm_VisualisationBulletin::Lst_Rubrique_Click() {
  Bdv_Detail.SetValue(Lst_Rubrique.ListIndex());
}
void Frm_VisualisationBulletin::Lst_Base_Click() { Bdv_Detail.SetValue(Lst_Base.ListIndex()); }
void Frm_VisualisationBulletin::Lst_TauxEmpl_Click() {
  Bdv_Detail.SetValue(Lst_TauxEmpl.ListIndex());
}
void Frm_VisualisationBulletin::Lst_MontEmpl_Click() {
  Bdv_Detail.SetValue(Lst_MontEmpl.ListIndex());
}
void Frm_VisualisationBulletin::Lst_TauxSal_Click() {
  Bdv_Detail.SetValue(Lst_TauxSal.ListIndex());
}
void Frm_VisualisationBulletin::Lst_APayer_Click() { Bdv_Detail.SetValue(Lst_APayer.ListIndex()); }
void Frm_VisualisationBulletin::Lst_ADeduire_Click() {
  Bdv_Detail.SetValue(Lst_ADeduire.ListIndex());
}

}  // namespace vantelor
