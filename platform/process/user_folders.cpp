#include "platform/process/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace tolvane {
namespace {

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  const passwd* user = getpwuid(getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

bool IsDirectory(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::string UserConfigDirectory() {
  const char* configured = std::getenv("XDG_CONFIG_HOME");
  if (configured != nullptr && configured[0] == '/') return configured;
  const std::string home = HomeDirectory();
  return home.empty() ? "" : home + "/.config";
}

bool EnsureDirectory(const std::string& path) {
  if (path.empty() || IsDirectory(path)) return !path.empty();
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0) EnsureDirectory(path.substr(0, slash));
  return (mkdir(path.c_str(), 0700) == 0 || errno == EEXIST) && IsDirectory(path);
}

}  // namespace tolvane
