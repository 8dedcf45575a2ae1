#include "selection/selection_screen.h"

namespace vantelor {

void SelectionScreen::WireAfficheBull() {}

}  // namespace vantelor
