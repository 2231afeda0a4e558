#include "core/editor_routines.h"

namespace quillet {

int SetMemoTopLine(IEditControl& edit, int line) {
  const int first = edit.FirstVisibleLine();
  if (line != first) edit.LineScroll(line - first);
  return edit.FirstVisibleLine();
}

CaretPos GetMemoCaret(const IEditControl& edit) {
  const int end = edit.SelStart() + edit.SelLength();
  const int line = edit.LineFromChar(end);
  const int column = end - edit.LineIndex(-1);
  return {column, line};
}

void SetMemoCaretLine(IEditControl& edit, int line) {
  const int index = edit.LineIndex(line);
  edit.SetSel(index < 0 ? edit.TextLength() : index, 0);
  SetMemoTopLine(edit, line);
}

bool IsMemoLineInView(const IEditControl& edit, int line, int first) {
  if (first < 0) first = edit.FirstVisibleLine();
  if (line < first) return false;
  if (line == first) return true;
  const int index = edit.LineIndex(first + 1);
  if (index < 0) return false;
  const int height = edit.PosFromCharY(index);
  if (height <= 0) return false;
  return edit.ClientHeight() / height >= line - first;
}

}  // namespace quillet
