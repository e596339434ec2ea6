// What the Save File window does: show the picture, save it where asked.
#pragma once

#include "platform/live_window.h"

namespace tolvane {

// The preview takes its own copy of the captured picture.
void OnSaveFileWindowCreated(LiveWindow& window);
// Asks for a file name and writes the captured picture there.
void OnSaveClicked(LiveWindow& window);

}  // namespace tolvane
