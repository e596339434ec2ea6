#include "platform/qt/shape_box.h"

#include <QPainter>
#include <algorithm>

#include "platform/qt/colours.h"

namespace tolvane {

ShapeBox::ShapeBox(const ControlDescription& description, QWidget* parent)
    : QWidget(parent), description_(description) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

// The pen lies wholly inside the box: a pen of width w takes the outermost w
// pixels of each side, and widths 0 and 1 both draw one pixel.
void ShapeBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int w = width();
  const int h = height();
  painter.fillRect(rect(), ToQColor(description_.background));
  const int pen = std::max(1, description_.lineWidth);
  if (description_.filled) {
    painter.fillRect(QRect(pen, pen, w - 2 * pen, h - 2 * pen), ToQColor(description_.fillColour));
  }
  const QColor line = ToQColor(description_.lineColour);
  painter.fillRect(QRect(0, 0, w, std::min(pen, h)), line);
  painter.fillRect(QRect(0, std::max(0, h - pen), w, std::min(pen, h)), line);
  painter.fillRect(QRect(0, 0, std::min(pen, w), h), line);
  painter.fillRect(QRect(std::max(0, w - pen), 0, std::min(pen, w), h), line);
}

}  // namespace tolvane
