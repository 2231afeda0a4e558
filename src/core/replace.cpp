#include "core/replace.h"

#include <utility>

#include "core/text_search.h"
#include "core/text_utils.h"
#include "core/whole_text_ops.h"

namespace quillet {

const char* const kFullUndoQuestion =
    "Внимание! При выполнении \"полной отмены\" любые изменения, внесённые в текст нажатием кнопок "
    "\"Заменить\" или \"Заменить всё\" или вручную после первого нажатия любой из этих кнопок будут "
    "потеряны! Вы уверены, что хотите выполнить полную отмену?";

namespace {

// The whole text replaced as one undoable edit.
void ReplaceWholeText(IEditControl& edit, std::string_view text) {
  edit.SetSel(0, edit.TextLength());
  edit.ReplaceSel(text, true);
}

}  // namespace

int ReplaceAllText(std::string_view text, std::string_view what, std::string_view with, bool caseSensitive,
                   std::string& out) {
  if (what.empty()) return 0;
  int count = 0;
  int from = 1;
  std::string result;
  for (;;) {
    const int p = caseSensitive ? PosFrom(what, text, from) : PosTextFrom(what, text, from);
    if (p == 0) break;
    if (count == 0) result.reserve(text.size() + (with.size() > what.size() ? text.size() / 8 : 0));
    result.append(text.substr(from - 1, p - from));
    result.append(with);
    ++count;
    from = p + static_cast<int>(what.size());
    if (from > static_cast<int>(text.size())) break;
  }
  if (count == 0) return 0;
  if (from <= static_cast<int>(text.size())) result.append(text.substr(from - 1));
  out = std::move(result);
  return count;
}

bool ReplaceFoundSelection(Editor& editor, std::string_view what, std::string_view with, bool caseSensitive,
                           bool up, FullUndo* undo) {
  IEditControl& edit = editor.edit;
  if (edit.SelLength() != static_cast<int>(what.size())) return false;
  if (!SameStrCase(edit.SelText(), what, caseSensitive)) return false;
  const int start = edit.SelStart();
  if (undo && !undo->Has()) undo->SetUndo(edit.Text());
  edit.ReplaceSel(with, true);
  if (up) edit.SetSel(start, 0);
  return true;
}

void ReplaceDialogFindNext(Editor& editor, const ReplaceDialogValues& values) {
  if (TrimmedView(values.what).empty()) {
    editor.prompt.Beep();
    return;
  }
  DialogFindText(editor, values.what, values.down, values.caseSensitive);
}

void ReplaceAndFindNext(Editor& editor, const ReplaceDialogValues& values, FullUndo& undo) {
  if (values.what.empty()) {
    editor.prompt.Beep();
    return;
  }
  ReplaceFoundSelection(editor, values.what, values.with, values.caseSensitive, !values.down, &undo);
  ReplaceDialogFindNext(editor, values);
}

bool ReplaceAllInEditor(Editor& editor, std::string_view what, std::string_view with, bool caseSensitive,
                        FullUndo& undo, int* count) {
  if (count) *count = 0;
  IEditControl& edit = editor.edit;
  if (what.empty() || SameStrSp(what, with)) {
    editor.prompt.Beep();
    return false;
  }
  std::string text = edit.Text();
  std::string replaced;
  const int n = ReplaceAllText(text, what, with, caseSensitive, replaced);
  if (n == 0) {
    editor.prompt.Beep();
    return false;
  }
  ops::EditUpdate update(edit);
  if (!undo.Has()) undo.SetUndo(std::move(text));
  ReplaceWholeText(edit, replaced);
  if (count) *count = n;
  return true;
}

bool RunFullUndo(Editor& editor, FullUndo& undo) {
  if (!undo.Has()) return false;
  if (editor.prompt.Ask(MsgKind::Warning, Buttons::YesNo, kFullUndoQuestion) != Answer::Yes) return false;
  ops::EditUpdate update(editor.edit);
  ReplaceWholeText(editor.edit, undo.Snapshot());
  undo.Clear();
  return true;
}

ReplaceButtons ReplaceButtonsFor(const ReplaceDialogValues& v) {
  ReplaceButtons b;
  b.findNext = !v.what.empty();
  b.replace = b.findNext && !SameStrSp(v.with, v.what);
  b.replaceAll = b.replace;
  b.clear = !v.what.empty() || !v.with.empty();
  b.exchange = !(SameStrSp(v.what, v.memWhat) && SameStrSp(v.with, v.memWith));
  b.remember = b.exchange;
  b.insert = b.exchange && (!v.memWhat.empty() || !v.memWith.empty());
  return b;
}

bool SelButtonEnabled(const IEditControl& edit, std::string_view what, bool caseSensitive) {
  const int start = edit.SelStart();
  const int length = edit.SelLength();
  if (length == 0) return false;
  // A selection that ends on another line holds a line break: no need to read it.
  if (edit.LineFromChar(start) != edit.LineFromChar(start + length)) return false;
  const std::string selection = edit.SelText();
  if (selection.find("\r\n") != std::string::npos) return false;
  if (EmptyIfBlank(selection).empty()) return false;
  return !SameStrCase(selection, what, caseSensitive);
}

std::string FindTextFromSelection(std::string_view selection, std::string_view current) {
  if (EmptyIfBlank(selection).empty()) return std::string(current);
  const size_t br = selection.find("\r\n");
  if (br == 0) return std::string(current);
  return std::string(selection.substr(0, br));
}

void ExchangeWithMemory(ReplaceDialogValues& v) {
  std::swap(v.what, v.memWhat);
  std::swap(v.with, v.memWith);
  v.memWhat = EmptyIfBlank(v.memWhat);
  v.memWith = EmptyIfBlank(v.memWith);
}

}  // namespace quillet
