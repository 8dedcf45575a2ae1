// A screen opens databases through the interfaces only: no store's header is in reach.
#include "data/store/sqlite/sqlite_store.h"

int ScreenStoreProbe() { return 0; }
