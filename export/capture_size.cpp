#include "export/capture_size.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tolvane {
namespace {

constexpr int kFailed = -1;
constexpr std::int64_t kSmallestPercentage = 10;

}  // namespace

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return kFailed;
  std::int64_t product = std::int64_t{number} * numerator;
  std::int64_t divisor = denominator;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  const std::int64_t half = divisor / 2;
  const std::int64_t quotient =
      product >= 0 ? (product + half) / divisor : (product - half) / divisor;
  if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) {
    return kFailed;
  }
  return static_cast<int>(quotient);
}

int ResolveCaptureSize(int requested, int source) {
  if (requested > 0) return requested;
  if (requested == 0) return source;
  // Widened first: the percentage of the most negative request is not an int.
  const std::int64_t percentage = std::max(-std::int64_t{requested}, kSmallestPercentage);
  const auto clamped =
      static_cast<int>(std::min<std::int64_t>(percentage, std::numeric_limits<int>::max()));
  return MulDiv(source, clamped, 100);
}

}  // namespace tolvane
