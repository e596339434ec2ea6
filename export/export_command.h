// The menu command "Image": captures the main window and opens the Save File
// window over it.
#pragma once

#include "platform/live_window.h"

namespace tolvane {

void ExportImage(LiveWindow& mainWindow);

}  // namespace tolvane
