#include "platform/qt/label_box.h"

#include <QPainter>

#include "platform/qt/colours.h"
#include "platform/qt/qt_text.h"

namespace tolvane {
namespace {

QFont OwnFont(const FontDescription& font) {
  QFont result(ToQString(font.face));
  // The stored height is the character height in pixels, used as it stands
  // whatever the screen's resolution.
  result.setPixelSize(font.pixelHeight);
  result.setWeight(static_cast<QFont::Weight>(font.weight));
  return result;
}

}  // namespace

LabelBox::LabelBox(const ControlDescription& description, QWidget* parent)
    : QWidget(parent), description_(description) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  // Without a face of its own the label keeps following the default GUI font.
  if (!description.font.face.empty()) setFont(OwnFont(description.font));
  SetText(ToQString(description.text));
}

void LabelBox::SetText(const QString& text) {
  text_ = text;
  update();
}

void LabelBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(description_.background));
  if (text_.isEmpty()) return;
  painter.setPen(Qt::black);
  if (description_.singleLine) {
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
  } else {
    QString lines = text_;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, lines);
  }
}

}  // namespace tolvane
