#include "core/number_field_rules.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(FilterEditKey, ControlKeysPassDigitsPassUntilFull) {
  struct Case { int length; bool selection; char32_t key; int maxLen; char32_t wantKey; bool wantBeep; };
  const Case cases[] = {
      {0, false, U'7', 5, U'7', false},
      {4, false, U'0', 5, U'0', false},  // the last digit that fits
      {5, false, U'1', 5, 0, true},      // a sixth digit
      {9, false, U'1', 5, 0, true},      // already over the limit
      {5, true, U'1', 5, U'1', false},   // typing over a selection
      {5, true, U'x', 5, 0, true},       // a selection does not let letters in
      {0, false, U'a', 5, 0, true},      {0, false, U' ', 5, 0, true},  {0, false, U'-', 5, 0, true},
      {0, false, U'\x0660', 5, 0, true}, // digits of other scripts are not digits here
      {0, false, U'ж', 5, 0, true},
      // Control characters (below 32) pass even into a full field: backspace, Ctrl+V, 31, Ctrl+C.
      {5, false, 8, 5, 8, false},        {5, false, 22, 5, 22, false},  {0, false, 31, 5, 31, false},
      {5, false, 3, 5, 3, false},
  };
  for (const auto& c : cases) {
    const auto r = FilterEditKey(c.length, c.selection, c.key, c.maxLen);
    EXPECT_EQ(std::make_pair(r.key, r.beep), std::make_pair(c.wantKey, c.wantBeep))
        << "key " << static_cast<uint32_t>(c.key) << " len " << c.length;
  }
}

TEST(ClampEditNumber, CleansCutsAndClamps) {
  struct Case { std::string text; int maxLen; std::optional<NumberLimits> limits; const char* want; bool beep; };
  const NumberLimits oneTo10000{1, 10000};
  const NumberLimits range{0, 32000};
  const Case cases[] = {
      {"0", 5, oneTo10000, "1", false},          // below Min, no beep: nothing removed
      {"12a3", 5, oneTo10000, "123", true},
      {"99999", 5, oneTo10000, "10000", false},
      {"", 5, oneTo10000, "1", false},
      {"", 5, range, "0", false},
      {"32000", 5, range, "32000", false},
      {"32001", 5, range, "32000", false},
      {"123456", 5, range, "12345", true},       // cut to five
      {"1 234", 5, range, "1234", true},
      {"abc", 5, range, "0", true},              // everything removed: Min
      {"00012", 5, range, "00012", false},       // leading zeros are a valid value
      {"-5", 5, range, "5", true},
      {"\xd0\x96" "12", 5, range, "12", true},   // UTF-8 letter before digits
      {std::string("\0" "7", 2), 5, range, "7", true},  // a NUL byte
      {"12a3", 5, std::nullopt, "123", true},    // no up-down: cleaning only
      {"", 5, std::nullopt, "", false},
      {"123456", 4, std::nullopt, "1234", true},
      {"9999", 4, NumberLimits{1, 8000}, "8000", false},
      // A digit run too long for any integer is above every Max.
      {"123456789012345678901234567890", 40, range, "32000", false},
      {"5", 0, range, "0", true},                 // nothing may stay
  };
  for (const auto& c : cases) {
    const auto r = ClampEditNumber(c.text, c.maxLen, c.limits);
    EXPECT_EQ(std::make_pair(r.text, r.beep), std::make_pair(std::string(c.want), c.beep)) << "text " << c.text.c_str();
  }
}

TEST(ClampEditNumber, SecondRunOnItsOwnResultChangesNothing) {
  const NumberLimits limits{1, 10000};
  for (const char* text : {"0", "12a3", "99999", "", "abc", "1x2y3z4w5v6", "000000"}) {
    const auto first = ClampEditNumber(text, 5, limits);
    const auto second = ClampEditNumber(first.text, 5, limits);
    EXPECT_EQ(std::make_pair(second.text, second.beep), std::make_pair(first.text, false)) << text;
  }
}

}  // namespace
}  // namespace quillet
