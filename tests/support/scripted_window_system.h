// A window system whose save dialog and warning box are scripted, so the
// flows behind them can be driven and watched without a person at the screen.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/qt_window_system.h"

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

}  // namespace tolvane::testing
