#include "core/time_stretch.h"

#include <algorithm>
#include <climits>
#include <string>

#include "core/srt_lines.h"
#include "core/time_shift.h"
#include "core/whole_text_ops.h"
#include "platform/codepage.h"

namespace quillet {

int64_t StretchAmount(int64_t distance, int32_t rate, int32_t divisor) {
  if (divisor == 0) return 0;
  return distance * rate / divisor;  // C++ division truncates toward zero
}

namespace {

struct Words {
  std::string name;         // "растяжение"
  std::string capitalised;  // "Растяжение"
  std::string adjective;    // "растягиваемых"
  std::string genitive;     // "растяжения"
  std::string participle;   // "Растянуто"
};

// The first letter upper-cased by the code page's letter rules.
std::string Capitalised(const std::string& utf8) {
  std::string ansi = cp1251::FromUtf8Lenient(utf8);
  if (!ansi.empty()) ansi[0] = static_cast<char>(cp1251::UpperByte(static_cast<unsigned char>(ansi[0])));
  return cp1251::ToUtf8(ansi);
}

Words WordsFor(bool stretch) {
  Words w;
  w.name = stretch ? "растяжение" : "сжатие";
  w.capitalised = Capitalised(w.name);
  w.adjective = stretch ? "растягиваемых" : "сжимаемых";
  w.genitive = stretch ? "растяжения" : "сжатия";
  w.participle = stretch ? "Растянуто" : "Сжато";
  return w;
}

// A moved time: never below 0 and never beyond what a time code holds.
int32_t ClampTime(int64_t ms) { return static_cast<int32_t>(std::clamp<int64_t>(ms, 0, INT32_MAX)); }

}  // namespace

void StretchTiming(Editor& editor, const StretchInput& input) {
  const int first = input.first;
  const int last = input.last;
  if (!CheckBlockRange(editor, first, last)) return;
  const bool durations = input.durations;
  int64_t origin = input.fromStart ? 0 : -1;
  int64_t lastDelta = 0;
  int32_t rate = input.rate;
  if (rate == 0) {
    editor.prompt.Ask(MsgKind::Error, Buttons::Ok, kMsgStretchRateError);
    return;
  }
  if (!input.stretch) rate = -rate;
  const int32_t divisor = input.hundredths ? 100000 : 1000;
  const Words words = WordsFor(input.stretch);

  ops::LinesBracket bracket(editor.lines);
  bool finished = false;  // the walk ran to its end without an overlap
  try {
    // A refusal ends the run quietly: the pre-check has already talked to the user.
    if (!TryForStructErr(editor, words.name + " тайминга", 4)) return;
    int total = 0, stretched = 0, followed = 0;
    int32_t lowStretched = 0, highStretched = 0, lowFollowed = 0, highFollowed = 0;
    int32_t overlapNumber = -1;
    int overlapLine = -1;
    NewLines out;
    out.Reserve(ops::ReserveFor(editor.lines));
    const bool complete =
        WalkTimeLines(editor.lines, out, [&](int32_t n, int32_t& s, int32_t& e, int lineIndex) {
          ++total;
          if (n >= first && n <= last) {
            int64_t start = s;
            int64_t end = e;
            if (origin < 0) {
              origin = start;
            } else if (start < origin) {
              overlapNumber = n;
              overlapLine = lineIndex;
              return TimeLineAction::Stop;
            } else {
              const int64_t delta = StretchAmount(start - origin, rate, divisor);
              start = ClampTime(start + delta);
              lastDelta = delta;
            }
            end = ClampTime(end + lastDelta);
            if (durations) end = ClampTime(end + StretchAmount(end - start, rate, divisor));
            if (stretched == 0 || n < lowStretched) lowStretched = n;
            if (stretched == 0 || n > highStretched) highStretched = n;
            ++stretched;
            s = static_cast<int32_t>(start);
            e = static_cast<int32_t>(end);
            return TimeLineAction::Rebuild;
          }
          if (n > last && stretched > 0 && input.follow) {
            s = ClampTime(s + lastDelta);
            e = ClampTime(e + lastDelta);
            if (followed == 0 || n < lowFollowed) lowFollowed = n;
            if (followed == 0 || n > highFollowed) highFollowed = n;
            ++followed;
            return TimeLineAction::Rebuild;
          }
          return TimeLineAction::Keep;
        });
    finished = complete;
    bracket.End();

    if (!complete) {
      const std::string text =
          "Ошибка! Пересечение времени внутри заданного диапазона блоков - первый из " + words.adjective +
          " блоков, служащий началом отсчёта " + words.genitive +
          ", имеет большее время, чем расположенный в тексте ниже него блок №" + Dec(overlapNumber) +
          " (строка " + Dec(overlapLine) + "). " + words.capitalised +
          " отменено! Исправьте ошибку или включите опцию \"От начала\" и повторите попытку.";
      editor.prompt.Ask(MsgKind::Error, Buttons::Ok, text);
      editor.messages.SetMessLikeLast(text, MsgKind::Error);
    } else if (stretched == 0) {
      const std::string reason = total >= 1 ? "Не найдно блоков, укладывающихся в заданный диапазон блоков"
                                            : "Не найдно блоков для " + words.genitive + " тайминга";
      editor.prompt.Ask(MsgKind::Warning, Buttons::Ok, reason + ". Операция отменена.");
    } else {
      std::string summary = words.capitalised + " тайминга завершено. " + words.participle +
                            " блоков: " + Dec(stretched) + " (№ " + Dec(lowStretched) + "-" +
                            Dec(highStretched) + ")";
      if (input.follow) {
        summary += ". Линейно смещено блоков: " + Dec(followed);
        if (followed > 0) summary += " (№ " + Dec(lowFollowed) + "-" + Dec(highFollowed) + ")";
      }
      summary += ". Всего обработано блоков: " + Dec(total) + ".";
      if (editor.prompt.Ask(MsgKind::Confirmation, Buttons::YesCancel, summary + " Применить изменения?") ==
          Answer::Yes) {
        SetMemoTextSp(editor, out);
        editor.messages.SetMessLikeLast(summary, MsgKind::Information);
      }
    }
    editor.FocusEditor();
  } catch (...) {
    std::string text = "Ошибка! Сбой при попытке осуществить " + words.name + " тайминга!";
    if (!finished) text += " Действие отменено.";
    editor.prompt.Ask(MsgKind::Error, Buttons::Ok, text);
  }
}

}  // namespace quillet
