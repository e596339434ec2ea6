#include "map/map_store.h"

#include <optional>
#include <string>

#include "app/frame.h"
#include "map/map_file.h"
#include "map/map_nodes.h"
#include "platform/files/file_bytes.h"
#include "platform/process/user_folders.h"
#include "platform/profile/profile_text.h"

namespace tolvane {
namespace {

// The file with the seven values set, every other line kept as it was.
std::string WithNodeTexts(std::string file, LiveWindow& mainWindow) {
  for (const MapNode& node : kMapNodes) {
    file =
        WithProfileValue(file, kMapSection, node.key, StoredValue(mainWindow.Text(node.editBox)));
  }
  return file;
}

WriteResult SaveToUserCopy(const std::string& base) {
  const std::string userCopy = UserIniPath();
  if (userCopy.empty()) return {false, "no per-user folder is known"};
  if (!EnsureDirectory(userCopy.substr(0, userCopy.rfind('/')))) {
    return {false, "cannot create the folder of " + userCopy};
  }
  return ReplaceFileBytes(userCopy, base);
}

}  // namespace

void LoadNodes(LiveWindow& mainWindow) {
  const std::string file = ReadFileBytes(MapFilePath(RunDirectory())).value_or(std::string());
  for (const MapNode& node : kMapNodes) {
    mainWindow.SetText(node.editBox, ReadNodeText(file, node.key));
  }
}

// The seven values are set in memory and the file is replaced in one step, so
// a crash or a full disk never leaves it torn. Where the executable's folder
// cannot be written, the texts go to the per-user copy, which is read from
// then on.
void SaveNodes(LiveWindow& mainWindow) {
  const std::string path = MapFilePath(RunDirectory());
  const std::optional<std::string> current = ReadFileBytes(path);
  const std::string updated = WithNodeTexts(current.value_or(std::string()), mainWindow);
  WriteResult result = ReplaceFileBytes(path, updated);
  if (!result.ok && path != UserIniPath()) {
    const WriteResult fallback = SaveToUserCopy(updated);
    if (fallback.ok) return;
  }
  if (!result.ok) {
    AppFrame::Current().System().ShowWarning(
        "Tolvane", "The map could not be saved to \"" + path + "\": " + result.error);
  }
}

}  // namespace tolvane
