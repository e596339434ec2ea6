// Tolvane as it starts for a user, with a probe that reports its first paint
// and then closes it through the normal path.
#include <QApplication>

#include "app/frame.h"
#include "app/program.h"
#include "first_paint_probe.h"
#include "platform/open_window_system.h"

int main(int argc, char** argv) {
  std::unique_ptr<tolvane::WindowSystem> system = tolvane::OpenWindowSystem(argc, argv);
  if (!system) return 1;
  tolvane::bench::FirstPaintProbe probe([] { tolvane::AppFrame::Current().CloseAllWindows(); });
  qApp->installEventFilter(&probe);
  return tolvane::RunProgram(*system);
}
