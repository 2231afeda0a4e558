// The SRT line kit: block number lines and time lines as the operations read, check and write
// them, and the walk over the blocks' time lines that the timing operations share.
//
// A time line is checked at three levels of strictness: ParseTimeLine (the arrow at positions
// 13 to 17) for the timing operations, CheckTimeLine (the exact 29-character layout) for the
// error search; the block scanner only looks for the arrow.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/text_utils.h"
#include "core/whole_text_ops.h"

namespace quillet {

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

// The exact time-line layout: at least 29 characters, ":" at positions 3, 6, 20 and 23 and
// "," at 9 and 26 (1-based).
bool IsTimeLineLayout(std::string_view line);

// A time code standing on a line: " --> " first found at or after position 13 exactly there,
// and both time codes readable. Changes nothing.
bool ProbeTimeLine(std::string_view line);

// The strict check of a right-trimmed time line. As soon as both codes are read the times
// move on (prevEndTime := endTime, then the new start and end), even when the later tests
// fail; timesRead tells whether that happened. Then nothing may follow the end code and the
// line must have the exact layout.
bool CheckTimeLine(std::string_view line, int32_t& prevEndTime, int32_t& startTime,
                   int32_t& endTime, bool* timesRead = nullptr);

}  // namespace quillet
