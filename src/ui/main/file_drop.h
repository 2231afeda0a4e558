// Files dropped onto the main window: the one local file a drag carries is offered to open;
// over the editor, which would insert the addresses of dropped files as text, anything else
// that carries addresses is refused.
#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace quillet {

class TFileDrop : public QObject {
  Q_OBJECT

 public:
  // Watches the window (drops anywhere on it) and the editor's viewport.
  TFileDrop(QWidget* window, QWidget* editorViewport);

  // The one local file a drag carries, or empty (several files, a folder, anything else).
  static QString DroppedFile(const QMimeData* mime);

 signals:
  void FileDropped(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* viewport_;
};

}  // namespace quillet
