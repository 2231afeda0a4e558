#include "core/text_utils.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Ansi;

TEST(Search, ForwardAndBackwardWithAndWithoutCase) {
  struct Case { int (*fn)(std::string_view, std::string_view, int); const char* sub; const char* s; int from, want; };
  const Case cases[] = {
      {PosFrom, "b", "abcabc", 1, 2},      {PosFrom, "b", "abcabc", 3, 5},    {PosFrom, "b", "abcabc", 0, 2},
      {PosFrom, "b", "abcabc", -1, 0},     {PosFrom, "b", "abcabc", 7, 0},    {PosFrom, "", "abc", 1, 0},
      {PosFrom, "abc", "", 1, 0},          {PosFrom, "B", "abc", 1, 0},
      {PosFrom, "cd", "abc", 1, 0},  // a match never passes the end
      {PosTextFrom, "B", "abc", 1, 2},     {PosTextFrom, "BC", "abc", 2, 2},  {PosTextFrom, "BC", "abc", 3, 0},
      // Candidates in both cases, the first ones failing: the earliest full match wins.
      {PosTextFrom, "Ab", "aXAyaB", 1, 5}, {PosTextFrom, "ab", "AxaXAB", 1, 5}, {PosTextFrom, "ab", "AbaB", 2, 3},
      {PosTextFrom, "ab", "xxAB", 1, 3},   {PosTextFrom, "ab", "xxaB", 4, 0},  {PosTextFrom, "ab", "xxa", 1, 0},
      {PosTextFrom, "1a", "1x1A", 1, 3},   // a first character without case
      {PosBack, "b", "abcabc", 0, 5},      {PosBack, "b", "abcabc", 4, 2},    {PosBack, "b", "abcabc", 5, 5},
      {PosBack, "b", "abcabc", 1, 0},      {PosBack, "bc", "abcabc", 6, 5},   {PosBack, "b", "abcabc", 7, 0},
      {PosTextBack, "B", "abcabc", 0, 5},  {PosTextBack, "X", "abcabc", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.fn(c.sub, c.s, c.from), c.want) << c.sub << " in " << c.s << " from " << c.from;
  }
}

TEST(Search, CyrillicFoldsThroughTheCaseTable) {
  const std::string text = Ansi("съешь ещё этих мягких французских булок");
  EXPECT_EQ(PosTextFrom(Ansi("ЕЩЁ"), text, 1), 7);
  EXPECT_EQ(PosFrom(Ansi("ЕЩЁ"), text, 1), 0);
  EXPECT_EQ(PosTextBack(Ansi("Х"), text, 0), 33);
  EXPECT_TRUE(SameTextSp(Ansi("Привет, Мир"), Ansi("пРИВЕТ, мИР")));
  EXPECT_FALSE(SameStrSp(Ansi("Привет"), Ansi("привет")));
  EXPECT_TRUE(SameTextSp("", ""));
  EXPECT_FALSE(SameTextSp("a", ""));
  EXPECT_TRUE(SameStrCase("Ab", "aB", false));
  EXPECT_FALSE(SameStrCase("Ab", "aB", true));
  EXPECT_EQ(PosCase("B", "abc", false), 2);
  EXPECT_EQ(PosCase("B", "abc", true), 0);
  // Letters of other scripts of the code page fold too; signs do not.
  EXPECT_EQ(OppositeCase(static_cast<unsigned char>(Ansi("ї")[0])), static_cast<unsigned char>(Ansi("Ї")[0]));
  EXPECT_EQ(OppositeCase('1'), '1');
  EXPECT_EQ(OppositeCase(0xB9), 0xB9);  // the numero sign
}

TEST(Search, PositionsOfMatchesCharactersAndLines) {
  struct Case { const char* what; int got, want; } cases[] = {
      {"PosTextIn, case folded", PosTextIn("[script info]", "[Script Info]\r\n", 1, 20), 1},
      {"PosTextIn, ends at limit - 1", PosTextIn("abc", "xxabc", 1, 6), 3},
      {"PosTextIn, ends at limit", PosTextIn("abc", "xxabc", 1, 5), 0},
      {"PosTextIn, from after the match", PosTextIn("abc", "xxabcx", 4, 10), 0},
      {"PosCR from 1", PosCR("ab\r\ncd\r\n", 1), 3},
      {"PosCR from 4", PosCR("ab\r\ncd\r\n", 4), 7},
      {"PosCR from 0", PosCR("ab\r\ncd", 0), 0},  // below 1 gives 0 here
      {"PosCharFrom 1", PosCharFrom('c', "abc", 1), 3},
      {"PosCharFrom 0", PosCharFrom('c', "abc", 0), 0},
      {"LineStartOf 5", LineStartOf("ab\r\ncd", 5), 5},
      {"LineStartOf 2", LineStartOf("ab\r\ncd", 2), 1},
      {"LineStartOf past the end", LineStartOf("ab\r\ncd", 7), 0},
      {"LeadingDigits 10", LeadingDigits("123a5", 10), 3},
      {"LeadingDigits 2", LeadingDigits("123a5", 2), 2},
      {"CompareCharsSp ignoring case", CompareCharsSp("abcd", "ABcx", 3, true), 1},
      {"CompareCharsSp with case", CompareCharsSp("abcd", "ABcx", 3, false), 0},
      {"CompareCharsSp beyond both", CompareCharsSp("ab", "ab", 3, false), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(Trimming, BlanksAndControlCharactersOnly) {
  EXPECT_EQ(RightTrimmedLength("ab \t\r"), 2);
  EXPECT_EQ(RightTrimmedLength("ab\xA0"), 3);  // a non-breaking space is counted
  EXPECT_EQ(RightTrimmedLength(" \t "), 0);
  std::string s = "  ab  ";
  EXPECT_TRUE(TrimInPlace(s));
  EXPECT_EQ(s, "ab");
  EXPECT_FALSE(TrimInPlace(s));
  s = " \t ";
  EXPECT_TRUE(TrimInPlace(s));
  EXPECT_EQ(s, "");
  EXPECT_EQ(EmptyIfBlank(" \r"), "");
  EXPECT_EQ(EmptyIfBlank(" a "), " a ");
  s = "abc  ";
  ReverseStr(s);
  EXPECT_EQ(s, "  cba");
}

TEST(Numbers, IntToStrZMakeLongAndDateTime) {
  EXPECT_EQ(IntToStrZ(7, 3), "007");
  EXPECT_EQ(IntToStrZ(1234, 2), "1234");
  EXPECT_EQ(IntToStrZ(0, 0), "0");
  EXPECT_EQ(MakeLongSp(1, 2), 0x10002);
  EXPECT_EQ(MakeLongSp(0, 0xFFFF), -1);  // the low part is sign-extended
  EXPECT_EQ(MakeLongSp(32000, 100), (32000 << 16) | 100);
  EXPECT_EQ(DateTimeToMs(0.5), 43200000);
  EXPECT_EQ(DateTimeToMs(45000.25), 21600000);  // only the time of day
  EXPECT_EQ(DateTimeToMs(1.0), 0);               // a whole day is midnight
  EXPECT_EQ(DateTimeToMs(0.0), 0);
  EXPECT_EQ(DateTimeToMs(1.0 / 86400 * 1.4), 1000);  // rounded to whole seconds
  EXPECT_DOUBLE_EQ(MsToDateTime(43200000), 0.5);
  EXPECT_DOUBLE_EQ(MsToDateTime(86400000 + 43200000), 0.5);
}

TEST(Numbers, FloatToStrSp) {
  struct Case { long double value; uint16_t intDigits, decimals; const char* want; };
  const Case cases[] = {
      {25500.0L / 1000, 0, 2, "25.5"}, {500.0L / 1000, 0, 2, "0.5"},       {20001.0L / 1000, 0, 2, "20"},
      {0.004L, 0, 2, "0"},             {-0.004L, 0, 2, "0"},               {-1.256L, 0, 2, "-1.26"},
      {0.125L, 0, 2, "0.13"},          {1.5L, 3, 1, "001.5"},              {-7.0L, 3, 0, "-007"},
      {600.0L, 0, 1, "600"},           {1536000.0L / 1048576, 0, 1, "1.5"}, {0.05L, 0, 1, "0.1"},
      {9.999L, 0, 2, "10"},            {123456789012.0L, 0, 2, "123456789012"},
      {0.29L, 0, 2, "0.29"},           {19.0L, 0, 0, "19"},                {0.0L, 0, 2, "0"},
      {0.5L, 0, 0, "1"},               {0.49L, 0, 0, "0"},                 {0.005L, 0, 2, "0.01"},
      {12.5L, 2, 1, "12.5"},           {12.5L, 1, 1, "12.5"},
  };
  for (const auto& c : cases) {
    std::string s;
    EXPECT_TRUE(FloatToStrSp(s, c.intDigits, c.decimals, c.value)) << c.want;
    EXPECT_EQ(s, c.want);
  }
  using Limits = std::numeric_limits<long double>;
  for (long double bad : {Limits::infinity(), Limits::quiet_NaN()}) {
    std::string s;
    EXPECT_FALSE(FloatToStrSp(s, 0, 2, bad));
    EXPECT_EQ(s, "Не удалось преобразовать число в строку текста. Возможно, число слишком длинное "
                 "или содержит неопределёное значение.");
  }
}

TEST(Duration, RussianWording) {
  const double hour = 1.0 / 24, minute = hour / 60, second = minute / 60;
  const std::pair<double, const char*> cases[] = {
      {2 * hour + 30 * second, "2 часа"},  {1 * hour + 5 * minute, "1 час 5 минут"},
      {1 * hour, "1 час"},                 {21 * hour, "21 час"},
      {12 * hour, "12 часов"},
      {5 * hour, "5 часo" "в"},            // the Latin letter o of the program's own ending
      {1 + 1 * hour, "25 часo" "в"},       // whole days count as 24 hours each
      {1 * minute, "1 минуту"},            {22 * minute, "22 минуты"},
      {11 * minute, "11 минут"},           {1 * minute + 30 * second, "1 минуту"},  // seconds only under a minute
      {21 * second, "21 секунду"},         {59 * second, "59 секунд"},
      {4 * hour, "4 часа"},                {24 * minute, "24 минуты"},         // the last of 2..4
      {34 * second, "34 секунды"},         {14 * minute, "14 минут"},          {1 * second, "1 секунду"},
      {1 * hour + 59 * minute, "1 час 59 минут"}, {1.0, "24 часа"},
      {0.4 * second, ""},
  };
  for (const auto& [dt, want] : cases) EXPECT_EQ(DurationToText(dt), want) << want;
}

}  // namespace
}  // namespace quillet
