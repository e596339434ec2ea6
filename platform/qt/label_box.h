// Static text on the face colour: one vertically centred line, or text that
// breaks at its line ends and wraps at word boundaries.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include "platform/window_description.h"

namespace tolvane {

class LabelBox final : public QWidget {
 public:
  LabelBox(const ControlDescription& description, QWidget* parent);

  QString Text() const { return text_; }
  void SetText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ControlDescription& description_;
  QString text_;
};

}  // namespace tolvane
