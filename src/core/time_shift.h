// The time shift of a range of blocks, and the readers and writers of block number lines and
// time lines that the timing operations share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/editor.h"
#include "core/normalize.h"
#include "core/text_utils.h"

namespace quillet {

// Error texts of the timing inputs (UTF-8).
inline constexpr const char* kMsgBlockRangeError =
    "Ошибка! Неправильно задан диапазон блоков для коррекции тайминга! Задайте начальный и конечный "
    "номера блоков в полях ввода \"Start\" и \"End\" соответственно (например 1 и 1000)";
inline constexpr const char* kMsgShiftAmountError =
    "Ошибка! Не задана величина вермени семщения для коррекции тайминга! Задайте величину смещения в "
    "строках ввода \"Sec\" (секунды) и \"mSec\" (миллисекунды; 1000ms = 1Sec)";

// True when last > first; otherwise shows the range error box (OK) and answers false.
bool CheckBlockRange(Editor& editor, int first, int last);

// seconds × 1000 + milliseconds when that is above 0 (and fits a time); otherwise shows the
// amount error box (OK) and answers -1.
int32_t ComposeShift(Editor& editor, int seconds, int milliseconds);

// The number of a block number line (digits only, trailing blanks allowed), or -1.
int32_t ParseBlockNumberLine(std::string_view line);

// Reads a time line "hh:mm:ss,mmm --> …hh:mm:ss,mmm…": the arrow must stand at positions 13 to
// 17. Answers the 1-based position just after the end time code's last millisecond digit, with
// both times, or 0 when the line is not a time line.
int ParseTimeLine(std::string_view line, int32_t& startMs, int32_t& endMs);

// hh:mm:ss,mmm (hours with as many digits as they need); empty for a negative value.
std::string FormatTimeCode(int32_t ms);
void AppendTimeCode(std::string& out, int32_t ms);

// A time line written anew with two times: the codes, the arrow, and what stood after the old
// end time code (p as ParseTimeLine answered it): the character right after the code is
// dropped and the rest is kept without its trailing blanks.
void RebuildTimeLine(std::string& out, std::string_view oldLine, int p, int32_t startMs, int32_t endMs);

// What a timing operation does with the time line of a recognised block.
enum class TimeLineAction { Keep, Rebuild, Stop };

// Walks the lines as the timing operations see blocks: a number line that is the first
// non-blank line of the text or after a blank line, directly followed by a time line. Each
// line goes to out; for every block's time line onTimeLine(number, startMs, endMs, lineIndex)
// is asked and may change the two times for a rebuilt line, or stop the walk (the walk then
// answers false and out is incomplete).
template <class OnTimeLine>
bool WalkTimeLines(EditorLines& lines, NewLines& out, OnTimeLine&& onTimeLine) {
  ops::LineReader reader(lines);
  bool afterBlank = true;
  bool expectTime = false;
  int32_t number = -1;
  std::string rebuilt;
  std::string_view line;
  for (int i = 0; reader.Next(line); ++i) {
    if (RightTrimmedLength(line) == 0) {
      afterBlank = true;
      expectTime = false;
    } else if (!expectTime) {
      if (afterBlank) {
        afterBlank = false;
        number = ParseBlockNumberLine(line);
        expectTime = number != -1;
      }
    } else {
      expectTime = false;
      int32_t s = -1, e = -1;
      const int p = ParseTimeLine(line, s, e);
      if (p > 0) {
        switch (onTimeLine(number, s, e, i)) {
          case TimeLineAction::Stop:
            return false;
          case TimeLineAction::Rebuild:
            RebuildTimeLine(rebuilt, line, p, s, e);
            out.Add(rebuilt);
            continue;
          case TimeLineAction::Keep:
            break;
        }
      }
    }
    out.Add(line);
  }
  return true;
}

// The time shift: adds (add) or subtracts the amount seconds × 1000 + milliseconds to both time
// codes of every block numbered first to last (the numbers written in the text). Shows the
// input errors, the structure pre-check, the outcome box and, after Yes, replaces the text and
// records the summary in the message window.
void ShiftTiming(Editor& editor, bool add, int first, int last, int seconds, int milliseconds);

}  // namespace quillet
