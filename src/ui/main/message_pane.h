// The message pane of the main window on the screen: Panel4 with RichEdit1 below or above the
// editor's Panel3 in Splitter1, the pane's height with its drag limits, and its look. The
// message window (session/message_window.h) decides; this only shows.
#pragma once

#include <QObject>

#include <string>

#include "platform/clipboard.h"
#include "platform/edit_control.h"

class QSplitter;
class QTextEdit;
class QVBoxLayout;
class QWidget;

namespace quillet {

class TMessagePane : public QObject {
  Q_OBJECT

 public:
  // Builds Splitter1 with Panel3 (its layout takes the editor) and Panel4 with the pane, inside
  // parent's layout.
  TMessagePane(QWidget* parent, QVBoxLayout* parentLayout);

  QVBoxLayout* EditorLayout() const { return panel3Layout_; }
  QTextEdit* Pane() const { return richEdit1_; }

  void SetPaneVisible(bool visible);
  void SetPanel4Visible(bool visible);
  void PlacePanel4(bool onTop);
  // The pane into target (Panel6 of the operations panel), or back into Panel4 when null.
  void MovePane(QWidget* target);
  void SetPaneText(const std::string& utf8Text);
  // "Копировать в буфер": the pane's whole text (line breaks as CR LF) into the clipboard, and
  // nothing stays selected; an empty pane copies nothing.
  void CopyTo(IClipboard& clipboard);
  void ApplyLook(const TextLook& look);

  // A drag of the splitter proposes a new height of the pane; answers whether it was taken (a
  // refused one puts the old height back).
  bool Splitter1Moved(int proposedHeight);
  int PaneHeight() const { return paneHeight_; }
  // The start-up height from a stored one (0: none stored).
  void SetStartHeight(int stored);
  int ScreenHeight() const;

 private:
  void ApplyPaneHeight();

  QSplitter* splitter1_ = nullptr;
  QWidget* panel3_ = nullptr;
  QVBoxLayout* panel3Layout_ = nullptr;
  QWidget* panel4_ = nullptr;
  QTextEdit* richEdit1_ = nullptr;
  int paneHeight_ = 0;
};

}  // namespace quillet
