#include "core/time_shift.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/ops_test_support.h"

namespace quillet {
namespace {

using testing::FailingEditor;
using testing::Lines;
using testing::MessageTexts;
using testing::QuestionTexts;
using testing::TestEditor;

TEST(ParseBlockNumberLine, DigitsWithTrailingBlanksOnly) {
  const std::pair<const char*, int32_t> cases[] = {
      {"12", 12},  {"12  ", 12}, {"7\t", 7},  {"007", 7},         {"0", 0},           {"32000", 32000},
      {"12a", -1}, {"a12", -1},  {"7.", -1},  {" 7", -1},         {"", -1},           {"   ", -1},
      {"1 2", -1}, {"-1", -1},   {"+1", -1},  {"2147483647", INT32_MAX}, {"2147483648", -1},
  };
  for (const auto& [line, number] : cases) EXPECT_EQ(ParseBlockNumberLine(line), number) << line;
}

TEST(ParseTimeLine, ArrowAtThirteenAndTheEndCodeAnywhereAfterIt) {
  struct Case {
    const char* line;
    int p;
    int32_t s, e;
  } cases[] = {
      {"00:00:01,000 --> 00:00:02,000", 30, 1000, 2000},
      {"00:00:01,000 --> 00:00:02,000  X1:10", 30, 1000, 2000},
      {"00:00:01.000 --> 00:00:02.000", 30, 1000, 2000},  // any separator before the milliseconds
      {"01:02:03,004 --> 1:2:3,005", 27, 3723004, 3723005},
      {"00:00:01,000 -->    00:00:02,000", 33, 1000, 2000},
      {"00:00:01,000 --> 100:00:00,000", 31, 1000, 360000000},
      {"00:00:01,000 --> 596:31:23,647", 31, 1000, INT32_MAX},
      {"0:00:01,000 --> 00:00:02,000", 0, -1, -1},    // a one-digit hour: the arrow is at 12
      {"100:00:01,000 --> 100:00:02,000", 0, -1, -1},  // three hour digits: at 14
      {"00:00:01,000 -> 00:00:02,000", 0, -1, -1},
      {"00:00:01,000 --> 00:00:02,00", 0, -1, -1},
      {"00:00:01,000 --> ", 0, -1, -1},
      {"00:00:01,000", 0, -1, -1},
      {"", 0, -1, -1},
  };
  for (const auto& c : cases) {
    int32_t s = -1, e = -1;
    EXPECT_EQ(ParseTimeLine(c.line, s, e), c.p) << c.line;
    if (c.p > 0) {
      EXPECT_EQ(s, c.s) << c.line;
      EXPECT_EQ(e, c.e) << c.line;
    }
  }
}

TEST(FormatTimeCode, PaddedFieldsAndHoursAsLongAsNeeded) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "00:00:00,000"},           {1, "00:00:00,001"},          {3723004, "01:02:03,004"},
      {359999999, "99:59:59,999"},   {360000000, "100:00:00,000"}, {INT32_MAX, "596:31:23,647"},
      {-1, ""},
  };
  for (const auto& [ms, text] : cases) EXPECT_EQ(FormatTimeCode(ms), text) << ms;
}

TEST(ShiftInputs, RangeAndAmountErrors) {
  const std::string range =
      "Ошибка! Неправильно задан диапазон блоков для коррекции тайминга! Задайте начальный и конечный номера "
      "блоков в полях ввода \"Start\" и \"End\" соответственно (например 1 и 1000)";
  const std::string amount =
      "Ошибка! Не задана величина вермени семщения для коррекции тайминга! Задайте величину смещения в строках "
      "ввода \"Sec\" (секунды) и \"mSec\" (миллисекунды; 1000ms = 1Sec)";
  struct RangeCase {
    int first, last;
    bool ok;
  } ranges[] = {{1, 1, false}, {5, 3, false}, {0, 0, false}, {0, 1, true}, {1, 32000, true}};
  for (const auto& c : ranges) {
    TestEditor t;
    EXPECT_EQ(CheckBlockRange(t.editor, c.first, c.last), c.ok) << c.first << "-" << c.last;
    EXPECT_EQ(QuestionTexts(t.prompt), c.ok ? std::vector<std::string>{} : std::vector<std::string>{range});
    if (!c.ok) EXPECT_EQ(t.prompt.questions[0].kind, MsgKind::Error);
  }
  struct AmountCase {
    int sec, ms;
    int32_t shift;
  } amounts[] = {{0, 0, -1}, {0, 1, 1}, {1, 0, 1000}, {2, 500, 2500}, {32000, 999, 32000999}};
  for (const auto& c : amounts) {
    TestEditor t;
    EXPECT_EQ(ComposeShift(t.editor, c.sec, c.ms), c.shift);
    EXPECT_EQ(QuestionTexts(t.prompt), c.shift > 0 ? std::vector<std::string>{} : std::vector<std::string>{amount});
    if (c.shift < 0) EXPECT_EQ(t.prompt.questions[0].buttons, Buttons::Ok);
  }
}

const std::string tA = "00:00:01,000 --> 00:00:02,000";
const std::string tB = "00:00:03,000 --> 00:00:04,000";
const std::string tC = "00:00:10,000 --> 00:00:12,000";

const char* const kNoneInRange = "Не найдно блоков, укладывающихся в заданный диапазон блоков. Операция отменена.";
const char* const kNoBlocks = "Не найдно блоков для cмещения тайминга. Операция отменена.";
const char* const kAllNegative =
    "Ошибка! Некорректные условия смещения тайминга. Время смещёных блоков меньше 0. Операция отменена!";

std::string Summary(const std::string& range, int total, int shifted) {
  return "Смещение тайминга завершено. Диапазон блоков: " + range + ", Обработано блоков: " + std::to_string(total) +
         ", смещено блоков: " + std::to_string(shifted) + ".";
}

TEST(ShiftTiming, Outcomes) {
  struct Case {
    const char* name;
    std::string text;
    bool add;
    int first, last, sec, ms;
    std::string box;     // the one box shown (a question is answered Yes)
    MsgKind boxKind;
    std::string after;   // the text afterwards; empty: unchanged
    std::string message; // recorded in the message window after Yes
    MsgKind messageKind = MsgKind::Confirmation;
  } cases[] = {
      {"+1500 ms", Lines({"1", tA, "a", "", "2", tB, "b"}), true, 1, 2, 1, 500,
       Summary("1-2", 2, 2) + " Применить изменения?", MsgKind::Confirmation,
       Lines({"1", "00:00:02,500 --> 00:00:03,500", "a", "", "2", "00:00:04,500 --> 00:00:05,500", "b", ""}),
       Summary("1-2", 2, 2)},
      {"one millisecond, blocks outside the range counted", Lines({"1", tA, "a", "", "2", tB, "b", "", "3", tC, "c"}),
       true, 2, 7, 0, 1, Summary("2-7", 3, 2) + " Применить изменения?", MsgKind::Confirmation,
       Lines({"1", tA, "a", "", "2", "00:00:03,001 --> 00:00:04,001", "b", "", "3", "00:00:10,001 --> 00:00:12,001",
              "c", ""}),
       Summary("2-7", 3, 2)},
      {"two blocks of one number, a number with blanks, 32000",
       Lines({"7  ", tA, "a", "", "7", tB, "b", "", "32000", tC, "c"}), false, 7, 32000, 0, 500,
       Summary("7-32000", 3, 3) + " Применить изменения?", MsgKind::Confirmation,
       Lines({"7  ", "00:00:00,500 --> 00:00:01,500", "a", "", "7", "00:00:02,500 --> 00:00:03,500", "b", "",
              "32000", "00:00:09,500 --> 00:00:11,500", "c", ""}),
       Summary("7-32000", 3, 3)},
      {"the tail after the end code", Lines({"1", tA + "  X1:10  ", "a", "", "2", tB + " X1:10", "b"}), true, 1, 2, 1,
       0, Summary("1-2", 2, 2) + " Применить изменения?", MsgKind::Confirmation,
       Lines({"1", "00:00:02,000 --> 00:00:03,000 X1:10", "a", "", "2", "00:00:04,000 --> 00:00:05,000X1:10", "b", ""}),
       Summary("1-2", 2, 2)},
      {"hours of three digits", Lines({"1", "99:59:59,000 --> 99:59:59,500", "a", "", "2", tB, "b"}), true, 1, 2, 1, 0,
       Summary("1-2", 2, 2) + " Применить изменения?", MsgKind::Confirmation,
       Lines({"1", "100:00:00,000 --> 100:00:00,500", "a", "", "2", "00:00:04,000 --> 00:00:05,000", "b", ""}),
       Summary("1-2", 2, 2)},
      {"a subtraction to exactly 0", Lines({"1", tA, "a", "", "2", tB, "b"}), false, 1, 2, 1, 0,
       Summary("1-2", 2, 2) + " Применить изменения?", MsgKind::Confirmation,
       Lines({"1", "00:00:00,000 --> 00:00:01,000", "a", "", "2", "00:00:02,000 --> 00:00:03,000", "b", ""}),
       Summary("1-2", 2, 2)},
      {"no block in the range", Lines({"1", tA, "a", "", "2", tB, "b"}), true, 3, 9, 1, 0, kNoneInRange,
       MsgKind::Warning, "", ""},
      {"no block at all", Lines({"1", "a"}), true, 1, 9, 1, 0, kNoBlocks, MsgKind::Warning, "", ""},
      {"every block would go below 0", Lines({"1", tA, "a", "", "2", tB, "b"}), false, 1, 2, 3, 1, kAllNegative,
       MsgKind::Error, "", ""},
      {"a time beyond what a time code holds", Lines({"1", "00:00:01,000 --> 596:31:23,647", "a"}), true, 1, 2, 0, 1,
       kAllNegative, MsgKind::Error, "", ""},
      {"a one-digit hour is no time line here",
       Lines({"1", "0:00:01,000 --> 00:00:02,000", "a", "", "2", tB, "b"}), true, 1, 2, 1, 0,
       Summary("1-2", 1, 1) + " Применить изменения?", MsgKind::Confirmation,
       Lines({"1", "0:00:01,000 --> 00:00:02,000", "a", "", "2", "00:00:04,000 --> 00:00:05,000", "b", ""}),
       Summary("1-2", 1, 1)},
      {"a number with a full stop is no block", Lines({"7.", tA, "a", "", "7", tB, "b"}), true, 7, 8, 1, 0,
       Summary("7-8", 1, 1) + " Применить изменения?", MsgKind::Confirmation,
       Lines({"7.", tA, "a", "", "7", "00:00:04,000 --> 00:00:05,000", "b", ""}), Summary("7-8", 1, 1)},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes, Answer::Yes});  // a structure warning, if any, comes first
    ShiftTiming(t.editor, c.add, c.first, c.last, c.sec, c.ms);
    ASSERT_FALSE(t.prompt.questions.empty()) << c.name;
    const auto& box = t.prompt.questions.back();
    EXPECT_EQ(box.text, c.box) << c.name;
    EXPECT_EQ(box.kind, c.boxKind) << c.name;
    EXPECT_EQ(box.buttons, c.message.empty() ? Buttons::Ok : Buttons::YesCancel) << c.name;
    EXPECT_EQ(t.edit.Text(), c.after.empty() ? c.text : c.after) << c.name;
    if (c.message.empty()) {
      EXPECT_TRUE(t.messages.messages.empty()) << c.name;
    } else {
      ASSERT_EQ(t.messages.messages.size(), 1u) << c.name;
      EXPECT_EQ(t.messages.messages[0].text, c.message) << c.name;
      EXPECT_EQ(t.messages.messages[0].kind, c.messageKind) << c.name;
      EXPECT_TRUE(t.messages.messages[0].likeLast) << c.name;
    }
    EXPECT_TRUE(t.edit.Focused()) << c.name;
    EXPECT_EQ(t.lines.UseCount(), 0) << c.name;
  }
}

TEST(ShiftTiming, SomeBlocksWouldGoBelowZero) {
  const std::string text = Lines({"1", "00:00:03,000 --> 00:00:04,000", "a", "", "2", tC, "b", "", "3",
                                  "00:00:20,000 --> 00:00:21,000", "c"});
  const std::string warning =
      "Внимание! Операция заврешена. Вследствие некорректно заданных условий смещения тайминга время части блоков "
      "не было смещено, так как инчае оно стало бы отрицательным.";
  const std::string details =
      " Диапазон блоков: 1-3, смещено блоков: 2, не удалось сместить, блоков: 1, всего обработано блоков: 3.";
  for (const Answer answer : {Answer::Yes, Answer::Cancel}) {
    TestEditor t(text);
    t.prompt.Script({answer});
    ShiftTiming(t.editor, false, 1, 3, 5, 0);
    EXPECT_EQ(QuestionTexts(t.prompt), std::vector<std::string>{warning +
                                                                " Всё равно хотите применить изменения (не "
                                                                "рекомендуется)?" +
                                                                details});
    EXPECT_EQ(t.prompt.questions[0].buttons, Buttons::YesCancel);
    if (answer == Answer::Cancel) {
      EXPECT_EQ(t.edit.Text(), text);
      EXPECT_TRUE(t.messages.messages.empty());
      continue;
    }
    EXPECT_EQ(t.edit.Text(), Lines({"1", "00:00:03,000 --> 00:00:04,000", "a", "", "2",
                                    "00:00:05,000 --> 00:00:07,000", "b", "", "3", "00:00:15,000 --> 00:00:16,000",
                                    "c", ""}));
    ASSERT_EQ(t.messages.messages.size(), 1u);
    EXPECT_EQ(t.messages.messages[0].text, warning + details);
    EXPECT_EQ(t.messages.messages[0].kind, MsgKind::Warning);
  }
}

TEST(ShiftTiming, StopsBeforeTheScanWithoutTouchingAnything) {
  const std::string text = Lines({"1", tA, "a", "", "1", tB, "b"});  // a repeated number
  struct Case {
    const char* name;
    std::string text;
    int first, last, sec, ms;
    std::vector<std::string> questions;
  } cases[] = {
      {"range", text, 2, 2, 1, 0,
       {"Ошибка! Неправильно задан диапазон блоков для коррекции тайминга! Задайте начальный и конечный номера "
        "блоков в полях ввода \"Start\" и \"End\" соответственно (например 1 и 1000)"}},
      {"a text of one line", "1", 1, 2, 1, 0, {}},
      {"amount", text, 1, 2, 0, 0,
       {"Ошибка! Не задана величина вермени семщения для коррекции тайминга! Задайте величину смещения в строках "
        "ввода \"Sec\" (секунды) и \"mSec\" (миллисекунды; 1000ms = 1Sec)"}},
      {"structure warning cancelled", text, 1, 2, 1, 0,
       {"В тексте замечены структурные ошибки: пересечения нумерации блоков: 1. Рекомендуется их исправить прежде "
        "чем производить смещение тайминга. Всё равно хотите продолжить?"}},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    ShiftTiming(t.editor, true, c.first, c.last, c.sec, c.ms);
    EXPECT_EQ(QuestionTexts(t.prompt), c.questions) << c.name;
    EXPECT_EQ(t.edit.Text(), c.text) << c.name;
    EXPECT_TRUE(t.messages.messages.empty()) << c.name;
    EXPECT_FALSE(t.edit.Focused()) << c.name;
    EXPECT_EQ(t.lines.UseCount(), 0) << c.name;
  }
}

TEST(ShiftTiming, YesKeepsCaretAndViewAndCannotBeUndone) {
  std::string text;
  for (int i = 1; i <= 30; ++i) text += std::to_string(i) + "\r\n" + tA + "\r\nx\r\n\r\n";
  TestEditor t(text);
  t.edit.SetVisibleLines(10);
  t.edit.SetSel(t.edit.LineIndex(42) + 1, 0);  // in a text line
  t.edit.ReplaceSel("y", true);
  t.edit.LineScroll(50 - t.edit.FirstVisibleLine());
  const int caret = t.edit.SelStart();
  const std::string before = t.edit.Text();

  ShiftTiming(t.editor, true, 1, 30, 1, 0);  // Cancel
  EXPECT_EQ(t.edit.Text(), before);
  EXPECT_TRUE(t.edit.CanUndo());

  t.prompt.Script({Answer::Yes});
  ShiftTiming(t.editor, true, 1, 30, 1, 0);
  const std::string after = t.edit.Text();
  EXPECT_NE(after, before);
  EXPECT_EQ(t.edit.SelStart(), caret);
  EXPECT_EQ(t.edit.SelLength(), 0);
  EXPECT_EQ(t.edit.FirstVisibleLine(), 50);
  EXPECT_FALSE(t.edit.CanUndo());
  t.edit.Undo();
  EXPECT_EQ(t.edit.Text(), after);
}

TEST(ShiftTiming, AFailureIsCaughtAndNamesTheOperation) {
  const std::string text = Lines({"1", tA, "a", "", "2", tB, "b"});
  struct Case {
    int failLine;
    bool failSetText;
    const char* message;
  } cases[] = {
      {5, false, "Ошибка! Сбой при попытке осуществить смещение тайминга! Действие отменено."},
      {-1, true, "Ошибка! Сбой при попытке осуществить смещение тайминга!"},
  };
  for (const auto& c : cases) {
    FailingEditor f(text);
    f.edit.failLine = c.failLine;
    f.edit.failSetText = c.failSetText;
    f.prompt.Script({Answer::Yes});
    ShiftTiming(f.editor, true, 1, 2, 1, 0);
    ASSERT_FALSE(f.prompt.questions.empty());
    EXPECT_EQ(f.prompt.questions.back().text, c.message);
    EXPECT_EQ(f.prompt.questions.back().kind, MsgKind::Error);
    EXPECT_EQ(f.prompt.questions.back().buttons, Buttons::Ok);
    f.edit.failLine = -1;
    EXPECT_EQ(f.edit.Text(), text);
    EXPECT_TRUE(f.messages.messages.empty());
    EXPECT_EQ(f.lines.UseCount(), 0);
  }
}

}  // namespace
}  // namespace quillet
