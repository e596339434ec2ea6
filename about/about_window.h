// The information box: product name, version and credit, logo, OK.
#pragma once

#include "platform/window_description.h"

namespace tolvane {

extern const WindowDescription AboutWindow;

}  // namespace tolvane
