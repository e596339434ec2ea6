#include "app/frame.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tolvane {
namespace {

AppFrame* currentFrame = nullptr;

}  // namespace

AppFrame::AppFrame(WindowSystem& system, std::span<const WindowDescription* const> windows,
                   std::string runDirectory)
    : system_(system), runDirectory_(std::move(runDirectory)) {
  for (const WindowDescription* window : windows) {
    registry_.push_back(WindowRecord{.description = window});
  }
  currentFrame = this;
}

AppFrame::~AppFrame() {
  for (WindowRecord& record : registry_) record.instance.reset();
  if (currentFrame == this) currentFrame = nullptr;
}

AppFrame& AppFrame::Current() { return *currentFrame; }

WindowRecord* AppFrame::RecordOf(const WindowDescription& window) {
  auto found = std::find_if(registry_.begin(), registry_.end(),
                            [&](const WindowRecord& r) { return r.description == &window; });
  return found == registry_.end() ? nullptr : &*found;
}

WindowRecord* AppFrame::RecordOf(const LiveWindow& window) {
  auto found = std::find_if(registry_.begin(), registry_.end(),
                            [&](const WindowRecord& r) { return r.instance.get() == &window; });
  return found == registry_.end() ? nullptr : &*found;
}

LiveWindow* AppFrame::Instance(const WindowDescription& window) const {
  for (const WindowRecord& record : registry_) {
    if (record.description == &window) return record.instance.get();
  }
  return nullptr;
}

bool AppFrame::IsDestroyPending(const WindowDescription& window) const {
  for (const WindowRecord& record : registry_) {
    if (record.description == &window) return record.destroyPending;
  }
  return false;
}

bool AppFrame::AnyWindowAlive() const {
  return std::any_of(registry_.begin(), registry_.end(),
                     [](const WindowRecord& r) { return r.instance != nullptr; });
}

bool AppFrame::LoadWindow(const WindowDescription& window, bool modal) {
  WindowRecord* record = RecordOf(window);
  if (record == nullptr) return false;
  if (record->instance && !record->destroyPending) {
    record->instance->Activate();
    return true;
  }
  if (record->instance) DestroyScheduled(&window);
  if (!CreateInstance(*record)) return false;

  Dispatch(*record->instance, WindowEvent::Created, {});
  if (!record->instance) return true;
  // Position and size changes follow here; no window of the program handles them.
  if (window.visible) record->instance->Show();
  if (modal) DisableOtherWindows(*record);
  if (modal && window.visible && record->instance) RunModalLoop(*record);
  return true;
}

bool AppFrame::CreateInstance(WindowRecord& record) {
  record.instance = system_.CreateWindow(*record.description, *this);
  if (!record.instance) return false;
  record.destroyPending = false;
  record.modal = false;
  record.disabled.clear();
  record.loadNumber = ++loadCounter_;
  return true;
}

void AppFrame::DisableOtherWindows(WindowRecord& modal) {
  modal.modal = true;
  for (WindowRecord& other : registry_) {
    if (&other == &modal || !other.instance) continue;
    modal.disabled.push_back({other.instance.get(), other.instance->IsEnabled()});
    other.instance->SetEnabled(false);
  }
}

void AppFrame::RestoreDisabledWindows(WindowRecord& record) {
  for (const DisabledWindow& entry : record.disabled) {
    // A window disabled by this load may be gone by now.
    if (RecordOf(*entry.window) != nullptr) entry.window->SetEnabled(entry.wasEnabled);
  }
  record.disabled.clear();
}

void AppFrame::RunModalLoop(WindowRecord& record) {
  const WindowDescription* previousModal = std::exchange(currentModal_, record.description);
  std::unique_ptr<NestedLoop> loop = system_.MakeNestedLoop();
  record.loop = loop.get();
  loop->Run();
  // The record outlives its instance, so it is safe to clear it here.
  if (record.loop == loop.get()) record.loop = nullptr;
  currentModal_ = previousModal;
}

void AppFrame::ScheduleDestroy(const WindowDescription& window) {
  WindowRecord* record = RecordOf(window);
  if (record == nullptr || !record->instance) return;
  record->destroyPending = true;
  const WindowDescription* target = &window;
  system_.Post([this, target] { DestroyScheduled(target); });
}

void AppFrame::DestroyScheduled(const WindowDescription* window) {
  WindowRecord* record = RecordOf(*window);
  if (record == nullptr || !record->instance || !record->destroyPending) return;
  RestoreDisabledWindows(*record);
  Destroy(*record);
}

void AppFrame::CloseWindow(const WindowDescription& window) {
  WindowRecord* record = RecordOf(window);
  if (record == nullptr || !record->instance) return;
  // No window of the program answers the close query, so it always consents.
  RestoreDisabledWindows(*record);
  Destroy(*record);
}

void AppFrame::CloseAllWindows() {
  while (AnyWindowAlive()) {
    auto latest = std::max_element(
        registry_.begin(), registry_.end(), [](const WindowRecord& a, const WindowRecord& b) {
          return (a.instance ? a.loadNumber : 0) < (b.instance ? b.loadNumber : 0);
        });
    CloseWindow(*latest->description);
  }
}

void AppFrame::Destroy(WindowRecord& record) {
  record.destroyPending = false;
  Dispatch(*record.instance, WindowEvent::WillBeDestroyed, {});
  if (!record.instance) return;  // a handler destroyed it already
  record.instance.reset();
  record.modal = false;
  record.disabled.clear();
  if (record.loop != nullptr) {
    record.loop->Exit();
    record.loop = nullptr;
  }
  if (currentModal_ == record.description) currentModal_ = nullptr;
  if (!AnyWindowAlive() && loopStarted_) system_.PostQuit(0);
}

void AppFrame::CloseRequested(LiveWindow& window) {
  WindowRecord* record = RecordOf(window);
  if (record != nullptr) CloseWindow(*record->description);
}

void AppFrame::MenuChosen(LiveWindow& window, std::string_view command) {
  Dispatch(window, WindowEvent::MenuChosen, command);
}

void AppFrame::ButtonClicked(LiveWindow& window, std::string_view button) {
  Dispatch(window, WindowEvent::ButtonClicked, button);
}

void AppFrame::Dispatch(LiveWindow& window, WindowEvent event, std::string_view source) {
  for (const EventBinding& binding : window.Description().events) {
    if (binding.event == event && binding.source == source) {
      binding.handler(window);
      return;
    }
  }
}

void AppFrame::RegisterExitHandler(ExitHandler handler) {
  if (std::find(exitHandlers_.begin(), exitHandlers_.end(), handler) == exitHandlers_.end()) {
    exitHandlers_.push_back(handler);
  }
}

int AppFrame::RunEventLoop() {
  loopStarted_ = true;
  if (!AnyWindowAlive()) return 0;
  return system_.RunEventLoop();
}

void AppFrame::Shutdown() {
  for (WindowRecord& record : registry_) record.instance.reset();
  registry_.clear();
  std::vector<ExitHandler> handlers = std::exchange(exitHandlers_, {});
  for (ExitHandler handler : handlers) handler();
}

void AppFrame::ReportFatalError(std::string_view message) {
  system_.ShowFatalError(message);
  exitHandlers_.clear();
  std::fflush(nullptr);
  // Nothing of the program runs any more: no exit handler, no destructor.
  std::_Exit(-1);
}

bool LoadWindow(const WindowDescription& window, bool modal) {
  return AppFrame::Current().LoadWindow(window, modal);
}

void ScheduleDestroy(const WindowDescription& window) {
  AppFrame::Current().ScheduleDestroy(window);
}

void RegisterExitHandler(ExitHandler handler) { AppFrame::Current().RegisterExitHandler(handler); }

const std::string& RunDirectory() { return AppFrame::Current().RunDirectory(); }

}  // namespace tolvane
