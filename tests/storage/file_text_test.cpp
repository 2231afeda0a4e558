#include "storage/file_text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "platform/posix/posix_file_system.h"
#include "support/fakes.h"
#include "temp_folder.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::ReadBytes;
using testing::ScriptedPrompt;
using testing::TempFolder;
using testing::Utf16Bytes;

const std::string kMark8 = "\xEF\xBB\xBF";
const std::string kMark16 = "\xFF\xFE";

TEST(FormatFileSize, Table) {
  const std::tuple<int64_t, int, const char*> cases[] = {
      {1023, 1, "1023 байт"}, {1024, 1, "1 Кб"}, {1536, 0, "2 Кб"}, {1048575, 1, "1024 Кб"}, {1536000, 1, "1.5 Мб"},
      {int64_t{1} << 30, 1, "1 Гб"}, {INT64_MAX, 1, "8589934592 Гб"},
  };
  for (const auto& [size, decimals, text] : cases) EXPECT_EQ(FormatFileSize(size, decimals), text) << size;
}

// Faults: a look-up with another size (the file changed before the read), a failing read.
struct FaultyFileSystem : PosixFileSystem {
  int64_t delta = 0;
  ReadStatus read = ReadStatus::Ok;

  FileStat Stat(const std::string& path) const override {
    FileStat s = PosixFileSystem::Stat(path);
    if (s.kind == FileKind::Regular) s.size += delta;
    return s;
  }
  ReadStatus ReadFile(const std::string& path, int64_t maxBytes, std::string& out) override {
    return read != ReadStatus::Ok ? read : PosixFileSystem::ReadFile(path, maxBytes, out);
  }
};

// The one box a read showed (none when text is empty).
void ExpectBox(const ScriptedPrompt& prompt, MsgKind kind, Buttons buttons, const std::string& text) {
  ASSERT_EQ(prompt.questions.size(), text.empty() ? 0u : 1u);
  for (const auto& q : prompt.questions)
    EXPECT_EQ(std::tuple(q.kind, q.buttons, q.text), std::tuple(kind, buttons, text));
}

TEST(GetTextFromFile, SizeLimits) {
  const std::string head = "Внимание! Файл \"f.srt\" имеет слишком большой размер";
  auto ask = [&](const char* size) {
    return head + " (" + size + ") и возможно не является файлом субтитров. Всё равно хотите открыть файл?";
  };
  const std::string refuse = head + " (5 Кб) и вряд ли является файлом субтитров. Загрузка отменена! (Чтобы изменить "
      "максимально допустимый размер открываемых файлов, зайдите в меню \"Настройки\" > \"Программа\" и задайте "
      "желаемое значение размера в поле \"Max\".)";
  // The size of the file written (bytes 'a') under a limit of 1 KB, the answer, the one box shown (empty: none).
  struct Case { int64_t size; Answer answer; bool ok; std::string box; };
  const Case cases[] = {{1024, Answer::Ok, true, ""}, {1025, Answer::Cancel, false, ask("1 Кб")},
                        {5120, Answer::Ok, true, ask("5 Кб")}, {5121, Answer::Ok, false, refuse}};
  PosixFileSystem fs;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    TempFolder dir;
    const std::string path = dir.Write("f.srt", std::string(c.size, 'a'));
    ScriptedPrompt prompt;
    prompt.Script({c.answer});
    std::string text = "old";
    EXPECT_EQ(GetTextFromFile(fs, prompt, path, 1, text), c.ok);
    EXPECT_EQ(text.size(), c.ok ? static_cast<size_t>(c.size) : 0u);
    // Beyond five times the limit there is no choice.
    const bool refused = c.box == refuse;
    ExpectBox(prompt, refused ? MsgKind::Error : MsgKind::Warning, refused ? Buttons::Ok : Buttons::OkCancel, c.box);
  }
}

TEST(GetTextFromFile, DecodingAndFailures) {
  TempFolder dir;
  const std::string file = dir.Write("f.srt", "0123456789");
  const std::string utf8 = dir.Write("u.srt", kMark8 + "1\n00:00:01,000\r2\r\nПривет\n");
  const std::string utf16 = dir.Write("w.srt", kMark16 + Utf16Bytes(u"1\n2\rж"));
  const std::string readError = "Ошибка при чтении из файла \"f.srt\"!";
  // The text read (empty when the read fails), or the box shown when it fails: a warning for a missing file.
  struct Case { const char* what; std::string path; int64_t delta; ReadStatus status; std::string text, message; };
  const std::vector<Case> cases = {
      {"UTF-8, every break", utf8, 0, ReadStatus::Ok, Ansi("1\r\n00:00:01,000\r\n2\r\nПривет\r\n"), ""},
      {"UTF-16, every break", utf16, 0, ReadStatus::Ok, Ansi("1\r\n2\r\nж"), ""},
      {"missing", dir / "none.srt", 0, ReadStatus::Ok, "", "Файл none.srt не найден!"},
      {"cannot open", file, 0, ReadStatus::CannotOpen, "", "Ошибка! Не удалось открыть файл \"f.srt\"!"},
      {"read error", file, 0, ReadStatus::ReadFailed, "", readError},
      {"shrank after the look-up", file, 5, ReadStatus::Ok, "", readError},
      {"grew after the look-up", file, -4, ReadStatus::Ok, "012345", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FaultyFileSystem fs;
    fs.delta = c.delta;
    fs.read = c.status;
    ScriptedPrompt prompt;
    std::string text = "old";
    EXPECT_EQ(GetTextFromFile(fs, prompt, c.path, 512, text), c.message.empty());
    EXPECT_EQ(text, c.text);
    ExpectBox(prompt, c.path == file ? MsgKind::Error : MsgKind::Warning, Buttons::Ok, c.message);
  }
}

// ---- the file system ------------------------------------------------------------------------

TEST(PosixFileSystem, ReplaceKeepsPermissionsLinksAndThePreviousVersion) {
  TempFolder dir;
  PosixFileSystem fs;
  const std::string file = dir.Write("a.srt", "old content");
  ::chmod(file.c_str(), 0640);
  dir.Write("a_before.srt", "older");
  ::symlink(file.c_str(), (dir / "link.srt").c_str());

  std::string error;
  ASSERT_TRUE(fs.ReplaceFile(file, "new", dir / "a_before.srt", error)) << error;
  // The previous version takes the old content; permissions stay.
  struct stat s {};
  ::stat(file.c_str(), &s);
  EXPECT_EQ(std::tuple(ReadBytes(file), ReadBytes(dir / "a_before.srt"), s.st_mode & 07777),
            std::tuple("new", "old content", 0640u));
  // Through a link: the file gets the content and the link stays a link.
  ASSERT_TRUE(fs.ReplaceFile(dir / "link.srt", "via link", "", error)) << error;
  ::lstat((dir / "link.srt").c_str(), &s);
  EXPECT_EQ(std::tuple(ReadBytes(file), S_ISLNK(s.st_mode), dir.Names()),
            std::tuple("via link", true, std::vector<std::string>{"a.srt", "a_before.srt", "link.srt"}));
}

TEST(PosixFileSystem, RelativePathsStartAtTheWorkingFolder) {
  PosixFileSystem fs;
  const std::string cwd = std::filesystem::current_path().string();
  const std::pair<const char*, std::string> cases[] = {
      {"/a/b.srt", "/a/b.srt"}, {"film.srt", cwd + "/film.srt"}, {"././../x", cwd + "/../x"}, {"", ""}};
  for (const auto& [path, absolute] : cases) EXPECT_EQ(fs.AbsolutePath(path), absolute) << path;
}

}  // namespace
}  // namespace quillet
