#include "storage/file_text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
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
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;
  };
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
  struct Case {
    int64_t size;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {1023, 1, "1023 байт"}, {1024, 1, "1 Кб"},       {1536, 0, "2 Кб"},     {614400, 1, "600 Кб"},
      {1048575, 1, "1024 Кб"}, {1536000, 1, "1.5 Мб"}, {int64_t{1} << 30, 1, "1 Гб"}, {INT64_MAX, 1, "8589934592 Гб"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFileSize(c.size, c.decimals), c.text) << c.size;
}

// A file system whose look-up reports another size than the file has: the file changed
// between the look-up and the read.
class ChangingFileSystem : public PosixFileSystem {
 public:
  explicit ChangingFileSystem(int64_t delta) : delta_(delta) {}
  FileStat Stat(const std::string& path) const override {
    FileStat s = PosixFileSystem::Stat(path);
    if (s.kind == FileKind::Regular) s.size += delta_;
    return s;
  }
  ReadStatus ReadFile(const std::string& path, int64_t maxBytes, std::string& out) override {
    if (status != ReadStatus::Ok) return status;
    return PosixFileSystem::ReadFile(path, maxBytes, out);
  }
  ReadStatus status = ReadStatus::Ok;

 private:
  int64_t delta_;
};

struct ReadCase {
  const char* what;
  int64_t size;  // of the file written (bytes 'a')
  int32_t maxKb;
  std::vector<Answer> answers;
  bool ok;
  MsgKind kind;
  Buttons buttons;
  std::string text;  // of the one box shown, empty for none
};

TEST(GetTextFromFile, SizeLimits) {
  const std::string tail = " и вряд ли является файлом субтитров. Загрузка отменена! (Чтобы изменить максимально "
                           "допустимый размер открываемых файлов, зайдите в меню \"Настройки\" > \"Программа\" и "
                           "задайте желаемое значение размера в поле \"Max\".)";
  const std::string ask = " и возможно не является файлом субтитров. Всё равно хотите открыть файл?";
  const std::string head = "Внимание! Файл \"f.srt\" имеет слишком большой размер";
  const std::vector<ReadCase> cases = {
      {"at the limit", 1024, 1, {}, true, MsgKind::Warning, Buttons::Ok, ""},
      {"one byte over, OK", 1025, 1, {Answer::Ok}, true, MsgKind::Warning, Buttons::OkCancel, head + " (1 Кб)" + ask},
      {"one byte over, Cancel", 1025, 1, {Answer::Cancel}, false, MsgKind::Warning, Buttons::OkCancel,
       head + " (1 Кб)" + ask},
      {"five times the limit", 5120, 1, {Answer::Ok}, true, MsgKind::Warning, Buttons::OkCancel, head + " (5 Кб)" + ask},
      {"beyond five times", 5121, 1, {}, false, MsgKind::Error, Buttons::Ok, head + " (5 Кб)" + tail},
      {"600 KB over 512", 614400, 512, {Answer::Cancel}, false, MsgKind::Warning, Buttons::OkCancel,
       head + " (600 Кб)" + ask},
      {"3 MB over 512", 3 << 20, 512, {}, false, MsgKind::Error, Buttons::Ok, head + " (3 Мб)" + tail},
      {"empty file", 0, 512, {}, true, MsgKind::Warning, Buttons::Ok, ""},
  };
  PosixFileSystem fs;
  for (const ReadCase& c : cases) {
    TempFolder dir;
    const std::string path = dir.Write("f.srt", std::string(c.size, 'a'));
    ScriptedPrompt prompt;
    for (Answer a : c.answers) prompt.Script({a});
    std::string text = "old";
    EXPECT_EQ(GetTextFromFile(fs, prompt, path, c.maxKb, text), c.ok) << c.what;
    EXPECT_EQ(text.size(), c.ok ? static_cast<size_t>(c.size) : 0u) << c.what;
    if (c.text.empty()) {
      EXPECT_TRUE(prompt.questions.empty()) << c.what;
      continue;
    }
    ASSERT_EQ(prompt.questions.size(), 1u) << c.what;
    EXPECT_EQ(prompt.questions[0].kind, c.kind) << c.what;
    EXPECT_EQ(prompt.questions[0].buttons, c.buttons) << c.what;
    EXPECT_EQ(prompt.questions[0].text, c.text) << c.what;
  }
}

TEST(GetTextFromFile, MissingUnreadableAndChangedFiles) {
  TempFolder dir;
  const std::string file = dir.Write("f.srt", "0123456789");
  ::mkdir((dir / "folder.srt").c_str(), 0755);
  struct Case {
    const char* what;
    std::string path;
    int64_t delta;
    ReadStatus status;
    bool ok;
    std::string text;     // the text read when ok
    std::string message;  // the box shown when not
  };
  const std::vector<Case> cases = {
      {"missing", dir / "none.srt", 0, ReadStatus::Ok, false, "", "Файл none.srt не найден!"},
      {"a folder", dir / "folder.srt", 0, ReadStatus::Ok, false, "", "Файл folder.srt не найден!"},
      {"a device", "/dev/null", 0, ReadStatus::Ok, false, "", "Файл null не найден!"},
      {"cannot open", file, 0, ReadStatus::CannotOpen, false, "", "Ошибка! Не удалось открыть файл \"f.srt\"!"},
      {"read error", file, 0, ReadStatus::ReadFailed, false, "", "Ошибка при чтении из файла \"f.srt\"!"},
      {"shrank after the look-up", file, 5, ReadStatus::Ok, false, "", "Ошибка при чтении из файла \"f.srt\"!"},
      {"grew after the look-up", file, -4, ReadStatus::Ok, true, "012345", ""},
  };
  for (const Case& c : cases) {
    ChangingFileSystem fs(c.delta);
    fs.status = c.status;
    ScriptedPrompt prompt;
    std::string text = "old";
    EXPECT_EQ(GetTextFromFile(fs, prompt, c.path, 512, text), c.ok) << c.what;
    EXPECT_EQ(text, c.text) << c.what;
    if (c.ok) {
      EXPECT_TRUE(prompt.questions.empty()) << c.what;
    } else {
      ASSERT_EQ(prompt.questions.size(), 1u) << c.what;
      EXPECT_EQ(prompt.questions[0].text, c.message) << c.what;
      EXPECT_EQ(prompt.questions[0].buttons, Buttons::Ok) << c.what;
      EXPECT_EQ(prompt.questions[0].kind, c.message.rfind("Файл ", 0) == 0 ? MsgKind::Warning : MsgKind::Error)
          << c.what;
    }
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
    if (written_ >= 3) {
      errno = ENOSPC;
      return -1;
    }
    const ssize_t n = PosixFileSystem::WriteSome(fd, data, size < 3 ? size : 3);
    if (n > 0) written_ += n;
    return n;
  }
  int SyncFile(int fd) override {
    if (fault_ != Fault::Sync) return PosixFileSystem::SyncFile(fd);
    errno = EIO;
    return -1;
  }
  int RenameFile(const char* from, const char* to) override {
    if (fault_ != Fault::Rename) return PosixFileSystem::RenameFile(from, to);
    errno = EXDEV;
    return -1;
  }

 private:
  Fault fault_;
  ssize_t written_ = 0;
};

mode_t ModeOf(const std::string& path) {
  struct stat s {};
  ::stat(path.c_str(), &s);
  return s.st_mode & 07777;
}

TEST(PosixFileSystem, ReplaceKeepsPermissionsLinksAndThePreviousVersion) {
  TempFolder dir;
  PosixFileSystem fs;
  const std::string file = dir.Write("a.srt", "old content");
  ::chmod(file.c_str(), 0640);
  dir.Write("a_before.srt", "older");
  ::symlink(file.c_str(), (dir / "link.srt").c_str());

  std::string error;
  ASSERT_TRUE(fs.ReplaceFile(file, "new", dir / "a_before.srt", error)) << error;
  EXPECT_EQ(ReadBytes(file), "new");
  EXPECT_EQ(ReadBytes(dir / "a_before.srt"), "old content");
  EXPECT_EQ(ModeOf(file), 0640u);

  // Through a link: the file gets the content and the link stays a link.
  ASSERT_TRUE(fs.ReplaceFile(dir / "link.srt", "via link", "", error)) << error;
  EXPECT_EQ(ReadBytes(file), "via link");
  struct stat s {};
  ASSERT_EQ(::lstat((dir / "link.srt").c_str(), &s), 0);
  EXPECT_TRUE(S_ISLNK(s.st_mode));

  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.srt", "a_before.srt", "link.srt"}));

  EXPECT_FALSE(fs.ReplaceFile(dir.Path(), "x", "", error));
  EXPECT_FALSE(error.empty());
}

TEST(PosixFileSystem, FailedReplaceLeavesEverythingAsItWas) {
  for (auto fault : {FailingFileSystem::Fault::Write, FailingFileSystem::Fault::Sync, FailingFileSystem::Fault::Rename}) {
    TempFolder dir;
    const std::string file = dir.Write("a.srt", "old content");
    FailingFileSystem fs(fault);
    std::string error;
    EXPECT_FALSE(fs.ReplaceFile(file, "the new and longer content", dir / "a_before.srt", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadBytes(file), "old content");
    // The previous version is made only for a write that takes place; no temporary file stays.
    const std::vector<std::string> names = dir.Names();
    EXPECT_TRUE(names == std::vector<std::string>{"a.srt"} ||
                (fault == FailingFileSystem::Fault::Rename &&
                 names == (std::vector<std::string>{"a.srt", "a_before.srt"})))
        << names.size();
  }
}

}  // namespace
}  // namespace quillet
