#include "selection/selection_screen.h"

namespace vantelor {

void SelectionScreen::WireLookup() {}

}  // namespace vantelor
