// Replacing found text: one occurrence at the selection ("Заменить" of the replace dialog and
// "зам" of the editing group), every occurrence at once ("Заменить всё", also run by
// quillet-cli replace), the replace dialog's full undo, and the rules of its buttons.
//
// Search and replacement texts are Windows-1251; letter case is ignored through the one
// letter-case table unless case counts.
#pragma once

#include <string>
#include <string_view>

#include "core/editor.h"

namespace quillet {

// The values of the find dialog that live for the run.
struct FindDialogValues {
  std::string what;           // "Что:"
  bool down = true;           // "Вниз" (otherwise "Вверх")
  bool caseSensitive = false;  // "С учётом регистра"
};

// The values of the replace dialog; the four texts are stored between runs ("Repl_What",
// "Repl_With", "Repl_MemWhat", "Repl_MemWith").
struct ReplaceDialogValues {
  std::string what;     // "Что:"
  std::string with;     // "Чем:"
  std::string memWhat;  // the remembered "Что:"
  std::string memWith;  // the remembered "Чем:"
  bool down = true;
  bool caseSensitive = false;
};

// The text as it was before the replace dialog's first replacement, so that all of its
// replacements can be undone at once. Empty when there is none.
class FullUndo {
 public:
  bool Has() const { return !snapshot_.empty(); }
  const std::string& Snapshot() const { return snapshot_; }
  // SetUndo: the snapshot becomes text ("Полная отмена" is enabled while it is not empty).
  void SetUndo(std::string text) { snapshot_ = std::move(text); }
  void Clear() { snapshot_.clear(); }

 private:
  std::string snapshot_;
};

// Every occurrence of what in text replaced by with, left to right, none overlapping; answers
// how many were replaced (0 leaves out untouched). An empty what replaces nothing.
int ReplaceAllText(std::string_view text, std::string_view what, std::string_view with, bool caseSensitive,
                   std::string& out);

// When the selection is exactly what (by the case rule): takes the snapshot first when undo is
// given and has none, replaces the selection by with (deletes it when with is empty) as one
// undoable edit, and when up puts the caret back to where the selection began, so that the next
// upward search continues before the replacement. False when the selection is not what.
bool ReplaceFoundSelection(Editor& editor, std::string_view what, std::string_view with, bool caseSensitive,
                           bool up, FullUndo* undo);

// "Найти далее" of the replace dialog: the beep for a blank what, otherwise DialogFindText.
void ReplaceDialogFindNext(Editor& editor, const ReplaceDialogValues& values);
// "Заменить" of the replace dialog: the beep for an empty what; otherwise the selection is
// replaced when it is what, and then the next occurrence is looked for.
void ReplaceAndFindNext(Editor& editor, const ReplaceDialogValues& values, FullUndo& undo);

// "Заменить всё": the beep, and false, unless what is not empty, differs from with and occurs
// in the text. Otherwise every occurrence is replaced in one undoable edit of the whole text
// (the snapshot taken first when there is none); answers the number replaced through count.
bool ReplaceAllInEditor(Editor& editor, std::string_view what, std::string_view with, bool caseSensitive,
                        FullUndo& undo, int* count = nullptr);

// The question of "Полная отмена".
extern const char* const kFullUndoQuestion;
// "Полная отмена": with a snapshot, asks; on Yes puts the snapshot back as one undoable edit
// and forgets it. Answers whether the text was put back.
bool RunFullUndo(Editor& editor, FullUndo& undo);

// Which buttons of the replace dialog are enabled (SetEditsButtons, without "Вд.").
struct ReplaceButtons {
  bool findNext = false;    // "Найти далее"
  bool replace = false;     // "Заменить"
  bool replaceAll = false;  // "Заменить всё"
  bool clear = false;       // "Оч."
  bool exchange = false;    // "Обм"
  bool remember = false;    // "Зап"
  bool insert = false;      // "Вст"
};
ReplaceButtons ReplaceButtonsFor(const ReplaceDialogValues& values);

// "Вд." is enabled when the editor's selection is not blank, differs from what (by the case
// rule) and holds no line break.
bool SelButtonEnabled(const IEditControl& edit, std::string_view what, bool caseSensitive);

// The text the find dialog's "Что:" takes from the selection when it opens: the selection up to
// its first line break; current when the selection is blank or begins with a line break.
std::string FindTextFromSelection(std::string_view selection, std::string_view current);

// "Обм": fields and remembered values change places; a remembered value of blanks only
// becomes empty.
void ExchangeWithMemory(ReplaceDialogValues& values);

}  // namespace quillet
