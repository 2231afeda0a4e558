#include "core/time_stretch.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/ops_test_support.h"

namespace quillet {
namespace {

using testing::FailingEditor;
using testing::Lines;
using testing::QuestionTexts;
using testing::TestEditor;

TEST(StretchAmount, SixtyFourBitProductTruncatedTowardZero) {
  struct Case {
    int64_t distance;
    int32_t rate, divisor;
    int64_t amount;
  } cases[] = {
      {600000, 2, 1000, 1200},     {600000, 2, 100000, 12},  {1999, 1, 1000, 1},
      {1999, -1, 1000, -1},        {999, 1, 1000, 0},        {-999, 1, 1000, 0},
      {INT32_MAX, 30000, 1000, 64424509410},                 {INT32_MAX, -30000, 100000, -644245094},
  };
  for (const auto& c : cases) EXPECT_EQ(StretchAmount(c.distance, c.rate, c.divisor), c.amount) << c.distance;
}

StretchInput Input(bool stretch, int rate, int first, int last) {
  StretchInput in;
  in.stretch = stretch;
  in.rate = rate;
  in.first = first;
  in.last = last;
  return in;
}

TEST(StretchTiming, InputErrorsComeFirstAndChangeNothing) {
  const std::string text = Lines({"1", "00:00:01,000 --> 00:00:02,000", "a"});
  const std::string range =
      "Ошибка! Неправильно задан диапазон блоков для коррекции тайминга! Задайте начальный и конечный номера "
      "блоков в полях ввода \"Start\" и \"End\" соответственно (например 1 и 1000)";
  const std::string rate =
      "Ошибка! Не задана величина растяжения-сжатия времени для коррекции тайминга! Задайте в поле \"Время "
      "растяжения\", на сколько миллисекунд или сотых долей миллисекунды в секунду нужно увеличивать или уменьшать "
      "тайминг.";
  struct Case {
    StretchInput input;
    std::string box;
  } cases[] = {
      {Input(true, 5, 3, 3), range},
      {Input(false, 0, 3, 3), range},
      {Input(true, 0, 1, 2), rate},
      {Input(false, 0, 0, 32000), rate},
  };
  for (const auto& c : cases) {
    TestEditor t(text);
    StretchTiming(t.editor, c.input);
    EXPECT_EQ(QuestionTexts(t.prompt), std::vector<std::string>{c.box});
    EXPECT_EQ(t.prompt.questions[0].kind, MsgKind::Error);
    EXPECT_EQ(t.prompt.questions[0].buttons, Buttons::Ok);
    EXPECT_EQ(t.edit.Text(), text);
    EXPECT_TRUE(t.messages.messages.empty());
    EXPECT_FALSE(t.edit.Focused());
  }
}

// A block of one text line.
std::string Block(const std::string& number, const std::string& timeLine) { return number + "\r\n" + timeLine + "\r\nt\r\n\r\n"; }

TEST(StretchTiming, MovesTheRangeAndWhatFollows) {
  const std::string three = Block("1", "00:00:10,000 --> 00:00:12,000") + Block("2", "00:01:50,000 --> 00:01:52,000") +
                            Block("3", "00:02:00,000 --> 00:02:01,000");
  auto with = [](StretchInput in, auto&& change) {
    change(in);
    return in;
  };
  struct Case {
    const char* name;
    std::string text;
    StretchInput input;
    std::string after;
    std::string summary;
  } cases[] = {
      {"worked example", Block("1", "00:10:00,000 --> 00:10:02,000"), Input(true, 2, 1, 2),
       Block("1", "00:10:01,200 --> 00:10:03,200"),
       "Растяжение тайминга завершено. Растянуто блоков: 1 (№ 1-1). Линейно смещено блоков: 0. Всего обработано "
       "блоков: 1."},
      {"hundredths", Block("1", "00:10:00,000 --> 00:10:02,000"),
       with(Input(true, 2, 1, 2), [](StretchInput& i) { i.hundredths = true; }),
       Block("1", "00:10:00,012 --> 00:10:02,012"),
       "Растяжение тайминга завершено. Растянуто блоков: 1 (№ 1-1). Линейно смещено блоков: 0. Всего обработано "
       "блоков: 1."},
      {"origin at the first block; the next follows its start delta", three,
       with(Input(true, 10, 1, 2), [](StretchInput& i) { i.fromStart = false; }),
       Block("1", "00:00:10,000 --> 00:00:12,000") + Block("2", "00:01:51,000 --> 00:01:53,000") +
           Block("3", "00:02:01,000 --> 00:02:02,000"),
       "Растяжение тайминга завершено. Растянуто блоков: 2 (№ 1-2). Линейно смещено блоков: 1 (№ 3-3). Всего "
       "обработано блоков: 3."},
      {"durations stretched; followers still move by the start delta", three,
       with(Input(true, 10, 1, 2),
            [](StretchInput& i) {
              i.fromStart = false;
              i.durations = true;
            }),
       Block("1", "00:00:10,000 --> 00:00:12,020") + Block("2", "00:01:51,000 --> 00:01:53,020") +
           Block("3", "00:02:01,000 --> 00:02:02,000"),
       "Растяжение тайминга завершено. Растянуто блоков: 2 (№ 1-2). Линейно смещено блоков: 1 (№ 3-3). Всего "
       "обработано блоков: 3."},
      {"no following", three,
       with(Input(true, 10, 1, 2),
            [](StretchInput& i) {
              i.fromStart = false;
              i.follow = false;
            }),
       Block("1", "00:00:10,000 --> 00:00:12,000") + Block("2", "00:01:51,000 --> 00:01:53,000") +
           Block("3", "00:02:00,000 --> 00:02:01,000"),
       "Растяжение тайминга завершено. Растянуто блоков: 2 (№ 1-2). Всего обработано блоков: 3."},
      {"durations example", Block("1", "00:01:40,000 --> 00:01:42,000"),
       with(Input(true, 10, 1, 2), [](StretchInput& i) { i.durations = true; }),
       Block("1", "00:01:41,000 --> 00:01:43,020"),
       "Растяжение тайминга завершено. Растянуто блоков: 1 (№ 1-1). Линейно смещено блоков: 0. Всего обработано "
       "блоков: 1."},
      {"a later number before the range stays; the lowest and highest numbers",
       Block("5", "00:00:01,000 --> 00:00:02,000") + Block("3", "00:01:40,000 --> 00:01:42,000") +
           Block("1", "00:03:20,000 --> 00:03:22,000") + Block("4", "00:05:00,000 --> 00:05:01,000") +
           Block("6", "00:06:00,000 --> 00:06:01,000  X"),
       Input(true, 10, 1, 3),
       Block("5", "00:00:01,000 --> 00:00:02,000") + Block("3", "00:01:41,000 --> 00:01:43,000") +
           Block("1", "00:03:22,000 --> 00:03:24,000") + Block("4", "00:05:02,000 --> 00:05:03,000") +
           Block("6", "00:06:02,000 --> 00:06:03,000 X"),
       "Растяжение тайминга завершено. Растянуто блоков: 2 (№ 1-3). Линейно смещено блоков: 2 (№ 4-6). Всего "
       "обработано блоков: 5."},
      {"compress at 30000 ms per second stops at 0", Block("1", "00:00:01,000 --> 00:00:02,000"),
       Input(false, 30000, 1, 2), Block("1", "00:00:00,000 --> 00:00:00,000"),
       "Сжатие тайминга завершено. Сжато блоков: 1 (№ 1-1). Линейно смещено блоков: 0. Всего обработано блоков: 1."},
      {"truncated stretch", Block("1", "00:00:01,999 --> 00:00:03,000"), Input(true, 1, 1, 2),
       Block("1", "00:00:02,000 --> 00:00:03,001"),
       "Растяжение тайминга завершено. Растянуто блоков: 1 (№ 1-1). Линейно смещено блоков: 0. Всего обработано "
       "блоков: 1."},
      {"truncated compress", Block("1", "00:00:01,999 --> 00:00:03,000"), Input(false, 1, 1, 2),
       Block("1", "00:00:01,998 --> 00:00:02,999"),
       "Сжатие тайминга завершено. Сжато блоков: 1 (№ 1-1). Линейно смещено блоков: 0. Всего обработано блоков: 1."},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes, Answer::Yes});  // a structure warning, if any, comes first
    StretchTiming(t.editor, c.input);
    ASSERT_FALSE(t.prompt.questions.empty()) << c.name;
    EXPECT_EQ(t.prompt.questions.back().text, c.summary + " Применить изменения?") << c.name;
    EXPECT_EQ(t.prompt.questions.back().buttons, Buttons::YesCancel) << c.name;
    EXPECT_EQ(t.prompt.questions.back().kind, MsgKind::Confirmation) << c.name;
    EXPECT_EQ(t.edit.Text(), c.after) << c.name;
    ASSERT_EQ(t.messages.messages.size(), 1u) << c.name;
    EXPECT_EQ(t.messages.messages[0].text, c.summary) << c.name;
    EXPECT_EQ(t.messages.messages[0].kind, MsgKind::Information) << c.name;
    EXPECT_TRUE(t.messages.messages[0].likeLast) << c.name;
    EXPECT_FALSE(t.edit.CanUndo()) << c.name;
    EXPECT_TRUE(t.edit.Focused()) << c.name;
    EXPECT_EQ(t.lines.UseCount(), 0) << c.name;
  }
}

TEST(StretchTiming, OutcomesThatLeaveTheTextAlone) {
  // Block 3 starts before block 1, the origin when "От начала" is off.
  const std::string overlap = Block("1", "00:00:10,000 --> 00:00:11,000") + Block("2", "00:00:20,000 --> 00:00:21,000") +
                              Block("3", "00:00:05,000 --> 00:00:06,000");
  auto overlapText = [](const char* adjective, const char* genitive, const char* name) {
    return std::string("Ошибка! Пересечение времени внутри заданного диапазона блоков - первый из ") + adjective +
           " блоков, служащий началом отсчёта " + genitive +
           ", имеет большее время, чем расположенный в тексте ниже него блок №3 (строка 9). " + name +
           " отменено! Исправьте ошибку или включите опцию \"От начала\" и повторите попытку.";
  };
  StretchInput fromFirst = Input(true, 10, 1, 3);
  fromFirst.fromStart = false;
  StretchInput compressFromFirst = fromFirst;
  compressFromFirst.stretch = false;
  struct Case {
    const char* name;
    std::string text;
    StretchInput input;
    std::string box;
    MsgKind kind;
    bool toMessages;
  } cases[] = {
      {"overlap", overlap, fromFirst, overlapText("растягиваемых", "растяжения", "Растяжение"), MsgKind::Error, true},
      {"overlap, compress", overlap, compressFromFirst, overlapText("сжимаемых", "сжатия", "Сжатие"), MsgKind::Error,
       true},
      {"no block in the range", overlap, Input(true, 10, 7, 9),
       "Не найдно блоков, укладывающихся в заданный диапазон блоков. Операция отменена.", MsgKind::Warning, false},
      {"empty text", "", Input(true, 10, 1, 2), "Не найдно блоков для растяжения тайминга. Операция отменена.",
       MsgKind::Warning, false},
      {"empty text, compress", "", Input(false, 10, 1, 2), "Не найдно блоков для сжатия тайминга. Операция отменена.",
       MsgKind::Warning, false},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes});  // the structure warning about the overlap
    StretchTiming(t.editor, c.input);
    ASSERT_FALSE(t.prompt.questions.empty()) << c.name;
    EXPECT_EQ(t.prompt.questions.back().text, c.box) << c.name;
    EXPECT_EQ(t.prompt.questions.back().kind, c.kind) << c.name;
    EXPECT_EQ(t.prompt.questions.back().buttons, Buttons::Ok) << c.name;
    EXPECT_EQ(t.edit.Text(), c.text) << c.name;
    if (c.toMessages) {
      ASSERT_EQ(t.messages.messages.size(), 1u) << c.name;
      EXPECT_EQ(t.messages.messages[0].text, c.box);
      EXPECT_EQ(t.messages.messages[0].kind, MsgKind::Error);
    } else {
      EXPECT_TRUE(t.messages.messages.empty()) << c.name;
    }
    EXPECT_TRUE(t.edit.Focused()) << c.name;
    EXPECT_EQ(t.lines.UseCount(), 0) << c.name;
  }

  // From the start no overlap can occur.
  TestEditor t(overlap);
  t.prompt.Script({Answer::Yes, Answer::Cancel});
  StretchTiming(t.editor, Input(true, 10, 1, 3));
  EXPECT_EQ(t.prompt.questions.back().text,
            "Растяжение тайминга завершено. Растянуто блоков: 3 (№ 1-3). Линейно смещено блоков: 0. Всего обработано "
            "блоков: 3. Применить изменения?");
  EXPECT_EQ(t.edit.Text(), overlap);  // Cancel
  EXPECT_TRUE(t.messages.messages.empty());
}

TEST(StretchTiming, TheStructureWarningNamesTheOperationAndCancelStopsQuietly) {
  const std::string text = Block("1", "00:00:10,000 --> 00:00:11,000") + Block("2", "00:00:05,000 --> 00:00:06,000");
  for (const bool stretch : {true, false}) {
    TestEditor t(text);
    StretchTiming(t.editor, Input(stretch, 10, 1, 2));
    EXPECT_EQ(QuestionTexts(t.prompt),
              std::vector<std::string>{std::string("В тексте замечены структурные ошибки: пересечение времени: 1. "
                                                   "Рекомендуется их исправить прежде чем производить ") +
                                       (stretch ? "растяжение" : "сжатие") +
                                       " тайминга. Всё равно хотите продолжить?"});
    EXPECT_EQ(t.edit.Text(), text);
    EXPECT_TRUE(t.messages.messages.empty());
    EXPECT_FALSE(t.edit.Focused());
    EXPECT_EQ(t.lines.UseCount(), 0);
  }
}

TEST(StretchTiming, AFailureIsCaughtAndNamesTheOperation) {
  const std::string text = Block("1", "00:00:10,000 --> 00:00:11,000") + Block("2", "00:00:20,000 --> 00:00:21,000");
  struct Case {
    bool stretch;
    int failLine;
    bool failSetText;
    const char* message;
  } cases[] = {
      {true, 5, false, "Ошибка! Сбой при попытке осуществить растяжение тайминга! Действие отменено."},
      {false, 5, false, "Ошибка! Сбой при попытке осуществить сжатие тайминга! Действие отменено."},
      {true, -1, true, "Ошибка! Сбой при попытке осуществить растяжение тайминга!"},
  };
  for (const auto& c : cases) {
    FailingEditor f(text);
    f.edit.failLine = c.failLine;
    f.edit.failSetText = c.failSetText;
    f.prompt.Script({Answer::Yes});
    StretchTiming(f.editor, Input(c.stretch, 10, 1, 2));
    ASSERT_FALSE(f.prompt.questions.empty());
    EXPECT_EQ(f.prompt.questions.back().text, c.message);
    EXPECT_EQ(f.prompt.questions.back().kind, MsgKind::Error);
    f.edit.failLine = -1;
    EXPECT_EQ(f.edit.Text(), text);
    EXPECT_TRUE(f.messages.messages.empty());
    EXPECT_EQ(f.lines.UseCount(), 0);
  }
}

}  // namespace
}  // namespace quillet
