// The commands that edit the text directly (undo, cut, copy, paste, delete, select all, the
// date and time) and the rules that enable them in the menus. Each works in the read-only mode
// too: it lifts the read-only state for its own change and puts it back.
#pragma once

#include <string>

#include "platform/clipboard.h"
#include "platform/edit_control.h"

namespace quillet {

// Lifts the read-only state of an editor for the life of a scope and restores it.
class ReadOnlyLift {
 public:
  explicit ReadOnlyLift(IEditControl& edit) : edit_(edit), was_(edit.ReadOnly()) {
    if (was_) edit_.SetReadOnly(false);
  }
  ~ReadOnlyLift() {
    if (was_) edit_.SetReadOnly(true);
  }
  ReadOnlyLift(const ReadOnlyLift&) = delete;
  ReadOnlyLift& operator=(const ReadOnlyLift&) = delete;

 private:
  IEditControl& edit_;
  bool was_;
};

// The enabling of the edit entries when the "Правка" menu or the editor's context menu opens.
struct EditMenuState {
  bool undo = false;
  bool cut = false;
  bool copy = false;
  bool paste = false;
  bool del = false;
  bool selectAll = false;
};
EditMenuState SetMenuEdit(const IEditControl& edit, const IClipboard& clipboard);

// Each answers whether it did anything (nothing to work on: no change, no error).
bool EditUndo(IEditControl& edit);                              // the editor can undo
bool EditCut(IEditControl& edit);                               // a selection
bool EditCopy(IEditControl& edit);                              // a selection
bool EditPaste(IEditControl& edit, const IClipboard& clipboard);  // text in the clipboard
bool EditDelete(IEditControl& edit);                            // a selection
bool EditSelectAll(IEditControl& edit);                         // some text
// The selection (or nothing, at the caret) replaced by a text as one undoable change.
void EditInsert(IEditControl& edit, const std::string& ansi);

}  // namespace quillet
