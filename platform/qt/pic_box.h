// A picture box: a BMP or PNG picture stretched over the whole box, without
// keeping its aspect ratio, on the box's background colour.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/picture/bgra_image.h"
#include "platform/window_description.h"

namespace tolvane {

class PicBox final : public QWidget {
 public:
  PicBox(const ControlDescription& description, QWidget* parent);

  void SetPicture(std::span<const std::uint8_t> bytes);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The picture at its own size, opaque.
  QImage PictureToDraw() const;
  // The picture at the box's size in device pixels.
  QImage Stretched(const QImage& picture) const;

  const ControlDescription& description_;
  std::vector<std::uint8_t> bytes_;
  // A PNG keeps its alpha; it is resolved against the background on each
  // paint. A BMP is opaque and is decoded once.
  std::optional<BgraImage> translucent_;
  QImage opaque_;
};

}  // namespace tolvane
