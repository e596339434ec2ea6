// How the Windows profile functions cut a file into lines and what each line
// means to them. The reader, the writer and the fuzz target share this view of
// a file, so they can never disagree about where a section or a key is.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tolvane {

enum class ProfileLineKind { kOther, kHeader, kKey };

struct ProfileLine {
  ProfileLineKind kind = ProfileLineKind::kOther;
  // A header's section name or a key's name, blanks dropped, cut at a NUL.
  std::string_view name;
  // A key's value, blanks dropped, cut at a NUL, quotes still on.
  std::string_view value;
  std::size_t begin = 0;  // offset of the line's first byte
  std::size_t end = 0;    // offset of its line end (or of the file's end)
  std::size_t next = 0;   // offset of the line after it

  bool Terminated() const { return next > end; }
};

std::string_view TrimProfileBlanks(std::string_view text);
// Names are compared with ASCII letters folded and every other byte exact.
bool SameProfileName(std::string_view a, std::string_view b);
// Where the text starts: after a UTF-8 byte-order mark, if the file has one.
std::size_t ProfileBodyStart(std::string_view file);

// Reads the lines of a file front to back, once. The file must outlive the
// scanner and the lines it hands out.
class ProfileLineScanner {
 public:
  explicit ProfileLineScanner(std::string_view file);
  std::optional<ProfileLine> Next();

 private:
  std::string_view file_;
  std::size_t position_;
};

}  // namespace tolvane
