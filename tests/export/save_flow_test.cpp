// The Save button: what the save dialog is started with, what lands in the
// chosen file, and what a failed write leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "bmp_reading.h"
#include "export_fixture.h"
#include "scratch_mount.h"

namespace tolvane {
namespace {

using testing::AsString;

using SaveFlowTest = testing::ExportFixture;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::size_t NamesIn(const std::filesystem::path& folder) {
  return std::size_t(std::distance(std::filesystem::directory_iterator(folder),
                                   std::filesystem::directory_iterator()));
}

TEST_F(SaveFlowTest, DialogOffersJpgInTheRunDirectoryAndStartsAtTheLastPath) {
  LiveWindow& window = LoadMainWindow();
  const std::string first = RunDirectoryPath() + "/first.jpg";
  const std::string second = RunDirectoryPath() + "/second.jpg";
  system_.answers = {first, second};
  ExportFromMainWindow(window, [this] {
    ClickSave();
    ClickSave();
  });
  system_.answers = {std::nullopt};
  ExportFromMainWindow(window, [this] { ClickSave(); });

  ASSERT_EQ(system_.dialogs.size(), 3u);
  for (const SaveDialogSettings& dialog : system_.dialogs) {
    EXPECT_EQ(dialog.filter, "JPG（.jpg）|*.jpg");
    EXPECT_EQ(dialog.initialDirectory, RunDirectoryPath());
    EXPECT_EQ(dialog.defaultExtension, ".jpg");
    EXPECT_EQ(dialog.title, "");
    EXPECT_EQ(dialog.initialFilter, 0);
    EXPECT_TRUE(dialog.overwritePrompt);
    EXPECT_TRUE(dialog.pathMustExist);
  }
  EXPECT_EQ(system_.dialogs[0].fileName, "");
  EXPECT_EQ(system_.dialogs[1].fileName, first);
  // A new "Image" command opens a new window, which knows no earlier path.
  EXPECT_EQ(system_.dialogs[2].fileName, "");
  EXPECT_TRUE(std::filesystem::exists(first));
  EXPECT_TRUE(std::filesystem::exists(second));
}

TEST_F(SaveFlowTest, SavedFileIsTheCapturedPictureByteForByte) {
  LiveWindow& window = LoadMainWindow();
  const std::string path = RunDirectoryPath() + "/map.jpg";
  system_.answers = {path};
  ExportFromMainWindow(window, [this] { ClickSave(); });

  const std::string written = ReadFile(path);
  EXPECT_EQ(written.size(), 426818u);
  EXPECT_EQ(written.substr(0, 2), "BM");
  EXPECT_EQ(written, AsString(CapturedImage()));
  EXPECT_TRUE(system_.warnings.empty());
}

TEST_F(SaveFlowTest, CancelWritesNothingEvenAfterAnEarlierSave) {
  LiveWindow& window = LoadMainWindow();
  const std::string path = RunDirectoryPath() + "/map.jpg";
  system_.answers = {path, std::nullopt, std::nullopt};
  ExportFromMainWindow(window, [&] {
    ClickSave();
    WriteFile(path, "changed since");
    ClickSave();
    ClickSave();
  });

  EXPECT_EQ(ReadFile(path), "changed since");
  ASSERT_EQ(system_.dialogs.size(), 3u);
  // Cancelling leaves the remembered path alone.
  EXPECT_EQ(system_.dialogs[2].fileName, path);
  EXPECT_EQ(NamesIn(RunDirectoryPath()), 1u);
}

TEST_F(SaveFlowTest, EmptyPictureGivesAnEmptyFile) {
  ReplaceCapturedImage({});
  const std::string existing = RunDirectoryPath() + "/old.jpg";
  const std::string fresh = RunDirectoryPath() + "/new.jpg";
  WriteFile(existing, "an older picture");
  system_.answers = {existing, fresh};
  WithSaveFileWindow([this] {
    ClickSave();
    ClickSave();
  });

  ASSERT_TRUE(std::filesystem::exists(existing));
  ASSERT_TRUE(std::filesystem::exists(fresh));
  EXPECT_EQ(std::filesystem::file_size(existing), 0u);
  EXPECT_EQ(std::filesystem::file_size(fresh), 0u);
  EXPECT_TRUE(system_.warnings.empty());
}

// A place where the write fails even for root, and the file that must come
// through it unchanged.
struct FailingPlace {
  std::string target;
  std::filesystem::path kept;
  std::unique_ptr<testing::TmpfsMount> mount;
  std::string skipReason;  // not empty: this machine cannot make the place
};

constexpr std::string_view kOldPicture = "an older picture";

FailingPlace MountedFolder(const std::filesystem::path& folder, std::size_t bytes, bool readOnly) {
  FailingPlace place{(folder / "map.jpg").string(), folder / "map.jpg", nullptr, {}};
  if (auto why = testing::WhyMountingFails()) {
    place.skipReason = "cannot mount here (" + *why + ")";
    return place;
  }
  place.mount = std::make_unique<testing::TmpfsMount>(folder, bytes);
  if (!place.mount->ok()) {
    place.skipReason = "cannot mount a tmpfs (" + place.mount->error() + ")";
    return place;
  }
  WriteFile(place.kept, kOldPicture);
  if (readOnly && !place.mount->MakeReadOnly()) place.skipReason = "cannot remount read-only";
  return place;
}

FailingPlace ReadOnlyFolder(const std::filesystem::path& scratch) {
  return MountedFolder(scratch / "read-only", 1 << 20, true);
}

// Far smaller than the 426818 bytes of the picture.
FailingPlace FullDisk(const std::filesystem::path& scratch) {
  return MountedFolder(scratch / "full", 64 << 10, false);
}

// A regular file stands where the folder should be.
FailingPlace FolderThatIsAFile(const std::filesystem::path& scratch) {
  FailingPlace place{(scratch / "plain" / "map.jpg").string(), scratch / "plain", nullptr, {}};
  WriteFile(place.kept, kOldPicture);
  return place;
}

struct FailureCase {
  const char* name;
  FailingPlace (*make)(const std::filesystem::path& scratch);
};

const FailureCase kFailures[] = {
    {"read-only folder", &ReadOnlyFolder},
    {"full disk", &FullDisk},
    {"folder that is a file", &FolderThatIsAFile},
};

void PrintTo(const FailureCase& failure, std::ostream* out) { *out << failure.name; }

class SaveFailureTest : public testing::ExportFixture,
                        public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SaveFailureTest, WarnsAndLeavesTheOldFileIntact) {
  LiveWindow& window = LoadMainWindow();
  const std::filesystem::path scratch = RunDirectoryPath();
  FailingPlace place = GetParam().make(scratch);
  if (!place.skipReason.empty()) GTEST_SKIP() << place.skipReason;
  const std::size_t namesBefore = NamesIn(place.kept.parent_path());
  system_.answers = {place.target};
  ExportFromMainWindow(window, [this] { ClickSave(); });

  ASSERT_EQ(system_.warnings.size(), 1u);
  EXPECT_EQ(system_.warnings[0].title, "Save File");
  EXPECT_NE(system_.warnings[0].message.find(place.target), std::string::npos)
      << system_.warnings[0].message;
  EXPECT_EQ(ReadFile(place.kept), kOldPicture);
  // No half-written temporary file is left beside it.
  EXPECT_EQ(NamesIn(place.kept.parent_path()), namesBefore);
  EXPECT_NE(frame_->Instance(MainWindow), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Places, SaveFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace tolvane
