// The face of the platform: everything the program needs of the window
// system, its event queue and its dialogs. The program talks to one instance;
// tests may replace parts of it (the save dialog) with doubles.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/live_window.h"
#include "platform/save_dialog_settings.h"

namespace tolvane {

// What the window system tells the frame about one window it made.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // The user asked to close the window (close box, system menu, Alt+F4, or
  // Esc where the description lets Esc close it).
  virtual void CloseRequested(LiveWindow& window) = 0;
  virtual void MenuChosen(LiveWindow& window, std::string_view command) = 0;
  virtual void ButtonClicked(LiveWindow& window, std::string_view button) = 0;
};

// A nested event loop, run by a modal load until its window is gone.
class NestedLoop {
 public:
  virtual ~NestedLoop() = default;
  virtual void Run() = 0;
  virtual void Exit() = 0;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Creates the window and every control hidden; nullptr when that fails.
  virtual std::unique_ptr<LiveWindow> CreateWindow(const WindowDescription& description,
                                                   WindowEvents& events) = 0;
  // Queues a call to run from the event loop after the current event.
  virtual void Post(std::function<void()> call) = 0;
  virtual std::unique_ptr<NestedLoop> MakeNestedLoop() = 0;
  // Runs the main event loop until a quit request is taken from the queue.
  virtual int RunEventLoop() = 0;
  // Queues the quit request, which also ends every nested loop.
  virtual void PostQuit(int exitCode) = 0;
  // Calls `request` when the session ends or the process is asked to end
  // (SIGTERM, SIGHUP, SIGINT, logout), from the event loop.
  virtual void OnEndRequested(std::function<void()> request) = 0;

  virtual void ShowFatalError(std::string_view message) = 0;
  virtual void ShowWarning(std::string_view title, std::string_view message) = 0;
  // Runs the save dialog modally; the chosen full path, or nothing on cancel.
  virtual std::optional<std::string> RunSaveDialog(const SaveDialogSettings& settings) = 0;
};

}  // namespace tolvane
