#include "platform/qt/save_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>

namespace tolvane {
namespace {

// Qt's own dialog takes any path in save mode; this one keeps the user in the
// dialog while the chosen file's folder does not exist, when the settings ask
// for that, as the platform's dialog does elsewhere.
class SaveFileDialog final : public QFileDialog {
 public:
  SaveFileDialog(const QString& title, bool pathMustExist)
      : QFileDialog(nullptr, title), pathMustExist_(pathMustExist) {}

  void accept() override {
    const QStringList files = selectedFiles();
    if (pathMustExist_ && !files.isEmpty()) {
      const QFileInfo file(files.constFirst());
      if (!file.isDir() && !QFileInfo(file.absolutePath()).isDir()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("%1\nThe folder does not exist.\nCheck the path and try again.")
                                 .arg(QDir::toNativeSeparators(file.absolutePath())));
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  bool pathMustExist_;
};

}  // namespace

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
  SaveFileDialog dialog(QString::fromStdString(settings.title), settings.pathMustExist);
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
