#include "platform/screen_capture.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <cstring>

#include "platform/qt/program_window.h"

namespace tolvane {
namespace {

ProgramWindow* LiveProgramWindow(WindowHandle handle) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (reinterpret_cast<WindowHandle>(widget) == handle) return dynamic_cast<ProgramWindow*>(widget);
  }
  return nullptr;
}

// Drawn pixel for pixel: device pixels, whatever the screen's scale.
QImage DevicePixels(const QPixmap& pixmap) {
  QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(1.0);
  return image;
}

BgraImage ToBgraImage(const QImage& image) {
  BgraImage result{image.width(), image.height(), {}};
  result.pixels.resize(static_cast<std::size_t>(image.width()) * image.height() * 4);
  const std::size_t rowBytes = static_cast<std::size_t>(image.width()) * 4;
  for (int y = 0; y < image.height(); ++y) {
    std::memcpy(result.pixels.data() + rowBytes * y, image.constScanLine(y), rowBytes);
  }
  return result;
}

QImage ToQImage(const BgraImage& picture) {
  return QImage(picture.pixels.data(), picture.width, picture.height, picture.width * 4,
                QImage::Format_RGB32);
}

}  // namespace

// The frame comes from the screen, as only the window manager draws it; the
// window's own content comes from its own rendering, so it is exact even
// where another window covers it.
std::optional<BgraImage> CaptureWindowPixels(WindowHandle handle) {
  ProgramWindow* window = LiveProgramWindow(handle);
  if (window == nullptr || !window->isVisible()) return std::nullopt;
  const qreal scale = window->devicePixelRatioF();
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  QImage picture((QSizeF(outer.size()) * scale).toSize(), QImage::Format_RGB32);
  if (picture.isNull()) return std::nullopt;
  picture.fill(window->palette().color(QPalette::Window));
  QPainter painter(&picture);
  if (outer != inner && window->screen() != nullptr) {
    painter.drawImage(QPoint(0, 0), DevicePixels(window->screen()->grabWindow(
                                        0, outer.x(), outer.y(), outer.width(), outer.height())));
  }
  const QPointF offset = QPointF(inner.topLeft() - outer.topLeft()) * scale;
  painter.drawImage(offset.toPoint(), DevicePixels(window->grab()));
  painter.end();
  return ToBgraImage(picture);
}

std::optional<BgraImage> StretchPicture(const BgraImage& picture, int width, int height,
                                        bool smooth) {
  if (width <= 0 || height <= 0 || picture.empty()) return std::nullopt;
  const QImage scaled = ToQImage(picture).scaled(
      width, height, Qt::IgnoreAspectRatio,
      smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
  if (scaled.isNull()) return std::nullopt;
  return ToBgraImage(scaled.convertToFormat(QImage::Format_RGB32));
}

}  // namespace tolvane
