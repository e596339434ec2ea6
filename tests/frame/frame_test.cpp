// The order and timing of window events, modal loads and shutdown, on real
// widgets with small windows made for the purpose.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <array>
#include <string>
#include <vector>

#include "app/frame.h"
#include "platform/qt/qt_window_system.h"
#include "support/test_application.h"

namespace tolvane {
namespace {

using testing::TestApplication;
using testing::WhenLoopRuns;

std::vector<std::string> eventLog;
AppFrame* frameUnderTest = nullptr;

void Log(std::string entry) { eventLog.push_back(std::move(entry)); }

QWidget* WidgetOf(const LiveWindow& window) { return reinterpret_cast<QWidget*>(window.Handle()); }

extern const WindowDescription PlainWindow;
extern const WindowDescription ModalA;
extern const WindowDescription ModalB;

void OnPlainCreated(LiveWindow& window) {
  Log("Plain created, visible=" + std::to_string(WidgetOf(window)->isVisible()) +
      " field=" + window.Text("EditBox1"));
  window.SetText("EditBox1", "filled in Created");
}
void OnPlainWillBeDestroyed(LiveWindow& window) {
  Log("Plain will be destroyed, field=" + window.Text("EditBox1"));
}
void OnPlainButton(LiveWindow&) {
  ScheduleDestroy(PlainWindow);
  Log("Plain button handler ends, alive=" +
      std::to_string(frameUnderTest->Instance(PlainWindow) != nullptr));
}
void OnModalACreated(LiveWindow&) { Log("A created"); }
void OnModalAButton(LiveWindow&) {
  Log("A opens B");
  LoadWindow(ModalB, true);
  Log("A's load of B returned");
}
void OnModalAWillBeDestroyed(LiveWindow&) { Log("A will be destroyed"); }
void OnModalBWillBeDestroyed(LiveWindow&) { Log("B will be destroyed"); }

constexpr std::array kPlainControls{
    ControlDescription{.kind = ControlKind::Button,
                       .name = "Button1",
                       .left = 8,
                       .top = 40,
                       .width = 60,
                       .height = 24,
                       .text = "Go",
                       .tabOrder = 2},
    ControlDescription{.kind = ControlKind::EditBox,
                       .name = "EditBox1",
                       .left = 8,
                       .top = 8,
                       .width = 100,
                       .height = 24,
                       .text = "",
                       .tabOrder = 1},
};
constexpr std::array kPlainEvents{
    EventBinding{WindowEvent::Created, {}, &OnPlainCreated},
    EventBinding{WindowEvent::WillBeDestroyed, {}, &OnPlainWillBeDestroyed},
    EventBinding{WindowEvent::ButtonClicked, "Button1", &OnPlainButton},
};
constexpr std::array kModalControls{
    ControlDescription{.kind = ControlKind::Button,
                       .name = "Button1",
                       .left = 8,
                       .top = 8,
                       .width = 60,
                       .height = 24,
                       .text = "Open",
                       .tabOrder = 1},
};
constexpr std::array kModalAEvents{
    EventBinding{WindowEvent::Created, {}, &OnModalACreated},
    EventBinding{WindowEvent::ButtonClicked, "Button1", &OnModalAButton},
    EventBinding{WindowEvent::WillBeDestroyed, {}, &OnModalAWillBeDestroyed},
};
constexpr std::array kModalBEvents{
    EventBinding{WindowEvent::WillBeDestroyed, {}, &OnModalBWillBeDestroyed},
};

const WindowDescription PlainWindow{.name = "Plain",
                                    .title = "Plain",
                                    .outerWidth = 200,
                                    .outerHeight = 100,
                                    .contentWidth = 120,
                                    .contentHeight = 70,
                                    .frame = FrameStyle::Fixed,
                                    .escCloses = false,
                                    .controls = kPlainControls,
                                    .events = kPlainEvents};
const WindowDescription ModalA{.name = "ModalA",
                               .title = "Modal A",
                               .outerWidth = 150,
                               .outerHeight = 80,
                               .contentWidth = 80,
                               .contentHeight = 40,
                               .frame = FrameStyle::FixedDialog,
                               .escCloses = true,
                               .controls = kModalControls,
                               .events = kModalAEvents};
const WindowDescription ModalB{.name = "ModalB",
                               .title = "Modal B",
                               .outerWidth = 150,
                               .outerHeight = 80,
                               .contentWidth = 80,
                               .contentHeight = 40,
                               .frame = FrameStyle::ToolWindow,
                               .escCloses = true,
                               .controls = kModalControls,
                               .events = kModalBEvents};

constexpr std::array<const WindowDescription*, 3> kTestWindows{&PlainWindow, &ModalA, &ModalB};

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    eventLog.clear();
    frameUnderTest = &frame_;
  }
  void TearDown() override {
    frameUnderTest = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void ClickButton(const WindowDescription& window) {
    auto* button = WidgetOf(*frame_.Instance(window))->findChild<QWidget*>("Button1");
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void PressEscape(const WindowDescription& window) {
    QWidget* widget = WidgetOf(*frame_.Instance(window));
    QTest::keyClick(widget->focusWidget() ? widget->focusWidget() : widget, Qt::Key_Escape);
  }

  QApplication& application_ = TestApplication();
  int argc_ = 0;
  QtWindowSystem system_{argc_, nullptr};
  AppFrame frame_{system_, kTestWindows, "/tmp"};
};

TEST_F(FrameTest, CreatedFiresWithEveryControlBeforeTheWindowIsVisible) {
  ASSERT_TRUE(frame_.LoadWindow(PlainWindow, false));
  EXPECT_EQ(eventLog, (std::vector<std::string>{"Plain created, visible=0 field="}));
  LiveWindow* window = frame_.Instance(PlainWindow);
  EXPECT_TRUE(WidgetOf(*window)->isVisible());
  EXPECT_EQ(window->Text("EditBox1"), "filled in Created");
}

TEST_F(FrameTest, WillBeDestroyedFiresOnceWhileTheFieldsStillHoldTheirText) {
  frame_.LoadWindow(PlainWindow, false);
  LiveWindow* window = frame_.Instance(PlainWindow);
  auto* field = WidgetOf(*window)->findChild<QWidget*>("EditBox1");
  QTest::keyClick(field, Qt::Key_End);
  QTest::keyClicks(field, " and typed");
  WidgetOf(*window)->close();
  EXPECT_EQ(frame_.Instance(PlainWindow), nullptr);
  EXPECT_EQ(eventLog, (std::vector<std::string>{
                          "Plain created, visible=0 field=",
                          "Plain will be destroyed, field=filled in Created and typed"}));
}

TEST_F(FrameTest, SecondLoadOfALiveWindowOnlyActivatesIt) {
  frame_.LoadWindow(PlainWindow, false);
  LiveWindow* first = frame_.Instance(PlainWindow);
  EXPECT_TRUE(frame_.LoadWindow(PlainWindow, false));
  EXPECT_EQ(frame_.Instance(PlainWindow), first);
  EXPECT_EQ(eventLog.size(), 1u);
}

TEST_F(FrameTest, ScheduleDestroyReturnsAtOnceAndTheWindowGoesAfterTheHandler) {
  frame_.LoadWindow(PlainWindow, false);
  ClickButton(PlainWindow);
  EXPECT_EQ(eventLog.back(), "Plain button handler ends, alive=1");
  EXPECT_TRUE(frame_.IsDestroyPending(PlainWindow));
  QCoreApplication::processEvents();
  EXPECT_EQ(frame_.Instance(PlainWindow), nullptr);
  EXPECT_EQ(eventLog.back(), "Plain will be destroyed, field=filled in Created");
}

TEST_F(FrameTest, LoadingADestroyPendingWindowDestroysItFirst) {
  frame_.LoadWindow(PlainWindow, false);
  frame_.ScheduleDestroy(PlainWindow);
  frame_.LoadWindow(PlainWindow, false);
  QCoreApplication::processEvents();  // the stale request finds its flag cleared
  ASSERT_NE(frame_.Instance(PlainWindow), nullptr);
  EXPECT_EQ(eventLog, (std::vector<std::string>{"Plain created, visible=0 field=",
                                                "Plain will be destroyed, field=filled in Created",
                                                "Plain created, visible=0 field="}));
}

// Each row: whether the plain window was enabled before the modal load.
class ModalRestoreTest : public FrameTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ModalRestoreTest, ModalLoadDisablesTheOthersAndRestoresTheirEarlierState) {
  const bool enabledBefore = GetParam();
  frame_.LoadWindow(PlainWindow, false);
  LiveWindow* plain = frame_.Instance(PlainWindow);
  plain->SetEnabled(enabledBefore);
  bool disabledDuring = false;
  WhenLoopRuns([&] {
    disabledDuring = !plain->IsEnabled();
    PressEscape(ModalA);
  });
  EXPECT_TRUE(frame_.LoadWindow(ModalA, true));
  EXPECT_TRUE(disabledDuring);
  EXPECT_EQ(plain->IsEnabled(), enabledBefore);
  EXPECT_EQ(frame_.Instance(ModalA), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EnabledOrNot, ModalRestoreTest, ::testing::Bool());

TEST_F(FrameTest, ModalLoadsNestAndReturnInnermostFirst) {
  frame_.LoadWindow(PlainWindow, false);
  WhenLoopRuns([&] {
    WhenLoopRuns([&] {
      // Inside B's loop: A is disabled as well as the plain window.
      Log("A enabled inside B: " + std::to_string(frame_.Instance(ModalA)->IsEnabled()));
      PressEscape(ModalB);
      WhenLoopRuns([&] { PressEscape(ModalA); });
    });
    ClickButton(ModalA);
  });
  frame_.LoadWindow(ModalA, true);
  Log("plain's load of A returned");
  EXPECT_EQ(eventLog, (std::vector<std::string>{
                          "Plain created, visible=0 field=", "A created", "A opens B",
                          "A enabled inside B: 0", "B will be destroyed", "A's load of B returned",
                          "A will be destroyed", "plain's load of A returned"}));
  EXPECT_TRUE(frame_.Instance(PlainWindow)->IsEnabled());
}

TEST_F(FrameTest, EscapeWithAModifierDoesNotClose) {
  WhenLoopRuns([&] {
    QWidget* widget = WidgetOf(*frame_.Instance(ModalA));
    for (auto modifier : {Qt::ControlModifier, Qt::ShiftModifier, Qt::AltModifier}) {
      QTest::keyClick(widget->focusWidget(), Qt::Key_Escape, modifier);
    }
    Log("still open: " + std::to_string(frame_.Instance(ModalA) != nullptr));
    PressEscape(ModalA);
  });
  frame_.LoadWindow(ModalA, true);
  EXPECT_EQ(eventLog.at(1), "still open: 1");
}

std::vector<std::string> exitLog;
void FirstExitHandler() { exitLog.push_back("first"); }
void SecondExitHandler() { exitLog.push_back("second"); }

TEST_F(FrameTest, ExitHandlersRunOnceInOrderAfterTheLastWindowIsGone) {
  exitLog.clear();
  frame_.RegisterExitHandler(&FirstExitHandler);
  frame_.RegisterExitHandler(&SecondExitHandler);
  frame_.RegisterExitHandler(&FirstExitHandler);
  frame_.LoadWindow(PlainWindow, false);
  WhenLoopRuns([&] { WidgetOf(*frame_.Instance(PlainWindow))->close(); });
  EXPECT_EQ(frame_.RunEventLoop(), 0);
  EXPECT_TRUE(exitLog.empty());
  frame_.Shutdown();
  EXPECT_EQ(exitLog, (std::vector<std::string>{"first", "second"}));
  frame_.Shutdown();
  EXPECT_EQ(exitLog.size(), 2u);
}

TEST_F(FrameTest, ClosingEveryWindowEndsTheNestedLoopsAndTheMainLoop) {
  frame_.LoadWindow(PlainWindow, false);
  WhenLoopRuns([&] {
    WhenLoopRuns([&] { frame_.CloseAllWindows(); });
    frame_.LoadWindow(ModalA, true);
    Log("modal load returned");
  });
  EXPECT_EQ(frame_.RunEventLoop(), 0);
  EXPECT_FALSE(frame_.AnyWindowAlive());
  EXPECT_EQ(eventLog,
            (std::vector<std::string>{
                "Plain created, visible=0 field=", "A created", "A will be destroyed",
                "Plain will be destroyed, field=filled in Created", "modal load returned"}));
}

TEST_F(FrameTest, DisabledWindowTakesNoCloseRequest) {
  frame_.LoadWindow(PlainWindow, false);
  frame_.Instance(PlainWindow)->SetEnabled(false);
  WidgetOf(*frame_.Instance(PlainWindow))->close();
  EXPECT_NE(frame_.Instance(PlainWindow), nullptr);
}

class SilentSystem final : public QtWindowSystem {
 public:
  using QtWindowSystem::QtWindowSystem;
  void ShowFatalError(std::string_view) override {}
};

TEST(FatalErrorTest, EndsWithExitCodeMinusOneWithoutExitHandlers) {
  TestApplication();
  EXPECT_EXIT(
      {
        int argc = 0;
        SilentSystem system(argc, nullptr);
        AppFrame frame(system, kTestWindows, "/tmp");
        frame.RegisterExitHandler([] { std::fputs("exit handler ran", stderr); });
        frame.ReportFatalError("cannot load");
      },
      ::testing::ExitedWithCode(255), "^$");
}

}  // namespace
}  // namespace tolvane
