// quillet-cli's inputs and outputs, run as separate processes: standard input and output,
// the version, inputs it reads or refuses and outputs it refuses.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_run.h"

namespace {

using cli_run::Data;
using cli_run::ReadAll;
using cli_run::Result;
using cli_run::TempPath;
using cli_run::WriteFile;

const std::string kSrt = "1\r\n00:00:01,000 --> 00:00:02,000\r\nabc\r\n\r\n";

TEST(CliStreams, Version) {
  const Result r = cli_run::Run("--version", {});
  EXPECT_EQ(std::make_tuple(r.status, r.out, r.err),
            std::make_tuple(0, std::string("quillet-cli ") + QUILLET_VERSION + "\n", std::string()));
}

// "-" as IN reads standard input and as OUT writes standard output: the same as with the file.
TEST(CliStreams, DashForStandardInputAndOutput) {
  const std::string srt = WriteFile("streams.srt", kSrt);
  const std::string ass = Data("files_sample.ass");
  struct Case { std::string command; std::vector<std::string> withFile, withDash; std::string input; };
  const Case cases[] = {
      {"convert", {ass}, {"-", "-o", "-"}, ass},
      {"mirror", {srt}, {"-"}, srt},
      {"shift", {"--add", "--sec=1", "--start=1", "--end=2", srt}, {"--add", "--sec=1", "--start=1", "--end=2", "-",
                                                                    "--output=-"}, srt},
      {"check", {srt}, {"-"}, srt},
  };
  for (const Case& c : cases) {
    const Result file = cli_run::Run(c.command, c.withFile);
    const Result dash = cli_run::Run(c.command, c.withDash, c.input);
    EXPECT_EQ(std::make_tuple(dash.status, dash.out, dash.err), std::make_tuple(file.status, file.out, file.err))
        << c.command;
    EXPECT_NE(dash.out, "") << c.command;
  }
  std::remove(srt.c_str());
}

// A file under /proc shows the size 0 but is read as what it holds; a name too long for the
// system gets the system's reason; 2 GiB and more is refused before anything is read.
TEST(CliStreams, InputsReadAndRefused) {
  const std::string proc = "/proc/sys/kernel/ostype";
  const std::string copy = WriteFile("ostype", ReadAll(proc));
  ASSERT_NE(ReadAll(copy), "");
  const Result fromProc = cli_run::Run("check", {proc});
  const Result fromCopy = cli_run::Run("check", {copy});
  EXPECT_EQ(std::make_tuple(fromProc.status, fromProc.out), std::make_tuple(1, fromCopy.out));
  std::remove(copy.c_str());

  const std::string big = TempPath("big.srt");
  std::ofstream(big).close();
  ASSERT_EQ(::truncate(big.c_str(), int64_t{1} << 31), 0);  // sparse: takes no room
  const std::string longName = TempPath(std::string(300, 'n') + ".srt");
  struct Case { std::string command; std::string in; std::string message; };
  const Case cases[] = {
      {"check", longName, "quillet-cli check: cannot read '" + longName + "': File name too long\n"},
      {"check", TempPath("missing.srt"),
       "quillet-cli check: cannot read '" + TempPath("missing.srt") + "': No such file or directory\n"},
      {"mirror", big, "quillet-cli mirror: cannot read '" + big +
                          "': it holds 2147483648 bytes; inputs must be smaller than 2 GiB (2147483648 bytes)\n"},
      {"convert", big, "quillet-cli convert: cannot read '" + big +
                           "': it holds 2147483648 bytes; inputs must be smaller than 2 GiB (2147483648 bytes)\n"},
  };
  for (const Case& c : cases) {
    const Result r = cli_run::Run(c.command, {c.in});
    EXPECT_EQ(std::make_tuple(r.status, r.out, r.err), std::make_tuple(2, std::string(), c.message)) << c.command;
  }
  std::remove(big.c_str());
}

// Anything but a regular file or a new name is refused as OUT before any work: a named pipe
// would keep the command waiting for a reader.
TEST(CliStreams, OutputsRefused) {
  const std::string in = WriteFile("refuse.srt", kSrt);
  const std::string fifo = TempPath("fifo");
  std::remove(fifo.c_str());
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // A reader that never reads: should the pipe be opened for writing, the command would not
  // wait but succeed, and the test would see it.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const std::string folder = ::testing::TempDir();
  const std::string notRegular = "': not a regular file (a pipe, a device or a socket); give a file name, or '-' "
                                 "for standard output\n";
  struct Case { std::string command; std::vector<std::string> args; std::string message; };
  const Case cases[] = {
      {"mirror", {in, "-o", fifo}, "quillet-cli mirror: cannot write '" + fifo + notRegular},
      {"convert", {Data("files_sample.ass"), "--output=" + fifo}, "quillet-cli convert: cannot write '" + fifo + notRegular},
      {"normalize", {in, "-o", "/dev/null"}, "quillet-cli normalize: cannot write '/dev/null" + notRegular},
      {"shift", {"--add", "--sec=1", "--start=1", "--end=2", in, "-o", folder},
       "quillet-cli shift: cannot write '" + folder + "': it is a folder\n"},
  };
  for (const Case& c : cases) {
    const Result r = cli_run::Run(c.command, c.args);
    EXPECT_EQ(std::make_tuple(r.status, r.out, r.err), std::make_tuple(2, std::string(), c.message)) << c.command;
  }
  char byte;
  EXPECT_LE(::read(reader, &byte, 1), 0);
  ::close(reader);
  EXPECT_EQ(ReadAll(in), kSrt);
  std::remove(fifo.c_str());
  std::remove(in.c_str());
}

// Characters the code page lacks are told on standard error; an ASS text without one event
// that converts writes nothing and exits 1.
TEST(CliStreams, ReplacedCharactersAndAConversionWithoutBlocks) {
  const std::string utf8 = WriteFile("marks.srt", "1\n00:00:01,000 --> 00:00:02,000\nЖук ✓\n");
  Result r = cli_run::Run("mirror", {utf8});
  // The warning comes first, then the operation's report.
  const std::string name = utf8.substr(utf8.rfind('/') + 1);
  EXPECT_EQ(std::make_tuple(r.status, r.out, r.err.substr(0, r.err.find('\n') + 1)),
            std::make_tuple(0, std::string("1\r\n00:00:01,000 --> 00:00:02,000\r\n? \xEA\xF3\xC6\r\n"),
                            "Внимание! При чтении файла \"" + name + "\" символы, которых нет в кодировке "
                            "Windows-1251, заменены знаком \"?\" (всего: 1).\n"));

  const std::string ass = WriteFile("noevents.ass",
                                    "[Script Info]\nScriptType: v4.00+\n\n[Events]\nFormat: Layer, Start\nDialogue: bad\n");
  const std::string out = TempPath("noevents.srt");
  std::remove(out.c_str());
  r = cli_run::Run("convert", {ass, "-o", out});
  EXPECT_EQ(std::make_tuple(r.status, r.err),
            std::make_tuple(1, std::string("Конвертация из ass в srt: Блоков добавлено: 0, ошибок при конвертации: 1\n"
                                           "quillet-cli convert: no block was converted; nothing written\n")));
  struct stat s {};
  EXPECT_NE(::stat(out.c_str(), &s), 0);
  std::remove(utf8.c_str());
  std::remove(ass.c_str());
}

}  // namespace
