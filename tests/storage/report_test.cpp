// The report: every line with its indent and condition, through the fake editor.
#include "storage/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/ops_test_support.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::Lines;
using testing::TestEditor;
using Strings = std::vector<std::string>;

const std::string T1 = "00:00:01,000 --> 00:00:02,000";
const std::string T2 = "00:00:03,000 --> 00:00:05,500";

Strings Report(const std::string& text, const std::string& file = "", int32_t minMs = 500, int32_t maxSec = 20) {
  TestEditor t(text);
  return BuildReport(t.lines, t.format, file, minMs, maxSec);
}

// The head of an SRT report of the given size and line count.
Strings SrtHead(const std::string& size, int lines) {
  return {"  Текст:", "        Размер: " + size, "        Строк: " + std::to_string(lines),
          "        Формат субтитров: SRT", "", "        SRT Info:"};
}

Strings Plus(Strings a, const Strings& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(Report, EmptyEditorWithoutAFile) {
  EXPECT_EQ(Report(""), (Strings{"  Текст:", "        Размер: 0 байт"}));
  EXPECT_EQ(Report("", "/home/user/Фильмы/film.srt"),
            (Strings{"  Файл: film.srt", "  Путь: /home/user/Фильмы", "", "  Текст:", "        Размер: 0 байт"}));
  EXPECT_EQ(Report("", "/film.srt")[1], "  Путь: /");
}

TEST(Report, TextThatIsNotSrt) {
  // 25 lines of 98 characters and a line break each: 2500 characters.
  std::string text;
  for (int i = 0; i < 25; ++i) text += std::string(98, 'x') + "\r\n";
  EXPECT_EQ(Report(text), (Strings{"  Текст:", "        Размер: 2.44 Кб (2500 байт)", "        Строк: 25",
                                   "        Формат субтитров: ???"}));
  const std::string ass = Lines({"[Script Info]", "ScriptType: v4.00+", "", "[Events]",
                                 "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text",
                                 "Dialogue: 0,0:00:01.00,0:00:02.50,Default,,0,0,0,,Text", ""});
  const Strings r = Report(ass);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[3], "        Формат субтитров: ASS");
}

TEST(Report, CleanSrtEndsWithNoErrors) {
  const std::string text = Lines({"1", T1, Ansi("Привет"), "", "2", T2, Ansi("Текст"), Ansi("мир"), ""});
  const Strings tail = {"            Блоков: 2",
                        "            Время: 0:00:01 - 0:00:05",
                        "            Min длительноcть: 1000 миллисекунд",
                        "            Max длительноcть: 2500 миллисекунд",
                        "            Число строк текста в блоке, max: 2",
                        "            Наибльшая длина строки текста, символов: 6",
                        "            Наибльший размер текста в блоке, символов: 8",
                        "",
                        "            Ошибки: Не обнаружено"};
  EXPECT_EQ(Report(text), Plus(SrtHead("90 байт", 8), tail));
  // The Latin letter in both labels.
  EXPECT_NE(tail[2].find("длительно\x63ть"), std::string::npos);

  // Numbering from 2: the min/max line appears.
  const std::string from2 = Lines({"2", T1, "a", "", "3", T2, "b", ""});
  EXPECT_EQ(Report(from2).at(7), "            Нумерация блоков min/max: 2/3");
}

TEST(Report, NormalizationHintsAndErrorsInTheirOrder) {
  const std::string text = Lines({"",  // an extra blank line
                                  "1", "00:00:01,000 --> 00:00:01,100", "short  ", "",
                                  "3", "00:00:00,500 --> 00:00:40,000", "long and overlapping", "",
                                  "2", "00:00:41,000 --> 00:00:42,000", "", "",
                                  "outside", "",
                                  "4", "00:00:43,000 --> 00:00:4x,000", "bad time", ""});
  const Strings r = Report(text, "", 300, 15);
  const Strings tail(r.begin() + 6, r.end());
  EXPECT_EQ(tail, (Strings{"            Блоков: 4",
                           "            Время: 0:00:00 - 0:00:42",  // the bad time line is not read
                           "            Min длительноcть: 100 миллисекунд",
                           "            Max длительноcть: 39500 миллисекунд",
                           "            Число строк текста в блоке, max: 1",
                           "            Наибльшая длина строки текста, символов: 20",
                           "            Наибльший размер текста в блоке, символов: 20",
                           "",
                           "            Нормализация: Не помешает",
                           "                 Лишних пробелов: 2",
                           "                 Лишних строк: 2",
                           "                 Нарушение упорядоченности нумерации блоков: Имеется",
                           "",
                           "            Ошибки: найдено 7",
                           "                 Некорректное время: 1",
                           "                 Текст вне блоков: 1",
                           "                 Пересечение времени: 1",
                           "                 Длительность меньше [300 ms]: 1",
                           "                 Длительность больше [15 sec]: 1",
                           "                 Пересечение нумерации блоков: 1",
                           "                 Блок без текста: 1"}));
}

TEST(Report, EachNormalizationHintAlone) {
  const std::string head = "            Нормализация: Не помешает";
  struct Case { const char* name; std::string text; Strings hints; } cases[] = {
      {"one trailing blank", Lines({"1", T1, "a ", "", "2", T2, "b", ""}), {"                 Лишних пробелов: 1"}},
      {"one extra blank line", Lines({"1", T1, "a", "", "", "2", T2, "b", ""}), {"                 Лишних строк: 1"}},
      {"numbers out of order", Lines({"2", T1, "a", "", "1", T2, "b", ""}),
       {"                 Нарушение упорядоченности нумерации блоков: Имеется"}},
      {"nothing to normalize", Lines({"1", T1, "a", "", "2", T2, "b", ""}), {}},
  };
  for (const auto& c : cases) {
    const Strings r = Report(c.text);
    Strings hints;
    auto it = std::find(r.begin(), r.end(), head);
    if (it != r.end()) {
      for (++it; it != r.end() && !it->empty(); ++it) hints.push_back(*it);
    }
    EXPECT_EQ(hints, c.hints) << c.name;
    EXPECT_EQ(it != r.end(), !c.hints.empty()) << c.name;
  }
}

TEST(Report, AFailedStatisticsPassEndsAfterSrtInfo) {
  testing::FailingEditor f(Lines({"1", T1, "a", "", "2", T2, "b", ""}), -1, false);
  ASSERT_EQ(f.format.GetTextFormat(), TextFormat::Srt);
  f.edit.failLine = 5;
  const Strings r = BuildReport(f.lines, f.format, "", 500, 20);
  ASSERT_FALSE(r.empty());
  EXPECT_EQ(r.back(), "        SRT Info:");
}

}  // namespace
}  // namespace quillet
