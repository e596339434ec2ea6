// The window manager's frame around a top-level window.
#pragma once

#include <QMargins>
#include <QWidget>

namespace tolvane {

// Asks the window manager, before the window is first shown, how wide its
// frame will be, so the window can be sized and placed by its outer
// rectangle without a visible second jump. No margins where there is no
// frame or no window manager answers.
QMargins RequestFrameExtents(QWidget& window);

}  // namespace tolvane
