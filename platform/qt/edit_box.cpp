#include "platform/qt/edit_box.h"
#include "platform/qt/qt_text.h"

#include <QFocusEvent>
#include <QPainter>

namespace tolvane {
namespace {

// Far beyond any node text, yet small enough that a damaged file with a
// multi-megabyte value cannot make the field crawl.
constexpr int kMaxCharacters = 1 << 20;
constexpr int kBorder = 2;

// The two-pixel sunken border: shadow above and left, light below and right.
void DrawSunkenBorder(QPainter& painter, const QRect& r) {
  const QColor outerShadow(160, 160, 160), outerLight(255, 255, 255);
  const QColor innerShadow(105, 105, 105), innerLight(227, 227, 227);
  const int right = r.width() - 1, bottom = r.height() - 1;
  painter.fillRect(0, 0, r.width(), 1, outerShadow);
  painter.fillRect(0, 0, 1, r.height(), outerShadow);
  painter.fillRect(0, bottom, r.width(), 1, outerLight);
  painter.fillRect(right, 0, 1, r.height(), outerLight);
  painter.fillRect(1, 1, r.width() - 2, 1, innerShadow);
  painter.fillRect(1, 1, 1, r.height() - 2, innerShadow);
  painter.fillRect(1, bottom - 1, r.width() - 2, 1, innerLight);
  painter.fillRect(right - 1, 1, 1, r.height() - 2, innerLight);
}

}  // namespace

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  setTextMargins(kBorder, kBorder, kBorder, kBorder);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMaxLength(kMaxCharacters);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);
  setFocusPolicy(Qt::StrongFocus);
}

std::string EditBox::Bytes() const {
  if (text() == shownForGivenBytes_) return givenBytes_;
  return text().toStdString();
}

void EditBox::SetBytes(std::string_view bytes) {
  givenBytes_.assign(bytes);
  setText(ToQString(bytes));
  // What the field holds after its own limits; unchanged means untouched.
  shownForGivenBytes_ = text();
  caret_ = CaretState{};
  setCursorPosition(0);
}

// Qt selects the whole text of a field reached by Tab and drops the selection
// when the focus leaves; here the field keeps its own caret and selection.
void EditBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (caret_.selectionStart >= 0) {
    setSelection(caret_.selectionStart, caret_.selectionLength);
    if (caret_.cursor == caret_.selectionStart) {
      setSelection(caret_.selectionStart + caret_.selectionLength, -caret_.selectionLength);
    }
  } else {
    deselect();
    setCursorPosition(caret_.cursor);
  }
}

void EditBox::focusOutEvent(QFocusEvent* event) {
  caret_ = CaretState{cursorPosition(), selectionStart(), static_cast<int>(selectedText().size())};
  QLineEdit::focusOutEvent(event);
}

void EditBox::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  DrawSunkenBorder(painter, rect());
}

}  // namespace tolvane
