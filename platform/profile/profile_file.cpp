#include "platform/profile/profile_file.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/files/file_bytes.h"
#include "platform/profile/profile_text.h"

namespace tolvane {

std::string GetProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::size_t bufferSize) {
  const std::optional<std::string> file = ReadFileBytes(path);
  return file ? ReadProfileValue(*file, section, key, bufferSize) : std::string{};
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  std::optional<std::string> file = ReadFileBytes(path);
  if (!file) {
    // A file that is there but unreadable must not be replaced by one key.
    std::error_code error;
    if (std::filesystem::exists(path, error) || error) return false;
    file.emplace();
  }
  return ReplaceFileBytes(path, WithProfileValue(*file, section, key, value)).ok;
}

}  // namespace tolvane
