// How stored colour values become Qt colours.
#pragma once

#include <QColor>

#include "platform/window_description.h"

namespace tolvane {

// The dialog face colour. Pinned to the classic value rather than taken from
// the desktop theme, so the connector masks, outlined in exactly this colour,
// stay invisible and every window looks the same everywhere.
inline QColor FaceColour() { return QColor(240, 240, 240); }

inline QColor ToQColor(ColourRef colour) {
  if (colour == kFaceColour) return FaceColour();
  return QColor(static_cast<int>(colour & 0xff), static_cast<int>((colour >> 8) & 0xff),
                static_cast<int>((colour >> 16) & 0xff));
}

}  // namespace tolvane
