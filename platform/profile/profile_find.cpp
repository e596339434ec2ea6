#include "platform/profile/profile_find.h"

namespace tolvane {
namespace {

void ExtendSection(ProfileEntry& entry, const ProfileLine& line) {
  entry.sectionEnd = line.next;
  entry.sectionEndUnterminated = !line.Terminated();
}

}  // namespace

ProfileEntry FindProfileEntry(std::string_view file, std::string_view section,
                              std::string_view key) {
  ProfileEntry entry;
  bool inSection = section.empty();
  if (inSection) {
    entry.sectionFound = true;
    entry.sectionEnd = ProfileBodyStart(file);
  }
  ProfileLineScanner lines(file);
  while (const std::optional<ProfileLine> line = lines.Next()) {
    if (line->kind == ProfileLineKind::kHeader) {
      // Only the first section of a name counts, so its end ends the search.
      if (inSection) break;
      if (!SameProfileName(line->name, section)) continue;
      inSection = true;
      entry.sectionFound = true;
      ExtendSection(entry, *line);
      continue;
    }
    if (!inSection || line->kind != ProfileLineKind::kKey) continue;
    if (SameProfileName(line->name, key)) {
      entry.keyLine = *line;
      break;
    }
    // A new key follows the last key line, so blank lines and comments that
    // lead into the next section stay with that section.
    ExtendSection(entry, *line);
  }
  return entry;
}

}  // namespace tolvane
