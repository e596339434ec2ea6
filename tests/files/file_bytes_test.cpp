#include "platform/files/file_bytes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "tests/files/temporary_folder.h"

namespace tolvane {
namespace {

using namespace std::literals;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;

constexpr std::string_view kOld = "[mind]\r\n0=old\r\n";
constexpr std::string_view kNew = "[mind]\r\n0=new\r\n1-1=\r\n";

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

mode_t PermissionBits(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(stat(path.c_str(), &status), 0);
  return status.st_mode & 07777;
}

// Runs the replacement in a child whose file size limit is `limit` bytes, with
// SIGXFSZ ignored so that the write fails with EFBIG instead of killing it.
WriteResult ReplaceUnderFileSizeLimit(const std::string& path, std::string_view bytes,
                                      rlim_t limit) {
  int channel[2];
  if (pipe(channel) != 0) return {false, "test: no pipe"};
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    signal(SIGXFSZ, SIG_IGN);
    const rlimit size{limit, limit};
    setrlimit(RLIMIT_FSIZE, &size);
    const WriteResult result = ReplaceFileBytes(path, bytes);
    const std::string report = (result.ok ? "1" : "0") + result.error;
    const bool sent =
        write(channel[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
    _exit(sent ? 0 : 1);
  }
  close(channel[1]);
  std::string report;
  char chunk[256];
  for (ssize_t count; (count = read(channel[0], chunk, sizeof chunk)) > 0;)
    report.append(chunk, count);
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (report.empty()) return {false, ""};
  return {report[0] == '1', report.substr(1)};
}

class FileBytesTest : public testing::Test {
 protected:
  TemporaryFolder folder_;
  const std::string target_ = folder_.File("mindsave.ini");

  void ExpectTargetUntouched() {
    EXPECT_EQ(ReadTestFile(target_), kOld);
    EXPECT_THAT(folder_.Names(), ElementsAre("mindsave.ini"));
  }
};

TEST_F(FileBytesTest, ReadsEveryByte) {
  const std::string_view bytes = "a\0b\r\n\xFF\x1A"sv;
  WriteTestFile(target_, bytes);
  EXPECT_EQ(ReadFileBytes(target_), bytes);
}

TEST_F(FileBytesTest, MissingOrUnreadablePathReadsAsNothing) {
  EXPECT_EQ(ReadFileBytes(target_), std::nullopt);
  EXPECT_EQ(ReadFileBytes(folder_.path().string()), std::nullopt);
}

TEST_F(FileBytesTest, NewFileGetsContentAndUmaskMode) {
  const WriteResult result = ReplaceFileBytes(target_, kNew);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(ReadTestFile(target_), kNew);
  EXPECT_EQ(PermissionBits(target_), 0666 & ~CurrentUmask());
  EXPECT_THAT(folder_.Names(), ElementsAre("mindsave.ini"));
}

TEST_F(FileBytesTest, ShorterContentReplacesLongerWhole) {
  WriteTestFile(target_, kNew);
  ASSERT_TRUE(ReplaceFileBytes(target_, kOld).ok);
  EXPECT_EQ(ReadTestFile(target_), kOld);
  EXPECT_THAT(folder_.Names(), ElementsAre("mindsave.ini"));
}

TEST_F(FileBytesTest, ExistingPermissionBitsAreKept) {
  for (const mode_t mode : {0600, 0640, 0604, 0755, 0400}) {
    SCOPED_TRACE(mode);
    WriteTestFile(target_, kOld);
    ASSERT_EQ(chmod(target_.c_str(), mode), 0);
    ASSERT_TRUE(ReplaceFileBytes(target_, kNew).ok);
    EXPECT_EQ(PermissionBits(target_), mode);
    EXPECT_EQ(ReadTestFile(target_), kNew);
  }
}

TEST_F(FileBytesTest, SymbolicLinkIsFollowedAndKept) {
  const std::string real = folder_.File("elsewhere.ini");
  WriteTestFile(real, kOld);
  ASSERT_EQ(symlink(real.c_str(), target_.c_str()), 0);
  ASSERT_TRUE(ReplaceFileBytes(target_, kNew).ok);
  struct stat link {};
  ASSERT_EQ(lstat(target_.c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_EQ(ReadTestFile(real), kNew);
}

TEST_F(FileBytesTest, ReadOnlyFolderLeavesTargetUntouched) {
  WriteTestFile(target_, kOld);
  ASSERT_EQ(chmod(folder_.path().c_str(), 0555), 0);
  if (access(folder_.path().c_str(), W_OK) == 0) {
    GTEST_SKIP() << "this user may write into read-only folders";
  }
  const WriteResult result = ReplaceFileBytes(target_, kNew);
  EXPECT_FALSE(result.ok);
  EXPECT_THAT(result.error, HasSubstr("Permission denied"));
  ExpectTargetUntouched();
}

TEST_F(FileBytesTest, FileSizeLimitLeavesTargetUntouched) {
  WriteTestFile(target_, kOld);
  const WriteResult result = ReplaceUnderFileSizeLimit(target_, std::string(1 << 16, 'x'), 4096);
  EXPECT_FALSE(result.ok);
  EXPECT_THAT(result.error, HasSubstr("File too large"));
  ExpectTargetUntouched();
}

TEST_F(FileBytesTest, MissingFolderFails) {
  const WriteResult result = ReplaceFileBytes(folder_.File("gone/mindsave.ini"), kNew);
  EXPECT_FALSE(result.ok);
  EXPECT_THAT(result.error, HasSubstr("No such file or directory"));
  EXPECT_THAT(folder_.Names(), IsEmpty());
}

TEST_F(FileBytesTest, FolderIsNotReplaced) {
  std::filesystem::create_directory(target_);
  const WriteResult result = ReplaceFileBytes(target_, kNew);
  EXPECT_FALSE(result.ok);
  EXPECT_THAT(result.error, Not(IsEmpty()));
  EXPECT_TRUE(std::filesystem::is_directory(target_));
  EXPECT_THAT(folder_.Names(), ElementsAre("mindsave.ini"));
}

}  // namespace
}  // namespace tolvane
