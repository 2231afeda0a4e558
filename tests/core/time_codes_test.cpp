#include "core/time_codes.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(ReadTimeCode, ReadsAndMovesThePosition) {
  struct Case { const char* text; int from; int32_t ms; int posAfter; };
  const Case cases[] = {
      {"00:01:02,345", 1, 62345, 13},
      {"00:01:02,345 --> 00:01:04,000", 13, 64000, 30},
      {"00:01:02,345", 0, 62345, 13},        // 0 counts as 1
      {"1:2:3.004", 1, 3723004, 10},
      {"00:00:01,50 ", 1, -1, 10},           // two millisecond digits then a blank
      {"00:00:01,5000", 1, 1500, 13},        // a fourth digit is not read
      {"abc 00:00:01,000", 1, 1000, 17},     // leading text skipped
      {"00:75:00,000", 1, 4500000, 13},      // minutes above 59 pass
      {"596:00:00,000", 1, 2145600000, 14},
      {"597:00:00,000", 1, -1, 14},          // the sum no longer fits
      {"00:00:12345678901,000", 1, -1, 22},  // an eleven-digit run fails
      {"00:00", 1, -1, 7},                   // seconds missing: pos behind the text, then +1
      {"", 1, -1, 1},
      {"00:00:01,000", -1, -1, -1},
      {"00:00:01,000", 13, -1, 13},          // beyond the text
      {"ab:cd:ef,ghi", 1, -1, 14},
      {"00:00:01,0a0", 1, -1, 10},
  };
  for (const auto& c : cases) {
    int pos = c.from;
    const int32_t ms = ReadTimeCode(c.text, pos);
    EXPECT_EQ(std::make_pair(ms, pos), std::make_pair(c.ms, c.posAfter)) << c.text;
  }
}

TEST(FormatTimeCodeEx, HoursMinutesAndSeconds) {
  struct Case { int32_t ms; bool seconds; const char* want; };
  const Case cases[] = {
      {3723456, true, "1:02:03"}, {3723456, false, "1:02"},      {0, true, "0:00:00"},
      {36000000, false, "10:00"}, {360000000 * 5, true, "500:00:00"}, {-1, true, ""},
      {59999, true, "0:00:59"},  // dropped, not rounded
  };
  for (const auto& c : cases) EXPECT_EQ(FormatTimeCodeEx(c.ms, c.seconds), c.want) << c.ms;
}

}  // namespace
}  // namespace quillet
