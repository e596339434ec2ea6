// What the frame knows of each window of the program.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/live_window.h"
#include "platform/window_system.h"

namespace tolvane {

struct DisabledWindow {
  LiveWindow* window;
  bool wasEnabled;
};

struct WindowRecord {
  const WindowDescription* description = nullptr;
  std::unique_ptr<LiveWindow> instance{};  // empty while the window is not loaded
  bool destroyPending = false;
  bool modal = false;
  std::vector<DisabledWindow> disabled{};  // what a modal load disabled
  NestedLoop* loop = nullptr;              // the modal load's loop while it runs
  std::uint64_t loadNumber = 0;            // orders live windows by their load
};

}  // namespace tolvane
