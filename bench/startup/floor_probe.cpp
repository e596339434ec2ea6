// The toolkit's floor: a bare Qt window of the main window's size.
#include <QApplication>
#include <QWidget>

#include "first_paint_probe.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tolvane::bench::FirstPaintProbe probe([] { QApplication::quit(); });
  application.installEventFilter(&probe);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Floor"));
  window.setFixedSize(502, 283);
  window.show();
  return QApplication::exec();
}
