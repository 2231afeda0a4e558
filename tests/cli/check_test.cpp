// quillet-cli check, run as a separate process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_run.h"

namespace {

using cli_run::Data;
using cli_run::Result;
using cli_run::WriteFile;

Result Check(const std::vector<std::string>& args) { return cli_run::Run("check", args); }

const std::string kOverlap =
    "Ошибка! Строка 6 Блок №2. Начальное время блока меньше конечного времени предыдущего блока.\n";
const std::string kShort =
    "Ошибка! Строка 10 Блок №3. Слишком маленький промежуток между начальным и конечным временем "
    "блока. Промежуток составляет всего 200 миллисекунд.\n";
const std::string kOutside = "Ошибка! Строка 15. Нарушение структуры субтитров. Текст вне блоков.\n";

TEST(CheckCommand, PrintsEveryMessageInOrder) {
  struct Case {
    std::vector<std::string> options;
    std::string out;
    int status;
  } cases[] = {
      {{}, kOverlap + kShort + kOutside + "Сканирование завершено. Новых ошибок не найдено. Пропущено ошибок: 3.\n", 1},
      {{"--special", "--max-lines=2", "--no-overlaps", "--no-min-duration"},
       "Ошибка! Строка 3 Блок №1. В тексте найден запрещённый вами символ \"[\".\n"
       "Ошибка! Строка 13 Блок №3. Число строк текста больше, чем разрешено вашими настройками поиска "
       "ошибок (превышает 2).\n" +
           kOutside + "Сканирование завершено. Новых ошибок не найдено. Пропущено ошибок: 3.\n",
       1},
      {{"--special=МИР, !", "--no-overlaps", "--no-min-duration", "--no-structure"},
       "Ошибка! Строка 3 Блок №1. В тексте найден запрещённый вами набор символов \"МИР\".\n"
       "Сканирование завершено. Новых ошибок не найдено. Пропущено ошибок: 1.\n",
       1},
      {{"--min-duration=200", "--no-overlaps", "--no-structure"}, "Сканирование завершено. Ошибок не найдено.\n", 0},
      {{"--min-duration=201", "--no-overlaps", "--no-structure"}, kShort + "Сканирование завершено. Новых ошибок не найдено. Пропущено ошибок: 1.\n", 1},
      {{"--from-line=11"}, kOutside + "Сканирование завершено. Новых ошибок не найдено. Пропущено ошибок: 3.\n", 1},
      {{"--from-line=16"}, "Сканирование завершено. От строки 16 до конца текста ошибок не найдено. Пропущено ошибок: 3.\n", 0},
      {{"--max-duration=1", "--no-min-duration", "--no-overlaps", "--no-structure"},
       "Ошибка! Строка 2 Блок №1. Слишком большой промежуток между начальным и конечным временем блока. "
       "Промежуток составляет 2000 миллисекунд (2 сек).\n"
       "Ошибка! Строка 6 Блок №2. Слишком большой промежуток между начальным и конечным временем блока. "
       "Промежуток составляет 1500 миллисекунд (1.5 сек).\n"
       "Ошибка! Строка 17 Блок №4. Слишком большой промежуток между начальным и конечным временем блока. "
       "Промежуток составляет 2000 миллисекунд (2 сек).\n"
       "Сканирование завершено. Новых ошибок не найдено. Пропущено ошибок: 3.\n",
       1},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.options;
    args.push_back(Data("check_errors.srt"));
    SCOPED_TRACE(::testing::PrintToString(c.options));
    const Result r = Check(args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, "");
  }
}

TEST(CheckCommand, ALineBreakInsideAMessageIsPrintedAsOne) {
  const Result r = Check({"--numbering", Data("check_clean.srt")});
  EXPECT_EQ(r.out,
            "Сканирование завершено. Ошибок не найдено.\n"
            "Замечно нарушение упорядоченности нумерации блоков (не является ошибкой) - рекомендуется "
            "выполнить ренумерацию (необязательно).\n");
  EXPECT_EQ(r.status, 0);
}

TEST(CheckCommand, RefusesBadArguments) {
  const std::string file = Data("check_errors.srt");
  struct Case {
    std::vector<std::string> args;
    std::string mention;
  } cases[] = {
      {{"--min-duration=0", file}, "--min-duration"},
      {{"--min-duration=10001", file}, "--min-duration"},
      {{"--min-duration=", file}, "--min-duration"},
      {{"--min-duration=-5", file}, "--min-duration"},
      {{"--max-duration=0", file}, "--max-duration"},
      {{"--max-duration=99999999999999", file}, "--max-duration"},
      {{"--max-lines=32768", file}, "--max-lines"},
      {{"--max-lines=1.5", file}, "--max-lines"},
      {{"--from-line=0", file}, "--from-line"},
      {{"--from-line=x", file}, "--from-line"},
      {{"--from-line", file}, "--from-line"},
      {{"--special=\xff", file}, "--special"},
      {{"--overlaps=1", file}, "--overlaps=1"},
      {{"--bogus", file}, "--bogus"},
      {{"-x", file}, "-x"},
      {{file, file}, "only one FILE"},
      {{"--structure"}, "no FILE"},
      {{"--from-line=20", file}, "beyond the last line"},
      {{Data("check_missing.srt")}, "check_missing.srt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const Result r = Check(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.mention), std::string::npos) << r.err;
  }
}

TEST(CheckCommand, AcceptsTheLimitsOfEachField) {
  const std::string file = Data("check_clean.srt");
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{"--min-duration=1"}, {"--min-duration=10000", "--no-min-duration"},
        {"--max-duration=10000"}, {"--max-duration=1", "--no-max-duration"}, {"--max-lines=0", "--no-max-lines"},
        {"--max-lines=32767"}, {"--special=", "--empty-blocks", "--no-numbering"}, {"--from-line=12"}}) {
    std::vector<std::string> args = options;
    args.push_back(file);
    const Result r = Check(args);
    EXPECT_EQ(r.status, 0) << ::testing::PrintToString(options) << r.err << r.out;
    EXPECT_EQ(r.err, "") << ::testing::PrintToString(options);
  }
}

TEST(CheckCommand, NothingToCheck) {
  const Result empty = Check({WriteFile("empty.srt", "")});
  EXPECT_EQ(std::make_pair(empty.status, empty.out), std::make_pair(0, std::string()));
  EXPECT_NE(empty.err.find("empty"), std::string::npos);
  const Result nul = Check({WriteFile("nul.srt", std::string(2000, '\0'))});
  EXPECT_EQ(std::make_pair(nul.status, nul.out), std::make_pair(0, std::string("Сканирование завершено. Ошибок не найдено.\n")));
}

TEST(CheckCommand, UsageListsTheOptions) {
  const Result r = Check({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* option : {"--min-duration", "--no-max-duration", "--overlaps", "--max-lines", "--special",
                             "--structure", "--empty-blocks", "--numbering", "--from-line"}) {
    EXPECT_NE(r.out.find(option), std::string::npos) << option;
  }
}

}  // namespace
