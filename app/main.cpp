#include "app/program.h"
#include "platform/open_window_system.h"

int main(int argc, char** argv) {
  std::unique_ptr<tolvane::WindowSystem> system = tolvane::OpenWindowSystem(argc, argv);
  if (!system) return 1;
  return tolvane::RunProgram(*system);
}
