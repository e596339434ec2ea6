// The program's start window: the seven node fields of the map, the connector
// shapes that join them and the menu bar.
#pragma once

#include "platform/window_description.h"

namespace tolvane {

extern const WindowDescription MainWindow;

}  // namespace tolvane
