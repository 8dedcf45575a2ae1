#include "selection/selection_screen.h"

namespace vantelor {

void SelectionScreen::WireCriteria() {}

}  // namespace vantelor
