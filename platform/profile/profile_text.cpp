#include "platform/profile/profile_text.h"

#include "platform/profile/profile_find.h"

namespace tolvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsQuote(char c) { return c == '"' || c == '\''; }

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string Spliced(std::string_view file, std::size_t from, std::size_t to,
                    std::string_view insert) {
  std::string result;
  result.reserve(file.size() - (to - from) + insert.size());
  result.append(file.substr(0, from)).append(insert).append(file.substr(to));
  return result;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  return std::string(key).append("=").append(value).append(kLineEnd);
}

bool EndsUnterminated(std::string_view file) {
  return file.size() > ProfileBodyStart(file) && file.back() != '\r' && file.back() != '\n';
}

}  // namespace

std::string ReadProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  const ProfileEntry entry = FindProfileEntry(file, section, key);
  if (!entry.keyLine) return {};
  return std::string(Unquoted(entry.keyLine->value).substr(0, bufferSize - 1));
}

std::string WithProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value) {
  const ProfileEntry entry = FindProfileEntry(file, section, key);
  if (entry.keyLine) {
    // The line keeps the file's spelling of the key and its own line end.
    const std::string line = std::string(entry.keyLine->name).append("=").append(value);
    return Spliced(file, entry.keyLine->begin, entry.keyLine->end, line);
  }
  if (entry.sectionFound) {
    const std::string_view lead = entry.sectionEndUnterminated ? kLineEnd : std::string_view{};
    return Spliced(file, entry.sectionEnd, entry.sectionEnd,
                   std::string(lead).append(KeyLine(key, value)));
  }
  std::string result(file);
  if (EndsUnterminated(file)) result.append(kLineEnd);
  return result.append("[").append(section).append("]").append(kLineEnd).append(
      KeyLine(key, value));
}

}  // namespace tolvane
