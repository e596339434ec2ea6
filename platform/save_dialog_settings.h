// The settings of a save-file dialog, as a CommonDlg component holds them.
#pragma once

#include <string>

namespace tolvane {

struct SaveDialogSettings {
  std::string title;     // empty: the platform's default title
  std::string fileName;  // pre-filled path; the result goes here
  std::string filter;    // "description|pattern|..." pairs
  int initialFilter = 0;
  std::string initialDirectory;  // empty: the platform's choice
  std::string defaultExtension;  // with its dot, as ".jpg"
  bool overwritePrompt = true;
  bool pathMustExist = true;
  bool fileMustExist = true;
};

}  // namespace tolvane
