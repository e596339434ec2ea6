#include "export/save_file_handlers.h"

#include "app/frame.h"
#include "export/captured_image.h"
#include "export/write_bytes_to_file.h"

namespace tolvane {

// Full-width parentheses, as the product has always shown them.
constexpr std::string_view kImageFilter = "JPG\xEF\xBC\x88.jpg\xEF\xBC\x89|*.jpg";

void OnSaveFileWindowCreated(LiveWindow& window) { window.SetPicture("PicBox1", CapturedImage()); }

void OnSaveClicked(LiveWindow& window) {
  SaveDialogSettings& dialog = window.CommonDialog("CommonDlg1");
  dialog.filter = kImageFilter;
  dialog.initialDirectory = RunDirectory();
  dialog.defaultExtension = ".jpg";
  std::optional<std::string> chosen = AppFrame::Current().System().RunSaveDialog(dialog);
  if (!chosen) return;
  dialog.fileName = *chosen;
  WriteBytesToFile(dialog.fileName, CapturedImage());
}

}  // namespace tolvane
