// The picture of the main window that the export takes: its size, its bytes,
// that it shows what the window shows, and what happens without a window.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <climits>
#include <vector>

#include "bmp_reading.h"
#include "export/capture_window.h"
#include "export_fixture.h"

namespace tolvane {
namespace {

using testing::DecodeBmp;
using testing::LittleEndianAt;

using CaptureTest = testing::ExportFixture;

constexpr int kOuterWidth = 502;
constexpr int kOuterHeight = 283;

// A blinking caret would make two pictures of the same window differ.
void TakeFocusAway(LiveWindow& window) {
  if (QWidget* focus = reinterpret_cast<QWidget*>(window.Handle())->focusWidget()) {
    focus->clearFocus();
  }
}

std::vector<std::uint8_t> CaptureOuter(LiveWindow& window) {
  const OuterRect outer = window.OuterGeometry();
  return CaptureWindow(window.Handle(), outer.width, outer.height);
}

TEST_F(CaptureTest, MainWindowPictureIsAWholeBmpOfItsOuterSize) {
  LiveWindow& window = LoadMainWindow();
  const std::vector<std::uint8_t> file = CaptureOuter(window);

  ASSERT_EQ(file.size(), 426818u);
  const std::vector<std::uint8_t> fileHeader(file.begin(), file.begin() + 14);
  EXPECT_EQ(fileHeader, (std::vector<std::uint8_t>{0x42, 0x4D, 0x42, 0x83, 0x06, 0x00, 0x00, 0x00,
                                                   0x00, 0x00, 0x36, 0x00, 0x00, 0x00}));
  EXPECT_EQ(LittleEndianAt(file, 18, 4), 502u);
  EXPECT_EQ(LittleEndianAt(file, 22, 4), 283u);
  EXPECT_EQ(LittleEndianAt(file, 34, 4), 426764u);
  const QImage picture = DecodeBmp(file);
  EXPECT_EQ(picture.size(), QSize(kOuterWidth, kOuterHeight));
}

// Every black line of the connector picture, in the client area's coordinates.
const QRect kBlackLines[] = {
    QRect(QPoint(128, 47), QPoint(207, 48)),    // root into the trunk
    QRect(QPoint(152, 47), QPoint(153, 188)),   // the trunk
    QRect(QPoint(319, 118), QPoint(366, 119)),  // EditBox3 to EditBox6
};

TEST_F(CaptureTest, ClientPartEqualsTheWindowsOwnRenderingPixelForPixel) {
  LiveWindow& window = LoadMainWindow();
  window.SetText("EditBox1", "root text");
  window.SetText("EditBox7", "leaf");
  TakeFocusAway(window);
  QWidget* widget = WidgetOf(window);
  const QImage picture = DecodeBmp(CaptureOuter(window));
  const QImage own = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);

  const QPoint inner = widget->geometry().topLeft() - widget->frameGeometry().topLeft();
  ASSERT_EQ(QRect(inner, own.size()) & picture.rect(), QRect(inner, own.size()));
  EXPECT_EQ(picture.copy(QRect(inner, own.size())), own);

  const QPoint client = inner + Control(window, "client")->mapTo(widget, QPoint(0, 0));
  for (const QRect& line : kBlackLines) {
    const QRect placed = line.translated(client);
    EXPECT_EQ(picture.pixel(placed.topLeft()), qRgb(0, 0, 0)) << placed.x() << "," << placed.y();
    EXPECT_EQ(picture.pixel(placed.bottomRight()), qRgb(0, 0, 0));
    const QPoint above(placed.right(), placed.top() - 1);
    EXPECT_EQ(picture.pixel(above), qRgb(240, 240, 240));
  }
}

// Comparing whole pictures this way keeps a failure's message short.
bool SameBytes(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
  return a == b;
}

TEST_F(CaptureTest, ChoosingImageAgainKeepsOnlyTheNewPicture) {
  LiveWindow& window = LoadMainWindow();
  window.SetText("EditBox1", "first");
  TakeFocusAway(window);
  ExportFromMainWindow(window, [] {});
  const std::vector<std::uint8_t> first = CapturedImage();
  ASSERT_EQ(first.size(), 426818u);

  window.SetText("EditBox1", "second");
  TakeFocusAway(window);
  const std::vector<std::uint8_t> expected = CaptureOuter(window);
  bool newPictureWhileOpen = false;
  ExportFromMainWindow(window, [&] { newPictureWhileOpen = SameBytes(CapturedImage(), expected); });

  EXPECT_TRUE(newPictureWhileOpen);
  EXPECT_FALSE(SameBytes(CapturedImage(), first));
  EXPECT_TRUE(SameBytes(CapturedImage(), expected));
}

// Each row names a handle that is no live program window.
struct MissingWindow {
  const char* name;
  WindowHandle (*make)(AppFrame& frame);
};

WindowHandle NoHandle(AppFrame&) { return 0; }

WindowHandle ClosedWindow(AppFrame& frame) {
  frame.LoadWindow(MainWindow, false);
  const WindowHandle handle = frame.Instance(MainWindow)->Handle();
  frame.CloseWindow(MainWindow);
  return handle;
}

WindowHandle DeletedWindow(AppFrame& frame) {
  const WindowHandle handle = ClosedWindow(frame);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return handle;
}

WindowHandle ControlInsideAWindow(AppFrame& frame) {
  frame.LoadWindow(MainWindow, false);
  QWidget* widget = reinterpret_cast<QWidget*>(frame.Instance(MainWindow)->Handle());
  return reinterpret_cast<WindowHandle>(widget->findChild<QLineEdit*>("EditBox1"));
}

const MissingWindow kMissingWindows[] = {
    {"handle 0", &NoHandle},
    {"closed, not yet deleted", &ClosedWindow},
    {"closed and deleted", &DeletedWindow},
    {"a control, not a window", &ControlInsideAWindow},
};

TEST_F(CaptureTest, NoLiveWindowGivesAnEmptyPicture) {
  for (const MissingWindow& row : kMissingWindows) {
    SCOPED_TRACE(row.name);
    const WindowHandle handle = row.make(*frame_);
    EXPECT_TRUE(CaptureWindow(handle, 0, 0).empty());
    EXPECT_TRUE(CaptureWindow(handle, kOuterWidth, kOuterHeight).empty());
    frame_->CloseAllWindows();
  }
}

struct RequestedSize {
  int width;
  int height;
  int expectedWidth;  // 0: no picture at all
  int expectedHeight;
};

const RequestedSize kRequestedSizes[] = {
    {0, 0, 502, 283},        {502, 283, 502, 283}, {-20, -20, 100, 57}, {-5, 0, 50, 283},
    {-200, -200, 1004, 566}, {300, 200, 300, 200}, {1, 1, 1, 1},        {INT_MIN, 0, 0, 0},
};

// The average colour of a picture: a stretch keeps it, while garbage, black
// or rows read with the wrong stride do not.
QColor MeanColour(const QImage& picture) {
  double red = 0, green = 0, blue = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      red += qRed(pixel);
      green += qGreen(pixel);
      blue += qBlue(pixel);
    }
  }
  const double count = double(picture.width()) * picture.height();
  return QColor(int(red / count + 0.5), int(green / count + 0.5), int(blue / count + 0.5));
}

TEST_F(CaptureTest, OtherRequestedSizesStretchTheWholeWindow) {
  LiveWindow& window = LoadMainWindow();
  TakeFocusAway(window);
  const QColor unscaled = MeanColour(DecodeBmp(CaptureWindow(window.Handle(), 0, 0)));
  for (const RequestedSize& row : kRequestedSizes) {
    SCOPED_TRACE(std::to_string(row.width) + " x " + std::to_string(row.height));
    const std::vector<std::uint8_t> file = CaptureWindow(window.Handle(), row.width, row.height);
    if (row.expectedWidth == 0) {
      EXPECT_TRUE(file.empty());
      continue;
    }
    const std::size_t stride = (std::size_t(row.expectedWidth) * 3 + 3) / 4 * 4;
    EXPECT_EQ(file.size(), 54 + stride * std::size_t(row.expectedHeight));
    const QImage picture = DecodeBmp(file);
    ASSERT_EQ(picture.size(), QSize(row.expectedWidth, row.expectedHeight));
    if (row.expectedWidth < 50) continue;  // too few pixels for an average
    const QColor mean = MeanColour(picture);
    EXPECT_NEAR(mean.red(), unscaled.red(), 3);
    EXPECT_NEAR(mean.green(), unscaled.green(), 3);
    EXPECT_NEAR(mean.blue(), unscaled.blue(), 3);
  }
}

}  // namespace
}  // namespace tolvane
