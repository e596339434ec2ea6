// The save-file dialog on Qt.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "platform/save_dialog_settings.h"

namespace tolvane {

// "description|pattern|..." as Qt name filters, "description (pattern)".
QStringList NameFiltersOf(const std::string& filter);
std::optional<std::string> RunQtSaveDialog(const SaveDialogSettings& settings);

}  // namespace tolvane
