// The operations panel: the column at the right of the main window. Its upper part (Panel5)
// holds the operation list, the block range and the group of the chosen operation, and grows
// and shrinks with it; Panel6 below is the place the message pane takes when it is put at the
// right.
#pragma once

#include <QWidget>

#include <string>

#include "ui/widgets/widget_utils.h"

namespace quillet {

class IClipboard;

class TConvertGroup;
class TDocument;
class TFindErr;
class TFindErrGroup;
class TNormalizeGroup;
class TShiftGroup;
class TStretchGroup;
struct Editor;

class TOperatePanel : public QWidget {
  Q_OBJECT

 public:
  TOperatePanel(Editor& editor, TDocument& document, IClipboard& clipboard,
                QWidget* parent = nullptr);
  ~TOperatePanel() override;

  // The main window creates the error search engine after the panel; not owned, may be null.
  void SetFindErr(TFindErr* findErr);
  TFindErrGroup& FindErrGroup();
  TNormalizeGroup& NormalizeGroup();
  TShiftGroup& ShiftGroup();
  TStretchGroup& StretchGroup();
  TConvertGroup& ConvertGroup();
  // The empty place for the message pane ("Справа"); it has a margin-free vertical layout.
  QWidget* Panel6() const;

  // Chooses an operation: while the list does not have the focus, the item whose caption
  // equals utf8Name (any letter case), else the item at index (beyond the list: item 0); while
  // it has the focus its own choice stays. Then shows that operation's group and does its
  // extra work.
  void SetOperatePanel(int index, const std::string& utf8Name);
  int OperationIndex() const;
  bool OperationListHasFocus() const;

  // The editor's text changed: while the panel is shown on the editing operation, the find
  // row follows.
  void OnTextChanged();
  // The looks of "отм", "выр", "коп" and "удл" follow the editor.
  void SetEditButSp();
  bool EditGroupVisible() const;
  // The look of "вст": active while the clipboard holds text.
  void SetPasteActive(bool active);

  // The block range: the up-downs' positions.
  int RangeStart() const;
  int RangeEnd() const;
  void SetRange(int start, int end);
  // "Выделять": the range fields on a yellow background, else the window colour.
  void SetDiapColor(bool highlight);

  // Shows (full) or collapses the go-to section of the editing group.
  void SetFullOpEditPanel(bool full);
  bool FullOpEditPanel() const;

  // How refused keys and corrected fields sound (tests count them); empty: the system beep.
  void SetBeep(const BeepFn& beep);

 private:
  struct Impl;
  Impl* d_ = nullptr;
};

}  // namespace quillet
