#include "selection/selection_screen.h"

namespace vantelor {

SelectionScreen::SelectionScreen(Variable& v) : ui::UserControl("Ctr_Vantelor"), v_(v) {
  Mnu_Aide.AddEntry(Mnu_Sommaire);
  WireCriteria();
  WireLookup();
  WireSearch();
  WireListing();
  WireAfficheBull();
  WireBatchPrint();
}

SelectionScreen::~SelectionScreen() = default;

}  // namespace vantelor
