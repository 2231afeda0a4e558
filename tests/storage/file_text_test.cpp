#include "storage/file_text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <tuple>
#include <vector>

#include "platform/posix_file_system.h"
#include "support/fakes.h"
#include "temp_folder.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::ReadBytes;
using testing::ScriptedPrompt;
using testing::TempFolder;

std::string Utf16Le(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  return out;
}

const std::string kMark8 = "\xEF\xBB\xBF";
const std::string kMark16 = "\xFF\xFE";

TEST(DecodeFileBytes, Encodings) {
  struct Case { const char* what; std::string bytes; std::string text; };
  const std::vector<Case> cases = {
      {"ANSI as it is", Ansi("Привет, мир"), Ansi("Привет, мир")},
      {"UTF-8 with its mark", kMark8 + "Привет", Ansi("Привет")},
      {"UTF-8 without a mark stays raw", "Привет", "Привет"},
      {"a mark alone", kMark8, ""},
      {"a mark before bad UTF-8", kMark8 + "\xC3(ab\xFF", "\xC3(ab\xFF"},
      {"UTF-8 beyond the code page", kMark8 + "a中b", "a?b"},
      {"UTF-16 with FF FE", kMark16 + Utf16Le(u"Привет"), Ansi("Привет")},
      {"UTF-16 without a mark", Utf16Le(u"Hi мир"), Ansi("Hi мир")},
      {"UTF-16 of odd length", Utf16Le(u"ab") + "c", "ab"},
      {"UTF-16 beyond the code page", kMark16 + Utf16Le(u"a中\U0001F600b"), "a??b"},
      {"FF FE alone", kMark16, ""},
      {"FF FE on an odd length without zeros", kMark16 + "A", kMark16 + "A"},
      {"a zero byte only at the end", std::string("abc\0", 4), std::string("abc\0", 4)},
      {"a single zero byte", std::string(1, '\0'), std::string(1, '\0')},
      {"nothing", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeFileBytes(c.bytes), c.text) << c.what;
}

TEST(FormatFileSize, Table) {
  struct Case { int64_t size; int decimals; const char* text; };
  const Case cases[] = {
      {1023, 1, "1023 байт"},  {1024, 1, "1 Кб"},       {1536, 0, "2 Кб"},              {614400, 1, "600 Кб"},
      {1048575, 1, "1024 Кб"}, {1536000, 1, "1.5 Мб"}, {int64_t{1} << 30, 1, "1 Гб"}, {INT64_MAX, 1, "8589934592 Гб"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFileSize(c.size, c.decimals), c.text) << c.size;
}

// A file system whose look-up reports another size than the file has: the file changed
// between the look-up and the read.
class ChangingFileSystem : public PosixFileSystem {
 public:
  ChangingFileSystem(int64_t delta, ReadStatus status) : delta_(delta), status_(status) {}
  FileStat Stat(const std::string& path) const override {
    FileStat s = PosixFileSystem::Stat(path);
    if (s.kind == FileKind::Regular) s.size += delta_;
    return s;
  }
  ReadStatus ReadFile(const std::string& path, int64_t maxBytes, std::string& out) override {
    return status_ != ReadStatus::Ok ? status_ : PosixFileSystem::ReadFile(path, maxBytes, out);
  }

 private:
  int64_t delta_;
  ReadStatus status_;
};

// The one box a read showed (none when text is empty).
void ExpectBox(const ScriptedPrompt& prompt, MsgKind kind, Buttons buttons, const std::string& text) {
  if (text.empty()) {
    EXPECT_TRUE(prompt.questions.empty());
    return;
  }
  ASSERT_EQ(prompt.questions.size(), 1u);
  const ScriptedPrompt::Question& q = prompt.questions[0];
  EXPECT_EQ(std::tuple(q.kind, q.buttons, q.text), std::tuple(kind, buttons, text));
}

TEST(GetTextFromFile, SizeLimits) {
  const std::string head = "Внимание! Файл \"f.srt\" имеет слишком большой размер";
  auto ask = [&](const char* size) {
    return head + " (" + size + ")" + " и возможно не является файлом субтитров. Всё равно хотите открыть файл?";
  };
  auto refuse = [&](const char* size) {
    return head + " (" + size + ")" +
           " и вряд ли является файлом субтитров. Загрузка отменена! (Чтобы изменить максимально допустимый размер "
           "открываемых файлов, зайдите в меню \"Настройки\" > \"Программа\" и задайте желаемое значение размера в "
           "поле \"Max\".)";
  };
  // The size of the file written (bytes 'a'); the text of the one box shown, empty for none.
  struct Case { const char* what; int64_t size; int32_t maxKb; Answer answer; bool ok; MsgKind kind; Buttons buttons;
                std::string text; };
  const Case cases[] = {
      {"at the limit", 1024, 1, Answer::Ok, true, MsgKind::Warning, Buttons::Ok, ""},
      {"one byte over, OK", 1025, 1, Answer::Ok, true, MsgKind::Warning, Buttons::OkCancel, ask("1 Кб")},
      {"one byte over, Cancel", 1025, 1, Answer::Cancel, false, MsgKind::Warning, Buttons::OkCancel, ask("1 Кб")},
      {"five times the limit", 5120, 1, Answer::Ok, true, MsgKind::Warning, Buttons::OkCancel, ask("5 Кб")},
      {"beyond five times", 5121, 1, Answer::Ok, false, MsgKind::Error, Buttons::Ok, refuse("5 Кб")},
      {"600 KB over 512", 614400, 512, Answer::Cancel, false, MsgKind::Warning, Buttons::OkCancel, ask("600 Кб")},
      {"empty file", 0, 512, Answer::Ok, true, MsgKind::Warning, Buttons::Ok, ""},
  };
  PosixFileSystem fs;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder dir;
    const std::string path = dir.Write("f.srt", std::string(c.size, 'a'));
    ScriptedPrompt prompt;
    prompt.Script({c.answer});
    std::string text = "old";
    EXPECT_EQ(GetTextFromFile(fs, prompt, path, c.maxKb, text), c.ok);
    EXPECT_EQ(text.size(), c.ok ? static_cast<size_t>(c.size) : 0u);
    ExpectBox(prompt, c.kind, c.buttons, c.text);
  }
}

TEST(GetTextFromFile, MissingUnreadableAndChangedFiles) {
  TempFolder dir;
  const std::string file = dir.Write("f.srt", "0123456789");
  ::mkdir((dir / "folder.srt").c_str(), 0755);
  const std::string readError = "Ошибка при чтении из файла \"f.srt\"!";
  // The text read (empty when the read fails), or the box shown when it fails.
  struct Case { const char* what; std::string path; int64_t delta; ReadStatus status; std::string text; MsgKind kind;
                std::string message; };
  const std::vector<Case> cases = {
      {"missing", dir / "none.srt", 0, ReadStatus::Ok, "", MsgKind::Warning, "Файл none.srt не найден!"},
      {"a folder", dir / "folder.srt", 0, ReadStatus::Ok, "", MsgKind::Warning, "Файл folder.srt не найден!"},
      {"a device", "/dev/null", 0, ReadStatus::Ok, "", MsgKind::Warning, "Файл null не найден!"},
      {"cannot open", file, 0, ReadStatus::CannotOpen, "", MsgKind::Error,
       "Ошибка! Не удалось открыть файл \"f.srt\"!"},
      {"read error", file, 0, ReadStatus::ReadFailed, "", MsgKind::Error, readError},
      {"shrank after the look-up", file, 5, ReadStatus::Ok, "", MsgKind::Error, readError},
      {"grew after the look-up", file, -4, ReadStatus::Ok, "012345", MsgKind::Error, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChangingFileSystem fs(c.delta, c.status);
    ScriptedPrompt prompt;
    std::string text = "old";
    EXPECT_EQ(GetTextFromFile(fs, prompt, c.path, 512, text), c.message.empty());
    EXPECT_EQ(text, c.text);
    ExpectBox(prompt, c.kind, Buttons::Ok, c.message);
  }
}

TEST(GetTextFromFile, DecodesAndTurnsBreaksIntoCrLf) {
  TempFolder dir;
  PosixFileSystem fs;
  ScriptedPrompt prompt;
  std::string text;
  ASSERT_TRUE(GetTextFromFile(fs, prompt, dir.Write("u.srt", kMark8 + "1\n00:00:01,000\r2\r\nПривет\n"), 512, text));
  EXPECT_EQ(text, Ansi("1\r\n00:00:01,000\r\n2\r\nПривет\r\n"));
  ASSERT_TRUE(GetTextFromFile(fs, prompt, dir.Write("w.srt", kMark16 + Utf16Le(u"1\n2\r3")), 512, text));
  EXPECT_EQ(text, "1\r\n2\r\n3");
}

// ---- the file system ------------------------------------------------------------------------

// A disk that fills up after some bytes, a flush or a rename that fails.
class FailingFileSystem : public PosixFileSystem {
 public:
  enum class Fault { Write, Sync, Rename };
  explicit FailingFileSystem(Fault fault) : fault_(fault) {}

 protected:
  ssize_t WriteSome(int fd, const char* data, size_t size) override {
    if (fault_ != Fault::Write) return PosixFileSystem::WriteSome(fd, data, size);
    if (written_ >= 3) return Fail(ENOSPC);
    const ssize_t n = PosixFileSystem::WriteSome(fd, data, size < 3 ? size : 3);
    if (n > 0) written_ += n;
    return n;
  }
  int SyncFile(int fd) override { return fault_ == Fault::Sync ? Fail(EIO) : PosixFileSystem::SyncFile(fd); }
  int RenameFile(const char* from, const char* to) override {
    return fault_ == Fault::Rename ? Fail(EXDEV) : PosixFileSystem::RenameFile(from, to);
  }

 private:
  static int Fail(int error) {
    errno = error;
    return -1;
  }
  Fault fault_;
  ssize_t written_ = 0;
};

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
  ASSERT_EQ(::stat(file.c_str(), &s), 0);
  EXPECT_EQ(std::tuple(ReadBytes(file), ReadBytes(dir / "a_before.srt"), s.st_mode & 07777),
            std::tuple("new", "old content", 0640u));

  // Through a link: the file gets the content and the link stays a link.
  ASSERT_TRUE(fs.ReplaceFile(dir / "link.srt", "via link", "", error)) << error;
  EXPECT_EQ(ReadBytes(file), "via link");
  ASSERT_EQ(::lstat((dir / "link.srt").c_str(), &s), 0);
  EXPECT_TRUE(S_ISLNK(s.st_mode));
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.srt", "a_before.srt", "link.srt"}));
  EXPECT_FALSE(fs.ReplaceFile(dir.Path(), "x", "", error));
  EXPECT_FALSE(error.empty());
}

TEST(PosixFileSystem, FailedReplaceLeavesEverythingAsItWas) {
  using Fault = FailingFileSystem::Fault;
  for (Fault fault : {Fault::Write, Fault::Sync, Fault::Rename}) {
    SCOPED_TRACE(static_cast<int>(fault));
    TempFolder dir;
    const std::string file = dir.Write("a.srt", "old content");
    FailingFileSystem fs(fault);
    std::string error;
    EXPECT_FALSE(fs.ReplaceFile(file, "the new and longer content", dir / "a_before.srt", error));
    EXPECT_EQ(std::tuple(error.empty(), ReadBytes(file)), std::tuple(false, "old content"));
    // The previous version is made only for a write that takes place; no temporary file stays.
    const std::vector<std::string> names = dir.Names();
    if (fault != Fault::Rename || names.size() != 2) EXPECT_EQ(names, std::vector<std::string>{"a.srt"});
    else EXPECT_EQ(names, (std::vector<std::string>{"a.srt", "a_before.srt"}));
  }
}

}  // namespace
}  // namespace quillet
