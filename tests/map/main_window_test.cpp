// The main window as built: places, the connector picture, focus and keys.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <vector>

#include "support/program_fixture.h"

namespace tolvane {
namespace {

using MainWindowTest = testing::ProgramFixture;

struct Place {
  const char* name;
  const char* parent;
  QRect rect;
};

constexpr const char* kClient = "client";

const Place kPlaces[] = {
    {"EditBox1", kClient, {16, 32, 112, 32}},   {"EditBox2", kClient, {208, 32, 112, 32}},
    {"EditBox3", kClient, {208, 103, 112, 32}}, {"EditBox4", kClient, {368, 32, 112, 32}},
    {"EditBox5", kClient, {208, 172, 112, 32}}, {"EditBox6", kClient, {368, 103, 112, 32}},
    {"EditBox7", kClient, {368, 171, 112, 32}}, {"ShapeBox1", kClient, {128, 47, 48, 2}},
    {"ShapeBox2", kClient, {152, 47, 88, 72}},  {"ShapeBox3", "ShapeBox2", {64, 17, 96, 40}},
    {"ShapeBox4", kClient, {319, 47, 48, 2}},   {"ShapeBox5", kClient, {152, 117, 72, 72}},
    {"ShapeBox6", kClient, {208, 135, 96, 40}}, {"ShapeBox7", kClient, {319, 118, 48, 2}},
    {"ShapeBox8", kClient, {319, 186, 48, 2}},
};

TEST_F(MainWindowTest, EveryControlStandsAtItsPlace) {
  LiveWindow& window = LoadMainWindow();
  for (const Place& place : kPlaces) {
    SCOPED_TRACE(place.name);
    QWidget* control = Control(window, place.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(place.parent));
    EXPECT_EQ(control->geometry(), place.rect);
  }
}

TEST_F(MainWindowTest, StackingPutsTheUpperControlOverTheLower) {
  LiveWindow& window = LoadMainWindow();
  // Direct children of the client area, bottom-most first.
  const char* bottomUp[] = {"ShapeBox5", "EditBox1",  "ShapeBox1", "ShapeBox2", "EditBox2",
                            "EditBox3",  "ShapeBox4", "EditBox4",  "ShapeBox6", "EditBox5",
                            "ShapeBox7", "EditBox6",  "ShapeBox8", "EditBox7"};
  QStringList actual;
  for (QObject* child : Control(window, kClient)->children()) {
    if (child->isWidgetType()) actual << child->objectName();
  }
  QStringList expected;
  for (const char* name : bottomUp) expected << QString::fromLatin1(name);
  EXPECT_EQ(actual, expected);
}

TEST_F(MainWindowTest, TheWindowIsTitledFixedAndCentred) {
  LiveWindow& window = LoadMainWindow();
  QWidget* widget = WidgetOf(window);
  EXPECT_EQ(widget->windowTitle(), QStringLiteral("Tolvane (Pre-Alpha 1.0.0.0)"));
  const OuterRect outer = window.OuterGeometry();
  EXPECT_EQ(outer.width, 502);
  EXPECT_EQ(outer.height, 283);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(outer.left, (screen.width() - 502) / 2);
  EXPECT_EQ(outer.top, (screen.height() - 283) / 2);
  EXPECT_EQ(widget->minimumSize(), widget->maximumSize());
  EXPECT_FALSE(widget->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(widget->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_GE(Control(window, kClient)->width(), 480);
  EXPECT_GE(Control(window, kClient)->height(), 204);
}

// Every black line of the connector picture, in client coordinates.
const QRect kBlackLines[] = {
    QRect(QPoint(128, 47), QPoint(207, 48)),    // root into the trunk
    QRect(QPoint(152, 47), QPoint(153, 188)),   // the trunk
    QRect(QPoint(152, 117), QPoint(207, 118)),  // into EditBox3
    QRect(QPoint(152, 187), QPoint(207, 188)),  // into EditBox5
    QRect(QPoint(319, 47), QPoint(366, 48)),    // EditBox2 to EditBox4
    QRect(QPoint(319, 118), QPoint(366, 119)),  // EditBox3 to EditBox6
    QRect(QPoint(319, 186), QPoint(366, 187)),  // EditBox5 to EditBox7
};

// Outside the fields the client area shows the lines above and nothing else:
// no bracket edge, no mask outline, and x = 367 keeps the background.
TEST_F(MainWindowTest, ConnectorPictureIsExactToThePixel) {
  LiveWindow& window = LoadMainWindow();
  QWidget* client = Control(window, kClient);
  const QImage picture = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::vector<QRect> fields;
  for (const char* name :
       {"EditBox1", "EditBox2", "EditBox3", "EditBox4", "EditBox5", "EditBox6", "EditBox7"}) {
    fields.push_back(Control(window, name)->geometry());
  }
  int wrong = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QPoint p(x, y);
      const bool onLine = std::any_of(std::begin(kBlackLines), std::end(kBlackLines),
                                      [&](const QRect& r) { return r.contains(p); });
      const bool inField =
          std::any_of(fields.begin(), fields.end(), [&](const QRect& r) { return r.contains(p); });
      if (!onLine && inField) continue;
      const QRgb expected = onLine ? qRgb(0, 0, 0) : qRgb(240, 240, 240);
      if (picture.pixel(p) != expected && ++wrong <= 10) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << picture.pixel(p);
      }
    }
  }
  EXPECT_EQ(wrong, 0);
  for (int y : {47, 48, 118, 119, 186, 187}) EXPECT_EQ(picture.pixel(367, y), qRgb(240, 240, 240));
}

TEST_F(MainWindowTest, FieldsAreWhiteWithBlackTextAtTheTop) {
  LiveWindow& window = LoadMainWindow();
  window.SetText("EditBox1", "Wg");
  const QImage field = Control(window, "EditBox1")->grab().toImage();
  EXPECT_EQ(field.pixel(56, 28), qRgb(255, 255, 255));  // below the one text line
  int darkRows = 0;
  for (int y = 2; y < 30; ++y) {
    for (int x = 2; x < 40; ++x) {
      if (qGray(field.pixel(x, y)) < 100) {
        EXPECT_LT(y, 20) << "text drawn below the first line";
        ++darkRows;
        break;
      }
    }
  }
  EXPECT_GT(darkRows, 0);
  // The sunken border: darker above and left, lighter below and right.
  EXPECT_LT(qGray(field.pixel(0, 10)), qGray(field.pixel(111, 10)));
  EXPECT_LT(qGray(field.pixel(10, 1)), qGray(field.pixel(10, 30)));
}

struct TabStep {
  const char* from;
  bool backwards;
  const char* to;
};

const TabStep kTabSteps[] = {
    {"EditBox1", false, "EditBox2"}, {"EditBox2", false, "EditBox3"},
    {"EditBox3", false, "EditBox4"}, {"EditBox4", false, "EditBox5"},
    {"EditBox5", false, "EditBox6"}, {"EditBox6", false, "EditBox7"},
    {"EditBox7", false, "EditBox1"}, {"EditBox1", true, "EditBox7"},
    {"EditBox3", true, "EditBox2"},
};

TEST_F(MainWindowTest, TabFollowsTheFieldNumbersAndWrapsBothWays) {
  LiveWindow& window = LoadMainWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(window)));
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("EditBox1"));
  for (const TabStep& step : kTabSteps) {
    SCOPED_TRACE(std::string(step.from) + (step.backwards ? " Shift+Tab" : " Tab"));
    Control(window, step.from)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                    step.backwards ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(step.to));
  }
}

TEST_F(MainWindowTest, TabSelectsNothingAndTheFieldKeepsItsCaret) {
  LiveWindow& window = LoadMainWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(window)));
  window.SetText("EditBox2", "branch one");
  auto* second = Control<QLineEdit>(window, "EditBox2");
  second->setFocus();
  second->setSelection(2, 3);
  QTest::keyClick(second, Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  ASSERT_EQ(QApplication::focusWidget(), second);
  EXPECT_EQ(second->selectedText(), QStringLiteral("anc"));
  window.SetText("EditBox3", "middle");
  QTest::keyClick(second, Qt::Key_Tab);
  EXPECT_FALSE(Control<QLineEdit>(window, "EditBox3")->hasSelectedText());
}

TEST_F(MainWindowTest, EnterEscapeAndF1DoNothing) {
  LiveWindow& window = LoadMainWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(window)));
  window.SetText("EditBox1", "root");
  QWidget* field = Control(window, "EditBox1");
  field->setFocus();
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_F1}) {
    QTest::keyClick(field, key);
  }
  EXPECT_NE(frame_->Instance(MainWindow), nullptr);
  EXPECT_EQ(window.Text("EditBox1"), "root");
  EXPECT_EQ(QApplication::focusWidget(), field);
}

TEST_F(MainWindowTest, ClickingAConnectorLeavesTheFocusWhereItWas) {
  LiveWindow& window = LoadMainWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(window)));
  Control(window, "EditBox6")->setFocus();
  for (const char* shape : {"ShapeBox1", "ShapeBox2", "ShapeBox7"}) {
    QTest::mouseClick(Control(window, shape), Qt::LeftButton, {}, QPoint(1, 1));
  }
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("EditBox6"));
}

TEST_F(MainWindowTest, FieldsTellScreenReadersTheirPlaceInTheMap) {
  LiveWindow& window = LoadMainWindow();
  const std::pair<const char*, const char*> names[] = {
      {"EditBox1", "Root"},
      {"EditBox2", "Branch 1, node 1"},
      {"EditBox4", "Branch 1, node 2"},
      {"EditBox7", "Branch 3, node 2"},
  };
  for (const auto& [field, name] : names) {
    EXPECT_EQ(Control(window, field)->accessibleName(), QString::fromUtf8(name));
  }
}

TEST_F(MainWindowTest, MenuTreeHasTheProductTexts) {
  LiveWindow& window = LoadMainWindow();
  QMenuBar* bar = static_cast<QMainWindow*>(WidgetOf(window))->menuBar();
  QStringList tree;
  for (QAction* top : bar->actions()) {
    tree << top->text();
    for (QAction* item : top->menu()->actions()) {
      tree << "  " + item->text();
      if (item->menu()) {
        for (QAction* sub : item->menu()->actions()) tree << "    " + sub->text();
      }
    }
  }
  EXPECT_EQ(tree,
            (QStringList{"Files(&F)", "  Export", "    Image", "  Exit", "Help(&H)", "  About"}));
}

TEST_F(MainWindowTest, ExitClosesTheWindowLikeItsCloseBox) {
  LiveWindow& window = LoadMainWindow();
  QMenuBar* bar = static_cast<QMainWindow*>(WidgetOf(window))->menuBar();
  QAction* exit = bar->actions().at(0)->menu()->actions().at(1);
  ASSERT_EQ(exit->text(), QStringLiteral("Exit"));
  exit->trigger();
  EXPECT_EQ(frame_->Instance(MainWindow), nullptr);
}

}  // namespace
}  // namespace tolvane
