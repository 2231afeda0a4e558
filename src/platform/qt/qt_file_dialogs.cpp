#include "platform/qt/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace quillet {

QStringList QtFileDialogs::NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromUtf8(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    QString label = parts[i].trimmed();
    if (label.isEmpty() && (i + 1 >= parts.size() || parts[i + 1].trimmed().isEmpty())) continue;  // a closing "|"
    QString patterns = i + 1 < parts.size() ? parts[i + 1] : QStringLiteral("*");
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns = patterns.simplified();
    if (patterns.isEmpty()) patterns = QStringLiteral("*");
    // The label's own bracket goes; Qt takes the patterns from the last bracket of an entry.
    if (label.endsWith(QLatin1Char(')'))) {
      const qsizetype open = label.lastIndexOf(QLatin1Char('('));
      if (open >= 0) label = label.left(open).trimmed();
    }
    filters << (label.isEmpty() ? QString() : label + QLatin1Char(' ')) + QLatin1Char('(') + patterns +
                   QLatin1Char(')');
  }
  return filters;
}

bool QtFileDialogs::OpenFileDialog(const FileDialogRequest& request, FileDialogResult& result) {
  return Run(false, request, result);
}

bool QtFileDialogs::SaveFileDialog(const FileDialogRequest& request, FileDialogResult& result) {
  return Run(true, request, result);
}

bool QtFileDialogs::Run(bool save, const FileDialogRequest& request, FileDialogResult& result) {
  QFileDialog dialog(parent_);
  dialog.setObjectName(QString::fromLatin1(kDialogName));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // A name of a file that does not exist is accepted for opening too (the read then says it
  // is missing); a save neither adds an extension nor asks before overwriting.
  dialog.setFileMode(QFileDialog::AnyFile);
  if (save) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setDefaultSuffix(QString());

  const QStringList filters = NameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = request.filterIndex >= 1 && request.filterIndex <= filters.size() ? request.filterIndex : 1;
    dialog.selectNameFilter(filters[index - 1]);
  }
  const QString folder = QString::fromUtf8(request.folder);
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.setDirectory(folder);
  if (!request.fileName.empty()) dialog.selectFile(QString::fromUtf8(request.fileName));

  if (beforeShow_) beforeShow_(dialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.first().isEmpty()) return false;
  result.path = QDir::toNativeSeparators(files.first()).toStdString();
  const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
  result.filterIndex = chosen >= 0 ? static_cast<int>(chosen) + 1 : 1;
  return true;
}

}  // namespace quillet
