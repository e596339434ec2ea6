#include "platform/profile/profile_lines.h"

#include <algorithm>

namespace tolvane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The blanks dropped around names and values; 0xA0, a no-break space in many
// code pages, is not one of them.
constexpr std::string_view kBlanks = " \t\v\f\r\x1A";

std::string_view CutAtNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string_view CleanField(std::string_view text) { return TrimProfileBlanks(CutAtNul(text)); }

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// A line end is CR LF, LF or a lone CR.
std::size_t TerminatorLength(std::string_view file, std::size_t end) {
  if (end >= file.size()) return 0;
  if (file[end] == '\r' && end + 1 < file.size() && file[end + 1] == '\n') return 2;
  return 1;
}

void Classify(std::string_view text, ProfileLine& line) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  const std::string_view rest =
      first == std::string_view::npos ? std::string_view{} : text.substr(first);
  // A header runs to the last "]" so that names holding "]" survive a round trip.
  const std::size_t close = rest.starts_with('[') ? rest.rfind(']') : std::string_view::npos;
  if (close != std::string_view::npos) {
    line.kind = ProfileLineKind::kHeader;
    line.name = CleanField(rest.substr(1, close - 1));
    return;
  }
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return;
  line.kind = ProfileLineKind::kKey;
  line.name = CleanField(text.substr(0, equals));
  line.value = CleanField(text.substr(equals + 1));
}

}  // namespace

std::string_view TrimProfileBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool SameProfileName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

std::size_t ProfileBodyStart(std::string_view file) {
  return file.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

ProfileLineScanner::ProfileLineScanner(std::string_view file)
    : file_(file), position_(ProfileBodyStart(file)) {}

std::optional<ProfileLine> ProfileLineScanner::Next() {
  if (position_ >= file_.size()) return std::nullopt;
  ProfileLine line;
  line.begin = position_;
  line.end = std::min(file_.find_first_of("\r\n", position_), file_.size());
  line.next = line.end + TerminatorLength(file_, line.end);
  Classify(file_.substr(line.begin, line.end - line.begin), line);
  position_ = line.next;
  return line;
}

}  // namespace tolvane
