// Where the map's texts are kept and how a node text is stored so that it
// reads back unchanged.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

inline constexpr std::string_view kMapFileName = "mindsave.ini";

// mindsave.ini beside the executable.
std::string IniPath(std::string_view runDirectory);
// The per-user copy, used where the executable's folder cannot be written
// (a system-wide install): <user config>/tolvane/mindsave.ini; "" if unknown.
std::string UserIniPath();
// The file to read and write: the per-user copy once it exists.
std::string MapFilePath(std::string_view runDirectory);

// The value to write for a node text. Profile readers drop blanks at both
// ends and one pair of enclosing quotes; a text that would lose either is
// written inside one pair of double quotes, which the reader removes again.
// Line breaks and NUL bytes, which would break the file's lines, become
// spaces.
std::string StoredValue(std::string_view text);
// The node text stored under `key`, whole however long.
std::string ReadNodeText(std::string_view fileBytes, std::string_view key);

}  // namespace tolvane
