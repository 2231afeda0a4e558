#include "core/normalize.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "core/block_scanner.h"
#include "core/constants.h"
#include "core/editor_routines.h"
#include "core/error_stats.h"
#include "core/text_utils.h"

namespace quillet {

namespace {

void PutWholeText(IEditControl& edit, const std::string& text) {
  ops::EditUpdate update(edit);
  edit.SetText(text);
}

}  // namespace

bool NormalizeRunEnabled(const NormalizeOptions& options) {
  return options.renumber || options.rightBlanks || options.surplusLines;
}

namespace {

// How much of a line the removal of right blanks keeps: its right-trimmed length, except that
// the blank of a time line's arrow stays when nothing follows it ("00:00:01,000 --> "). Without
// it the line would no longer be a time line, and the next run would see one block less.
size_t KeptLength(std::string_view line, int trimmed) {
  const size_t n = static_cast<size_t>(trimmed);
  if (n < line.size() && HasTimeArrow(line) && !HasTimeArrow(line.substr(0, n))) return n + 1;
  return n;
}

struct NormalizeCounts {
  int renumbered = 0;
  int blockCount = 0;
  int64_t removedChars = 0;
  int removedLines = 0;
};

// The walk over the line list; firstVisible and caretLine follow the dropped lines.
NormalizeCounts WalkLines(EditorLines& lines, const NormalizeOptions& o, NewLines& out, int& firstVisible,
                          int& caretLine) {
  NormalizeCounts c;
  bool inBlock = false;
  bool prevBlank = true;
  ops::LineReader reader(lines);
  std::string_view cur, next;
  bool hasNext = reader.Next(next);
  std::string number;
  while (hasNext) {
    cur = next;
    hasNext = reader.Next(next);
    const int trimmed = RightTrimmedLength(cur);
    std::string_view s = cur;
    if (o.rightBlanks) {
      const size_t kept = KeptLength(cur, trimmed);
      c.removedChars += static_cast<int64_t>(cur.size() - kept);
      s = s.substr(0, kept);
    }
    if (trimmed > 0) {
      prevBlank = false;
      if (!inBlock) {
        const int32_t k = StrToBlockNumber(cur);
        if (k != -1 && hasNext && HasTimeArrow(next)) {
          inBlock = true;
          ++c.blockCount;
          if (o.renumber && c.blockCount != k) {
            number = std::to_string(c.blockCount);
            s = number;
            ++c.renumbered;
          }
        }
      }
      out.Add(s);
    } else {
      inBlock = false;
      if (o.surplusLines && prevBlank) {
        if (out.Count() <= firstVisible) --firstVisible;
        if (out.Count() <= caretLine) --caretLine;
        ++c.removedLines;
      } else {
        out.Add(s);
      }
      prevBlank = true;
    }
  }
  return c;
}

std::string NothingToDo(const NormalizeOptions& o, int optionsOn) {
  const char* reason = optionsOn > 1    ? "Не обнаружено текста, нуждающегося в нормализации"
                       : o.renumber     ? "Не обнаружены блоки, требующие перенумерации"
                       : o.rightBlanks  ? "Лишние пробелы не найдены"
                                        : "Лишние строки не найдены";
  return std::string("Внимание! ") + reason + ". Операция отменена.";
}

std::string Report(const NormalizeOptions& o, int optionsOn, const NormalizeCounts& c) {
  std::string report;
  if (optionsOn == 1 && o.renumber) {
    report = "Ренумерация завершена. Перенумеровано блоков " + Dec(c.renumbered) +
             ". Всего обработано блоков: " + Dec(c.blockCount);
  } else if (optionsOn == 1 && o.rightBlanks) {
    report = "Нормализация звершена. Удалено лишних пробелов: " + Dec(c.removedChars);
  } else if (optionsOn == 1) {
    report = "Нормализация звершена. Удалено лишних строк: " + Dec(c.removedLines);
  } else {
    std::string parts;
    auto part = [&parts](const std::string& text) {
      if (!parts.empty()) parts += ". ";
      parts += text;
    };
    if (o.renumber) part("Перенумеровано блоков " + Dec(c.renumbered) + " из " + Dec(c.blockCount));
    if (o.rightBlanks) part("Удалено лишних пробелов: " + Dec(c.removedChars));
    if (o.surplusLines) part("Удалено лишних строк: " + Dec(c.removedLines));
    report = "Нормализация звершена. " + parts;
  }
  return report + ".";
}

}  // namespace

void DoNormallize(Editor& editor, bool fromMenu, const NormalizeOptions& options) {
  const NormalizeOptions o = fromMenu ? NormalizeOptions{true, true, true} : options;
  editor.host.NormalizeRunning(true);
  // Gives the button back on every path, after the failure box and the end of the bracket.
  struct Finish {
    EditorHost& host;
    ~Finish() { host.NormalizeRunning(false); }
  } finish{editor.host};
  ops::LinesBracket bracket(editor.lines);

  bool walked = false;
  NewLines out;
  try {
    EditorLines& lines = editor.lines;
    IEditControl& edit = editor.edit;
    if (lines.CachedTextLength() == 0) {
      editor.prompt.Beep();
      return;
    }
    if (o.renumber && !TryForStructErr(editor, fromMenu ? "нормализацию" : "перенумерацию", fromMenu ? 1 : 0)) {
      return;
    }
    int firstVisible = edit.FirstVisibleLine();
    int caretLine = GetMemoCaret(edit).line;
    out.Reserve(ops::ReserveFor(lines));
    const NormalizeCounts counts = WalkLines(lines, o, out, firstVisible, caretLine);
    walked = true;
    bracket.End();

    const int optionsOn = int{o.renumber} + int{o.rightBlanks} + int{o.surplusLines};
    if (counts.renumbered == 0 && counts.removedChars == 0 && counts.removedLines == 0) {
      editor.messages.ShowMess(NothingToDo(o, optionsOn), MsgKind::Information);
      return;
    }
    const std::string report = Report(o, optionsOn, counts);
    const Answer answer =
        editor.prompt.Ask(MsgKind::Confirmation, Buttons::YesCancel, report + " Применить изменения?");
    if (answer == Answer::Yes) {
      PutWholeText(edit, out.Text());
      out.Release();
      firstVisible = std::max(firstVisible, 0);
      caretLine = std::max(caretLine, 0);
      const int top = SetMemoTopLine(edit, firstVisible);
      if (!IsMemoLineInView(edit, caretLine, top)) caretLine = top;
      const int index = edit.LineIndex(caretLine);
      edit.SetSel(index < 0 ? edit.TextLength() : index, 0);
      edit.ScrollCaret();
      editor.host.SetStatus();
      editor.messages.SetMessLikeLast(report, MsgKind::Information);
    }
    editor.FocusEditor();
  } catch (...) {
    std::string text = "Ошибка! Сбой при попытке осуществить нормализацию!";
    if (!walked) text += " Действие будет отменено!";
    editor.prompt.Ask(MsgKind::Error, Buttons::Ok, text);
  }
}

}  // namespace quillet
