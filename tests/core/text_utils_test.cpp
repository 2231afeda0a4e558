#include "core/text_utils.h"

#include <gtest/gtest.h>

#include "core/constants.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Ansi;

TEST(Search, ForwardAndBackwardWithAndWithoutCase) {
  struct Case {
    int (*fn)(std::string_view, std::string_view, int);
    const char* sub;
    const char* s;
    int from;
    int want;
  };
  const Case cases[] = {
      {PosFrom, "b", "abcabc", 1, 2},
      {PosFrom, "b", "abcabc", 3, 5},
      {PosFrom, "b", "abcabc", 0, 2},
      {PosFrom, "b", "abcabc", -1, 0},
      {PosFrom, "b", "abcabc", 7, 0},
      {PosFrom, "", "abc", 1, 0},
      {PosFrom, "abc", "", 1, 0},
      {PosFrom, "cd", "abc", 1, 0},          // a match never passes the end
      {PosFrom, "B", "abc", 1, 0},
      {PosTextFrom, "B", "abc", 1, 2},
      {PosTextFrom, "BC", "abc", 2, 2},
      {PosTextFrom, "BC", "abc", 3, 0},
      {PosBack, "b", "abcabc", 0, 5},
      {PosBack, "b", "abcabc", 4, 2},
      {PosBack, "b", "abcabc", 5, 5},
      {PosBack, "b", "abcabc", 1, 0},
      {PosBack, "bc", "abcabc", 6, 5},
      {PosBack, "b", "abcabc", 7, 0},
      {PosTextBack, "B", "abcabc", 0, 5},
      {PosTextBack, "X", "abcabc", 0, 0},
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
  EXPECT_EQ(OppositeCase(static_cast<unsigned char>(Ansi("ї")[0])),
            static_cast<unsigned char>(Ansi("Ї")[0]));
  EXPECT_EQ(OppositeCase('1'), '1');
  EXPECT_EQ(OppositeCase(0xB9), 0xB9);  // the numero sign
}

TEST(Search, PosTextInKeepsTheWholeMatchBeforeTheLimit) {
  EXPECT_EQ(PosTextIn("[script info]", "[Script Info]\r\n", 1, 20), 1);
  EXPECT_EQ(PosTextIn("abc", "xxabc", 1, 6), 3);   // ends at 5 = limit - 1
  EXPECT_EQ(PosTextIn("abc", "xxabc", 1, 5), 0);
  EXPECT_EQ(PosTextIn("abc", "xxabcx", 4, 10), 0);
}

TEST(Search, CharactersAndLines) {
  EXPECT_EQ(PosCR("ab\r\ncd\r\n", 1), 3);
  EXPECT_EQ(PosCR("ab\r\ncd\r\n", 4), 7);
  EXPECT_EQ(PosCR("ab\r\ncd", 0), 0);  // below 1 gives 0 here
  EXPECT_EQ(PosCharFrom('c', "abc", 1), 3);
  EXPECT_EQ(PosCharFrom('c', "abc", 0), 0);
  EXPECT_EQ(LineStartOf("ab\r\ncd", 5), 5);
  EXPECT_EQ(LineStartOf("ab\r\ncd", 2), 1);
  EXPECT_EQ(LineStartOf("ab\r\ncd", 7), 0);
  EXPECT_EQ(LeadingDigits("123a5", 10), 3);
  EXPECT_EQ(LeadingDigits("123a5", 2), 2);
  EXPECT_TRUE(CompareCharsSp("abcd", "ABcx", 3, true));
  EXPECT_FALSE(CompareCharsSp("abcd", "ABcx", 3, false));
  EXPECT_FALSE(CompareCharsSp("ab", "ab", 3, false));
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

TEST(Numbers, IntToStrZAndMakeLong) {
  EXPECT_EQ(IntToStrZ(7, 3), "007");
  EXPECT_EQ(IntToStrZ(1234, 2), "1234");
  EXPECT_EQ(IntToStrZ(0, 0), "0");
  EXPECT_EQ(MakeLongSp(1, 2), 0x10002);
  EXPECT_EQ(MakeLongSp(0, 0xFFFF), -1);  // the low part is sign-extended
  EXPECT_EQ(MakeLongSp(32000, 100), (32000 << 16) | 100);
}

TEST(Numbers, FloatToStrSp) {
  struct Case {
    long double value;
    uint16_t intDigits;
    uint16_t decimals;
    const char* want;
  };
  const Case cases[] = {
      {25000.0L / 1000, 0, 2, "25"},   {25500.0L / 1000, 0, 2, "25.5"},
      {500.0L / 1000, 0, 2, "0.5"},    {20001.0L / 1000, 0, 2, "20"},
      {0.004L, 0, 2, "0"},             {-0.004L, 0, 2, "0"},
      {-1.256L, 0, 2, "-1.26"},        {0.125L, 0, 2, "0.13"},
      {1.5L, 3, 1, "001.5"},           {-7.0L, 3, 0, "-007"},
      {600.0L, 0, 1, "600"},           {1536000.0L / 1048576, 0, 1, "1.5"},
      {123456789012.0L, 0, 2, "123456789012"}, {0.05L, 0, 1, "0.1"},
      {9.999L, 0, 2, "10"},
  };
  for (const auto& c : cases) {
    std::string s;
    EXPECT_TRUE(FloatToStrSp(s, c.intDigits, c.decimals, c.value)) << c.want;
    EXPECT_EQ(s, c.want);
  }
  std::string s;
  EXPECT_FALSE(FloatToStrSp(s, 0, 2, std::numeric_limits<long double>::infinity()));
  EXPECT_EQ(s, "Не удалось преобразовать число в строку текста. Возможно, число слишком длинное "
               "или содержит неопределёное значение.");
  EXPECT_FALSE(FloatToStrSp(s, 0, 2, std::numeric_limits<long double>::quiet_NaN()));
}

TEST(Duration, RussianWording) {
  const double hour = 1.0 / 24, minute = hour / 60, second = minute / 60;
  struct Case {
    double dt;
    const char* want;
  };
  const Case cases[] = {
      {2 * hour + 30 * second, "2 часа"},
      {1 * hour + 5 * minute, "1 час 5 минут"},
      {59 * second, "59 секунд"},
      {22 * minute, "22 минуты"},
      {1 * hour, "1 час"},
      {3 * hour, "3 часа"},
      {12 * hour, "12 часов"},
      {21 * hour, "21 час"},
      {5 * hour, "5 часo" "в"},       // the Latin letter o of the program's own ending
      {1 + 1 * hour, "25 часo" "в"},   // whole days count as 24 hours each
      {1 * minute, "1 минуту"},
      {3 * minute, "3 минуты"},
      {11 * minute, "11 минут"},
      {21 * second, "21 секунду"},
      {45 * second, "45 секунд"},
      {0.4 * second, ""},
      {1 * minute + 30 * second, "1 минуту"},  // seconds only under a minute
  };
  for (const auto& c : cases) EXPECT_EQ(DurationToText(c.dt), c.want) << c.want;
  EXPECT_EQ(std::string("o"), "\x6F");
}

TEST(DateTime, MillisecondsOfTheDay) {
  EXPECT_EQ(DateTimeToMs(0.5), 43200000);
  EXPECT_EQ(DateTimeToMs(45000.25), 21600000);
  EXPECT_EQ(DateTimeToMs(1.0 / 86400 * 1.4), 1000);  // rounded to whole seconds
  EXPECT_DOUBLE_EQ(MsToDateTime(43200000), 0.5);
  EXPECT_DOUBLE_EQ(MsToDateTime(86400000 + 43200000), 0.5);
}

TEST(Constants, ExactTexts) {
  EXPECT_STREQ(MsgContinueAnyway, ". Всё равно хотите продолжить?");
  EXPECT_STREQ(MsgOperationCancelled, ". Опреация отменена!");
  EXPECT_STREQ(MsgContactDeveloper, ". Для устранения ошибки обратитесь к разработчику");
  EXPECT_STREQ(RegKeyProgram, "\\SOFTWARE\\Tannford\\Quillet");
  EXPECT_STREQ(RegKeyLastExt, "\\SOFTWARE\\Tannford\\Quillet\\LastExt");
  EXPECT_STREQ(RegKeyMaker, "\\SOFTWARE\\Tannford");
  EXPECT_STREQ(ProgramExeName, "Quillet.exe");
  EXPECT_STREQ(CRLF, "\r\n");
}

}  // namespace
}  // namespace quillet
