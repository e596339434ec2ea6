#include "platform/qt/program_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace tolvane {
namespace {

Qt::WindowFlags FlagsOf(FrameStyle frame) {
  const Qt::WindowFlags common = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  switch (frame) {
    case FrameStyle::Fixed: return Qt::Window | common | Qt::WindowMinimizeButtonHint;
    case FrameStyle::FixedDialog: return Qt::Window | common;
    case FrameStyle::ToolWindow: return Qt::Tool | common;
  }
  return Qt::Window | common;
}

}  // namespace

ProgramWindow::ProgramWindow(const WindowDescription& description,
                             std::function<void()> closeRequested)
    : QMainWindow(nullptr, FlagsOf(description.frame)),
      description_(description),
      closeRequested_(std::move(closeRequested)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
  // The frame decides and does the destruction; a disabled window, one
  // under a modal window, takes no close request at all.
  event->ignore();
  if (isEnabled()) RequestClose();
}

void ProgramWindow::RequestClose() {
  // The frame detaches this widget while the request runs, so call a copy.
  const std::function<void()> request = closeRequested_;
  if (request) request();
}

void ProgramWindow::keyPressEvent(QKeyEvent* event) {
  const bool plainEscape =
      event->key() == Qt::Key_Escape &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier));
  if (description_.escCloses && plainEscape) {
    RequestClose();
    return;
  }
  event->ignore();
}

}  // namespace tolvane
