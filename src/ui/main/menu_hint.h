// The hint window of the menu items: while a menu of the main window is open, the hint of the
// item under the mouse appears beside the cursor after the hint pause and goes after the hide
// pause, or at once when the mouse moves to an item without a hint or the menu closes.
#pragma once

#include <QWidget>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <functional>

class QAction;

namespace quillet {

// The hint of a menu item or action: kept apart from its tooltip, which Qt fills with the
// caption when no tooltip is set. SetHint sets both.
QString HintOf(const QAction* action);
void SetHint(QAction* action, const QString& hint);

class TMenuItemHint : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHintPause = 500;       // from the selection to the hint
  static constexpr int kHintHidePause = 2500;  // how long a hint stays
  static constexpr int kCursorOffset = 16;     // right of and below the mouse cursor

  // The hint window of the owner's menus (a window of its own, owned by owner).
  explicit TMenuItemHint(QWidget* owner);
  ~TMenuItemHint() override;

  // A menu item became the selected one (nullptr: the menu closed). Hides the hint shown;
  // an item with a hint starts both timers, any other clears the current item.
  void DoActivateHint(QAction* item);

  // What the two timers run when they fire; tests call them in place of waiting.
  void ShowHintStep();
  void HideHintStep();

  QAction* CurrentItem() const { return current_; }
  // The hint text shown (or shown last).
  const QString& text() const { return text_; }
  // Where the text lies in the window: a one-pixel frame, then two pixels beside the text and
  // one above and below it, so the window is the text's width + 6 and height + 4.
  QRect TextRect() const { return rect().adjusted(3, 2, -3, -2); }
  const QTimer& ShowTimer() const { return showTimer_; }
  const QTimer& HideTimer() const { return hideTimer_; }
  // Where the mouse cursor is, in screen coordinates (tests put it where they like).
  void SetCursorSource(std::function<QPoint()> source) { cursor_ = std::move(source); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QAction* current_ = nullptr;
  QString text_;
  bool firstShow_ = true;
  QTimer showTimer_;
  QTimer hideTimer_;
  std::function<QPoint()> cursor_;
};

}  // namespace quillet
