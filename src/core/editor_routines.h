// Routines that drive the editor through its edit-control model (lines and characters from 0).
#pragma once

#include "platform/edit_control.h"

namespace quillet {

struct CaretPos {
  int column;
  int line;
};

// Scrolls so that line becomes the first visible one (as far as the editor can); answers the
// first visible line after scrolling.
int SetMemoTopLine(IEditControl& edit, int line);
// The caret (the end of the selection) as column and line.
CaretPos GetMemoCaret(const IEditControl& edit);
// Caret to the start of line, no selection, line scrolled to the top.
void SetMemoCaretLine(IEditControl& edit, int line);
// Whether line is on screen; first is the first visible line or -1 to ask the editor.
bool IsMemoLineInView(const IEditControl& edit, int line, int first);

}  // namespace quillet
