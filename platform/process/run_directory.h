// The folder of the running executable, which is also the program's working
// folder: the map file lives there and the save dialog starts there.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// The path up to its last "/", without it; "" when there is none or the file
// lies in "/".
std::string DirectoryOfPath(std::string_view path);
// The running executable's folder, from /proc/self/exe.
std::string ExecutableDirectory();
// Makes `directory` the current one ("" means "/"); false when that fails.
bool ChangeCurrentDirectory(const std::string& directory);

}  // namespace tolvane
