#include "core/time_shift.h"

#include <climits>
#include <cstdint>

#include "core/srt_lines.h"
#include "core/whole_text_ops.h"

namespace quillet {

bool CheckBlockRange(Editor& editor, int first, int last) {
  if (last > first) return true;
  editor.prompt.Ask(MsgKind::Error, Buttons::Ok, kMsgBlockRangeError);
  return false;
}

int32_t ComposeShift(Editor& editor, int seconds, int milliseconds) {
  const int64_t shift = static_cast<int64_t>(seconds) * 1000 + milliseconds;
  if (shift > 0 && shift <= INT32_MAX) return static_cast<int32_t>(shift);
  editor.prompt.Ask(MsgKind::Error, Buttons::Ok, kMsgShiftAmountError);
  return -1;
}

void ShiftTiming(Editor& editor, bool add, int first, int last, int seconds, int milliseconds) {
  if (!CheckBlockRange(editor, first, last)) return;
  if (editor.lines.CachedLineCount() < 2) return;
  int32_t shift = ComposeShift(editor, seconds, milliseconds);
  if (shift <= 0) return;
  if (!add) shift = -shift;

  ops::LinesBracket bracket(editor.lines);
  bool scanned = false;
  try {
    if (!TryForStructErr(editor, "смещение тайминга", 3)) return;
    int total = 0, shifted = 0, failed = 0;
    NewLines out;
    out.Reserve(ops::ReserveFor(editor.lines));
    WalkTimeLines(editor.lines, out, [&](int32_t number, int32_t& s, int32_t& e, int) {
      ++total;
      if (number < first || number > last) return TimeLineAction::Keep;
      const int64_t newStart = static_cast<int64_t>(s) + shift;
      const int64_t newEnd = static_cast<int64_t>(e) + shift;
      // A time beyond what a time code can hold would wrap around to a negative one.
      if (newStart < 0 || newEnd < 0 || newStart > INT32_MAX || newEnd > INT32_MAX) {
        ++failed;
        return TimeLineAction::Keep;
      }
      s = static_cast<int32_t>(newStart);
      e = static_cast<int32_t>(newEnd);
      ++shifted;
      return TimeLineAction::Rebuild;
    });
    scanned = true;
    bracket.End();

    if (shifted == 0) {
      if (failed > 0) {
        editor.prompt.Ask(MsgKind::Error, Buttons::Ok,
                          "Ошибка! Некорректные условия смещения тайминга. Время смещёных блоков меньше 0. "
                          "Операция отменена!");
      } else {
        editor.prompt.Ask(MsgKind::Warning, Buttons::Ok,
                          std::string(total >= 1 ? "Не найдно блоков, укладывающихся в заданный диапазон блоков"
                                                 : "Не найдно блоков для cмещения тайминга") +
                              ". Операция отменена.");
      }
    } else {
      std::string summary, question;
      MsgKind kind;
      if (failed > 0) {
        const std::string warning =
            "Внимание! Операция заврешена. Вследствие некорректно заданных условий смещения тайминга "
            "время части блоков не было смещено, так как инчае оно стало бы отрицательным.";
        const std::string details = " Диапазон блоков: " + Dec(first) + "-" + Dec(last) +
                                    ", смещено блоков: " + Dec(shifted) + ", не удалось сместить, блоков: " +
                                    Dec(failed) + ", всего обработано блоков: " + Dec(total) + ".";
        summary = warning + details;
        question = warning + " Всё равно хотите применить изменения (не рекомендуется)?" + details;
        kind = MsgKind::Warning;
      } else {
        summary = "Смещение тайминга завершено. Диапазон блоков: " + Dec(first) + "-" + Dec(last) +
                  ", Обработано блоков: " + Dec(total) + ", смещено блоков: " + Dec(shifted) + ".";
        question = summary + " Применить изменения?";
        kind = MsgKind::Confirmation;
      }
      if (editor.prompt.Ask(MsgKind::Confirmation, Buttons::YesCancel, question) == Answer::Yes) {
        SetMemoTextSp(editor, out);
        editor.messages.SetMessLikeLast(summary, kind);
      }
    }
    editor.FocusEditor();
  } catch (...) {
    std::string text = "Ошибка! Сбой при попытке осуществить смещение тайминга!";
    if (!scanned) text += " Действие отменено.";
    editor.prompt.Ask(MsgKind::Error, Buttons::Ok, text);
  }
}

}  // namespace quillet
