#include "core/block_scanner.h"

#include <limits>
#include <string>

#include "core/editor_routines.h"
#include "core/text_utils.h"
#include "core/time_codes.h"

namespace quillet {

int32_t StrToBlockNumber(std::string_view line) {
  line = RightTrimmed(line);
  if (line.empty()) return -1;
  int64_t value = 0;
  for (char c : line) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int32_t>::max()) return -1;
  }
  return static_cast<int32_t>(value);
}

bool HasTimeArrow(std::string_view line) { return PosFrom(" --> ", line, 12) != 0; }

bool IsBlockStart(const EditorLines& lines, int i) {
  if (i < 0 || i + 1 >= lines.Count()) return false;
  if (StrToBlockNumber(lines.Get(i)) < 0) return false;
  if (i > 0 && RightTrimmedLength(lines.Get(i - 1)) != 0) return false;
  return HasTimeArrow(lines.Get(i + 1));
}

BlockAtLine GetBlockNumber(EditorLines& lines, int line) {
  LinesUse use(lines);
  BlockAtLine r;
  const int n = lines.Count();
  int timeLineIndex = -1;
  bool afterBlank = true;
  std::string next = n > 0 ? lines.Get(0) : std::string();
  for (int i = 0; i < n; ++i) {
    std::string cur = std::move(next);
    // After the last line next holds no line: an empty one, which has no time arrow.
    if (i + 1 < n) next = lines.Get(i + 1);
    else next.clear();
    const std::string_view s = RightTrimmed(cur);
    if (s.empty()) {
      afterBlank = true;
    } else if (afterBlank) {
      afterBlank = false;
      const int32_t k = StrToBlockNumber(s);
      if (k != -1 && i + 1 < n && HasTimeArrow(next)) {
        ++r.total;
        if (i <= line) {
          ++r.ordinal;
          r.number = k;
          timeLineIndex = i + 1;
        }
      }
    }
  }
  if (timeLineIndex >= 0 && timeLineIndex < n) {
    int pos = 1;
    r.startTime = ReadTimeCode(lines.Get(timeLineIndex), pos);
  }
  return r;
}

int32_t GetCurBlockNumber(EditorLines& lines, int32_t& startTime) {
  LinesUse use(lines);
  const int c = GetMemoCaret(lines.Edit()).line;
  const int n = lines.Count();
  int32_t result = -1;
  int timeLine = -1;
  startTime = -1;
  for (int i = c; i >= 0 && i > c - 5; --i) {
    const std::string line = lines.Get(i);
    const int32_t k = StrToBlockNumber(line);
    if (k < 0) continue;
    if (i > 0 && RightTrimmedLength(lines.Get(i - 1)) != 0) continue;
    if (i + 1 < n && HasTimeArrow(lines.Get(i + 1))) {
      result = k;
      timeLine = i + 1;
      break;
    }
  }
  if (timeLine >= 0 && timeLine < n) {
    int pos = 1;
    startTime = ReadTimeCode(lines.Get(timeLine), pos);
  }
  return result;
}

}  // namespace quillet
