// The Save File window as built: its frame and controls, its keys, the
// preview, and how it holds the main window while it is open.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <string>
#include <vector>

#include "bmp_reading.h"
#include "export_fixture.h"

namespace tolvane {
namespace {

using testing::BmpOf;

using SaveFileWindowTest = testing::ExportFixture;

TEST_F(SaveFileWindowTest, WindowIsAFixedCentredDialogWithOneButtonAndThePreview) {
  WithSaveFileWindow([this] {
    LiveWindow& window = SaveFile();
    QWidget* widget = WidgetOf(window);
    EXPECT_EQ(widget->windowTitle(), QStringLiteral("Save File"));
    const OuterRect outer = window.OuterGeometry();
    EXPECT_EQ(outer.width, 509);
    EXPECT_EQ(outer.height, 277);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(outer.left, (screen.width() - 509) / 2);
    EXPECT_EQ(outer.top, (screen.height() - 277) / 2);
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize());
    EXPECT_FALSE(widget->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(widget->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(widget->windowFlags() & Qt::WindowCloseButtonHint);

    auto* save = Control<QPushButton>(window, "Button1");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), QStringLiteral("Save"));
    EXPECT_EQ(save->geometry(), QRect(448, 216, 48, 24));
    EXPECT_FALSE(save->isDefault());
    ASSERT_NE(Control(window, "PicBox1"), nullptr);
    EXPECT_EQ(Control(window, "PicBox1")->geometry(), QRect(8, 8, 432, 240));
    // The content, to x = 496 and y = 248, fits into the client area.
    EXPECT_GE(Control(window, "client")->width(), 496);
    EXPECT_GE(Control(window, "client")->height(), 248);
  });
}

TEST_F(SaveFileWindowTest, SaveIsTheOnlyControlThatTakesTheFocus) {
  WithSaveFileWindow([this] {
    LiveWindow& window = SaveFile();
    ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(window)));
    QWidget* save = Control(window, "Button1");
    EXPECT_EQ(QApplication::focusWidget(), save);
    QStringList focusable;
    for (QWidget* child : WidgetOf(window)->findChildren<QWidget*>()) {
      if (child->focusPolicy() != Qt::NoFocus && child->isVisible()) {
        focusable << child->objectName();
      }
    }
    EXPECT_EQ(focusable, QStringList{QStringLiteral("Button1")});
    QTest::keyClick(save, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), save);
  });
}

struct KeyCase {
  const char* name;
  Qt::Key key;
  bool saves;
};

// Space is how the keyboard presses the focused button; it shows that the
// keys reach the button at all, so the others are inert for a reason.
const KeyCase kKeys[] = {
    {"Escape", Qt::Key_Escape, false}, {"Return", Qt::Key_Return, false},
    {"Enter", Qt::Key_Enter, false},   {"F1", Qt::Key_F1, false},
    {"Space", Qt::Key_Space, true},
};

TEST_F(SaveFileWindowTest, EscapeEnterAndF1DoNothing) {
  for (const KeyCase& row : kKeys) {
    SCOPED_TRACE(row.name);
    system_.dialogs.clear();
    bool stillOpen = false;
    WithSaveFileWindow([&] {
      ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(SaveFile())));
      QWidget* save = Control(SaveFile(), "Button1");
      QTest::keyClick(save, row.key);
      stillOpen = frame_->Instance(SaveFileWindow) != nullptr;
      if (stillOpen) {
        EXPECT_EQ(QApplication::focusWidget(), save);
      }
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(system_.dialogs.size(), row.saves ? 1u : 0u);
  }
}

// A picture whose stretch is easy to follow: four coloured quarters and a
// small white patch in the middle, on a 100 x 60 canvas, which the preview
// scales by 4.32 across and 4 down.
QImage QuarteredPicture() {
  QImage picture(100, 60, QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.fillRect(0, 0, 50, 30, QColor(200, 0, 0));
  painter.fillRect(50, 0, 50, 30, QColor(0, 160, 0));
  painter.fillRect(0, 30, 50, 30, QColor(0, 0, 220));
  painter.fillRect(50, 30, 50, 30, QColor(230, 200, 0));
  painter.fillRect(40, 24, 20, 12, QColor(255, 255, 255));
  return picture;
}

struct PreviewSpot {
  const char* name;
  QPoint where;  // in the preview box
  QRgb colour;
};

const PreviewSpot kSpots[] = {
    {"top left corner", {0, 0}, qRgb(200, 0, 0)},
    {"top right corner", {431, 0}, qRgb(0, 160, 0)},
    {"bottom left corner", {0, 239}, qRgb(0, 0, 220)},
    {"bottom right corner", {431, 239}, qRgb(230, 200, 0)},
    {"centre", {216, 120}, qRgb(255, 255, 255)},
    // Inside the quarters, beside the lines where they meet once stretched.
    {"left of the middle", {150, 60}, qRgb(200, 0, 0)},
    {"right of the middle", {282, 60}, qRgb(0, 160, 0)},
    {"above the bottom", {100, 128}, qRgb(0, 0, 220)},
    {"right of the bottom", {300, 200}, qRgb(230, 200, 0)},
};

TEST_F(SaveFileWindowTest, PreviewStretchesThePictureOverTheWholeBox) {
  ReplaceCapturedImage(BmpOf(QuarteredPicture()));
  QImage preview;
  WithSaveFileWindow([&] {
    preview =
        Control(SaveFile(), "PicBox1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
  });
  ASSERT_EQ(preview.size(), QSize(432, 240));
  for (const PreviewSpot& spot : kSpots) {
    EXPECT_EQ(preview.pixel(spot.where), spot.colour) << spot.name;
  }
}

TEST_F(SaveFileWindowTest, PreviewOfAnEmptyPictureShowsOnlyTheFaceColour) {
  ReplaceCapturedImage({});
  QImage preview;
  WithSaveFileWindow([&] {
    preview =
        Control(SaveFile(), "PicBox1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
  });
  ASSERT_EQ(preview.size(), QSize(432, 240));
  QImage face(preview.size(), QImage::Format_RGB32);
  face.fill(QColor(240, 240, 240));
  EXPECT_EQ(preview, face);
}

TEST_F(SaveFileWindowTest, MainWindowTakesNoInputWhileTheWindowIsOpen) {
  LiveWindow& mainWindow = LoadMainWindow();
  mainWindow.SetText("EditBox1", "root");
  auto* field = Control<QLineEdit>(mainWindow, "EditBox1");
  QMenuBar* menu = static_cast<QMainWindow*>(WidgetOf(mainWindow))->menuBar();
  std::vector<std::string> log;
  ExportFromMainWindow(mainWindow, [&] {
    log.push_back("inside");
    EXPECT_FALSE(mainWindow.IsEnabled());
    EXPECT_FALSE(menu->isEnabled());
    for (const char* name : {"EditBox1", "EditBox4", "EditBox7"}) {
      EXPECT_FALSE(Control(mainWindow, name)->isEnabled()) << name;
    }
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, " typed");
    EXPECT_EQ(mainWindow.Text("EditBox1"), "root");
    // Neither can the main window be closed underneath.
    WidgetOf(mainWindow)->close();
    EXPECT_NE(frame_->Instance(MainWindow), nullptr);
  });
  log.push_back("command returned");

  EXPECT_EQ(log, (std::vector<std::string>{"inside", "command returned"}));
  EXPECT_EQ(frame_->Instance(SaveFileWindow), nullptr);
  EXPECT_TRUE(mainWindow.IsEnabled());
  EXPECT_TRUE(menu->isEnabled());
  field->setFocus();
  QTest::keyClick(field, Qt::Key_End);
  QTest::keyClicks(field, " typed");
  EXPECT_EQ(mainWindow.Text("EditBox1"), "root typed");
}

}  // namespace
}  // namespace tolvane
