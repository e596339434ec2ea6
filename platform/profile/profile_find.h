// Finding a key the way the Windows profile functions find it: in the first
// section of the given name only, and the first line of the given key there.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/profile/profile_lines.h"

namespace tolvane {

struct ProfileEntry {
  bool sectionFound = false;
  // Where a new key of the section goes: just after the section's last key
  // line, or after its header (the file's start, for the unnamed section)
  // when it has no key line.
  std::size_t sectionEnd = 0;
  // The line before sectionEnd is the file's last one and has no line end.
  bool sectionEndUnterminated = false;
  std::optional<ProfileLine> keyLine;
};

// Section "" is the unnamed section: the lines above the first header. It is
// always there, even when empty, so a later "[]" header is only a duplicate.
ProfileEntry FindProfileEntry(std::string_view file, std::string_view section,
                              std::string_view key);

}  // namespace tolvane
