#include "map/map_file.h"

#include <sys/stat.h>

#include "map/map_nodes.h"
#include "platform/process/user_folders.h"
#include "platform/profile/profile_text.h"

namespace tolvane {
namespace {

// What a Windows caller passes; a value that fills it is read again whole.
constexpr std::size_t kProfileBufferSize = 10240;

bool IsProfileBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool FileExists(const std::string& path) {
  struct stat status {};
  return !path.empty() && stat(path.c_str(), &status) == 0;
}

}  // namespace

std::string IniPath(std::string_view runDirectory) {
  return std::string(runDirectory) + "/" + std::string(kMapFileName);
}

std::string UserIniPath() {
  const std::string config = UserConfigDirectory();
  return config.empty() ? "" : config + "/tolvane/" + std::string(kMapFileName);
}

std::string MapFilePath(std::string_view runDirectory) {
  const std::string userCopy = UserIniPath();
  return FileExists(userCopy) ? userCopy : IniPath(runDirectory);
}

std::string StoredValue(std::string_view text) {
  std::string value(text);
  for (char& c : value) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  }
  if (value.empty()) return value;
  const char first = value.front(), last = value.back();
  if (IsProfileBlank(first) || IsProfileBlank(last) || IsQuote(first) || IsQuote(last)) {
    return '"' + value + '"';
  }
  return value;
}

std::string ReadNodeText(std::string_view fileBytes, std::string_view key) {
  std::string text = ReadProfileValue(fileBytes, kMapSection, key, kProfileBufferSize);
  if (text.size() + 1 < kProfileBufferSize) return text;
  return ReadProfileValue(fileBytes, kMapSection, key, fileBytes.size() + 1);
}

}  // namespace tolvane
