#include "platform/qt/pic_box.h"

#include <QPainter>

#include "platform/picture/png_decode.h"
#include "platform/picture/transparency.h"
#include "platform/qt/colours.h"
#include "platform/screen_capture.h"

namespace tolvane {
namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::string_view signature) {
  return bytes.size() >= signature.size() &&
         std::equal(signature.begin(), signature.end(), bytes.begin(),
                    [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

}  // namespace

PicBox::PicBox(const ControlDescription& description, QWidget* parent)
    : QWidget(parent), description_(description) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  SetPicture(description.picture);
}

void PicBox::SetPicture(std::span<const std::uint8_t> bytes) {
  bytes_.assign(bytes.begin(), bytes.end());
  translucent_.reset();
  opaque_ = QImage();
  if (StartsWith(bytes_, "BM")) {
    opaque_ = QImage::fromData(bytes_.data(), static_cast<int>(bytes_.size()), "BMP");
  } else if (StartsWith(bytes_, "\x89PNG")) {
    translucent_ = DecodePng(bytes_);
  }
  update();
}

QImage PicBox::PictureToDraw() const {
  if (!translucent_) return opaque_;
  BgraImage resolved = *translucent_;
  const QColor face = ToQColor(description_.background);
  ResolveTransparency(resolved, static_cast<std::uint8_t>(face.blue()),
                      static_cast<std::uint8_t>(face.green()),
                      static_cast<std::uint8_t>(face.red()));
  // Blue, green, red, alpha bytes are Qt's 32-bit layout on little-endian
  // machines; RGB32 ignores the alpha byte, which has played its part.
  QImage image(resolved.pixels.data(), resolved.width, resolved.height, resolved.width * 4,
               QImage::Format_RGB32);
  return image.copy();
}

void PicBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(description_.background));
  const QImage picture = PictureToDraw();
  if (picture.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, DisplayDeeperThan16Bits());
  painter.drawImage(rect(), picture);
}

}  // namespace tolvane
