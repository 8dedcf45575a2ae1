// A screen sees the layers it links: the toolkit, the record core, the store's interfaces.
#include "data/core/database.h"
#include "selection/selection_screen.h"
#include "ui/form.h"

int ScreenProbe() { return sizeof(vantelor::SelectionScreen) > 0 ? 0 : 1; }
