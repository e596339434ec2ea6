// One QApplication for a whole test program, made on first use.
#pragma once

#include <QApplication>
#include <QTest>

namespace tolvane::testing {

inline QApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "tolvane-test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt's own globals are gone by the time static objects
  // die at exit, and tearing the application down then crashes.
  static QApplication* application = new QApplication(argc, argv);
  return *application;
}

// Runs `action` from inside whatever event loop is running next, such as the
// nested loop of a modal window.
template <typename Action>
void WhenLoopRuns(Action action) {
  QMetaObject::invokeMethod(&TestApplication(), action, Qt::QueuedConnection);
}

// The program window whose title is `title`, if one is visible.
inline QWidget* VisibleWindowTitled(const QString& title) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle() == title) return widget;
  }
  return nullptr;
}

}  // namespace tolvane::testing
