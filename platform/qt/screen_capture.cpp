#include "platform/screen_capture.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/qt/program_window.h"

namespace tolvane {
namespace {

ProgramWindow* LiveProgramWindow(WindowHandle handle) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (reinterpret_cast<WindowHandle>(widget) == handle)
      return dynamic_cast<ProgramWindow*>(widget);
  }
  return nullptr;
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

using Reply = std::unique_ptr<void, decltype(&std::free)>;

// Part of the screen: where it is, in screen coordinates, and its pixels, or
// a null image where they could not be read.
struct ScreenPiece {
  QRect where;
  QImage pixels;
};

// The parts of the outer rectangle around the inner one (what the window
// manager's frame holds), in the window's own coordinates; some may be empty.
std::array<QRect, 4> FrameStrips(QSize outer, QRect inner) {
  return {QRect(0, 0, outer.width(), inner.top()),
          QRect(0, inner.bottom() + 1, outer.width(), outer.height() - inner.bottom() - 1),
          QRect(0, inner.top(), inner.left(), inner.height()),
          QRect(inner.right() + 1, inner.top(), outer.width() - inner.right() - 1, inner.height())};
}

xcb_connection_t* X11Connection() {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

// Whether the root window's pixels come as blue, green, red and one unused
// byte each, rows without padding: the layout of a 32-bit Qt image.
bool RootHoldsBgrx(const xcb_setup_t* setup, const xcb_screen_t* screen) {
  if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST ||
      QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
    return false;
  }
  bool thirtyTwoBits = false;
  for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem != 0;
       xcb_format_next(&format)) {
    if (format.data->depth == screen->root_depth) {
      thirtyTwoBits = format.data->bits_per_pixel == 32 && format.data->scanline_pad == 32;
    }
  }
  for (auto depth = xcb_screen_allowed_depths_iterator(screen); depth.rem != 0;
       xcb_depth_next(&depth)) {
    for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem != 0;
         xcb_visualtype_next(&visual)) {
      if (visual.data->visual_id != screen->root_visual) continue;
      return thirtyTwoBits && visual.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
             visual.data->red_mask == 0xff0000 && visual.data->green_mask == 0xff00 &&
             visual.data->blue_mask == 0xff;
    }
  }
  return false;
}

QImage OpaqueImage(const xcb_get_image_reply_t* reply, QSize size) {
  const auto count = static_cast<std::size_t>(size.width()) * size.height();
  if (reply == nullptr || static_cast<std::size_t>(xcb_get_image_data_length(reply)) < count * 4) {
    return {};
  }
  QImage image(size, QImage::Format_RGB32);
  const std::uint8_t* data = xcb_get_image_data(reply);
  auto* pixels = reinterpret_cast<std::uint32_t*>(image.bits());
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t pixel;
    std::memcpy(&pixel, data + 4 * i, 4);
    pixels[i] = pixel | 0xff000000u;
  }
  return image;
}

// On X11 the pieces are read from the root window with every request sent
// before the first answer is awaited: one wait for the server in all,
// where asking Qt costs several for each piece. Nothing when not on X11 or
// when the server's pixel layout is not the common one read here.
std::optional<std::array<ScreenPiece, 4>> ReadRootPixels(const std::array<QRect, 4>& rects) {
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return std::nullopt;
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
  if (screen == nullptr || !RootHoldsBgrx(setup, screen)) return std::nullopt;
  const QRect root(0, 0, screen->width_in_pixels, screen->height_in_pixels);
  std::array<ScreenPiece, 4> pieces;
  std::array<xcb_get_image_cookie_t, 4> cookies{};
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const QRect where = rects[i] & root;
    pieces[i].where = where;
    if (where.isEmpty()) continue;
    cookies[i] = xcb_get_image(
        connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, static_cast<std::int16_t>(where.x()),
        static_cast<std::int16_t>(where.y()), static_cast<std::uint16_t>(where.width()),
        static_cast<std::uint16_t>(where.height()), ~0u);
  }
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (pieces[i].where.isEmpty()) continue;
    xcb_get_image_reply_t* reply = xcb_get_image_reply(connection, cookies[i], nullptr);
    const Reply owner(reply, &std::free);
    pieces[i].pixels = OpaqueImage(reply, pieces[i].where.size());
  }
  return pieces;
}

// Elsewhere Qt reads the screen, one piece at a time. The offscreen platform
// keeps no picture of its screen, though: what it returns for the frame
// around a window is memory that nothing has drawn, so it is not asked.
std::array<ScreenPiece, 4> ScreenPixels(const QWidget& window, const std::array<QRect, 4>& rects) {
  // The root window counts device pixels, the rectangles do not when scaled.
  if (window.devicePixelRatioF() == 1.0) {
    if (std::optional<std::array<ScreenPiece, 4>> pieces = ReadRootPixels(rects)) return *pieces;
  }
  std::array<ScreenPiece, 4> pieces;
  QScreen* screen = window.screen();
  const bool asked =
      screen != nullptr && QGuiApplication::platformName() != QLatin1String("offscreen");
  for (std::size_t i = 0; i < rects.size(); ++i) {
    pieces[i].where = rects[i];
    if (!asked || rects[i].isEmpty()) continue;
    pieces[i].pixels =
        screen->grabWindow(0, rects[i].x(), rects[i].y(), rects[i].width(), rects[i].height())
            .toImage();
  }
  return pieces;
}

// Only the frame comes from the screen, as only the window manager draws it,
// and only the thin strips of it, which keeps the capture cheap. What cannot
// be read keeps the window's face colour.
void PaintFrame(QPainter& painter, const QWidget& window, QRect outer, QRect inner) {
  const std::array<QRect, 4> strips = FrameStrips(outer.size(), inner);
  std::array<QRect, 4> onScreen;
  for (std::size_t i = 0; i < strips.size(); ++i) {
    onScreen[i] = strips[i].translated(outer.topLeft());
    if (!strips[i].isEmpty()) painter.fillRect(strips[i], window.palette().color(QPalette::Window));
  }
  for (const ScreenPiece& piece : ScreenPixels(window, onScreen)) {
    if (!piece.pixels.isNull()) {
      painter.drawImage(piece.where.translated(-outer.topLeft()), piece.pixels);
    }
  }
}

QImage ToQImage(const BgraImage& picture) {
  return QImage(picture.pixels.data(), picture.width, picture.height,
                static_cast<qsizetype>(picture.width) * 4, QImage::Format_RGB32);
}

}  // namespace

// The window's own content comes from its own rendering, so it is exact even
// where another window covers it. Both are painted straight into the
// picture's pixels, with no copy between. The window's own background is
// left out: its menu bar and its client area, which paints its background,
// cover the whole inside of every program window, so it would only be
// painted over.
std::optional<BgraImage> CaptureWindowPixels(WindowHandle handle) {
  ProgramWindow* window = LiveProgramWindow(handle);
  if (window == nullptr || !window->isVisible()) return std::nullopt;
  const qreal scale = window->devicePixelRatioF();
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry().translated(-outer.topLeft());
  const QSize size = (QSizeF(outer.size()) * scale).toSize();
  if (size.isEmpty()) return std::nullopt;
  BgraImage result{size.width(), size.height(), {}};
  result.pixels.resize(static_cast<std::size_t>(size.width()) * size.height() * 4);
  QImage picture(result.pixels.data(), size.width(), size.height(),
                 static_cast<qsizetype>(size.width()) * 4, QImage::Format_RGB32);
  picture.setDevicePixelRatio(scale);
  QPainter painter(&picture);
  PaintFrame(painter, *window, outer, inner);
  window->render(&painter, inner.topLeft(), QRegion(), QWidget::DrawChildren);
  painter.end();
  return result;
}

std::optional<BgraImage> StretchPicture(const BgraImage& picture, int width, int height,
                                        bool smooth) {
  if (width <= 0 || height <= 0 || picture.empty()) return std::nullopt;
  const QImage scaled =
      ToQImage(picture).scaled(width, height, Qt::IgnoreAspectRatio,
                               smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
  if (scaled.isNull()) return std::nullopt;
  return ToBgraImage(scaled.convertToFormat(QImage::Format_RGB32));
}

}  // namespace tolvane
