#include "export/write_bytes_to_file.h"

#include <string_view>

#include "app/frame.h"
#include "platform/files/file_bytes.h"

namespace tolvane {

bool WriteBytesToFile(const std::string& fileName, std::span<const std::uint8_t> bytes) {
  if (fileName.empty()) return false;
  const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const WriteResult result = ReplaceFileBytes(fileName, content);
  if (!result.ok) {
    // Without this the user, who saw no error, would believe the picture saved.
    AppFrame::Current().System().ShowWarning(
        "Save File", "The picture could not be saved to \"" + fileName + "\": " + result.error);
  }
  return result.ok;
}

}  // namespace tolvane
