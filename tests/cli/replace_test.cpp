// quillet-cli replace, run as a separate process.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "support/cli_run.h"
#include "support/fakes.h"

namespace {

using cli_run::ReadAll;
using cli_run::Result;
using cli_run::TempPath;
using cli_run::WriteFile;
using quillet::testing::Ansi;

const std::string kText = Ansi("1\r\n00:00:01,000 --> 00:00:02,000\r\nКот и кот, КОТ.\r\n");

TEST(ReplaceCommand, ReplacesEveryOccurrenceOrExplains) {
  struct Case {
    const char* name;
    std::vector<std::string> options;
    int status;
    std::string err, out;
  } cases[] = {
      {"letter case ignored by the code page's letters", {"--what=кот", "--with=пёс"}, 0,
       "quillet-cli replace: replacements: 3\n", Ansi("1\r\n00:00:01,000 --> 00:00:02,000\r\nпёс и пёс, пёс.\r\n")},
      {"--case", {"--case", "--what=кот", "--with=Пёс"}, 0, "quillet-cli replace: replacements: 1\n",
       Ansi("1\r\n00:00:01,000 --> 00:00:02,000\r\nКот и Пёс, КОТ.\r\n")},
      {"no --with deletes", {"--what= и"}, 0, "quillet-cli replace: replacements: 1\n",
       Ansi("1\r\n00:00:01,000 --> 00:00:02,000\r\nКот кот, КОТ.\r\n")},
      {"not found", {"--what=пёс", "--with=кот"}, 1, "quillet-cli replace: nothing to replace in 'IN'; nothing written\n", ""},
      {"the replacement equals the text", {"--what=кот", "--with=кот"}, 1,
       "quillet-cli replace: nothing to replace in 'IN'; nothing written\n", ""},
      {"empty --what", {"--what="}, 1, "quillet-cli replace: nothing to replace in 'IN'; nothing written\n", ""},
      {"no --what", {"--with=x"}, 2, "quillet-cli replace: --what=TEXT is required (see quillet-cli replace --help)\n",
       ""},
      {"--what without a value", {"--what"}, 2,
       "quillet-cli replace: --what needs a text (--what=TEXT) (see quillet-cli replace --help)\n", ""},
      {"a character Windows-1251 lacks is no '?'", {"--what=кот", "--with=猫"}, 2,
       "quillet-cli replace: --with holds a character that Windows-1251 lacks, or is not UTF-8 (see quillet-cli "
       "replace --help)\n",
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string in = WriteFile("in.srt", kText);
    std::vector<std::string> args = c.options;
    args.push_back(in);
    const Result r = cli_run::Run("replace", args);
    std::string err = c.err;
    if (const size_t at = err.find("'IN'"); at != std::string::npos) err.replace(at + 1, 2, in);
    EXPECT_EQ(std::make_tuple(r.status, r.err, r.out), std::make_tuple(c.status, err, c.out));
    EXPECT_EQ(ReadAll(in), kText);
    std::remove(in.c_str());
  }
}

TEST(ReplaceCommand, WritesTheOutputFile) {
  const std::string in = WriteFile("repl.srt", kText);
  Result r = cli_run::Run("replace", {"--what=КОТ.", "--with=!", in, "-o", in});
  EXPECT_EQ(std::make_tuple(r.status, r.out), std::make_tuple(0, std::string()));
  EXPECT_EQ(ReadAll(in), Ansi("1\r\n00:00:01,000 --> 00:00:02,000\r\nКот и кот, !\r\n"));
  r = cli_run::Run("--help", {});
  EXPECT_NE(r.out.find("quillet-cli replace --what=TEXT [--with=TEXT] [--case] IN [-o OUT]"), std::string::npos);
  std::remove(in.c_str());
}

}  // namespace
