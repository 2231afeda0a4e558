// The editor widget: a plain-text editor without word wrap, with both scroll bars, that keeps
// its text inside the Windows-1251 code page.
//
// Every way text enters from the user (typing, input methods, paste, drag and drop) passes
// through here; characters the code page lacks become "?" and every kind of line break becomes
// a plain one, in the same undo step as the input. The widget owns its edit-control adapter.
#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>

#include <memory>

namespace quillet {

class QtEditControl;

class MemoWidget : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit MemoWidget(QWidget* parent = nullptr);
  ~MemoWidget() override;

  // The edit-control model over this widget; lives as long as the widget.
  QtEditControl& Edit() { return *edit_; }
  const QtEditControl& Edit() const { return *edit_; }

  // Number of the first line on the screen.
  int FirstVisibleBlockNumber() const { return firstVisibleBlock().blockNumber(); }

 signals:
  // A key or a mouse button was let go in the editor (the status bar follows the caret).
  void KeyUp();
  void MouseUp();

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  std::unique_ptr<QtEditControl> edit_;
};

}  // namespace quillet
