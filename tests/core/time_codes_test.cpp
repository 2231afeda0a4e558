#include "core/time_codes.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

struct ReadCase {
  const char* text;
  int from;
  int32_t ms;
  int posAfter;
};

TEST(ReadTimeCode, ReadsAndMovesThePosition) {
  const ReadCase cases[] = {
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
    EXPECT_EQ(ReadTimeCode(c.text, pos), c.ms) << c.text;
    EXPECT_EQ(pos, c.posAfter) << c.text;
  }
}

TEST(FormatTimeCodeEx, HoursMinutesAndSeconds) {
  EXPECT_EQ(FormatTimeCodeEx(3723456, true), "1:02:03");
  EXPECT_EQ(FormatTimeCodeEx(3723456, false), "1:02");
  EXPECT_EQ(FormatTimeCodeEx(0, true), "0:00:00");
  EXPECT_EQ(FormatTimeCodeEx(36000000, false), "10:00");
  EXPECT_EQ(FormatTimeCodeEx(59999, true), "0:00:59");  // dropped, not rounded
  EXPECT_EQ(FormatTimeCodeEx(-1, true), "");
  EXPECT_EQ(FormatTimeCodeEx(360000000 * 5, true), "500:00:00");
}

}  // namespace
}  // namespace quillet
