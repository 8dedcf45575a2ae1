#include "selection/selection_screen.h"

namespace vantelor {

void SelectionScreen::WireBatchPrint() {}

}  // namespace vantelor
