// Feeds arbitrary files, names and values to the profile reader and writer and
// checks what must hold for any input: reads stay within their buffer, a write
// reads back, a second identical write changes nothing, and a write touches no
// other section's values.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/profile/profile_lines.h"
#include "platform/profile/profile_text.h"

namespace {

using tolvane::ProfileLineKind;
using tolvane::ProfileLineScanner;
using tolvane::ReadProfileValue;
using tolvane::SameProfileName;
using tolvane::TrimProfileBlanks;

constexpr std::size_t kMaxCheckedKeys = 64;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

bool HasLineBreakOrNul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsTrimmed(std::string_view text) { return TrimProfileBlanks(text).size() == text.size(); }

bool IsQuoted(std::string_view text) {
  return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
         text.front() == text.back();
}

// A key line must never look like a header, or it would start a section.
bool KeyCannotStartHeader(std::string_view key) { return !TrimProfileBlanks(key).starts_with('['); }

// Writing such a key leaves the file's line structure as it was, apart from
// the one line it replaces or adds.
bool KeepsStructure(std::string_view section, std::string_view key, std::string_view value) {
  return !HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value) &&
         KeyCannotStartHeader(key);
}

// A key that the reader finds by its own spelling. One that begins with a
// byte-order mark is left out: written first in a file, it becomes the mark.
bool IsKeyFoundAsSpelled(std::string_view key) {
  return !HasLineBreakOrNul(key) && IsTrimmed(key) && key.find('=') == std::string_view::npos &&
         !key.starts_with("\xEF\xBB\xBF");
}

// What the reader gives back unchanged: a key as above, a section it finds by
// its exact spelling, and a value that loses no blanks, quotes or bytes.
bool ReadsBackExactly(std::string_view section, std::string_view key, std::string_view value) {
  return KeepsStructure(section, key, value) && IsKeyFoundAsSpelled(key) &&
         !HasLineBreakOrNul(section) && IsTrimmed(section) && !HasLineBreakOrNul(value) &&
         IsTrimmed(value) && !IsQuoted(value);
}

std::vector<std::pair<std::string_view, std::string_view>> KeysOf(std::string_view file) {
  std::vector<std::pair<std::string_view, std::string_view>> keys;
  std::string_view section;
  ProfileLineScanner lines(file);
  while (const auto line = lines.Next()) {
    if (line->kind == ProfileLineKind::kHeader) section = line->name;
    if (line->kind == ProfileLineKind::kKey && keys.size() < kMaxCheckedKeys)
      keys.emplace_back(section, line->name);
  }
  return keys;
}

void CheckRead(std::string_view file, std::string_view section, std::string_view key,
               std::size_t bufferSize) {
  const std::string whole = ReadProfileValue(file, section, key, file.size() + 1);
  const std::string cut = ReadProfileValue(file, section, key, bufferSize);
  Require(cut.size() + 1 <= std::max<std::size_t>(bufferSize, 1));
  Require(std::string_view(whole).starts_with(cut));
}

void CheckOthersKept(std::string_view before, std::string_view after, std::string_view section,
                     std::string_view key) {
  for (const auto& [otherSection, otherKey] : KeysOf(before)) {
    // A key that the reader does not find by its own spelling is added as a
    // line that other keys of its section may take for theirs.
    if (SameProfileName(otherSection, section) &&
        (SameProfileName(otherKey, key) || !IsKeyFoundAsSpelled(key))) {
      continue;
    }
    Require(ReadProfileValue(before, otherSection, otherKey, before.size() + 1) ==
            ReadProfileValue(after, otherSection, otherKey, after.size() + 1));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(64);
  const std::string key = input.ConsumeRandomLengthString(64);
  const std::string value = input.ConsumeRandomLengthString(256);
  const std::size_t bufferSize = input.ConsumeIntegralInRange<std::size_t>(0, 32);
  const std::string file = input.ConsumeRemainingBytesAsString();

  CheckRead(file, section, key, bufferSize);
  const std::string written = tolvane::WithProfileValue(file, section, key, value);
  CheckRead(written, section, key, bufferSize);
  if (KeepsStructure(section, key, value)) CheckOthersKept(file, written, section, key);
  if (ReadsBackExactly(section, key, value)) {
    Require(ReadProfileValue(written, section, key, written.size() + 1) == value);
    Require(tolvane::WithProfileValue(written, section, key, value) == written);
  }
  return 0;
}
