#include "app/program.h"

#include <array>

#include "about/about_window.h"
#include "app/frame.h"
#include "export/captured_image.h"
#include "export/save_file_window.h"
#include "map/main_window.h"
#include "platform/process/run_directory.h"

namespace tolvane {
namespace {

constexpr std::array<const WindowDescription*, 3> kProgramWindows{&MainWindow, &AboutWindow,
                                                                  &SaveFileWindow};

}  // namespace

void InitProgram() {}

int RunProgram(WindowSystem& system) {
  std::string runDirectory = ExecutableDirectory();
  ChangeCurrentDirectory(runDirectory);
  AppFrame frame(system, kProgramWindows, std::move(runDirectory));
  InitProgram();
  RegisterExitHandler(&ReleaseCapturedImage);
  if (!frame.LoadWindow(MainWindow, false)) {
    frame.ReportFatalError("The start window MainWindow cannot be loaded.");
  }
  // A logout or a termination signal closes the windows as the user would,
  // so the texts typed since the start are saved.
  system.OnEndRequested([&frame] { frame.CloseAllWindows(); });
  frame.RunEventLoop();
  frame.Shutdown();
  return 0;
}

}  // namespace tolvane
