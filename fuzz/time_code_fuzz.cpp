// The time code reader from every position of arbitrary text, and the time line reader of the
// timing operations: what they read is written back and read again as the same time.
#include "core/time_codes.h"
#include "core/srt_lines.h"
#include "fuzz_support.h"

using namespace quillet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (int start = 0; start <= static_cast<int>(size) + 1; ++start) {
    int pos = start;
    const int32_t ms = ReadTimeCode(text, pos);
    if (ms < 0) continue;
    FUZZ_CHECK(pos > start && pos <= static_cast<int>(size) + 1);
    const std::string code = FormatTimeCode(ms);
    int again = 1;
    FUZZ_CHECK(ReadTimeCode(code, again) == ms && again == static_cast<int>(code.size()) + 1);
    FUZZ_CHECK(!FormatTimeCodeEx(ms, true).empty());
  }
  int32_t startMs = -1, endMs = -1;
  const int p = ParseTimeLine(text, startMs, endMs);
  // From 100 hours on a start code has more than twelve characters, and its line is no time
  // line of the timing operations any more: the round trip holds below that.
  constexpr int32_t kHundredHours = 100 * 3600000;
  if (p != 0) {
    FUZZ_CHECK(startMs >= 0 && endMs >= 0 && p >= 1 && p <= static_cast<int>(size) + 1);
  }
  if (p != 0 && startMs < kHundredHours) {
    std::string rebuilt;
    RebuildTimeLine(rebuilt, text, p, startMs, endMs);
    int32_t s2 = -1, e2 = -1;
    FUZZ_CHECK(ParseTimeLine(rebuilt, s2, e2) != 0 && s2 == startMs && e2 == endMs);
  }
  return 0;
}
