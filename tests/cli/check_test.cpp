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
  struct Case { std::vector<std::string> options; std::string out; int status; const char* file = "check_errors.srt"; };
  const Case cases[] = {
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
      {{"--min-duration=201", "--no-overlaps", "--no-structure"}, kShort + "Сканирование завершено. Новых ошибок не найдено. Пропущено ошибок: 1.\n", 1},
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
      // A line break inside a message is printed as one.
      {{"--numbering"},
       "Сканирование завершено. Ошибок не найдено.\nЗамечно нарушение упорядоченности нумерации блоков (не является "
       "ошибкой) - рекомендуется выполнить ренумерацию (необязательно).\n",
       0, "check_clean.srt"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.options;
    args.push_back(Data(c.file));
    SCOPED_TRACE(::testing::PrintToString(c.options));
    const Result r = Check(args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, "");
  }
}

// Each field's last valid value and its first invalid one; mention empty: accepted.
TEST(CheckCommand, ArgumentsAcceptedAndRefused) {
  const std::string file = Data("check_errors.srt"), clean = Data("check_clean.srt");
  struct Case { std::vector<std::string> args; std::string mention; } cases[] = {
      {{"--min-duration=1", clean}, ""},
      {{"--min-duration=0", file}, "--min-duration"},
      {{"--min-duration=10000", "--no-min-duration", clean}, ""},
      {{"--min-duration=10001", file}, "--min-duration"},
      {{"--max-duration=10000", clean}, ""},
      {{"--max-duration=1", "--no-max-duration", clean}, ""},
      {{"--max-duration=0", file}, "--max-duration"},
      {{"--max-duration=99999999999999", file}, "--max-duration"},
      {{"--max-lines=0", "--no-max-lines", clean}, ""},
      {{"--max-lines=32767", clean}, ""},
      {{"--max-lines=32768", file}, "--max-lines"},
      {{"--from-line=12", clean}, ""},
      {{"--from-line=0", file}, "--from-line"},
      {{"--from-line=20", file}, "beyond the last line"},
      {{"--special=", "--empty-blocks", "--no-numbering", clean}, ""},
      {{"--special=\xff", file}, "--special"},
      {{"--overlaps=1", file}, "--overlaps=1"},
      {{"--bogus", file}, "--bogus"},
      {{file, file}, "only one FILE"},
      {{"--structure"}, "no FILE"},
      {{Data("check_missing.srt")}, "check_missing.srt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const Result r = Check(c.args);
    const bool accepted = c.mention.empty();
    EXPECT_EQ(r.status, accepted ? 0 : 2) << r.err << r.out;
    EXPECT_EQ(accepted ? r.err : r.out, "");
    EXPECT_NE(r.err.find(c.mention), std::string::npos) << r.err;
  }
}

TEST(CheckCommand, NothingToCheck) {
  const Result empty = Check({WriteFile("empty.srt", "")});
  EXPECT_EQ(std::make_pair(empty.status, empty.out), std::make_pair(0, std::string()));
  EXPECT_NE(empty.err.find("empty"), std::string::npos);
  const Result nul = Check({WriteFile("nul.srt", std::string(2000, '\0'))});
  EXPECT_EQ(std::make_pair(nul.status, nul.out), std::make_pair(0, std::string("Сканирование завершено. Ошибок не найдено.\n")));
}

}  // namespace
