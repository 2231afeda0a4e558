#include "ui/main/file_drop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace quillet {

TFileDrop::TFileDrop(QWidget* window, QWidget* editorViewport) : QObject(window), viewport_(editorViewport) {
  window->setAcceptDrops(true);
  window->installEventFilter(this);
  editorViewport->installEventFilter(this);
}

QString TFileDrop::DroppedFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1) return {};
  const QUrl url = mime->urls().first();
  if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile()) return {};
  return url.toLocalFile();
}

bool TFileDrop::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);  // drag enter and drag move events are drop events
  // Over the window only a file is taken; over the editor every drag with addresses stops here.
  if (!drop->mimeData()->hasUrls()) return false;
  const QString file = DroppedFile(drop->mimeData());
  if (file.isEmpty()) {
    drop->ignore();
    return watched == viewport_;
  }
  drop->acceptProposedAction();
  if (type == QEvent::Drop) emit FileDropped(file);
  return true;
}

}  // namespace quillet
