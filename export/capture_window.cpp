#include "export/capture_window.h"

#include "export/bmp_file.h"
#include "export/capture_size.h"
#include "platform/screen_capture.h"

namespace tolvane {

std::vector<std::uint8_t> CaptureWindow(WindowHandle window, int requestedWidth,
                                        int requestedHeight) {
  std::optional<BgraImage> picture = CaptureWindowPixels(window);
  if (!picture || picture->empty()) return {};
  const int width = ResolveCaptureSize(requestedWidth, picture->width);
  const int height = ResolveCaptureSize(requestedHeight, picture->height);
  if (width <= 0 || height <= 0) return {};
  if (width != picture->width || height != picture->height) {
    picture = StretchPicture(*picture, width, height, DisplayDeeperThan16Bits());
    if (!picture) return {};
  }
  return MakeBmpFile(*picture);
}

}  // namespace tolvane
