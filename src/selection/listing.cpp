#include "selection/selection_screen.h"

namespace vantelor {

void SelectionScreen::WireListing() {}

}  // namespace vantelor
