#include "export/capture_size.h"

#include <gtest/gtest.h>

#include <limits>

namespace tolvane {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

struct SizeCase {
  const char* name;
  int requestedWidth;
  int requestedHeight;
  int expectedWidth;
  int expectedHeight;
};

// Against the main window's outer size, 502 x 283.
constexpr SizeCase kSizeCases[] = {
    {"ZeroKeepsTheWindowSize", 0, 0, 502, 283},
    {"TwentyPercentRoundsHalfUp", -20, -20, 100, 57},
    {"BelowTenPercentCountsAsTen", -5, 0, 50, 283},
    {"OnePercentCountsAsTen", -1, -9, 50, 28},
    {"NoUpperBoundOnPercentages", -200, -200, 1004, 566},
    {"PositiveIsTakenAsItIs", 300, 200, 300, 200},
    {"OverflowingPercentageFails", kIntMin, -kIntMax, -1, -1},
};

class ResolveCaptureSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(ResolveCaptureSizeTest, AgainstTheMainWindow) {
  const SizeCase& row = GetParam();
  EXPECT_EQ(ResolveCaptureSize(row.requestedWidth, 502), row.expectedWidth);
  EXPECT_EQ(ResolveCaptureSize(row.requestedHeight, 283), row.expectedHeight);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResolveCaptureSizeTest, testing::ValuesIn(kSizeCases),
                         [](const testing::TestParamInfo<SizeCase>& info) {
                           return std::string(info.param.name);
                         });

struct MulDivCase {
  int number;
  int numerator;
  int denominator;
  int expected;
};

constexpr MulDivCase kMulDivCases[] = {
    {5, 1, 2, 3},  // half rounds away from zero
    {-5, 1, 2, -3},
    {5, 1, -2, -3},  // a negative divisor flips the sign
    {-5, -1, -2, -3},
    {283, 20, 100, 57},
    {-283, 20, 100, -57},
    {7, 1, 3, 2},  // 2.33 rounds down
    {8, 1, 3, 3},  // 2.67 rounds up
    {-7, 1, 3, -2},
    {kIntMax, kIntMax, kIntMax, kIntMax},  // the product needs 64 bits
    {kIntMax, 2, 3, 1431655765},
    {1, 1, 0, -1},  // no divisor
    {0, 0, 0, -1},
    {kIntMax, 2, 1, -1},  // too large for an int
    {kIntMin, 2, 1, -1},
};

TEST(MulDiv, RoundsToNearestAndFailsWithMinusOne) {
  for (const MulDivCase& row : kMulDivCases) {
    EXPECT_EQ(MulDiv(row.number, row.numerator, row.denominator), row.expected)
        << row.number << " * " << row.numerator << " / " << row.denominator;
  }
}

}  // namespace
}  // namespace tolvane
