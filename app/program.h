// The program from start to end on a given window system.
#pragma once

#include "platform/window_system.h"

namespace tolvane {

// The program's own start-up work; it has none.
void InitProgram();
// Starts the program, runs it until its last window is gone and returns the
// process's exit code.
int RunProgram(WindowSystem& system);

}  // namespace tolvane
