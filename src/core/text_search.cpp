#include "core/text_search.h"

#include "core/text_utils.h"
#include "platform/codepage.h"

namespace quillet {

namespace {

constexpr int kMaxNamedLength = 128;

int Find(std::string_view text, std::string_view whole, int start, bool forward, bool caseSensitive) {
  if (forward) return caseSensitive ? PosFrom(text, whole, start) : PosTextFrom(text, whole, start);
  return caseSensitive ? PosBack(text, whole, start) : PosTextBack(text, whole, start);
}

}  // namespace

std::string NotFoundText(std::string_view text, bool askWrap) {
  const bool named = text.find("\r\n") == std::string_view::npos && text.size() <= kMaxNamedLength;
  std::string message = "Не удаётся найти ";
  message += named ? "\"" + cp1251::ToUtf8(text) + "\"" : std::string("заданный для поиска текст");
  message += ".";
  if (askWrap) message += " Начать поиск сначала?";
  return message;
}

Answer ReportNotFound(IPrompt& prompt, std::string_view text, Buttons buttons) {
  prompt.Beep();
  const bool askWrap = buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel;
  return prompt.Ask(MsgKind::Information, buttons, NotFoundText(text, askWrap));
}

void SearchInEditor(Editor& editor, bool forward, bool caseSensitive, bool fromEdge, std::string_view text) {
  if (RightTrimmedLength(text) == 0) return;
  IEditControl& edit = editor.edit;
  // One read of the whole text per search; the searches below work on it in place.
  const std::string whole = edit.Text();
  const int length = static_cast<int>(whole.size());
  const int selStart = edit.SelStart();
  const int selLength = edit.SelLength();

  int start;
  bool wrapped;
  if (forward) {
    start = fromEdge ? 1 : selStart + selLength + 1;
    wrapped = fromEdge || start < 2;
  } else if (fromEdge) {
    start = length;
    wrapped = true;
  } else {
    if (length == 0) return;
    // Nothing to wrap to when the caret is at the end, or just before the final line break.
    const bool endsWithBreak = length >= 2 && whole.compare(length - 2, 2, "\r\n") == 0;
    const int caretEnd = selLength == 0 ? selStart + 1 : selStart;
    wrapped = selStart == length || (endsWithBreak && caretEnd >= length - 1);
    // A match must begin before the selection or the caret: one that begins at the caret lies
    // below it (and after an upward replacement it would be the replacement itself).
    start = selStart;
    if (start == 0) start = -1;
  }

  for (;;) {
    const int p = Find(text, whole, start, forward, caseSensitive);
    if (p != 0) {
      edit.SetSel(p - 1, static_cast<int>(text.size()));
      // The match is shown, wherever it is.
      edit.ScrollCaret();
      return;
    }
    if (wrapped) {
      ReportNotFound(editor.prompt, text, Buttons::Ok);
      return;
    }
    if (ReportNotFound(editor.prompt, text, Buttons::YesNo) != Answer::Yes) return;
    wrapped = true;
    start = forward ? 1 : length;
  }
}

bool DialogFindText(Editor& editor, std::string_view what, bool down, bool caseSensitive) {
  if (TrimmedView(what).empty()) return false;
  if (static_cast<int>(what.size()) > editor.lines.CachedTextLength()) return false;
  SearchInEditor(editor, down, caseSensitive, false, what);
  editor.host.SetStatus();
  return true;
}

}  // namespace quillet
