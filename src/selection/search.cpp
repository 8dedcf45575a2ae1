#include "selection/selection_screen.h"

namespace vantelor {

// Gestion_Recherche is run by the person lookup after every code check; it stays first
// in this file, apart from the search itself.
void SelectionScreen::Gestion_Recherche() {
  Cmd_Recherche.SetEnabled(!Txt_CodeAidant.Text().empty() || !Txt_CodeAide.Text().empty());
}

void SelectionScreen::WireSearch() {}

}  // namespace vantelor
