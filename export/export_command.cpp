#include "export/export_command.h"

#include "app/frame.h"
#include "export/capture_window.h"
#include "export/captured_image.h"
#include "export/save_file_window.h"

namespace tolvane {

void ExportImage(LiveWindow& mainWindow) {
  const WindowHandle handle = mainWindow.Handle();
  const OuterRect outer = mainWindow.OuterGeometry();
  std::vector<std::uint8_t> image = CaptureWindow(handle, outer.width, outer.height);
  ReplaceCapturedImage(std::move(image));
  LoadWindow(SaveFileWindow, true);
}

}  // namespace tolvane
