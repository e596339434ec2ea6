// A drawn rectangle: connector bar, bracket or mask.
#pragma once

#include <QWidget>

#include "platform/window_description.h"

namespace tolvane {

class ShapeBox final : public QWidget {
 public:
  ShapeBox(const ControlDescription& description, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ControlDescription& description_;
};

}  // namespace tolvane
