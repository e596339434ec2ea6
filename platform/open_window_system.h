// Opens the platform's window system for the program.
#pragma once

#include <memory>

#include "platform/window_system.h"

namespace tolvane {

// Nothing, after telling the user why on standard error, when no display can
// be reached.
std::unique_ptr<WindowSystem> OpenWindowSystem(int& argc, char** argv);

}  // namespace tolvane
