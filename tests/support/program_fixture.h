// A running program without its event loop: the real window system (its
// save dialog and warning box scripted), a frame over the program's three
// windows, and a run directory and a per-user folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <array>
#include <memory>

#include "about/about_window.h"
#include "app/frame.h"
#include "export/save_file_window.h"
#include "map/main_window.h"
#include "support/scripted_window_system.h"
#include "support/test_application.h"

namespace tolvane::testing {

class ProgramFixture : public ::testing::Test {
 protected:
  static constexpr std::array<const WindowDescription*, 3> kWindows{&MainWindow, &AboutWindow,
                                                                    &SaveFileWindow};

  void SetUp() override {
    ASSERT_TRUE(runDirectory_.isValid() && configDirectory_.isValid());
    // A per-user map file of the machine's own user must not leak in.
    qputenv("XDG_CONFIG_HOME", configDirectory_.path().toUtf8());
    frame_ = std::make_unique<AppFrame>(system_, kWindows, RunDirectoryPath());
  }

  void TearDown() override {
    frame_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qunsetenv("XDG_CONFIG_HOME");
  }

  std::string RunDirectoryPath() const { return runDirectory_.path().toStdString(); }

  LiveWindow& LoadMainWindow() {
    EXPECT_TRUE(frame_->LoadWindow(MainWindow, false));
    return *frame_->Instance(MainWindow);
  }

  static QWidget* WidgetOf(LiveWindow& window) {
    return reinterpret_cast<QWidget*>(window.Handle());
  }

  template <typename T = QWidget>
  static T* Control(LiveWindow& window, const char* name) {
    return WidgetOf(window)->findChild<T*>(QString::fromLatin1(name));
  }

  static int argc_;
  // The test's application object comes first, before the window system.
  QApplication& application_ = TestApplication();
  QTemporaryDir runDirectory_;
  QTemporaryDir configDirectory_;
  ScriptedWindowSystem system_{argc_, nullptr};
  std::unique_ptr<AppFrame> frame_;
};

inline int ProgramFixture::argc_ = 0;

}  // namespace tolvane::testing
