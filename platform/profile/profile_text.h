// Reading and writing one value of an INI file's bytes exactly as the Windows
// functions GetPrivateProfileStringA and WritePrivateProfileStringA do, so that
// files made on Windows read the same here and other readers can be compared
// with this one byte for byte. Bytes pass through unchanged: UTF-8 is the code
// page, and invalid UTF-8 is just bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane {

// The value of `key` in `section`, read as the Windows profile functions read
// it, at most bufferSize - 1 bytes (bufferSize 0 gives the empty text). A
// missing section or key gives the empty text.
std::string ReadProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::size_t bufferSize);

// The file's bytes after setting `key` in `section` to `value`, written as the
// Windows profile functions write it. The value is written exactly as given;
// it must hold no CR, LF or NUL byte, which would break the line or end it.
std::string WithProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value);

}  // namespace tolvane
