#include "core/time_stretch.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/ops_test_support.h"

namespace quillet {
namespace {

using namespace testing;

TEST(StretchAmount, SixtyFourBitProductTruncatedTowardZero) {
  struct Case { int64_t distance; int32_t rate, divisor; int64_t amount; } cases[] = {
      {600000, 2, 1000, 1200}, {600000, 2, 100000, 12}, {1999, 1, 1000, 1},
      {1999, -1, 1000, -1},    {-999, 1, 1000, 0},      {INT32_MAX, 30000, 1000, 64424509410},
  };
  for (const auto& c : cases) EXPECT_EQ(StretchAmount(c.distance, c.rate, c.divisor), c.amount) << c.distance;
}

struct Options { bool hundredths = false, fromStart = true, follow = true, durations = false; };

StretchInput Input(bool stretch, int rate, int first, int last, Options o = {}) {
  return {stretch, rate, o.hundredths, o.fromStart, o.follow, o.durations, first, last};
}

// A block of one text line.
std::string Block(const std::string& n, const std::string& timeLine) { return n + "\r\n" + timeLine + "\r\nt\r\n\r\n"; }

std::string Stretched(int n, const char* range, const char* followed = nullptr, int total = 1) {
  std::string s = "Растяжение тайминга завершено. Растянуто блоков: " + std::to_string(n) + " (№ " + range + ")";
  if (followed) s += std::string(". Линейно смещено блоков: ") + followed;
  return s + ". Всего обработано блоков: " + std::to_string(total) + ".";
}

TEST(StretchTiming, MovesTheRangeAndWhatFollows) {
  const std::string three = Block("1", "00:00:10,000 --> 00:00:12,000") + Block("2", "00:01:50,000 --> 00:01:52,000") +
                            Block("3", "00:02:00,000 --> 00:02:01,000");
  const std::string tenMin = Block("1", "00:10:00,000 --> 00:10:02,000");
  struct Case { const char* name; std::string text; StretchInput input; std::string after, summary; } cases[] = {
      {"2 ms per second over ten minutes", tenMin, Input(true, 2, 1, 2), Block("1", "00:10:01,200 --> 00:10:03,200"),
       Stretched(1, "1-1", "0")},
      {"origin at the first block, durations too; the follower moves by the start delta", three,
       Input(true, 10, 1, 2, {false, false, true, true}),
       Block("1", "00:00:10,000 --> 00:00:12,020") + Block("2", "00:01:51,000 --> 00:01:53,020") +
           Block("3", "00:02:01,000 --> 00:02:02,000"),
       Stretched(2, "1-2", "1 (№ 3-3)", 3)},
      {"no following", three, Input(true, 10, 1, 2, {false, false, false, false}),
       Block("1", "00:00:10,000 --> 00:00:12,000") + Block("2", "00:01:51,000 --> 00:01:53,000") +
           Block("3", "00:02:00,000 --> 00:02:01,000"),
       Stretched(2, "1-2", nullptr, 3)},
      {"a later number before the range stays; lowest and highest numbers",
       Block("5", "00:00:01,000 --> 00:00:02,000") + Block("3", "00:01:40,000 --> 00:01:42,000") +
           Block("1", "00:03:20,000 --> 00:03:22,000") + Block("4", "00:05:00,000 --> 00:05:01,000") +
           Block("6", "00:06:00,000 --> 00:06:01,000  X"),
       Input(true, 10, 1, 3),
       Block("5", "00:00:01,000 --> 00:00:02,000") + Block("3", "00:01:41,000 --> 00:01:43,000") +
           Block("1", "00:03:22,000 --> 00:03:24,000") + Block("4", "00:05:02,000 --> 00:05:03,000") +
           Block("6", "00:06:02,000 --> 00:06:03,000 X"),
       Stretched(2, "1-3", "2 (№ 4-6)", 5)},
      {"compress at 30000 ms per second stops at 0", Block("1", "00:00:01,000 --> 00:00:02,000"),
       Input(false, 30000, 1, 2), Block("1", "00:00:00,000 --> 00:00:00,000"),
       "Сжатие тайминга завершено. Сжато блоков: 1 (№ 1-1). Линейно смещено блоков: 0. Всего обработано блоков: 1."},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes, Answer::Yes});  // a structure warning, if any, comes first
    StretchTiming(t.editor, c.input);
    ExpectApplied(t, c.summary, c.after, MsgKind::Information, c.name);
  }
}

TEST(StretchTiming, OutcomesThatLeaveTheTextAlone) {
  const std::string range =
      "Ошибка! Неправильно задан диапазон блоков для коррекции тайминга! Задайте начальный и конечный номера "
      "блоков в полях ввода \"Start\" и \"End\" соответственно (например 1 и 1000)";
  const std::string rate =
      "Ошибка! Не задана величина растяжения-сжатия времени для коррекции тайминга! Задайте в поле \"Время "
      "растяжения\", на сколько миллисекунд или сотых долей миллисекунды в секунду нужно увеличивать или уменьшать "
      "тайминг.";
  // Block 3 starts before block 1, the origin when "От начала" is off.
  const std::string overlap = Block("1", "00:00:10,000 --> 00:00:11,000") + Block("2", "00:00:20,000 --> 00:00:21,000") +
                              Block("3", "00:00:05,000 --> 00:00:06,000");
  auto overlapText = [](const char* adjective, const char* genitive, const char* name) {
    return std::string("Ошибка! Пересечение времени внутри заданного диапазона блоков - первый из ") + adjective +
           " блоков, служащий началом отсчёта " + genitive +
           ", имеет большее время, чем расположенный в тексте ниже него блок №3 (строка 9). " + name +
           " отменено! Исправьте ошибку или включите опцию \"От начала\" и повторите попытку.";
  };
  const Options fromFirst{false, false, true, false};
  struct Case { std::string text; StretchInput input; std::string box; MsgKind kind; bool focused; /* the walk ran */ };
  const Case cases[] = {
      {overlap, Input(true, 5, 3, 3), range, MsgKind::Error, false},
      {overlap, Input(false, 0, 1, 2), rate, MsgKind::Error, false},
      {overlap, Input(true, 10, 1, 3, fromFirst), overlapText("растягиваемых", "растяжения", "Растяжение"),
       MsgKind::Error, true},
      {overlap, Input(false, 10, 1, 3, fromFirst), overlapText("сжимаемых", "сжатия", "Сжатие"), MsgKind::Error, true},
      {overlap, Input(true, 10, 7, 9), "Не найдно блоков, укладывающихся в заданный диапазон блоков. Операция отменена.",
       MsgKind::Warning, true},
      {"", Input(true, 10, 1, 2), "Не найдно блоков для растяжения тайминга. Операция отменена.", MsgKind::Warning,
       true},
      {"", Input(false, 10, 1, 2), "Не найдно блоков для сжатия тайминга. Операция отменена.", MsgKind::Warning, true},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes});  // the structure warning about the overlap
    StretchTiming(t.editor, c.input);
    ExpectBox(t, c.text, c.box, c.kind);
    // Only the overlap is also recorded, as an error.
    const bool recorded = c.box.find("Пересечение") != std::string::npos;
    EXPECT_EQ(Messages(t.messages), (recorded ? std::vector<Said>{{c.box, MsgKind::Error, true}} : std::vector<Said>{}));
    EXPECT_EQ(t.edit.Focused(), c.focused) << c.box;
  }

}

TEST(StretchTiming, TheStructureWarningNamesTheOperation) {
  const std::string text = Block("1", "00:00:10,000 --> 00:00:11,000") + Block("2", "00:00:05,000 --> 00:00:06,000");
  for (const bool stretch : {true, false}) {
    TestEditor t(text);
    StretchTiming(t.editor, Input(stretch, 10, 1, 2));
    EXPECT_EQ(QuestionTexts(t.prompt),
              std::vector<std::string>{std::string("В тексте замечены структурные ошибки: пересечение времени: 1. "
                                                   "Рекомендуется их исправить прежде чем производить ") +
                                       (stretch ? "растяжение" : "сжатие") + " тайминга. Всё равно хотите продолжить?"});
    EXPECT_EQ(std::make_tuple(t.edit.Text(), t.messages.messages.size(), t.edit.Focused()),
              std::make_tuple(text, size_t{0}, false));
  }
}

TEST(StretchTiming, AFailureIsCaughtAndNamesTheOperation) {
  const std::string text = Block("1", "00:00:10,000 --> 00:00:11,000") + Block("2", "00:00:20,000 --> 00:00:21,000");
  const std::pair<bool, const char*> cases[] = {
      {false, "Ошибка! Сбой при попытке осуществить сжатие тайминга! Действие отменено."},
      {true, "Ошибка! Сбой при попытке осуществить сжатие тайминга!"},
  };
  for (const auto& [afterScan, box] : cases) {
    FailingEditor f(text, afterScan ? -1 : 5, afterScan);
    f.prompt.Script({Answer::Yes});
    StretchTiming(f.editor, Input(false, 10, 1, 2));
    ExpectFailureBox(f, text, box);
  }
}

}  // namespace
}  // namespace quillet
