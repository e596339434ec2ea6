// What the main window does when its events fire: little beyond wiring.
#pragma once

#include "platform/live_window.h"

namespace tolvane {

void OnMainWindowCreated(LiveWindow& window);
void OnMainWindowWillBeDestroyed(LiveWindow& window);
void OnImageChosen(LiveWindow& window);
// Closes the window as its close box does, so the texts are saved.
void OnExitChosen(LiveWindow& window);
void OnAboutChosen(LiveWindow& window);

}  // namespace tolvane
