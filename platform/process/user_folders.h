// Per-user folders, for what cannot be kept beside the executable.
#pragma once

#include <string>

namespace tolvane {

// $XDG_CONFIG_HOME, or ~/.config when that is unset or not absolute; "" when
// neither can be found.
std::string UserConfigDirectory();
// Makes the folder and its missing parents (0700 for new ones); false when
// it does not exist afterwards.
bool EnsureDirectory(const std::string& path);

}  // namespace tolvane
