// Reports the moment a window is first painted, and the resident memory then,
// on standard output as "paint <CLOCK_MONOTONIC ns> rss <kB>".
#pragma once

#include "clock.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <functional>

namespace tolvane::bench {

// Watches every paint of the application; the first one of a top-level
// window (or a child of it) that is on the screen ends the measurement.
class FirstPaintProbe final : public QObject {
 public:
  explicit FirstPaintProbe(std::function<void()> afterPaint) : afterPaint_(std::move(afterPaint)) {}

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (!reported_ && event->type() == QEvent::Paint && target->isWidgetType() &&
        static_cast<QWidget*>(target)->window()->isVisible()) {
      reported_ = true;
      const long long paintedAt = MonotonicNanoseconds();
      std::printf("paint %lld rss %ld\n", paintedAt, ResidentKilobytes());
      std::fflush(stdout);
      QMetaObject::invokeMethod(this, afterPaint_, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  std::function<void()> afterPaint_;
  bool reported_ = false;
};

}  // namespace tolvane::bench
