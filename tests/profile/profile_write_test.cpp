#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "platform/profile/profile_text.h"

namespace tolvane {
namespace {

using namespace std::literals;

struct WriteCase {
  std::string_view name;
  std::string_view before;
  std::string_view section;
  std::string_view key;
  std::string_view value;
  std::string_view after;
};

constexpr std::string_view kMixedFile =
    "\xEF\xBB\xBF; settings\r\n"
    "top=1\r\n"
    "\r\n"
    "[Other]\tnote\n"
    "  x = \"quoted\" \r"
    "gbk=\xC4\xE3\xBA\xC3\r\n"
    "nul=a\0b\r\n"
    "[mind]\r\n"
    "0=old\r\n"
    "# 1-1=hidden\r\n"
    "[mind]\r\n"
    "0=later\r\n"
    "tail"sv;

const WriteCase kWriteCases[] = {
    {"CreatesSectionAndKey", "", "mind", "0", "root", "[mind]\r\n0=root\r\n"},
    {"ReplacesValueInPlace", "[s]\r\na=1\r\nk=old\r\nb=2\r\n", "s", "k", "new",
     "[s]\r\na=1\r\nk=new\r\nb=2\r\n"},
    {"ReplacementKeepsLfEnding", "[s]\nk=old\nb=2\n", "s", "k", "new", "[s]\nk=new\nb=2\n"},
    {"ReplacementKeepsLoneCrEnding", "[s]\rk=old\rb=2\r", "s", "k", "new", "[s]\rk=new\rb=2\r"},
    {"ReplacementKeepsMissingEnding", "[s]\r\nk=old", "s", "k", "new", "[s]\r\nk=new"},
    {"ReplacementKeepsFileSpelling", "[MIND]\r\n  KEY \t= old \r\n", "mind", "key", "new",
     "[MIND]\r\nKEY=new\r\n"},
    {"ReplacesFirstDuplicateKey", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "new",
     "[s]\r\nk=new\r\nk=2\r\n"},
    {"ReplacesInFirstDuplicateSection", "[s]\r\nk=1\r\n[s]\r\nk=2\r\n", "s", "k", "new",
     "[s]\r\nk=new\r\n[s]\r\nk=2\r\n"},
    {"KeyOfLaterDuplicateSectionAddedToFirst", "[s]\r\na=1\r\n[t]\r\n[s]\r\nk=2\r\n", "s", "k", "v",
     "[s]\r\na=1\r\nk=v\r\n[t]\r\n[s]\r\nk=2\r\n"},
    {"AddedKeyGoesBeforeBlankLines", "[s]\r\na=1\r\n\r\n[t]\r\nb=2\r\n", "s", "k", "v",
     "[s]\r\na=1\r\nk=v\r\n\r\n[t]\r\nb=2\r\n"},
    {"AddedKeyGoesBeforeCommentOfNextSection", "[s]\r\na=1\r\n; about t\r\n[t]\r\n", "s", "k", "v",
     "[s]\r\na=1\r\nk=v\r\n; about t\r\n[t]\r\n"},
    {"AddedKeyFollowsSemicolonKey", "[s]\r\n;k=1\r\n", "s", "k", "v", "[s]\r\n;k=1\r\nk=v\r\n"},
    {"AddedKeyFollowsHeaderOfEmptySection", "[s]\r\n\r\n[t]\r\n", "s", "k", "v",
     "[s]\r\nk=v\r\n\r\n[t]\r\n"},
    {"AddedKeyTerminatesLastLine", "[s]\r\na=1", "s", "k", "v", "[s]\r\na=1\r\nk=v\r\n"},
    {"AddedKeyTerminatesLastHeader", "[s]", "s", "k", "v", "[s]\r\nk=v\r\n"},
    {"AddedKeyEndsWithCrLfInLfFile", "[s]\na=1\n", "s", "k", "v", "[s]\na=1\nk=v\r\n"},
    {"AppendsMissingSection", "[t]\r\nb=2\r\n", "s", "k", "v", "[t]\r\nb=2\r\n[s]\r\nk=v\r\n"},
    {"AppendedSectionTerminatesLastLine", "[t]\r\nb=2", "s", "k", "v",
     "[t]\r\nb=2\r\n[s]\r\nk=v\r\n"},
    {"AppendedSectionFollowsLoneCr", "[t]\rb=2\r", "s", "k", "v", "[t]\rb=2\r[s]\r\nk=v\r\n"},
    {"EmptyValueReplacesAsKeyAndEquals", "[s]\r\nk=old\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
    {"EmptyValueAddsKeyAndEquals", "[s]\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
    {"ValueWrittenExactly", "[s]\r\n", "s", "k", " \"a b\"\t", "[s]\r\nk= \"a b\"\t\r\n"},
    {"IndentedHeaderFound", "  [s] x\r\nk=1\r\n", "s", "k", "2", "  [s] x\r\nk=2\r\n"},
    {"ByteOrderMarkKept", "\xEF\xBB\xBF[s]\r\nk=1\r\n", "s", "k", "2",
     "\xEF\xBB\xBF[s]\r\nk=2\r\n"},
    {"ByteOrderMarkAloneKept", "\xEF\xBB\xBF", "s", "k", "v", "\xEF\xBB\xBF[s]\r\nk=v\r\n"},
    {"UnnamedSectionGetsKeyAboveFirstHeader", "a=1\r\n[s]\r\n", "", "k", "v",
     "a=1\r\nk=v\r\n[s]\r\n"},
    {"EmptyUnnamedSectionGetsKeyAfterByteOrderMark", "\xEF\xBB\xBF[s]\r\n", "", "k", "v",
     "\xEF\xBB\xBFk=v\r\n[s]\r\n"},
    {"UnnamedSectionInEmptyFileHasNoHeader", "", "", "k", "v", "k=v\r\n"},
    {"OnlyTheKeyLineChanges", kMixedFile, "MIND", "0", "new",
     "\xEF\xBB\xBF; settings\r\ntop=1\r\n\r\n[Other]\tnote\n  x = \"quoted\" "
     "\rgbk=\xC4\xE3\xBA\xC3\r\n"
     "nul=a\0b\r\n[mind]\r\n0=new\r\n# 1-1=hidden\r\n[mind]\r\n0=later\r\ntail"sv},
    {"OnlyTheNewKeyLineIsAdded", kMixedFile, "mind", "1-1", "v",
     "\xEF\xBB\xBF; settings\r\ntop=1\r\n\r\n[Other]\tnote\n  x = \"quoted\" "
     "\rgbk=\xC4\xE3\xBA\xC3\r\n"
     "nul=a\0b\r\n[mind]\r\n0=old\r\n# 1-1=hidden\r\n1-1=v\r\n[mind]\r\n0=later\r\ntail"sv},
};

void PrintTo(const WriteCase& row, std::ostream* out) { *out << row.name; }

class ProfileWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteTest, WritesLikeWindows) {
  const WriteCase& row = GetParam();
  EXPECT_EQ(WithProfileValue(row.before, row.section, row.key, row.value), row.after);
}

INSTANTIATE_TEST_SUITE_P(Rules, ProfileWriteTest, testing::ValuesIn(kWriteCases),
                         [](const testing::TestParamInfo<WriteCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tolvane
