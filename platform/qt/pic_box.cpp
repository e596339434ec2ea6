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
  QImage image(resolved.pixels.data(), resolved.width, resolved.height,
               static_cast<qsizetype>(resolved.width) * 4, QImage::Format_RGB32);
  return image.copy();
}

void PicBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(description_.background));
  const QImage picture = PictureToDraw();
  if (picture.isNull()) return;
  painter.drawImage(QPoint(0, 0), Stretched(picture));
}

// Scaled here rather than by the painter: a painter samples a few source
// pixels per target pixel, which loses or exaggerates thin strokes when a
// picture shrinks a lot. Averaging every covered pixel is what a deep
// display gets; a shallow one drops and repeats rows and columns.
QImage PicBox::Stretched(const QImage& picture) const {
  const qreal scale = devicePixelRatioF();
  QImage stretched =
      picture.scaled((QSizeF(size()) * scale).toSize(), Qt::IgnoreAspectRatio,
                     DisplayDeeperThan16Bits() ? Qt::SmoothTransformation : Qt::FastTransformation);
  stretched.setDevicePixelRatio(scale);
  return stretched;
}

}  // namespace tolvane
