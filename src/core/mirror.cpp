#include "core/mirror.h"

#include <string>

#include "core/srt_lines.h"
#include "core/text_utils.h"
#include "core/whole_text_ops.h"

namespace quillet {

bool ReflectEnabled(int lineCount) { return lineCount > 2; }

void Reflect(Editor& editor) {
  ops::LinesBracket bracket(editor.lines);
  bool walked = false;
  try {
    if (!TryForStructErr(editor, "отражение субтитров", 2)) return;
    EditorLines& lines = editor.lines;
    int mirrored = 0, blocks = 0;
    bool afterBlank = true, inBlock = false, timeSeen = false;
    NewLines out;
    out.Reserve(ops::ReserveFor(lines));
    ops::LineReader reader(lines);
    std::string_view s;
    std::string reversed;
    while (reader.Next(s)) {
      if (RightTrimmedLength(s) == 0) {
        afterBlank = true;
        inBlock = false;
      } else {
        if (!inBlock) {
          if (afterBlank) {
            timeSeen = false;
            inBlock = ParseBlockNumberLine(s) != -1;
          }
        } else if (!timeSeen) {
          // A number line not followed directly by a time line ends the block attempt.
          timeSeen = PosFrom(" --> ", s, 12) != 0;
          inBlock = timeSeen;
          if (timeSeen) ++blocks;
        } else if (s.size() > 1) {
          reversed.assign(s);
          ReverseStr(reversed);
          s = reversed;
          ++mirrored;
        }
        afterBlank = false;
      }
      out.Add(s);
    }
    walked = true;
    const int lineCount = lines.CachedLineCount();
    bracket.End();

    if (mirrored > 0) {
      const std::string report = "Отражение завершено. Отражено строк " + Dec(mirrored) + " из " +
                                 Dec(lineCount) + ". Всего обработано блоков: " + Dec(blocks) + ".";
      if (editor.prompt.Ask(MsgKind::Confirmation, Buttons::YesCancel, report + " Применить изменения?") ==
          Answer::Yes) {
        SetMemoTextSp(editor, out);
        editor.messages.SetMessLikeLast(report, MsgKind::Information);
      }
    } else {
      editor.messages.ShowMess("Не найдено строк для отражения. Операция отменена.", MsgKind::Information);
    }
    editor.FocusEditor();
  } catch (...) {
    std::string text = "Ошибка! Сбой при попытке осуществить зеркальное отражение текста субтитров!";
    if (!walked) text += " Действе будет отменено!";
    editor.messages.ShowMess(text, MsgKind::Error);
  }
}

}  // namespace quillet
