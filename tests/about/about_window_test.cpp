// The About window as the user meets it: its frame and place, the pixels of
// its logo and texts, the keys and clicks that close it, and its modality.
#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/picture/png_decode.h"
#include "platform/picture/transparency.h"
#include "resources/images.h"
#include "support/program_fixture.h"

namespace tolvane {
namespace {

using testing::WhenLoopRuns;

constexpr QRgb kFace = qRgb(240, 240, 240);
constexpr int kOuterWidth = 179;
constexpr int kOuterHeight = 214;

class AboutWindowTest : public testing::ProgramFixture {
 protected:
  // Shown without a nested loop, so a test can look at it at leisure; its
  // looks do not depend on how it was loaded.
  LiveWindow& ShowAboutWindow() {
    EXPECT_TRUE(frame_->LoadWindow(AboutWindow, false));
    return *frame_->Instance(AboutWindow);
  }

  static QImage Grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  // Opens the About window from the main window's menu, as the user does,
  // and runs `inside` from the window's nested loop. Returns once the menu
  // handler has returned.
  template <typename Inside>
  void OpenFromMenu(LiveWindow& main, Inside inside) {
    WhenLoopRuns([this, inside] {
      LiveWindow* about = frame_->Instance(AboutWindow);
      ASSERT_NE(about, nullptr);
      inside(*about);
    });
    AboutMenuItem(main)->trigger();
    // Whatever the last step queued runs while the test's variables still live.
    QCoreApplication::sendPostedEvents();
  }

  static QAction* AboutMenuItem(LiveWindow& main) {
    QMenuBar* bar = static_cast<QMainWindow*>(WidgetOf(main))->menuBar();
    for (QAction* top : bar->actions()) {
      for (QAction* item : top->menu()->actions()) {
        if (item->text() == QStringLiteral("About")) return item;
      }
    }
    return nullptr;
  }

  // Closes the About window through its close box if it is still open;
  // tells whether it was.
  bool CloseIfOpen() {
    LiveWindow* about = frame_->Instance(AboutWindow);
    if (about == nullptr) return false;
    WidgetOf(*about)->close();
    return true;
  }
};

bool IsInk(QRgb pixel) { return qGray(pixel) < 160; }

// A run of consecutive rows that hold ink: one line of text.
struct Band {
  int top;
  int bottom;  // inclusive
};

std::vector<Band> InkBands(const QImage& image) {
  std::vector<Band> bands;
  for (int y = 0; y < image.height(); ++y) {
    bool ink = false;
    for (int x = 0; x < image.width() && !ink; ++x) ink = IsInk(image.pixel(x, y));
    if (!ink) continue;
    if (!bands.empty() && bands.back().bottom == y - 1) {
      bands.back().bottom = y;
    } else {
      bands.push_back({y, y});
    }
  }
  return bands;
}

int RightmostInk(const QImage& image) {
  int rightmost = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (IsInk(image.pixel(x, y))) rightmost = std::max(rightmost, x);
    }
  }
  return rightmost;
}

// ---------------------------------------------------------------------------
// Frame, place and controls

TEST_F(AboutWindowTest, IsAnUnresizableToolWindowTitledAboutOfItsOuterSize) {
  LiveWindow& window = ShowAboutWindow();
  QWidget* widget = WidgetOf(window);
  EXPECT_EQ(widget->windowTitle(), QStringLiteral("About"));
  EXPECT_EQ(widget->windowType(), Qt::Tool);
  EXPECT_FALSE(widget->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(widget->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(widget->minimumSize(), widget->maximumSize());
  const auto* menu = widget->findChild<QMenuBar*>();
  EXPECT_TRUE(menu == nullptr || menu->actions().isEmpty());
  const OuterRect outer = window.OuterGeometry();
  EXPECT_EQ(outer.width, kOuterWidth);
  EXPECT_EQ(outer.height, kOuterHeight);
}

struct Centring {
  QSize screen;
  QPoint place;
};

// The centring rule truncates toward zero: the odd pixel of an odd
// difference is dropped, and a screen smaller than the window gives a
// negative place, where the window goes partly off the screen.
const Centring kCentring[] = {
    {{800, 800}, {310, 293}},
    {{1366, 768}, {593, 277}},
    {{150, 100}, {-14, -57}},
};

TEST_F(AboutWindowTest, IsCentredOnTheScreenTruncatingTowardZero) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  // Set where the test runs on a screen of a given size, so a screen file
  // that the platform ignored does not go unnoticed.
  if (const char* wanted = std::getenv("TOLVANE_TEST_SCREEN")) {
    ASSERT_EQ(std::to_string(screen.width()) + "x" + std::to_string(screen.height()), wanted);
  }
  const OuterRect outer = ShowAboutWindow().OuterGeometry();
  EXPECT_EQ(QSize(outer.width, outer.height), QSize(kOuterWidth, kOuterHeight));
  // Integer division truncates toward zero, negative differences included.
  EXPECT_EQ(QPoint(outer.left, outer.top),
            screen.topLeft() +
                QPoint((screen.width() - kOuterWidth) / 2, (screen.height() - kOuterHeight) / 2));
  const auto row = std::find_if(std::begin(kCentring), std::end(kCentring),
                                [&](const Centring& c) { return c.screen == screen.size(); });
  if (row != std::end(kCentring)) {
    EXPECT_EQ(QPoint(outer.left, outer.top), row->place);
  }
}

struct Place {
  const char* name;
  QRect rect;
};

// Bottom-most first, as the client area stacks its children.
const Place kPlacesBottomUp[] = {
    {"Label1", {8, 8, 160, 56}},
    {"Label2", {8, 72, 160, 72}},
    {"Button1", {120, 152, 40, 24}},
    {"PicBox1", {6, 132, 49, 51}},
};

TEST_F(AboutWindowTest, ControlsStandAtTheirPlacesWithTheLogoOnTop) {
  LiveWindow& window = ShowAboutWindow();
  QWidget* client = Control(window, "client");
  QStringList stacking;
  for (QObject* child : client->children()) {
    if (child->isWidgetType()) stacking << child->objectName();
  }
  QStringList expected;
  for (const Place& place : kPlacesBottomUp) {
    SCOPED_TRACE(place.name);
    expected << QString::fromLatin1(place.name);
    QWidget* control = Control(window, place.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget(), client);
    EXPECT_EQ(control->geometry(), place.rect);
    EXPECT_TRUE(control->isVisible());
    EXPECT_TRUE(control->isEnabled());
    EXPECT_EQ(control->cursor().shape(), Qt::ArrowCursor);
  }
  EXPECT_EQ(stacking, expected);
  // The window manager's frame may take more than the design allows for;
  // the client area then keeps its content whole.
  EXPECT_GE(client->width(), 168);
  EXPECT_GE(client->height(), 183);
}

TEST_F(AboutWindowTest, OkIsAPlainButtonAndTheOnlyControlThatTakesTheFocus) {
  LiveWindow& window = ShowAboutWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(window)));
  auto* ok = Control<QPushButton>(window, "Button1");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("OK"));
  EXPECT_FALSE(ok->isDefault());
  EXPECT_FALSE(ok->autoDefault());
  EXPECT_EQ(QApplication::focusWidget(), ok);
  for (const char* name : {"Label1", "Label2", "PicBox1"}) {
    EXPECT_EQ(Control(window, name)->focusPolicy(), Qt::NoFocus) << name;
  }
  // Clicking elsewhere and tabbing keep the focus on the button.
  QTest::mouseClick(Control(window, "PicBox1"), Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseClick(Control(window, "Label2"), Qt::LeftButton, {}, QPoint(20, 20));
  QTest::keyClick(ok, Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), ok);
}

// ---------------------------------------------------------------------------
// Pixels: the logo

// How much of the pixel from `pixel` to `pixel` + 1 lies between `from` and `to`.
double Coverage(int pixel, double from, double to) {
  return std::max(0.0, std::min(pixel + 1.0, to) - std::max(pixel * 1.0, from));
}

// The mean colour of the picture over `area`, each pixel weighted by how
// much of it the area covers.
QRgb AreaAverage(const BgraImage& picture, const QRectF& area) {
  double sum[3] = {0, 0, 0};
  double total = 0;
  for (int y = static_cast<int>(area.top()); y < area.bottom() && y < picture.height; ++y) {
    for (int x = static_cast<int>(area.left()); x < area.right() && x < picture.width; ++x) {
      const double weight =
          Coverage(x, area.left(), area.right()) * Coverage(y, area.top(), area.bottom());
      const std::uint8_t* pixel =
          &picture.pixels[(static_cast<std::size_t>(y) * picture.width + x) * 4];
      for (int c = 0; c < 3; ++c) sum[c] += weight * pixel[c];
      total += weight;
    }
  }
  auto channel = [&](int c) { return static_cast<int>(sum[c] / total + 0.5); };
  return qRgb(channel(2), channel(1), channel(0));
}

// The logo flattened onto the face colour and averaged onto the picture
// box, as a halftone stretch shows it.
QImage ExpectedLogo(QSize box) {
  std::optional<BgraImage> logo = DecodePng(resources::LogoPng());
  if (!logo) return {};
  ResolveTransparency(*logo, 240, 240, 240);
  const double scaleX = static_cast<double>(logo->width) / box.width();
  const double scaleY = static_cast<double>(logo->height) / box.height();
  QImage result(box, QImage::Format_RGB32);
  for (int y = 0; y < box.height(); ++y) {
    for (int x = 0; x < box.width(); ++x) {
      result.setPixel(x, y, AreaAverage(*logo, QRectF(x * scaleX, y * scaleY, scaleX, scaleY)));
    }
  }
  return result;
}

int LargestChannelDifference(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

struct LogoSpot {
  const char* what;
  QPoint at;  // in the picture box
  QRgb colour;
};

// Spots well inside the artwork's flat areas, where any stretch shows the
// drawing's own colour.
const LogoSpot kArtworkSpots[] = {
    {"the initial's stem", {13, 24}, qRgb(255, 255, 255)},
    {"the tile", {44, 30}, qRgb(240, 124, 42)},
    {"the band", {24, 47}, qRgb(255, 204, 64)},
    {"the upper bar", {30, 17}, qRgb(56, 38, 28)},
};

TEST_F(AboutWindowTest, LogoShowsTheArtworkWithItsCornersBlendedIntoTheFace) {
  LiveWindow& window = ShowAboutWindow();
  const QImage box = Grab(Control(window, "PicBox1"));
  ASSERT_EQ(box.size(), QSize(49, 51));
  for (const LogoSpot& spot : kArtworkSpots) {
    EXPECT_LE(LargestChannelDifference(box.pixel(spot.at), spot.colour), 2) << spot.what;
  }
  // Each corner lies between the artwork beneath it and the face: the
  // transparency is resolved against the face, not against black, and not
  // ignored.
  const std::pair<QPoint, QRgb> corners[] = {{{0, 0}, qRgb(240, 124, 42)},
                                             {{48, 0}, qRgb(240, 124, 42)},
                                             {{0, 50}, qRgb(255, 204, 64)},
                                             {{48, 50}, qRgb(255, 204, 64)}};
  for (const auto& [at, beneath] : corners) {
    SCOPED_TRACE(::testing::Message() << at.x() << "," << at.y());
    const QRgb corner = box.pixel(at);
    EXPECT_GT(qBlue(corner), qBlue(beneath) + 20);
    EXPECT_LE(qBlue(corner), 240);
    EXPECT_GE(qGreen(corner), std::min(qGreen(beneath), 240));
    EXPECT_LE(qGreen(corner), std::max(qGreen(beneath), 240));
  }
}

// A halftone stretch averages all the pixels under each box pixel; a
// sampling stretch loses thin strokes or shows them at full strength at
// random places, and differs from the average by far more.
TEST_F(AboutWindowTest, LogoIsStretchedByAveragingOnADeepDisplay) {
  ASSERT_GT(QGuiApplication::primaryScreen()->depth(), 16);
  LiveWindow& window = ShowAboutWindow();
  const QImage box = Grab(Control(window, "PicBox1"));
  const QImage expected = ExpectedLogo(QSize(49, 51));
  ASSERT_EQ(box.size(), expected.size());
  int largest = 0;
  for (int y = 0; y < box.height(); ++y) {
    for (int x = 0; x < box.width(); ++x) {
      largest = std::max(largest, LargestChannelDifference(box.pixel(x, y), expected.pixel(x, y)));
    }
  }
  EXPECT_LE(largest, 3);
}

TEST_F(AboutWindowTest, LogoCoversTheCreditTextWhereTheyOverlap) {
  LiveWindow& window = ShowAboutWindow();
  const QRect overlap(QPoint(8, 132), QPoint(54, 143));
  const QImage client = Grab(Control(window, "client"));
  const QImage logo = Grab(Control(window, "PicBox1"));
  const QImage label = Grab(Control(window, "Label2"));
  // The credit text does reach into the overlap, so covering it is seen.
  const QImage labelPart = label.copy(overlap.translated(-8, -72));
  EXPECT_FALSE(InkBands(labelPart).empty());
  EXPECT_EQ(client.copy(overlap), logo.copy(overlap.translated(-6, -132)));
}

TEST_F(AboutWindowTest, LogoThatCannotBeDecodedLeavesTheFaceColour) {
  LiveWindow& window = ShowAboutWindow();
  const std::uint8_t damaged[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13};
  window.SetPicture("PicBox1", damaged);
  const QImage box = Grab(Control(window, "PicBox1"));
  QImage face(box.size(), QImage::Format_RGB32);
  face.fill(kFace);
  EXPECT_EQ(box, face);
}

// ---------------------------------------------------------------------------
// Pixels: the texts

TEST_F(AboutWindowTest, CreditTextIsFiveLinesFromTheTopLeftInTheDefaultFont) {
  LiveWindow& window = ShowAboutWindow();
  QWidget* label = Control(window, "Label2");
  EXPECT_EQ(label->font(), QApplication::font());
  const QFontMetrics metrics(QApplication::font());
  const QImage picture = Grab(label);
  const std::vector<Band> bands = InkBands(picture);
  ASSERT_EQ(bands.size(), 5u);
  // Lines follow each other at the font's height, the first at the top.
  // Every line holds a letter of full ascender height, so their tops line up.
  for (std::size_t line = 1; line < bands.size(); ++line) {
    EXPECT_NEAR(bands[line].top - bands[line - 1].top, metrics.height(), 1) << line;
  }
  EXPECT_LT(bands.front().top, metrics.ascent());
  // The longest line fits: nothing is cut at the right edge, and the
  // trailing blank of the fourth line leaves no mark.
  EXPECT_LT(RightmostInk(picture), label->width() - 1);
  EXPECT_EQ(window.Text("Label2"),
            "Pre-Alpha 1.0.0.0\r\nBy Kelvorn\r\nTip:\r\nThis software is \r\nfree software");
}

TEST_F(AboutWindowTest, CreditTextStartsAtTheLeftEdge) {
  LiveWindow& window = ShowAboutWindow();
  const QImage picture = Grab(Control(window, "Label2"));
  int leftmost = picture.width();
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (IsInk(picture.pixel(x, y))) leftmost = std::min(leftmost, x);
    }
  }
  EXPECT_LE(leftmost, 2);
}

TEST_F(AboutWindowTest, ProductNameIsOneLineOfLargeTypeCentredVertically) {
  LiveWindow& window = ShowAboutWindow();
  QWidget* label = Control(window, "Label1");
  // The face asked for stays on record; where it is not installed the font
  // system's substitute draws it.
  EXPECT_EQ(label->font().family(), QString::fromUtf8("微软雅黑"));
  EXPECT_EQ(label->font().pixelSize(), 29);
  EXPECT_EQ(label->font().weight(), QFont::Normal);
  EXPECT_FALSE(label->font().italic());
  EXPECT_FALSE(label->font().underline());
  EXPECT_FALSE(label->font().strikeOut());
  const QFontMetrics metrics(label->font());
  const QImage picture = Grab(label);
  const std::vector<Band> bands = InkBands(picture);
  ASSERT_EQ(bands.size(), 1u);
  // "Tolvane" has no descender: its ink ends on the baseline of a line box
  // of the font's height that leaves equal room above and below.
  const int lineTop = (label->height() - metrics.height()) / 2;
  EXPECT_NEAR(bands.front().bottom + 1, lineTop + metrics.ascent(), 1);
  EXPECT_NEAR(bands.front().top, lineTop + metrics.ascent() - metrics.capHeight(), 2);
  // Large type: taller than the credit text's capitals by far.
  EXPECT_GE(bands.front().bottom - bands.front().top + 1, 18);
  EXPECT_LT(RightmostInk(picture), label->width() - 1);
}

TEST_F(AboutWindowTest, LabelsAreBlackOnTheFaceColour) {
  LiveWindow& window = ShowAboutWindow();
  for (const char* name : {"Label1", "Label2"}) {
    SCOPED_TRACE(name);
    const QImage picture = Grab(Control(window, name));
    EXPECT_EQ(picture.pixel(picture.width() - 1, picture.height() - 1), kFace);
    bool black = false;
    for (int y = 0; y < picture.height() && !black; ++y) {
      for (int x = 0; x < picture.width() && !black; ++x)
        black = picture.pixel(x, y) == qRgb(0, 0, 0);
    }
    EXPECT_TRUE(black);
  }
  const QImage client = Grab(Control(window, "client"));
  EXPECT_EQ(client.pixel(client.width() - 1, client.height() - 1), kFace);
}

// ---------------------------------------------------------------------------
// Closing

enum class Closes { Never, AtOnce, AfterTheHandler };

struct CloseCase {
  const char* name;
  void (*act)(QWidget* window, QWidget* ok);
  Closes closes;
};

void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(target, key, modifiers);
}

const CloseCase kCloseCases[] = {
    {"Escape", [](QWidget*, QWidget* ok) { Key(ok, Qt::Key_Escape); }, Closes::AtOnce},
    {"EscapeOnTheWindow", [](QWidget* w, QWidget*) { Key(w, Qt::Key_Escape); }, Closes::AtOnce},
    {"CtrlEscape", [](QWidget*, QWidget* ok) { Key(ok, Qt::Key_Escape, Qt::ControlModifier); },
     Closes::Never},
    {"ShiftEscape", [](QWidget*, QWidget* ok) { Key(ok, Qt::Key_Escape, Qt::ShiftModifier); },
     Closes::Never},
    {"AltEscape", [](QWidget*, QWidget* ok) { Key(ok, Qt::Key_Escape, Qt::AltModifier); },
     Closes::Never},
    {"Return", [](QWidget*, QWidget* ok) { Key(ok, Qt::Key_Return); }, Closes::Never},
    {"Enter", [](QWidget*, QWidget* ok) { Key(ok, Qt::Key_Enter); }, Closes::Never},
    {"Space", [](QWidget*, QWidget* ok) { Key(ok, Qt::Key_Space); }, Closes::AfterTheHandler},
    {"ClickOk", [](QWidget*, QWidget* ok) { QTest::mouseClick(ok, Qt::LeftButton); },
     Closes::AfterTheHandler},
    {"CloseBox", [](QWidget* w, QWidget*) { w->close(); }, Closes::AtOnce},
};

void PrintTo(const CloseCase& row, std::ostream* out) { *out << row.name; }

class AboutCloseTest : public AboutWindowTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AboutCloseTest, ClosesByItsOwnPathOrStaysOpen) {
  const CloseCase& row = GetParam();
  LiveWindow& main = LoadMainWindow();
  bool openAfterAct = false;
  bool pendingAfterAct = false;
  bool openAfterHandlers = false;
  bool mainEnabledWhileOpen = true;
  OpenFromMenu(main, [&](LiveWindow& about) {
    mainEnabledWhileOpen = main.IsEnabled();
    row.act(WidgetOf(about), Control(about, "Button1"));
    openAfterAct = frame_->Instance(AboutWindow) != nullptr;
    pendingAfterAct = frame_->IsDestroyPending(AboutWindow);
    // After the posted destruction, if any, has been handled.
    WhenLoopRuns([&] { openAfterHandlers = CloseIfOpen(); });
  });
  EXPECT_FALSE(mainEnabledWhileOpen);
  switch (row.closes) {
    case Closes::Never:
      EXPECT_TRUE(openAfterHandlers);
      EXPECT_FALSE(pendingAfterAct);
      break;
    case Closes::AtOnce: EXPECT_FALSE(openAfterAct); break;
    case Closes::AfterTheHandler:
      EXPECT_TRUE(openAfterAct);
      EXPECT_TRUE(pendingAfterAct);
      EXPECT_FALSE(openAfterHandlers);
      break;
  }
  EXPECT_EQ(frame_->Instance(AboutWindow), nullptr);
  EXPECT_TRUE(main.IsEnabled());
}

INSTANTIATE_TEST_SUITE_P(Actions, AboutCloseTest, ::testing::ValuesIn(kCloseCases),
                         [](const ::testing::TestParamInfo<CloseCase>& info) {
                           return std::string(info.param.name);
                         });

// ---------------------------------------------------------------------------
// Modality and freshness

TEST_F(AboutWindowTest, MainWindowTakesNoInputWhileAboutIsOpen) {
  LiveWindow& main = LoadMainWindow();
  bool aboutVisible = false;
  bool mainEnabled = true;
  bool mainStayedAfterClose = false;
  OpenFromMenu(main, [&](LiveWindow& about) {
    aboutVisible = WidgetOf(about)->isVisible();
    mainEnabled = main.IsEnabled();
    // The main window's close box asks nothing while it is disabled.
    WidgetOf(main)->close();
    mainStayedAfterClose = frame_->Instance(MainWindow) != nullptr;
    QTest::mouseClick(Control(about, "Button1"), Qt::LeftButton);
  });
  EXPECT_TRUE(aboutVisible);
  EXPECT_FALSE(mainEnabled);
  EXPECT_TRUE(mainStayedAfterClose);
  EXPECT_TRUE(main.IsEnabled());
  EXPECT_EQ(frame_->Instance(AboutWindow), nullptr);
}

TEST_F(AboutWindowTest, EachOpeningIsAFreshWindow) {
  LiveWindow& main = LoadMainWindow();
  QPointer<QWidget> first;
  OpenFromMenu(main, [&](LiveWindow& about) {
    first = WidgetOf(about);
    about.SetText("Label1", "changed");
    about.SetPicture("PicBox1", {});
    Control(about, "Button1")->clearFocus();
    QTest::keyClick(first, Qt::Key_Escape);
  });
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());

  std::string name;
  QString focus;
  QRgb logoCentre = 0;
  OpenFromMenu(main, [&](LiveWindow& about) {
    name = about.Text("Label1");
    ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(about)));
    focus = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    logoCentre = Grab(Control(about, "PicBox1")).pixel(kArtworkSpots[0].at);
    QTest::keyClick(Control(about, "Button1"), Qt::Key_Space);
  });
  EXPECT_EQ(name, "Tolvane");
  EXPECT_EQ(focus, QStringLiteral("Button1"));
  EXPECT_EQ(logoCentre, kArtworkSpots[0].colour);
  EXPECT_EQ(frame_->Instance(AboutWindow), nullptr);
}

}  // namespace
}  // namespace tolvane
