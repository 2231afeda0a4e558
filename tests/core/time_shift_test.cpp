#include "core/time_shift.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/ops_test_support.h"

namespace quillet {
namespace {

using namespace testing;

const std::string tA = "00:00:01,000 --> 00:00:02,000";
const std::string tB = "00:00:03,000 --> 00:00:04,000";
const std::string tC = "00:00:10,000 --> 00:00:12,000";

std::string Summary(const std::string& range, int total, int shifted) {
  return "Смещение тайминга завершено. Диапазон блоков: " + range + ", Обработано блоков: " + std::to_string(total) +
         ", смещено блоков: " + std::to_string(shifted) + ".";
}

TEST(ShiftTiming, AppliedShifts) {
  struct Case { const char* name; std::string text; bool add; int first, last, sec, ms; std::string summary, after; };
  const Case cases[] = {
      {"+1500 ms", Lines({"1", tA, "a", "", "2", tB, "b"}), true, 1, 2, 1, 500, Summary("1-2", 2, 2),
       Lines({"1", "00:00:02,500 --> 00:00:03,500", "a", "", "2", "00:00:04,500 --> 00:00:05,500", "b", ""})},
      {"one millisecond; a block outside the range is counted", Lines({"1", tA, "a", "", "2", tB, "b"}), true, 2, 7,
       0, 1, Summary("2-7", 2, 1), Lines({"1", tA, "a", "", "2", "00:00:03,001 --> 00:00:04,001", "b", ""})},
      {"a repeated number, a number with blanks, 32000, down to exactly 0",
       Lines({"7  ", tA, "a", "", "7", tB, "b", "", "32000", tC, "c"}), false, 7, 32000, 1, 0,
       Summary("7-32000", 3, 3),
       Lines({"7  ", "00:00:00,000 --> 00:00:01,000", "a", "", "7", "00:00:02,000 --> 00:00:03,000", "b", "", "32000",
              "00:00:09,000 --> 00:00:11,000", "c", ""})},
      {"the tail after the end code", Lines({"1", tA + "  X1:10  ", "a", "", "2", tB + " X1:10", "b"}), true, 1, 2, 1,
       0, Summary("1-2", 2, 2),
       Lines({"1", "00:00:02,000 --> 00:00:03,000 X1:10", "a", "", "2", "00:00:04,000 --> 00:00:05,000X1:10", "b", ""})},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes, Answer::Yes});  // a structure warning, if any, comes first
    ShiftTiming(t.editor, c.add, c.first, c.last, c.sec, c.ms);
    ExpectApplied(t, c.summary, c.after, MsgKind::Confirmation, c.name);
  }
}

TEST(ShiftTiming, BoxesThatLeaveTheTextAlone) {
  const std::string two = Lines({"1", tA, "a", "", "2", tB, "b"});
  const std::string outOfRange = "Не найдно блоков, укладывающихся в заданный диапазон блоков. Операция отменена.";
  const std::string belowZero =
      "Ошибка! Некорректные условия смещения тайминга. Время смещёных блоков меньше 0. Операция отменена!";
  struct Case { std::string text; bool add; int first, last, sec; std::string box; MsgKind kind; } cases[] = {
      {two, true, 3, 9, 1, outOfRange, MsgKind::Warning},
      {Lines({"1", tA, "a"}), true, 2, 9, 1, outOfRange, MsgKind::Warning},  // exactly one block, out of the range
      {Lines({"1", "a"}), true, 1, 9, 1, "Не найдно блоков для cмещения тайминга. Операция отменена.", MsgKind::Warning},
      {two, false, 1, 2, 4, belowZero, MsgKind::Error},
      // Only the start would go below 0.
      {Lines({"1", "00:00:01,000 --> 00:00:10,000", "a"}), false, 1, 2, 5, belowZero, MsgKind::Error},
      // An end before its start: only the end would go below 0.
      {Lines({"1", "00:00:05,000 --> 00:00:01,000", "a"}), false, 1, 2, 2, belowZero, MsgKind::Error},
      // Only the start would pass the greatest time (2147483999 ms); the end would not.
      {Lines({"1", "99:59:59,999 --> 00:00:01,000", "a"}), true, 1, 2, 1787484, belowZero, MsgKind::Error},
      // A time beyond what a time code holds is refused like a negative one, not wrapped.
      {Lines({"1", "00:00:01,000 --> 596:31:23,647", "a"}), true, 1, 2, 1, belowZero, MsgKind::Error},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes});  // the structure warning of the last case
    ShiftTiming(t.editor, c.add, c.first, c.last, c.sec, 0);
    ExpectBox(t, c.text, c.box, c.kind);
    EXPECT_TRUE(t.messages.messages.empty() && t.edit.Focused()) << c.box;
  }
}

TEST(ShiftTiming, SomeBlocksWouldGoBelowZero) {
  const std::string text = Lines({"1", "00:00:03,000 --> 00:00:04,000", "a", "", "2", tC, "b"});
  const std::string warning =
      "Внимание! Операция заврешена. Вследствие некорректно заданных условий смещения тайминга время части блоков "
      "не было смещено, так как инчае оно стало бы отрицательным.";
  const std::string details =
      " Диапазон блоков: 1-2, смещено блоков: 1, не удалось сместить, блоков: 1, всего обработано блоков: 2.";
  TestEditor cancelled(text);
  ShiftTiming(cancelled.editor, false, 1, 2, 5, 0);
  EXPECT_EQ(QuestionTexts(cancelled.prompt),
            std::vector<std::string>{warning + " Всё равно хотите применить изменения (не рекомендуется)?" + details});
  EXPECT_EQ(cancelled.edit.Text(), text);
  EXPECT_TRUE(cancelled.messages.messages.empty());

  TestEditor t(text);
  t.prompt.Script({Answer::Yes});
  ShiftTiming(t.editor, false, 1, 2, 5, 0);
  EXPECT_EQ(Messages(t.messages), (std::vector<Said>{{warning + details, MsgKind::Warning, true}}));
  EXPECT_EQ(t.edit.Text(), Lines({"1", "00:00:03,000 --> 00:00:04,000", "a", "", "2", "00:00:05,000 --> 00:00:07,000",
                                  "b", ""}));
}

TEST(ShiftTiming, StopsBeforeTheScan) {
  const std::string text = Lines({"1", tA, "a", "", "1", tB, "b"});  // a repeated number
  const std::string range =
      "Ошибка! Неправильно задан диапазон блоков для коррекции тайминга! Задайте начальный и конечный номера "
      "блоков в полях ввода \"Start\" и \"End\" соответственно (например 1 и 1000)";
  struct Case { std::string text; int first, last, sec, ms; std::vector<std::string> questions; } cases[] = {
      {text, 2, 2, 1, 0, {range}},
      {"1", 1, 2, 1, 0, {}},  // one line: nothing, not even a message
      {text, 1, 2, 0, 0,
       {"Ошибка! Не задана величина вермени семщения для коррекции тайминга! Задайте величину смещения в строках "
        "ввода \"Sec\" (секунды) и \"mSec\" (миллисекунды; 1000ms = 1Sec)"}},
      {text, 1, 2, 1, 0,
       {"В тексте замечены структурные ошибки: пересечения нумерации блоков: 1. Рекомендуется их исправить прежде "
        "чем производить смещение тайминга. Всё равно хотите продолжить?"}},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    ShiftTiming(t.editor, true, c.first, c.last, c.sec, c.ms);
    EXPECT_EQ(QuestionTexts(t.prompt), c.questions) << c.first << "-" << c.last;
    for (const auto& q : t.prompt.questions) EXPECT_NE(q.kind, MsgKind::Confirmation);
    EXPECT_EQ(t.edit.Text(), c.text);
    EXPECT_TRUE(t.messages.messages.empty());
    EXPECT_FALSE(t.edit.Focused());
    EXPECT_EQ(t.lines.UseCount(), 0);
  }
}

TEST(ShiftTiming, AFailureIsCaughtAndNamesTheOperation) {
  const std::string text = Lines({"1", tA, "a", "", "2", tB, "b"});
  for (const bool afterScan : {false, true}) {
    FailingEditor f(text, afterScan ? -1 : 5, afterScan);
    f.prompt.Script({Answer::Yes});
    ShiftTiming(f.editor, true, 1, 2, 1, 0);
    ExpectFailureBox(f, text,
                     afterScan ? "Ошибка! Сбой при попытке осуществить смещение тайминга!"
                               : "Ошибка! Сбой при попытке осуществить смещение тайминга! Действие отменено.");
  }
}

}  // namespace
}  // namespace quillet
