#include <QGuiApplication>
#include <QScreen>

#include "platform/screen_capture.h"

namespace tolvane {

bool DisplayDeeperThan16Bits() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr || screen->depth() > 16;
}

}  // namespace tolvane
