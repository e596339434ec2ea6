#include "platform/qt/save_dialog.h"

#include <QFileDialog>

namespace tolvane {

QStringList NameFiltersOf(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty() && parts[i + 1].isEmpty()) break;
    filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
  }
  return filters;
}

std::optional<std::string> RunQtSaveDialog(const SaveDialogSettings& settings) {
  QFileDialog dialog(nullptr, QString::fromStdString(settings.title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Qt's own dialog behaves the same on every desktop; the pattern stays
  // out of the filter's text, which shows the description alone.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.overwritePrompt);
  const QStringList filters = NameFiltersOf(settings.filter);
  dialog.setNameFilters(filters);
  if (!filters.isEmpty()) {
    dialog.selectNameFilter(filters.value(std::max(0, settings.initialFilter)));
  }
  if (!settings.initialDirectory.empty()) {
    dialog.setDirectory(QString::fromStdString(settings.initialDirectory));
  }
  if (!settings.fileName.empty()) dialog.selectFile(QString::fromStdString(settings.fileName));
  QString suffix = QString::fromStdString(settings.defaultExtension);
  if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace tolvane
