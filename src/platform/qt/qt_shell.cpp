#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace quillet {

bool QtShell::OpenDocument(const std::string& utf8PathOrUrl, bool maximized) {
  const QString target = QString::fromUtf8(utf8PathOrUrl).trimmed();
  if (target.isEmpty()) return false;
  QUrl url;
  if (target.contains(QStringLiteral("://")) || target.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive)) {
    url = QUrl(target, QUrl::StrictMode);
  } else {
    const QFileInfo file(target);
    if (!file.exists()) return false;
    url = QUrl::fromLocalFile(file.absoluteFilePath());
  }
  if (!url.isValid()) return false;
  return QDesktopServices::openUrl(url);
}

std::string QtShell::DocumentsFolder() const {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

}  // namespace quillet
