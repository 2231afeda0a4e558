// The operations panel: the column at the right of the main window. Its upper part (Panel5)
// holds the operation list, the block range and the group of the chosen operation, and grows
// and shrinks with it; Panel6 below is the place the message pane takes when it is put at the
// right. Its groups ask; the session's commands act.
#pragma once

#include <QWidget>

#include <memory>
#include <string>

#include "core/find_err_settings.h"
#include "session/operations.h"
#include "ui/widgets/widget_utils.h"

namespace quillet {

class TCommands;
class TSession;

class TOperatePanel : public QWidget {
  Q_OBJECT

 public:
  TOperatePanel(TSession& session, TCommands& commands, QWidget* parent = nullptr);
  ~TOperatePanel() override;

  // The empty place for the message pane ("Справа"); it has a margin-free vertical layout.
  QWidget* Panel6() const;

  // Chooses an operation: while the list does not have the focus, the item whose caption
  // equals utf8Name (any letter case), else the item of group; while it has the focus its own
  // choice stays. Then shows that operation's group and does its extra work.
  void SetOperatePanel(OperationGroup group, const std::string& utf8Name);
  void ShowOperation(OperationGroup group) { SetOperatePanel(group, std::string()); }
  OperationGroup Operation() const;
  // The group of an operation is shown in the panel (the panel itself may be hidden).
  bool Showing(OperationGroup group) const;
  bool OperationListHasFocus() const;

  // ---- the error search group ----
  // Puts the values into the controls, then runs their start-up handlers.
  void LoadFindErrSettings(const FindErrSettings& settings);
  // SetFindErrButs: the three search buttons follow the rules, enable, the text and the caret.
  void SetFindErrButs(bool enable);
  void SetFindErrNextEnabled(bool enabled);
  // ---- the other groups ----
  void SetNormalizeRunning(bool running);
  void SetFormatName(const std::string& upperName);
  // The editor's text changed: while the panel is shown on the editing operation, the find
  // row follows.
  void OnTextChanged();
  // The looks of "отм", "выр", "коп" and "удл" follow the editor.
  void SetEditButSp();
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
  std::unique_ptr<Impl> d_;
};

}  // namespace quillet
