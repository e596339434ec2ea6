// The window manager's frame around a top-level window.
#pragma once

#include <QMargins>
#include <QWidget>
#include <cstdint>

namespace tolvane {

// Asks the window manager, before the window is first shown, how wide its
// frame will be, so the window can be sized and placed by its outer
// rectangle without a visible second jump. The question goes out when this
// is made and the answer is read by Answer(), so the window manager works
// while the window's controls are built. The window's fixed size should be
// set before: a window manager draws no sizing handles around it then.
class FrameExtentsRequest {
 public:
  explicit FrameExtentsRequest(QWidget& window);
  // The frame's margins; none where there is no frame or no window manager
  // answers.
  QMargins Answer();

 private:
  QWidget& window_;
  std::uint32_t extentsAtom_ = 0;  // 0: no question was sent
};

}  // namespace tolvane
