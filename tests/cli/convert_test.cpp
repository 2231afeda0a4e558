// quillet-cli convert, run as a separate process.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "support/cli_run.h"

namespace {

using cli_run::Data;
using cli_run::ReadAll;
using cli_run::Result;
using cli_run::TempPath;
using cli_run::WriteFile;

Result Convert(const std::vector<std::string>& args) { return cli_run::Run("convert", args); }

std::string Ansi(const std::string& utf8) { return quillet::cp1251::FromUtf8Lenient(utf8); }

const std::string kAssAsSrt = Ansi(
    "1\r\n00:00:01,200 --> 00:00:03,450\r\nПривет, мир!\r\nКак дела?\r\n\r\n"
    "2\r\n00:00:05,000 --> 00:00:07,000\r\nЖёлтый текст сверху\r\n\r\n"
    "3\r\n00:01:10,500 --> 00:01:12,000\r\nПоследняя строка\r\n\r\n");

TEST(ConvertCommand, AssWithMarkAndUnixBreaksToStandardOutput) {
  const Result r = Convert({Data("files_sample.ass")});
  EXPECT_EQ(std::make_tuple(r.status, r.out, r.err),
            std::make_tuple(0, kAssAsSrt, std::string("Конвертация из ass в srt: Блоков добавлено: 3, ошибок при конвертации: 1\n")));
}

TEST(ConvertCommand, Utf16SsaIntoAFile) {
  for (const std::string option : {"-o", "--output="}) {
    const std::string out = TempPath("out.srt");
    std::ofstream(out, std::ios::binary) << "previous";
    const Result r = option == "-o" ? Convert({Data("files_sample.ssa"), "-o", out})
                                    : Convert({"--output=" + out, Data("files_sample.ssa")});
    EXPECT_EQ(std::make_tuple(r.status, r.out, r.err),
              std::make_tuple(0, std::string(), std::string("Конвертация из ssa в srt: Блоков добавлено: 2, ошибок при конвертации: 0\n")));
    EXPECT_EQ(ReadAll(out), Ansi("1\r\n00:00:02,000 --> 00:00:04,000\r\nРаз\r\nдва\r\n\r\n"
                                 "2\r\n00:00:05,000 --> 00:00:06,000\r\nТри\r\n\r\n"));
    std::remove(out.c_str());
  }
}

TEST(ConvertCommand, NothingToConvert) {
  const std::string plain = WriteFile("plain.txt", "just some words, no subtitles\n");
  const std::string tiny = WriteFile("tiny.ass", "[Events]\n");
  const std::pair<std::string, std::string> cases[] = {
      {Data("files_already.srt"), "Текст уже имеет формат субтитров SRT. Опреация отменена!\n"},
      {plain, "Формат текста не удалось определить. Невозможно выполнить конвертацию!\n"},
      {tiny, "Формат текста не удалось определить. Невозможно выполнить конвертацию!\n"},
  };
  const std::string out = TempPath("never.srt");
  for (const auto& [in, message] : cases) {
    const Result r = Convert({in, "-o", out});
    EXPECT_EQ(std::make_pair(r.status, r.err), std::make_pair(1, message)) << in;
    struct stat s {};
    EXPECT_NE(::stat(out.c_str(), &s), 0) << in;
  }
  std::remove(plain.c_str());
  std::remove(tiny.c_str());
}

TEST(ConvertCommand, BadArgumentsAndInput) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {Data("files_none.ass")},
      {std::string(QUILLET_TEST_DATA)},
      {Data("files_sample.ass"), Data("files_sample.ssa")},
      {Data("files_sample.ass"), "-o"},
      {Data("files_sample.ass"), "--strange"},
      {Data("files_sample.ass"), "-o", TempPath("no/such/folder/out.srt")},
  };
  for (const auto& args : cases) {
    const Result r = Convert(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "no arguments" : args.back());
    EXPECT_NE(r.err.find("quillet-cli convert: "), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
