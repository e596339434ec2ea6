// A one-line text field that keeps the bytes it was given, caret and
// selection across focus changes, and the classic sunken border.
#pragma once

#include <QLineEdit>
#include <string>
#include <string_view>

namespace tolvane {

class EditBox final : public QLineEdit {
 public:
  explicit EditBox(QWidget* parent);

  // The text as UTF-8. While the user has not changed what SetBytes put in,
  // exactly those bytes, so text that is not valid UTF-8 survives untouched.
  std::string Bytes() const;
  void SetBytes(std::string_view bytes);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct CaretState {
    int cursor = 0;
    int selectionStart = -1;
    int selectionLength = 0;
  };

  std::string givenBytes_;
  QString shownForGivenBytes_;
  CaretState caret_;
};

}  // namespace tolvane
