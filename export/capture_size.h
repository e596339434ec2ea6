// The size rule of a window capture: how a requested width or height turns
// into the size of the picture.
#pragma once

namespace tolvane {

// number * numerator / denominator over a 64-bit product, rounded to the
// nearest integer with halves away from zero; -1 when denominator is 0 or the
// result does not fit into an int.
int MulDiv(int number, int numerator, int denominator);

// 0: the source size. Negative: that many percent of the source, at least 10
// percent. Positive: the requested size itself.
int ResolveCaptureSize(int requested, int source);

}  // namespace tolvane
