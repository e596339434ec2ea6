#include "map/map_store.h"

namespace tolvane {

void LoadNodes(LiveWindow&) {}

void SaveNodes(LiveWindow&) {}

}  // namespace tolvane
