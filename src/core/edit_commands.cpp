#include "core/edit_commands.h"

namespace quillet {

EditMenuState SetMenuEdit(const IEditControl& edit, const IClipboard& clipboard) {
  EditMenuState s;
  const int selLength = edit.SelLength();
  const int length = edit.TextLength();
  s.paste = clipboard.HasText();
  s.cut = s.copy = s.del = selLength > 0;
  s.selectAll = length > 0 && length > selLength;
  s.undo = edit.CanUndo();
  return s;
}

bool EditUndo(IEditControl& edit) {
  if (!edit.CanUndo()) return false;
  ReadOnlyLift lift(edit);
  edit.Undo();
  return true;
}

bool EditCut(IEditControl& edit) {
  if (edit.SelLength() <= 0) return false;
  ReadOnlyLift lift(edit);
  edit.Cut();
  return true;
}

bool EditCopy(IEditControl& edit) {
  if (edit.SelLength() < 1) return false;
  edit.Copy();
  return true;
}

bool EditPaste(IEditControl& edit, const IClipboard& clipboard) {
  if (!clipboard.HasText()) return false;
  EditInsert(edit, clipboard.Text());
  return true;
}

bool EditDelete(IEditControl& edit) {
  if (edit.SelLength() <= 0) return false;
  ReadOnlyLift lift(edit);
  edit.ReplaceSel(std::string(), true);
  return true;
}

bool EditSelectAll(IEditControl& edit) {
  const int length = edit.TextLength();
  if (length <= 0) return false;
  edit.SetSel(0, length);
  return true;
}

void EditInsert(IEditControl& edit, const std::string& ansi) {
  ReadOnlyLift lift(edit);
  edit.ReplaceSel(ansi, true);
}

}  // namespace quillet
