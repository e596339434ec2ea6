// The node texts survive closing and reopening the main window, through the
// real window and mindsave.ini, whatever the texts and the file hold.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLineEdit>
#include <QTemporaryDir>
#include <array>
#include <fstream>
#include <random>
#include <sstream>

#include "about/about_window.h"
#include "app/frame.h"
#include "export/save_file_window.h"
#include "map/main_window.h"
#include "platform/files/file_bytes.h"
#include "platform/profile/profile_text.h"
#include "support/scripted_window_system.h"
#include "support/test_application.h"

namespace tolvane {
namespace {

constexpr std::array<const WindowDescription*, 3> kWindows{&MainWindow, &AboutWindow,
                                                           &SaveFileWindow};

std::string ReadText(const std::string& path) { return ReadFileBytes(path).value_or("<none>"); }

void WriteText(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class MapStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(runFolder_.isValid() && configFolder_.isValid());
    qputenv("XDG_CONFIG_HOME", configFolder_.path().toUtf8());
    UseRunDirectory(runFolder_.path().toStdString());
  }
  void TearDown() override {
    frame_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qunsetenv("XDG_CONFIG_HOME");
  }

  void UseRunDirectory(const std::string& folder) {
    frame_.reset();
    frame_ = std::make_unique<AppFrame>(system_, kWindows, folder);
  }

  LiveWindow& Open() {
    EXPECT_TRUE(frame_->LoadWindow(MainWindow, false));
    return *frame_->Instance(MainWindow);
  }
  void Close() { frame_->CloseWindow(MainWindow); }

  // Changes a field's text as the user's typing does.
  static void Type(LiveWindow& window, const char* field, const QString& text) {
    reinterpret_cast<QWidget*>(window.Handle())->findChild<QLineEdit*>(field)->setText(text);
  }

  std::string MapFile() const { return runFolder_.filePath("mindsave.ini").toStdString(); }
  std::string UserCopy() const {
    return configFolder_.filePath("tolvane/mindsave.ini").toStdString();
  }

  QApplication& application_ = testing::TestApplication();
  int argc_ = 0;
  testing::ScriptedWindowSystem system_{argc_, nullptr};
  QTemporaryDir runFolder_;
  QTemporaryDir configFolder_;
  std::unique_ptr<AppFrame> frame_;
};

TEST_F(MapStoreTest, FirstStartShowsEmptyFieldsAndCloseWritesEveryKeyInOrder) {
  LiveWindow& window = Open();
  for (const char* field : {"EditBox1", "EditBox4", "EditBox7"}) EXPECT_EQ(window.Text(field), "");
  EXPECT_EQ(ReadText(MapFile()), "<none>");
  Close();
  EXPECT_EQ(ReadText(MapFile()),
            "[mind]\r\n0=\r\n1-1=\r\n1-2=\r\n2-1=\r\n2-2=\r\n3-1=\r\n3-2=\r\n");
}

struct NodeText {
  const char* field;
  const char* key;
  QString text;
};

const NodeText kTexts[] = {
    {"EditBox1", "0", QStringLiteral("Root 根节点")},
    {"EditBox2", "1-1", QStringLiteral("  blanks at both ends  ")},
    {"EditBox4", "1-2", QStringLiteral("\"quoted whole\"")},
    {"EditBox3", "2-1", QStringLiteral("'single at the start")},
    {"EditBox6", "2-2", QString(6000, QChar(0x4E2D))},  // 18000 bytes of UTF-8
    {"EditBox5", "3-1", QStringLiteral("ends with a quote\"")},
    {"EditBox7", "3-2", QStringLiteral("tab\tinside and ; # = signs")},
};

TEST_F(MapStoreTest, TypedTextsComeBackUnchangedIntoTheFieldsOfTheirKeys) {
  LiveWindow& first = Open();
  for (const NodeText& node : kTexts) Type(first, node.field, node.text);
  Close();
  const std::string file = ReadText(MapFile());
  LiveWindow& second = Open();
  for (const NodeText& node : kTexts) {
    SCOPED_TRACE(node.field);
    EXPECT_EQ(second.Text(node.field), node.text.toStdString());
    // Any reader with the usual rules gets the same text from the file.
    EXPECT_EQ(ReadProfileValue(file, "mind", node.key, file.size() + 1), node.text.toStdString());
  }
}

TEST_F(MapStoreTest, OtherSectionsKeysAndCommentsSurviveASave) {
  WriteText(MapFile(),
            "; kept comment\r\n[Other]\r\nx=1\r\n\r\n[MIND]\r\n1-1=old\r\nextra=kept\r\n"
            "[last]\r\ny=2\r\n");
  LiveWindow& window = Open();
  EXPECT_EQ(window.Text("EditBox2"), "old");
  Type(window, "EditBox2", QStringLiteral("new"));
  Close();
  EXPECT_EQ(ReadText(MapFile()),
            "; kept comment\r\n[Other]\r\nx=1\r\n\r\n[MIND]\r\n1-1=new\r\nextra=kept\r\n"
            "0=\r\n1-2=\r\n2-1=\r\n2-2=\r\n3-1=\r\n3-2=\r\n[last]\r\ny=2\r\n");
}

TEST_F(MapStoreTest, TextThatIsNotUtf8IsWrittenBackByteForByteWhenUntouched) {
  const std::string gbk =
      "[mind]\r\n0=\xC4\xE3\xBA\xC3\r\n1-1=\xFF\xFE broken\r\n1-2=\r\n"
      "2-1=\r\n2-2=\r\n3-1=\r\n3-2=\r\n";
  WriteText(MapFile(), gbk);
  Open();
  Close();
  EXPECT_EQ(ReadText(MapFile()), gbk);
}

TEST_F(MapStoreTest, FolderThatCannotBeWrittenSendsTheTextsToThePerUserCopy) {
  UseRunDirectory("/proc");  // not writable even for root
  Type(Open(), "EditBox1", QStringLiteral("kept per user"));
  Close();
  EXPECT_TRUE(system_.warnings.empty());
  EXPECT_NE(ReadText(UserCopy()).find("0=kept per user\r\n"), std::string::npos);
  EXPECT_EQ(Open().Text("EditBox1"), "kept per user");
}

TEST_F(MapStoreTest, OncePresentThePerUserCopyIsTheOneReadAndWritten) {
  WriteText(MapFile(), "[mind]\r\n0=beside the program\r\n");
  ASSERT_TRUE(QDir().mkpath(configFolder_.filePath("tolvane")));
  WriteText(UserCopy(), "[mind]\r\n0=per user\r\n");
  LiveWindow& window = Open();
  EXPECT_EQ(window.Text("EditBox1"), "per user");
  Type(window, "EditBox1", QStringLiteral("changed"));
  Close();
  EXPECT_EQ(ReadText(MapFile()), "[mind]\r\n0=beside the program\r\n");
  EXPECT_NE(ReadText(UserCopy()).find("0=changed\r\n"), std::string::npos);
}

TEST_F(MapStoreTest, SaveThatFailsEverywhereWarnsOnceNamingTheFile) {
  UseRunDirectory("/proc");
  qputenv("XDG_CONFIG_HOME", "/proc/no-such-folder");
  Type(Open(), "EditBox1", QStringLiteral("lost"));
  Close();
  ASSERT_EQ(system_.warnings.size(), 1u);
  EXPECT_NE(system_.warnings[0].message.find("/proc/mindsave.ini"), std::string::npos);
  EXPECT_FALSE(frame_->AnyWindowAlive());
}

TEST_F(MapStoreTest, EndOfSessionWithAModalWindowOpenStillSavesTheTexts) {
  Type(Open(), "EditBox3", QStringLiteral("typed before logout"));
  testing::WhenLoopRuns([&] { frame_->CloseAllWindows(); });
  frame_->LoadWindow(AboutWindow, true);
  EXPECT_FALSE(frame_->AnyWindowAlive());
  EXPECT_NE(ReadText(MapFile()).find("2-1=typed before logout\r\n"), std::string::npos);
}

// The file is replaced whole, so a save killed at any moment leaves either
// the old content or the new one, never a mix or a truncated file.
TEST(MapFileCrashTest, SaveKilledAtAnyMomentLeavesOldOrNewFileWhole) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("mindsave.ini").toStdString();
  auto generation = [](int n) {
    std::string file;
    for (const char* key : {"0", "1-1", "1-2", "2-1", "2-2", "3-1", "3-2"}) {
      file = WithProfileValue(file, "mind", key, std::to_string(n) + std::string(5000, 'x'));
    }
    return file;
  };
  ASSERT_TRUE(ReplaceFileBytes(path, generation(0)).ok);
  std::mt19937 random(42);
  for (int round = 0; round < 20; ++round) {
    const pid_t child = fork();
    if (child == 0) {
      for (int n = 1;; ++n) ReplaceFileBytes(path, generation(n % 2));
    }
    usleep(1000 + random() % 4000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string after = ReadText(path);
    EXPECT_TRUE(after == generation(0) || after == generation(1)) << "round " << round;
  }
}

}  // namespace
}  // namespace tolvane
