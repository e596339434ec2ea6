#include "export/captured_image.h"

#include <utility>

namespace tolvane {
namespace {

std::vector<std::uint8_t> capturedImage;

}  // namespace

const std::vector<std::uint8_t>& CapturedImage() { return capturedImage; }

void ReplaceCapturedImage(std::vector<std::uint8_t> image) {
  // The new picture exists before the old one goes; swapping and letting the
  // old one die at the end of this scope keeps that order.
  std::swap(capturedImage, image);
}

void ReleaseCapturedImage() { std::vector<std::uint8_t>().swap(capturedImage); }

}  // namespace tolvane
