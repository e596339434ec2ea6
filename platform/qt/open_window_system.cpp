#include "platform/open_window_system.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/qt/qt_window_system.h"

namespace tolvane {
namespace {

// Qt aborts when its X11 platform finds no display; ask the server first.
bool CanReachX11Display() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool reached = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return reached;
}

bool UsesX11() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform != nullptr && *platform != '\0')
    return std::string_view(platform).starts_with("xcb");
  return std::getenv("WAYLAND_DISPLAY") == nullptr;
}

}  // namespace

std::unique_ptr<WindowSystem> OpenWindowSystem(int& argc, char** argv) {
  if (UsesX11() && !CanReachX11Display()) {
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr,
                 "tolvane: cannot open the display \"%s\".\n"
                 "Tolvane is a desktop program: start it from a graphical session, set DISPLAY\n"
                 "to a running X server, or run it on a virtual one: xvfb-run tolvane\n",
                 display != nullptr ? display : "");
    return nullptr;
  }
  return std::make_unique<QtWindowSystem>(argc, argv);
}

}  // namespace tolvane
