// Keeps the seven node texts from one run to the next in mindsave.ini.
#pragma once

#include "platform/live_window.h"

namespace tolvane {

// Puts the stored texts into the main window's seven node fields.
void LoadNodes(LiveWindow& mainWindow);
// Writes the seven node fields' texts to the file.
void SaveNodes(LiveWindow& mainWindow);

}  // namespace tolvane
