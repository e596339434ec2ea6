// The window system on Qt Widgets.
#pragma once

#include <QApplication>
#include <memory>

#include "platform/qt/end_request_watcher.h"
#include "platform/window_system.h"

namespace tolvane {

class QtWindowSystem : public WindowSystem {
 public:
  // Uses the running application object, or makes one.
  QtWindowSystem(int& argc, char** argv);
  ~QtWindowSystem() override;

  std::unique_ptr<LiveWindow> CreateWindow(const WindowDescription& description,
                                           WindowEvents& events) override;
  void Post(std::function<void()> call) override;
  std::unique_ptr<NestedLoop> MakeNestedLoop() override;
  int RunEventLoop() override;
  void PostQuit(int exitCode) override;
  void OnEndRequested(std::function<void()> request) override;
  void ShowFatalError(std::string_view message) override;
  void ShowWarning(std::string_view title, std::string_view message) override;
  std::optional<std::string> RunSaveDialog(const SaveDialogSettings& settings) override;

 private:
  std::unique_ptr<QApplication> ownApplication_;
  std::unique_ptr<EndRequestWatcher> endWatcher_;
};

// Sets the application's name, style and colours; idempotent.
void PrepareApplication(QApplication& application);

}  // namespace tolvane
