// The top-level widget of one program window. It hands the user's close
// requests to the frame instead of closing by itself.
#pragma once

#include <QMainWindow>
#include <functional>

#include "platform/window_description.h"

namespace tolvane {

class ProgramWindow final : public QMainWindow {
 public:
  ProgramWindow(const WindowDescription& description, std::function<void()> closeRequested);

  const WindowDescription& Description() const { return description_; }
  // After this the widget only waits to be deleted.
  void Detach() { closeRequested_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RequestClose();

  const WindowDescription& description_;
  std::function<void()> closeRequested_;
};

}  // namespace tolvane
