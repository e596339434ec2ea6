// The application frame: loads windows from their descriptions, fires their
// events in a fixed order, runs the event loop with nested loops for modal
// windows, and ends the program once its last window is gone.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/window_registry.h"
#include "platform/window_system.h"

namespace tolvane {

using ExitHandler = void (*)();

class AppFrame final : private WindowEvents {
 public:
  // Becomes the frame that the free functions below act on, until destroyed.
  AppFrame(WindowSystem& system, std::span<const WindowDescription* const> windows,
           std::string runDirectory);
  ~AppFrame() override;
  AppFrame(const AppFrame&) = delete;
  AppFrame& operator=(const AppFrame&) = delete;

  static AppFrame& Current();

  WindowSystem& System() { return system_; }
  const std::string& RunDirectory() const { return runDirectory_; }

  bool LoadWindow(const WindowDescription& window, bool modal);
  void ScheduleDestroy(const WindowDescription& window);
  void RegisterExitHandler(ExitHandler handler);
  // Marks the loop as started and runs it while a window is alive.
  int RunEventLoop();
  // Releases the registry, then runs the exit handlers once, in order.
  void Shutdown();
  [[noreturn]] void ReportFatalError(std::string_view message);

  // The user's close path: close query, re-enabling, destruction.
  void CloseWindow(const WindowDescription& window);
  // Closes every live window by the user's path, the latest loaded first, so
  // that an end of session saves like a close.
  void CloseAllWindows();

  LiveWindow* Instance(const WindowDescription& window) const;
  bool IsDestroyPending(const WindowDescription& window) const;
  bool AnyWindowAlive() const;

 private:
  void CloseRequested(LiveWindow& window) override;
  void MenuChosen(LiveWindow& window, std::string_view command) override;
  void ButtonClicked(LiveWindow& window, std::string_view button) override;

  WindowRecord* RecordOf(const WindowDescription& window);
  WindowRecord* RecordOf(const LiveWindow& window);
  bool CreateInstance(WindowRecord& record);
  void DisableOtherWindows(WindowRecord& modal);
  void RestoreDisabledWindows(WindowRecord& record);
  void RunModalLoop(WindowRecord& record);
  void Destroy(WindowRecord& record);
  void DestroyScheduled(const WindowDescription* window);
  void Dispatch(LiveWindow& window, WindowEvent event, std::string_view source);

  WindowSystem& system_;
  std::string runDirectory_;
  std::vector<WindowRecord> registry_;
  std::vector<ExitHandler> exitHandlers_;
  const WindowDescription* currentModal_ = nullptr;
  bool loopStarted_ = false;
  std::uint64_t loadCounter_ = 0;
};

// The frame's operations as the program's handlers call them.
bool LoadWindow(const WindowDescription& window, bool modal);
void ScheduleDestroy(const WindowDescription& window);
void RegisterExitHandler(ExitHandler handler);
const std::string& RunDirectory();

}  // namespace tolvane
