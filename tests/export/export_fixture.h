// The running program without its event loop, on the scripted window system,
// with helpers to reach the export command and the Save File window.
#pragma once

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "export/captured_image.h"
#include "support/program_fixture.h"

namespace tolvane::testing {

class ExportFixture : public ProgramFixture {
 protected:
  void SetUp() override {
    ProgramFixture::SetUp();
    ReleaseCapturedImage();
  }

  void TearDown() override {
    ProgramFixture::TearDown();
    ReleaseCapturedImage();
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
};

}  // namespace tolvane::testing
