#include "core/error_stats.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>

#include "core/block_scanner.h"
#include "core/editor_lines.h"
#include "core/srt_lines.h"
#include "core/text_utils.h"

namespace quillet {
namespace {

// Counts one error of a kind when its condition fails.
inline void Gate(TReporter& r, bool ok, int32_t& counter) {
  if (ok) return;
  ++r.errorCount;
  ++counter;
}

void Walk(TReporter& r, EditorLines& lines) {
  const int n = lines.LinesCount();
  const int count = lines.Count();
  bool wasOutside = false;
  for (r.current = 0; r.current < n; ++r.current) {
    r.lineText = lines.Get(r.current);
    const int trimmed = RightTrimmedLength(r.lineText);
    r.trailingBlanks += static_cast<int32_t>(r.lineText.size()) - trimmed;
    r.lineText.resize(trimmed);

    if (r.lineText.empty()) {
      if (r.inBlock) {
        r.inBlock = false;
        r.blockChars = 0;
        wasOutside = false;
        Gate(r, r.lineInBlock > 1, r.emptyBlocks);
      } else if (!wasOutside) {
        ++r.extraBlankLines;
      } else {
        wasOutside = false;
      }
      continue;
    }

    if (r.inBlock) {
      ++r.lineInBlock;
      if (r.lineInBlock == 1) {
        bool timesRead = false;
        const bool ok = CheckTimeLine(r.lineText, r.prevEndTime, r.startTime, r.endTime, &timesRead);
        if (timesRead) {
          const int32_t lo = std::min(r.startTime, r.endTime);
          const int32_t hi = std::max(r.startTime, r.endTime);
          if (r.earliestTime == -1 || lo < r.earliestTime) r.earliestTime = lo;
          if (hi > r.latestTime) r.latestTime = hi;
        }
        Gate(r, ok, r.badTimeLines);
        if (!ok) continue;
        // Sums in 64 bits: time codes reach the top of the 32-bit range.
        const int64_t start = r.startTime;
        const int64_t end = r.endTime;
        Gate(r, r.prevEndTime <= r.startTime, r.overlaps);
        Gate(r, start + r.minDuration <= end, r.tooShort);
        Gate(r, end - start <= r.maxDuration, r.tooLong);
        const int32_t d = static_cast<int32_t>(end - start);
        if (r.firstTimed || d < r.shortestDuration) r.shortestDuration = d;
        if (r.firstTimed || d > r.longestDuration) r.longestDuration = d;
        r.firstTimed = false;
      } else {
        Gate(r, !ProbeTimeLine(r.lineText), r.lineInBlock > 3 ? r.gluedBlocks : r.timeAsText);
        const int32_t len = static_cast<int32_t>(r.lineText.size());
        r.maxTextLines = std::max(r.maxTextLines, r.lineInBlock - 1);
        r.maxLineLength = std::max(r.maxLineLength, len);
        r.blockChars += len;
        r.maxBlockChars = std::max(r.maxBlockChars, r.blockChars);
      }
      continue;
    }

    const int32_t k = StrToBlockNumber(r.lineText);
    if (k != -1 && r.current + 1 < count && HasTimeArrow(lines.Get(r.current + 1))) {
      ++r.blockCount;
      if (r.minNumber == -1 || k < r.minNumber) r.minNumber = k;
      if (k > r.maxNumber) r.maxNumber = k;
      if (r.prevNumber >= 0) r.numberingOrdered = r.numberingOrdered && k - 1 == r.prevNumber;
      Gate(r, k > r.prevNumber, r.numberingErrors);
      r.prevNumber = k;
      r.blockNumberLine = r.current;
      r.lineInBlock = 0;
      r.inBlock = true;
    } else {
      Gate(r, wasOutside, r.textOutside);
      wasOutside = true;
    }
  }
  // Gaps alone do not break the order; a number not above the one before does, unless the
  // blocks were glued (the glued block's number then reads as text).
  if (!(r.numberingErrors > 0 && r.gluedBlocks == 0)) r.numberingOrdered = true;
}

}  // namespace

bool CollectErrorStats(TReporter& reporter, EditorLines& lines, int32_t minDurationMs,
                       int32_t maxDurationMs) {
  reporter = TReporter{};
  reporter.minDuration = minDurationMs;
  reporter.maxDuration = maxDurationMs;
  LinesUse use(lines);
  try {
    Walk(reporter, lines);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace quillet
