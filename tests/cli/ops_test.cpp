// quillet-cli normalize, shift, stretch and mirror, run as separate processes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/cli_run.h"

namespace {

using cli_run::ReadAll;
using cli_run::Result;
using cli_run::TempPath;
using cli_run::WriteFile;

const std::string tA = "00:00:01,000 --> 00:00:02,000";
const std::string tB = "00:00:03,000 --> 00:00:04,000";

std::string Crlf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

const std::string kClean = Crlf({"1", tA, "abc", "", "2", tB, "de"});
const std::string kMessy = Crlf({"1", tA, "abc  ", "", "", "7", tB, "de"});
const std::string kNotSrt = Crlf({"one", "two", "three"});
const std::string kNotSrtQuestion =
    "Текст не удалось распознать как субтитры формата srt. Воизбежание недоразумений рекомендуется отключить "
    "опцию перенумерции при нормализации. Всё равно хотите продолжить?\n";

// The input file stays as it was; out is the new text on standard output.
struct Case {
  const char* name; std::string command; std::vector<std::string> options; std::string input; int status;
  std::string err, out;
};

void RunCases(const std::vector<Case>& cases) {
  for (const auto& c : cases) {
    const std::string in = WriteFile("in.srt", c.input);
    std::vector<std::string> args = c.options;
    args.push_back(in);
    SCOPED_TRACE(c.name);
    const Result r = cli_run::Run(c.command, args);
    EXPECT_EQ(std::make_tuple(r.status, r.err, r.out), std::make_tuple(c.status, c.err, c.out));
    EXPECT_EQ(ReadAll(in), c.input);
    std::remove(in.c_str());
  }
}

TEST(OpsCommands, Normalize) {
  RunCases({
      {"defaults: renumber and right blanks", "normalize", {}, kMessy, 0,
       "Нормализация звершена. Перенумеровано блоков 1 из 2. Удалено лишних пробелов: 2.\n",
       Crlf({"1", tA, "abc", "", "", "2", tB, "de"})},
      {"surplus lines only: nothing to do", "normalize", {"--no-renumber", "--no-right-blanks", "--surplus-lines"},
       kClean, 1, "Внимание! Лишние строки не найдены. Операция отменена.\n", ""},
      {"the structure warning answered Yes with --yes", "normalize", {"--yes"}, kNotSrt + "  ", 0,
       kNotSrtQuestion + "Нормализация звершена. Перенумеровано блоков 0 из 0. Удалено лишних пробелов: 2.\n",
       kNotSrt + "\r\n"},
      {"every part off", "normalize", {"--no-renumber", "--no-right-blanks"}, kMessy, 2,
       "quillet-cli normalize: every part of the normalization is off (see quillet-cli normalize --help)\n", ""},
  });
}

TEST(OpsCommands, Shift) {
  RunCases({
      {"add", "shift", {"--add", "--sec=1", "--msec=500", "--start=1", "--end=2"}, kClean, 0,
       "Смещение тайминга завершено. Диапазон блоков: 1-2, Обработано блоков: 2, смещено блоков: 2.\n",
       Crlf({"1", "00:00:02,500 --> 00:00:03,500", "abc", "", "2", "00:00:04,500 --> 00:00:05,500", "de"})},
      {"no direction", "shift", {"--sec=2", "--start=1", "--end=2"}, kClean, 2,
       "quillet-cli shift: give one of --add and --subtract (see quillet-cli shift --help)\n", ""},
  });
}

TEST(OpsCommands, Stretch) {
  const std::string far = Crlf({"1", "00:10:00,000 --> 00:10:02,000", "a", "", "2", "00:20:00,000 --> 00:20:01,000", "b"});
  const std::string overlap = Crlf({"1", "00:00:10,000 --> 00:00:11,000", "a", "", "2", "00:00:05,000 --> 00:00:06,000", "b"});
  const std::string overlapText =
      "Ошибка! Пересечение времени внутри заданного диапазона блоков - первый из растягиваемых блоков, служащий "
      "началом отсчёта растяжения, имеет большее время, чем расположенный в тексте ниже него блок №2 (строка 5). "
      "Растяжение отменено! Исправьте ошибку или включите опцию \"От начала\" и повторите попытку.\n";
  const std::string overlapWarning =
      "В тексте замечены структурные ошибки: пересечение времени: 1. Рекомендуется их исправить прежде чем "
      "производить растяжение тайминга. Всё равно хотите продолжить?\n";
  RunCases({
      {"stretch", "stretch", {"--stretch", "--rate=2", "--start=0", "--end=1"}, far, 0,
       "Растяжение тайминга завершено. Растянуто блоков: 1 (№ 1-1). Линейно смещено блоков: 1 (№ 2-2). Всего "
       "обработано блоков: 2.\n",
       Crlf({"1", "00:10:01,200 --> 00:10:03,200", "a", "", "2", "00:20:01,200 --> 00:20:02,200", "b"})},
      {"compress in hundredths, durations, no followers", "stretch",
       {"--compress", "--rate=2", "--hundredths", "--durations", "--no-move-ends", "--start=0", "--end=1"}, far, 0,
       "Сжатие тайминга завершено. Сжато блоков: 1 (№ 1-1). Всего обработано блоков: 2.\n",
       Crlf({"1", "00:09:59,988 --> 00:10:01,988", "a", "", "2", "00:20:00,000 --> 00:20:01,000", "b"})},
      {"overlap: the error told once", "stretch",
       {"--stretch", "--rate=10", "--no-from-start", "--start=1", "--end=2", "--yes"}, overlap, 1,
       overlapWarning + overlapText, ""},
  });
}

TEST(OpsCommands, OutputFileAndTheFileAsTheEditorReadsIt) {
  // UTF-8 with its mark and lone LF line breaks: written back as Windows-1251 with CR LF.
  const std::string in = WriteFile("utf8.srt", "\xEF\xBB\xBF" "1\n" + tA + "\nПривет\n");
  const std::string out = TempPath("out.srt");
  std::remove(out.c_str());
  Result r = cli_run::Run("mirror", {in, "-o", out});
  EXPECT_EQ(std::make_pair(r.status, r.out), std::make_pair(0, std::string()));
  EXPECT_EQ(ReadAll(out), "1\r\n" + tA + "\r\n\xF2\xE5\xE2\xE8\xF0\xCF\r\n");

  // OUT may be IN; a refused run leaves it as it was and writes nothing.
  r = cli_run::Run("mirror", {"--output=" + out, out});
  EXPECT_EQ(std::make_pair(r.status, ReadAll(out)), std::make_pair(0, "1\r\n" + tA + "\r\n\xCF\xF0\xE8\xE2\xE5\xF2\r\n"));
  const std::string fresh = TempPath("fresh.srt");
  std::remove(fresh.c_str());
  r = cli_run::Run("normalize", {WriteFile("notsrt.srt", kNotSrt), "-o", fresh});
  EXPECT_EQ(std::make_pair(r.status, r.err),
            std::make_pair(1, kNotSrtQuestion + "quillet-cli normalize: answered Cancel; give --yes to go on anyway\n"));
  EXPECT_EQ(std::fopen(fresh.c_str(), "rb"), nullptr);
  std::remove(in.c_str());
  std::remove(out.c_str());
}

TEST(OpsCommands, BadArgumentsAndInput) {
  const std::string in = WriteFile("args.srt", kClean);
  // mention empty: the command's own complaint; the operation's input errors exit with 2 too.
  struct Bad { std::string command; std::vector<std::string> args; std::string mention = {}; };
  const std::vector<Bad> cases = {
      {"normalize", {}},
      {"normalize", {TempPath("missing.srt")}},
      {"normalize", {in, in}},
      {"normalize", {in, "-o"}},
      {"mirror", {in, "-o", TempPath("no/such/folder/out.srt")}},
      {"shift", {"--add", "--sec=32001", "--start=1", "--end=2", in}},
      {"shift", {"--add", "--start=1", "--end=2", in}, "Не задана величина вермени семщения"},
      {"shift", {"--add", "--sec=2", "--start=1", "--end=1", in}, "Неправильно задан диапазон блоков"},
      {"stretch", {"--compress", "--start=1", "--end=2", in}, "Не задана величина растяжения-сжатия"},
      {"stretch", {"--stretch", "--rate=1", "--start=-1", "--end=2", in}},
      {"stretch", {"--stretch", "--compress", "--rate=1", "--start=1", "--end=2", in}},
      {"mirror", {"--renumber", in}},
  };
  for (const auto& [command, args, mention] : cases) {
    const Result r = cli_run::Run(command, args);
    EXPECT_EQ(std::make_pair(r.status, r.out), std::make_pair(2, std::string())) << ::testing::PrintToString(args);
    // A failed write comes after the report of the operation.
    EXPECT_NE(r.err.find(mention.empty() ? "quillet-cli " + command + ": " : mention), std::string::npos) << r.err;
  }
  for (const char* command : {"normalize", "shift", "stretch", "mirror", "check"}) {
    const Result r = cli_run::Run(command, {"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind(std::string("quillet-cli ") + command + " ", 0), 0u) << r.out;
  }
  std::remove(in.c_str());
}

}  // namespace
