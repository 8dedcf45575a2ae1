#include "selection/selection_screen.h"

namespace vantelor {

void SelectionScreen::WireSearch() {}

}  // namespace vantelor
