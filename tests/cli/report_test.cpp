// quillet-cli report, run as a separate process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_run.h"

namespace {

using cli_run::Data;
using cli_run::Result;
using cli_run::WriteFile;

Result Report(const std::vector<std::string>& args) { return cli_run::Run("report", args); }

// The head of the report of a file: its name and folder.
std::string Head(const std::string& path) {
  const size_t slash = path.rfind('/');
  return "  Файл: " + path.substr(slash + 1) + "\n  Путь: " + path.substr(0, slash) + "\n\n";
}

const std::string kErrorsBody =
    "  Текст:\n"
    "        Размер: 228 байт\n"
    "        Строк: 18\n"
    "        Формат субтитров: SRT\n"
    "\n"
    "        SRT Info:\n"
    "            Блоков: 4\n"
    "            Время: 0:00:01 - 0:00:09\n"
    "            Min длительноcть: 200 миллисекунд\n"
    "            Max длительноcть: 2000 миллисекунд\n"
    "            Число строк текста в блоке, max: 3\n"
    "            Наибльшая длина строки текста, символов: 14\n"
    "            Наибльший размер текста в блоке, символов: 27\n"
    "\n";

TEST(ReportCommand, PrintsTheReportAsTheWindowShowsIt) {
  const std::string file = Data("check_errors.srt");
  struct Case { std::vector<std::string> options; std::string errors; };
  const Case cases[] = {
      {{},
       "            Ошибки: найдено 3\n"
       "                 Текст вне блоков: 1\n"
       "                 Пересечение времени: 1\n"
       "                 Длительность меньше [500 ms]: 1\n"},
      // The panel's values count whether or not their rules are on.
      {{"--no-min-duration", "--max-duration=1", "--no-max-duration", "--special", "--numbering"},
       "            Ошибки: найдено 6\n"
       "                 Текст вне блоков: 1\n"
       "                 Пересечение времени: 1\n"
       "                 Длительность меньше [500 ms]: 1\n"
       "                 Длительность больше [1 sec]: 3\n"},
      {{"--min-duration=150", "--"},
       "            Ошибки: найдено 2\n"
       "                 Текст вне блоков: 1\n"
       "                 Пересечение времени: 1\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.options));
    std::vector<std::string> args = c.options;
    args.push_back(file);
    const Result r = Report(args);
    EXPECT_EQ(r.out, Head(file) + kErrorsBody + c.errors);
    EXPECT_EQ(std::make_pair(r.status, r.err), std::make_pair(0, std::string()));
  }
}

TEST(ReportCommand, TextThatIsNotSrtAndAnEmptyFile) {
  const std::string text = WriteFile("notes.txt", "\xEF\xBB\xBF" "Просто текст\r\nбез субтитров\n");
  const Result r = Report({text});
  EXPECT_EQ(r.out, Head(text) +
                       "  Текст:\n"
                       "        Размер: 29 байт\n"
                       "        Строк: 2\n"
                       "        Формат субтитров: ???\n");
  EXPECT_EQ(r.status, 0);

  const std::string empty = WriteFile("empty.srt", "");
  const Result e = Report({empty});
  EXPECT_EQ(e.out, Head(empty) + "  Текст:\n        Размер: 0 байт\n");
  EXPECT_EQ(std::make_pair(e.status, e.err), std::make_pair(0, std::string()));
}

TEST(ReportCommand, ArgumentsRefused) {
  const std::string file = Data("check_clean.srt");
  struct Case { std::vector<std::string> args; std::string mention; } cases[] = {
      {{"--min-duration=0", file}, "--min-duration"},
      {{"--from-line=2", file}, "--from-line=2"},
      {{"-x", file}, "-x"},
      {{file, file}, "only one FILE"},
      {{"--overlaps"}, "no FILE given (see quillet-cli report --help)"},
      {{Data("report_missing.srt")}, "report_missing.srt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const Result r = Report(c.args);
    EXPECT_EQ(std::make_pair(r.status, r.out), std::make_pair(2, std::string()));
    EXPECT_NE(r.err.find(c.mention), std::string::npos) << r.err;
  }
}

}  // namespace
