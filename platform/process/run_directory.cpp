#include "platform/process/run_directory.h"

#include <unistd.h>

namespace tolvane {

std::string DirectoryOfPath(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash));
}

std::string ExecutableDirectory() {
  // PATH_MAX is only a hint; grow until the link's target fits.
  std::string target(256, '\0');
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", target.data(), target.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < target.size()) {
      target.resize(static_cast<std::size_t>(length));
      return DirectoryOfPath(target);
    }
    target.resize(target.size() * 2);
  }
}

bool ChangeCurrentDirectory(const std::string& directory) {
  return chdir(directory.empty() ? "/" : directory.c_str()) == 0;
}

}  // namespace tolvane
