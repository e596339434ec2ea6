#include "platform/profile/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "tests/files/temporary_folder.h"

namespace tolvane {
namespace {

constexpr std::size_t kBuffer = 10240;

constexpr std::pair<std::string_view, std::string_view> kNodes[] = {
    {"0", "Plans"},       {"1-1", "Work"}, {"1-2", ""},      {"2-1", "Home"},
    {"2-2", "h\xC3\xA9"}, {"3-1", ""},     {"3-2", "Later"},
};

class ProfileFileTest : public testing::Test {
 protected:
  TemporaryFolder folder_;
  const std::string ini_ = folder_.File("mindsave.ini");
};

TEST_F(ProfileFileTest, MissingFileReadsEmptyAndIsNotCreated) {
  EXPECT_EQ(GetProfileString(ini_, "mind", "0", kBuffer), "");
  EXPECT_FALSE(std::filesystem::exists(ini_));
}

TEST_F(ProfileFileTest, FirstSaveWritesSectionAndKeysInOrder) {
  for (const auto& [key, text] : kNodes) ASSERT_TRUE(WriteProfileString(ini_, "mind", key, text));
  EXPECT_EQ(ReadTestFile(ini_),
            "[mind]\r\n0=Plans\r\n1-1=Work\r\n1-2=\r\n2-1=Home\r\n2-2=h\xC3\xA9\r\n3-1=\r\n3-2="
            "Later\r\n");
  for (const auto& [key, text] : kNodes)
    EXPECT_EQ(GetProfileString(ini_, "mind", key, kBuffer), text);
}

TEST_F(ProfileFileTest, LaterSaveChangesValuesInPlaceAndKeepsTheRest) {
  WriteTestFile(ini_, "; mine\n[view]\nzoom=2\n\n[Mind]\n0=old\n3-2=kept\n");
  ASSERT_TRUE(WriteProfileString(ini_, "mind", "0", "new"));
  ASSERT_TRUE(WriteProfileString(ini_, "mind", "1-1", ""));
  EXPECT_EQ(ReadTestFile(ini_), "; mine\n[view]\nzoom=2\n\n[Mind]\n0=new\n3-2=kept\n1-1=\r\n");
}

TEST_F(ProfileFileTest, LongValueIsWrittenWholeAndReadBackTruncated) {
  const std::string text(kBuffer + 100, 'n');
  ASSERT_TRUE(WriteProfileString(ini_, "mind", "0", text));
  EXPECT_EQ(ReadTestFile(ini_), "[mind]\r\n0=" + text + "\r\n");
  EXPECT_EQ(GetProfileString(ini_, "mind", "0", kBuffer), text.substr(0, kBuffer - 1));
}

TEST_F(ProfileFileTest, UnreadableFileIsNotReplaced) {
  std::filesystem::create_directory(ini_);
  EXPECT_FALSE(WriteProfileString(ini_, "mind", "0", "new"));
  EXPECT_TRUE(std::filesystem::is_directory(ini_));
  EXPECT_EQ(GetProfileString(ini_, "mind", "0", kBuffer), "");
}

TEST_F(ProfileFileTest, WriteIntoMissingFolderFails) {
  EXPECT_FALSE(WriteProfileString(folder_.File("gone/mindsave.ini"), "mind", "0", "new"));
}

}  // namespace
}  // namespace tolvane
