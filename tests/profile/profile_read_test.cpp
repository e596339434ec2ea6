#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "platform/profile/profile_text.h"

namespace tolvane {
namespace {

using namespace std::literals;

constexpr std::size_t kBuffer = 10240;

struct ReadCase {
  std::string_view name;
  std::string_view file;
  std::string_view section;
  std::string_view key;
  std::string_view expected;
  std::size_t bufferSize = kBuffer;
};

// Hex escapes are split from the following text so that a letter a-f is never
// swallowed into the escape.
const ReadCase kReadCases[] = {
    {"SectionAndKeyIgnoreCase", "[MiNd]\r\nKeY=v\r\n", "mind", "kEY", "v"},
    {"CaseFoldsAsciiLettersOnly", "[\xE4]\r\nk=v\r\n", "\xC4", "k", ""},
    {"LineEndsAtLf", "[s]\nk=v\nj=w", "s", "j", "w"},
    {"LineEndsAtLoneCr", "[s]\rk=v\rj=w\r", "s", "k", "v"},
    {"LineEndsAtCrLf", "[s]\r\nk=v\r\nj=w\r\n", "s", "k", "v"},
    {"BlanksDroppedAroundNameAndValue",
     "[s]\r\n \t\v\f\x1A"
     "k \t\v\f\x1A= \t\v\f\x1A"
     "v \t\v\f\x1A\r\n",
     "s", "k", "v"},
    {"NoBreakSpaceIsNoBlank", "[s]\r\n\xA0k=1\r\nk=\xA0v\xA0\r\n", "s", "k", "\xA0v\xA0"},
    {"HeaderMayBeIndented", " \t[s]\r\nk=v\r\n", "s", "k", "v"},
    {"HeaderNameTrimmed", "[ \ts\t ]\r\nk=v\r\n", "s", "k", "v"},
    {"HeaderRunsToLastBracket", "[a]b]\r\nk=v\r\n", "a]b", "k", "v"},
    {"HeaderWithInnerBracketIsNotTheShortName", "[a]b]\r\nk=v\r\n", "a", "k", ""},
    {"TextAfterHeaderIgnored", "[s] ; old\r\nk=v\r\n", "s", "k", "v"},
    {"UnclosedBracketDoesNotEndSection", "[s]\r\n[t\r\nk=v\r\n", "s", "k", "v"},
    {"UnclosedBracketIsNoSection", "[s]\r\n[t\r\nk=v\r\n", "t", "k", ""},
    {"UnclosedBracketLineWithEqualsIsKey", "[s]\r\n[t=v\r\n", "s", "[t", "v"},
    {"OnlyFirstDuplicateSectionSearched", "[s]\r\nk=1\r\n[t]\r\n[S]\r\nj=2\r\n", "s", "j", ""},
    {"FirstDuplicateKeyWins", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
    {"SemicolonLineIsKey", "[s]\r\n;k=1\r\n", "s", ";k", "1"},
    {"HashLineIsKey", "[s]\r\n#k=1\r\n", "s", "#k", "1"},
    {"CommentedKeyIsAnotherName", "[s]\r\n;k=1\r\n", "s", "k", ""},
    {"ValueFollowsFirstEquals", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
    {"LineWithoutEqualsIsNoKey", "[s]\r\nk\r\nk=v\r\n", "s", "k", "v"},
    {"EmptyValueIsFound", "[s]\r\nk=\r\nk=v\r\n", "s", "k", ""},
    {"DoubleQuotesRemoved", "[s]\r\nk=\"v\"\r\n", "s", "k", "v"},
    {"SingleQuotesRemoved", "[s]\r\nk='v'\r\n", "s", "k", "v"},
    {"BlanksInsideQuotesKept", "[s]\r\nk=\" v \"\r\n", "s", "k", " v "},
    {"QuotesRemovedAfterTrimming", "[s]\r\nk= \t\"v\" \r\n", "s", "k", "v"},
    {"OnlyOnePairOfQuotesRemoved", "[s]\r\nk=\"\"v\"\"\r\n", "s", "k", "\"v\""},
    {"EmptyQuotesGiveEmptyText", "[s]\r\nk=\"\"\r\n", "s", "k", ""},
    {"MismatchedQuotesKept", "[s]\r\nk=\"v'\r\n", "s", "k", "\"v'"},
    {"OpeningQuoteAloneKept", "[s]\r\nk=\"v\r\n", "s", "k", "\"v"},
    {"LoneQuoteKept", "[s]\r\nk=\"\r\n", "s", "k", "\""},
    {"NulEndsValue", "[s]\r\nk=ab\0cd\r\n"sv, "s", "k", "ab"},
    {"NulEndsKeyName", "[s]\r\nk\0x=v\r\n"sv, "s", "k", "v"},
    {"NulEndsSectionName", "[s\0x]\r\nk=v\r\n"sv, "s", "k", "v"},
    {"UnnamedSectionAboveFirstHeader", "k=top\r\n[s]\r\nk=in\r\n", "", "k", "top"},
    {"UnnamedSectionEndsAtFirstHeader", "[s]\r\nk=in\r\n", "", "k", ""},
    {"NamedSectionDoesNotSeeUnnamedKeys", "k=top\r\n[s]\r\n", "s", "k", ""},
    {"BufferOfZeroGivesEmptyText", "[s]\r\nk=v\r\n", "s", "k", "", 0},
    {"BufferOfOneGivesEmptyText", "[s]\r\nk=v\r\n", "s", "k", "", 1},
    {"TruncatedToBufferLessOne", "[s]\r\nk=abcdef\r\n", "s", "k", "abc", 4},
    {"TruncatedAfterTrimming", "[s]\r\nk=  abcdef  \r\n", "s", "k", "abc", 4},
    {"TruncatedAfterUnquoting", "[s]\r\nk=\"abcdef\"\r\n", "s", "k", "abc", 4},
    {"ByteOrderMarkSkipped", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "v"},
    {"ByteOrderMarkSkippedOnlyAtStart", "[s]\r\n\xEF\xBB\xBFk=v\r\n", "s", "k", ""},
    {"Utf8PassesThrough", "[\xC3\xA9t\xC3\xA9]\r\nk=h\xC3\xA9\r\n", "\xC3\xA9t\xC3\xA9", "k",
     "h\xC3\xA9"},
    {"GbkBytesPassThrough", "[s]\r\nk=\xC4\xE3\xBA\xC3\r\n", "s", "k", "\xC4\xE3\xBA\xC3"},
    {"ControlBytesPassThrough", "[s]\r\nk=\x01\t\x7F\xFF\r\n", "s", "k", "\x01\t\x7F\xFF"},
    {"TrailingGarbageIgnored", "[s]\r\nk=v\r\n\x01\xFF[[=]]\x1A\0"sv, "s", "k", "v"},
    {"EmptyFileGivesEmptyText", "", "s", "k", ""},
    {"MissingSectionGivesEmptyText", "[t]\r\nk=v\r\n", "s", "k", ""},
    {"MissingKeyGivesEmptyText", "[s]\r\nj=v\r\n", "s", "k", ""},
};

void PrintTo(const ReadCase& row, std::ostream* out) { *out << row.name; }

class ProfileReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, ReadsLikeWindows) {
  const ReadCase& row = GetParam();
  EXPECT_EQ(ReadProfileValue(row.file, row.section, row.key, row.bufferSize), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, ProfileReadTest, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ProfileReadLargeTest, LongLineIsReadAndTruncated) {
  const std::string file = "[s]\r\nk=" + std::string(10'000'000, 'x') + "\r\nj=after\r\n";
  EXPECT_EQ(ReadProfileValue(file, "s", "k", kBuffer), std::string(kBuffer - 1, 'x'));
  EXPECT_EQ(ReadProfileValue(file, "s", "j", kBuffer), "after");
}

// How the time grows with the file's size is measured by the map store's
// benchmark; here the large file only has to come out right.
TEST(ProfileReadLargeTest, ManySectionsReadAndWritten) {
  std::string file;
  for (int i = 0; file.size() < 1'000'000; ++i) {
    file += "[section" + std::to_string(i) + "]\r\nkey=value\r\nother=value\r\n";
  }
  file += "[last]\r\nkey=old\r\n";
  const std::string written = WithProfileValue(file, "LAST", "KEY", "new");
  const std::string read = ReadProfileValue(written, "last", "key", kBuffer);
  EXPECT_EQ(read, "new");
  EXPECT_EQ(written.substr(0, file.size() - 9), file.substr(0, file.size() - 9));
}

}  // namespace
}  // namespace tolvane
