// The two profile operations on a file path, as the map store uses them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane {

// The value of `key` in `section` of the file at `path`, at most bufferSize - 1
// bytes; the empty text when the file, the section or the key is missing or the
// file cannot be read.
std::string GetProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::size_t bufferSize);

// Sets `key` in `section` of the file at `path` to `value` (no CR, LF or NUL),
// creating the file or the section when missing, and replaces the file whole.
// False when the file exists but cannot be read, or cannot be replaced.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace tolvane
