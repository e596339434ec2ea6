// Whole-file reads and crash-safe whole-file replacement.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// The file's bytes; nullopt when it is missing or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

struct WriteResult {
  bool ok = false;
  std::string error;  // why it failed, as "step: reason"
};

// Replaces the file atomically: a temporary file in the same folder, written
// whole, fsync'd, renamed over the target (then the folder fsync'd). An
// existing file's permission bits are kept; a new one gets 0666 & ~umask. On
// any failure the temporary file is removed and the target is left exactly as
// it was. A target that exists but is not a regular file is refused.
WriteResult ReplaceFileBytes(const std::string& path, std::string_view bytes);

}  // namespace tolvane
