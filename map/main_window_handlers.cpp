#include "map/main_window_handlers.h"

#include "about/about_window.h"
#include "app/frame.h"
#include "export/export_command.h"
#include "map/main_window.h"
#include "map/map_store.h"

namespace tolvane {

void OnMainWindowCreated(LiveWindow& window) { LoadNodes(window); }

void OnMainWindowWillBeDestroyed(LiveWindow& window) { SaveNodes(window); }

void OnImageChosen(LiveWindow& window) { ExportImage(window); }

void OnExitChosen(LiveWindow&) { AppFrame::Current().CloseWindow(MainWindow); }

void OnAboutChosen(LiveWindow&) { LoadWindow(AboutWindow, true); }

}  // namespace tolvane
