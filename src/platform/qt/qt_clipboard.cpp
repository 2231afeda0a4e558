#include "platform/qt/qt_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QUrl>

#include "platform/qt/qt_platform.h"

namespace quillet {

QtClipboard::QtClipboard() {
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { NotifyChange(); });
}

bool QtClipboard::HasText() const {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return false;
  // File managers put the names of copied files beside the file list as plain text; that is a
  // file offer, not text to paste.
  if (data->hasFormat("x-special/gnome-copied-files")) return false;
  const QList<QUrl> urls = data->urls();
  if (urls.isEmpty()) return true;
  for (const QUrl& url : urls) {
    if (!url.isLocalFile()) return true;
  }
  return false;
}

std::string QtClipboard::Text() const {
  return quillet::qt::QStringToAnsi(QApplication::clipboard()->text(), true);
}

void QtClipboard::SetText(const std::string& ansi) {
  QApplication::clipboard()->setText(quillet::qt::AnsiToQString(ansi, true));
}

std::vector<std::string> QtClipboard::Files() const {
  std::vector<std::string> files;
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr) return files;
  QList<QUrl> urls = data->urls();
  // Some file managers put only their own list on the clipboard: "copy" or "cut", then one
  // URL a line.
  if (urls.isEmpty() && data->hasFormat("x-special/gnome-copied-files")) {
    const QList<QByteArray> lines = data->data("x-special/gnome-copied-files").split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
      const QByteArray line = lines[i].trimmed();
      if (!line.isEmpty()) urls.append(QUrl::fromEncoded(line));
    }
  }
  for (const QUrl& url : urls) {
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  }
  return files;
}

}  // namespace quillet
