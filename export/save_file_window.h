// The modal window that previews the captured picture and saves it.
#pragma once

#include "platform/window_description.h"

namespace tolvane {

extern const WindowDescription SaveFileWindow;

}  // namespace tolvane
