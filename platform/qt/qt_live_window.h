// A program window made of Qt widgets from its description.
#pragma once

#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "platform/live_window.h"
#include "platform/qt/frame_extents.h"
#include "platform/qt/program_window.h"
#include "platform/window_system.h"

namespace tolvane {

class QtLiveWindow final : public LiveWindow {
 public:
  QtLiveWindow(const WindowDescription& description, WindowEvents& events);
  ~QtLiveWindow() override;

  const WindowDescription& Description() const override { return description_; }
  WindowHandle Handle() const override;
  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  void SetPicture(std::string_view control, std::span<const std::uint8_t> bytes) override;
  SaveDialogSettings& CommonDialog(std::string_view control) override;
  void Show() override;
  void Activate() override;
  bool IsEnabled() const override;
  void SetEnabled(bool enabled) override;
  OuterRect OuterGeometry() const override;

  ProgramWindow* Widget() const { return widget_; }

 private:
  QWidget* Control(std::string_view name) const;
  void BuildMenu();
  void BuildControls();
  void BuildTabOrder();

  const WindowDescription& description_;
  WindowEvents& events_;
  QPointer<ProgramWindow> widget_;
  QWidget* client_ = nullptr;
  std::unique_ptr<FrameExtentsRequest> frameExtents_;
  std::map<std::string, SaveDialogSettings, std::less<>> dialogs_;
};

}  // namespace tolvane
