#include "core/srt_lines.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace quillet {
namespace {

TEST(ParseBlockNumberLine, DigitsWithTrailingBlanksOnly) {
  const std::pair<const char*, int32_t> cases[] = {
      {"12", 12},  {"12  ", 12}, {"7\t", 7}, {"007", 7},  {"32000", 32000}, {"2147483647", INT32_MAX},
      {"12a", -1}, {"a12", -1},  {"7.", -1}, {" 7", -1}, {"", -1},         {"2147483648", -1},
  };
  for (const auto& [line, number] : cases) EXPECT_EQ(ParseBlockNumberLine(line), number) << line;
}

TEST(ParseTimeLine, ArrowAtThirteenAndTheEndCodeAnywhereAfterIt) {
  struct Case { const char* line; int p; int32_t s, e; } cases[] = {
      {"00:00:01,000 --> 00:00:02,000  X1:10", 30, 1000, 2000},
      {"00:00:01.000 --> 00:00:02.000", 30, 1000, 2000},  // any separator before the milliseconds
      {"01:02:03,004 -->    1:2:3,005", 30, 3723004, 3723005},
      {"00:00:01,000 --> 596:31:23,647", 31, 1000, INT32_MAX},
      {"00:00:00,000 --> 00:00:00,000", 30, 0, 0},     // time 0 at both ends
      {"00:00:00,001 --> 00:00:00,000", 30, 1, 0},
      {"0:00:01,000 --> 00:00:02,000", 0, 0, 0},     // a one-digit hour: the arrow is at 12
      {"00:00:01,000 --> 00:00:02,00", 0, 0, 0},
      {"00:00:01,000", 0, 0, 0},
  };
  for (const auto& c : cases) {
    int32_t s = 0, e = 0;
    EXPECT_EQ(ParseTimeLine(c.line, s, e), c.p) << c.line;
    if (c.p > 0) {
      EXPECT_EQ(std::make_pair(s, e), std::make_pair(c.s, c.e)) << c.line;
    }
  }
}

TEST(FormatTimeCode, PaddedFieldsAndHoursAsLongAsNeeded) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "00:00:00,000"}, {3723004, "01:02:03,004"}, {360000000, "100:00:00,000"},
      {INT32_MAX, "596:31:23,647"}, {-1, ""},
  };
  for (const auto& [ms, text] : cases) EXPECT_EQ(FormatTimeCode(ms), text) << ms;
}

}  // namespace
}  // namespace quillet
