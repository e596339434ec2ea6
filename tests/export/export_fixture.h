// The running program without its event loop, as in the other window tests,
// but on a window system whose save dialog and warning box are scripted, so
// the Save flow can be driven and watched without a person at the screen.
#pragma once

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "about/about_window.h"
#include "app/frame.h"
#include "export/captured_image.h"
#include "export/save_file_window.h"
#include "map/main_window.h"
#include "platform/qt/qt_window_system.h"
#include "support/test_application.h"

namespace tolvane::testing {

struct Warning {
  std::string title;
  std::string message;
};

class ScriptedWindowSystem final : public QtWindowSystem {
 public:
  using QtWindowSystem::QtWindowSystem;

  // The answers of the next dialogs, in order: a path, or nothing for Cancel.
  std::deque<std::optional<std::string>> answers;
  // What each dialog was started with.
  std::vector<SaveDialogSettings> dialogs;
  std::vector<Warning> warnings;

  std::optional<std::string> RunSaveDialog(const SaveDialogSettings& settings) override {
    dialogs.push_back(settings);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }

  void ShowWarning(std::string_view title, std::string_view message) override {
    warnings.push_back({std::string(title), std::string(message)});
  }
};

class ExportFixture : public ::testing::Test {
 protected:
  static constexpr std::array<const WindowDescription*, 3> kWindows{
      &MainWindow, &AboutWindow, &SaveFileWindow};

  void SetUp() override {
    ASSERT_TRUE(runDirectory_.isValid());
    ReleaseCapturedImage();
    frame_ = std::make_unique<AppFrame>(system_, kWindows, RunDirectoryPath());
  }

  void TearDown() override {
    frame_.reset();
    ReleaseCapturedImage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

  // The menu item Files > Export > Image of the main window.
  static QAction* ImageCommand(LiveWindow& mainWindow) {
    QMenuBar* bar = static_cast<QMainWindow*>(WidgetOf(mainWindow))->menuBar();
    QMenu* files = bar->actions().at(0)->menu();
    QMenu* exportMenu = files->actions().at(0)->menu();
    return exportMenu->actions().at(0);
  }

  LiveWindow& SaveFile() { return *frame_->Instance(SaveFileWindow); }

  void ClickSave() { QTest::mouseClick(Control(SaveFile(), "Button1"), Qt::LeftButton); }

  // The user's close box.
  void CloseSaveFile() { WidgetOf(SaveFile())->close(); }

  // Opens the Save File window over whatever CapturedImage holds now, runs
  // `inside` from its modal loop and closes it; returns once it is gone.
  template <typename Inside>
  void WithSaveFileWindow(Inside inside) {
    WhenLoopRuns([this, inside] {
      inside();
      if (frame_->Instance(SaveFileWindow) != nullptr) CloseSaveFile();
    });
    frame_->LoadWindow(SaveFileWindow, true);
  }

  // Chooses "Image" in the main window, runs `inside` from the Save File
  // window's modal loop and closes it; returns once the command has returned.
  template <typename Inside>
  void ExportFromMainWindow(LiveWindow& mainWindow, Inside inside) {
    WhenLoopRuns([this, inside] {
      inside();
      if (frame_->Instance(SaveFileWindow) != nullptr) CloseSaveFile();
    });
    ImageCommand(mainWindow)->trigger();
  }

  static int argc_;
  // The test's application object comes first, before the window system.
  QApplication& application_ = TestApplication();
  QTemporaryDir runDirectory_;
  ScriptedWindowSystem system_{argc_, nullptr};
  std::unique_ptr<AppFrame> frame_;
};

inline int ExportFixture::argc_ = 0;

}  // namespace tolvane::testing
