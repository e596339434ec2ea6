// Writes a picture to the file the user chose.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tolvane {

// Replaces the file with exactly these bytes (none: an empty file). A failed
// write leaves an earlier file as it was and tells the user why; false then.
bool WriteBytesToFile(const std::string& fileName, std::span<const std::uint8_t> bytes);

}  // namespace tolvane
