#include "storage/document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix_file_system.h"
#include "support/fake_dialogs.h"
#include "support/fakes.h"
#include "temp_folder.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::FakeFileDialogs;
using testing::Lines;
using testing::ReadBytes;
using testing::TempFolder;

const std::string kSrt = Lines({"1", "00:00:01,000 --> 00:00:02,000", Ansi("Привет"), "", ""});
const std::string kAss = Lines({"[Script Info]", "ScriptType: v4.00+", "", "[V4+ Styles]", "Style: Default,Arial,20",
                                "", "[Events]",
                                "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text",
                                "Dialogue: 0,0:00:01.00,0:00:02.50,Default,,0,0,0,,{\\i1}One\\Ntwo", ""});
const std::string kAssAsSrt = Lines({"1", "00:00:01,000 --> 00:00:02,500", "One", "two", "", ""});
const std::string kFilter = "Файлы заданных типов (*.srt;*.ass;*.ssa)|*.srt;*.ass;*.ssa|Все файлы (*.*)|*.*";

// A disk that is full.
class FullDiskFileSystem : public PosixFileSystem {
 protected:
  ssize_t WriteSome(int, const char*, size_t) override {
    errno = ENOSPC;
    return -1;
  }
};

struct Doc {
  explicit Doc(std::unique_ptr<IFileSystem> fileSystem = std::make_unique<PosixFileSystem>())
      : fs(std::move(fileSystem)),
        doc(t.editor, *fs, dialogs, options,
            DocumentHooks{[this](const std::string& c) { captions.push_back(c); }, [this] { return documents; },
                          nullptr, [this](const std::string& e) { systemErrors.push_back(e); }}) {
    t.edit.SetChangeHandler([this] {
      t.lines.MarkStale();
      t.format.MarkNeedsDetection();
      doc.TextChanged();
    });
    documents = dir / "docs";
    ::mkdir(documents.c_str(), 0755);
  }
  // The editor holding text that belongs to file, unmodified.
  void Loaded(const std::string& file, const std::string& text) {
    t.edit.SetText(text);
    doc.OpenedFile = file;
    doc.TextModified = false;
  }
  std::vector<std::string> Questions() const {
    std::vector<std::string> q;
    for (const auto& x : t.prompt.questions) q.push_back(x.text);
    return q;
  }

  TempFolder dir;
  testing::TestEditor t;
  std::unique_ptr<IFileSystem> fs;
  FakeFileDialogs dialogs;
  ProgramOptions options;
  std::vector<std::string> captions, systemErrors;
  std::string documents;
  TDocument doc;
};

// ---- opening -----------------------------------------------------------------------------

TEST(OpenFromFile, PlainLoad) {
  Doc d;
  const std::string file = d.dir.Write("film.srt", "1\n00:00:01,000 --> 00:00:02,000\n\xCF\xF0\xE8\n");
  d.Loaded("", "old");
  d.t.edit.SetSel(2, 1);
  ASSERT_TRUE(d.doc.OpenFromFile(file));
  EXPECT_EQ(d.t.edit.Text(), "1\r\n00:00:01,000 --> 00:00:02,000\r\n\xCF\xF0\xE8\r\n");
  EXPECT_FALSE(d.t.edit.CanUndo());
  EXPECT_EQ(d.t.edit.SelStart(), 0);
  EXPECT_EQ(d.t.edit.SelLength(), 0);
  EXPECT_EQ(d.doc.OpenedFile, file);
  EXPECT_EQ(d.doc.LastOpenFile, file);
  EXPECT_FALSE(d.doc.TextModified);
  EXPECT_EQ(d.captions, std::vector<std::string>{file});
  EXPECT_EQ(d.t.format.Current(), TextFormat::Srt);
  EXPECT_EQ(d.t.messages.clears, 1);
  EXPECT_EQ(d.t.host.errorSearchResets, 1);
  EXPECT_EQ(d.t.host.statusRefreshes, 1);
  EXPECT_EQ(d.t.prompt.beeps, 1);
  EXPECT_TRUE(d.t.prompt.questions.empty());
  EXPECT_TRUE(d.dialogs.shown.empty());
}

TEST(OpenFromFile, DialogStartsFromTheLastFileAndRemembersTheFilter) {
  Doc d;
  const std::string file = d.dir.Write("b.ass", "text");
  d.doc.LastOpenFile = d.dir / "a.srt";
  d.doc.LastOpenFilterType = 9 * 256 + 8;  // "Все файлы" last time
  d.dialogs.Choose(file, 1);
  ASSERT_TRUE(d.doc.N2Click());
  ASSERT_EQ(d.dialogs.shown.size(), 1u);
  const FileDialogRequest& r = d.dialogs.shown[0].request;
  EXPECT_FALSE(d.dialogs.shown[0].save);
  EXPECT_EQ(r.filter, kFilter);
  EXPECT_EQ(r.filterIndex, 2);
  EXPECT_EQ(r.folder, d.dir.Path() + "/");
  EXPECT_EQ(r.fileName, "a.srt");
  EXPECT_EQ(d.doc.LastOpenFilterType, 9 * 256 + 1);
  EXPECT_EQ(d.doc.OpenedFile, file);

  // A folder that is gone: the dialog starts in the documents folder.
  d.doc.LastOpenFile = d.dir / "gone/x.srt";
  d.dialogs.Cancel();
  EXPECT_FALSE(d.doc.N2Click());
  EXPECT_EQ(d.dialogs.shown[1].request.folder, d.documents);
}

TEST(OpenFromFile, CancelAndFailedReadsLeaveEverything) {
  struct Case {
    const char* what;
    bool dialogCancels;  // else the dialog chooses a missing file
    std::vector<Answer> answers;
  };
  const std::vector<Case> cases = {
      {"save question cancelled", false, {Answer::Cancel}},
      {"dialog cancelled", true, {Answer::No}},
      {"missing file chosen", false, {Answer::No}},
  };
  for (const Case& c : cases) {
    Doc d;
    const std::string current = d.dir.Write("cur.srt", kSrt);
    d.Loaded(current, kSrt);
    d.t.edit.SetSel(3, 0);
    d.t.edit.ReplaceSel("x", true);  // modified
    const std::string before = d.t.edit.Text();
    for (Answer a : c.answers) d.t.prompt.Script({a});
    if (c.dialogCancels) d.dialogs.Cancel();
    else d.dialogs.Choose(d.dir / "none.srt");
    EXPECT_FALSE(d.doc.OpenFromFile("")) << c.what;
    EXPECT_EQ(d.t.edit.Text(), before) << c.what;
    EXPECT_TRUE(d.t.edit.CanUndo()) << c.what;
    EXPECT_EQ(d.doc.OpenedFile, current) << c.what;
    EXPECT_TRUE(d.doc.TextModified) << c.what;
    EXPECT_TRUE(d.captions.empty()) << c.what;
    EXPECT_EQ(d.t.messages.clears, 0) << c.what;
    EXPECT_EQ(d.t.prompt.questions[0].text, "Текст был изменён. Сохранить изменения в файл cur.srt?") << c.what;
    if (std::string(c.what) == "missing file chosen") {
      EXPECT_EQ(d.Questions().back(), "Файл none.srt не найден!");
      EXPECT_EQ(d.doc.LastOpenFile, d.dir / "none.srt");
      EXPECT_EQ(d.t.prompt.beeps, 1);
    } else {
      EXPECT_EQ(d.t.prompt.beeps, 0) << c.what;
    }
  }
}

TEST(OpenFromFile, ConversionChoice) {
  const std::string q1 = "Внимание! Открываемый файл имеет расширение \"%\". Хотите сконвертировать его содержимое в "
                         "формат srt?";
  const std::string q2 = "Внимание! Содержимое открываемого файла \"%\" опознано как субтитры формата \"ASS\". Хотите "
                         "сконвертировать его содержимое в формат srt?";
  auto with = [](std::string q, const std::string& what) { return q.replace(q.find('%'), 1, what); };
  struct Case {
    const char* name;
    std::string bytes;
    int konvType;
    std::vector<Answer> answers;
    std::string question;  // empty: none
    int outcome;           // 0 cancelled, 1 loaded as read, 2 converted
  };
  const std::string unixAss = [] {
    std::string s;
    for (char c : kAss) if (c != '\r') s += c;
    return s;
  }();
  const std::vector<Case> cases = {
      {"x.ass", kAss, 0, {}, "", 2},
      {"x.ass", unixAss, 0, {}, "", 2},  // LF line ends are detected and converted alike
      {"x.ass", kAss, 1, {Answer::Yes}, with(q1, ".ass"), 2},
      {"x.ASS", kAss, 1, {Answer::No}, with(q1, ".ASS"), 1},
      {"x.ass", kAss, 1, {Answer::Cancel}, with(q1, ".ass"), 0},
      {"x.txt", kAss, 0, {Answer::Yes}, with(q2, "x.txt"), 2},
      {"x.ssa", kAss, 0, {Answer::No}, with(q2, "x.ssa"), 1},
      {"noext", kAss, 1, {Answer::Cancel}, with(q2, "noext"), 0},
      {"x.ass", kAss, 2, {}, "", 1},
      {"x.ass", kSrt, 1, {}, "", 1},
  };
  for (const Case& c : cases) {
    Doc d;
    d.options.konvType = c.konvType;
    const std::string file = d.dir.Write(c.name, c.bytes);
    d.Loaded("", "previous");
    for (Answer a : c.answers) d.t.prompt.Script({a});
    const std::string what = std::string(c.name) + " konvType " + std::to_string(c.konvType);
    EXPECT_EQ(d.doc.OpenFromFile(file), c.outcome != 0) << what;
    if (c.question.empty()) {
      EXPECT_TRUE(d.t.prompt.questions.empty()) << what;
    } else {
      ASSERT_EQ(d.t.prompt.questions.size(), 1u) << what;
      EXPECT_EQ(d.t.prompt.questions[0].text, c.question) << what;
      EXPECT_EQ(d.t.prompt.questions[0].buttons, Buttons::YesNoCancel) << what;
      EXPECT_EQ(d.t.prompt.questions[0].kind, MsgKind::Confirmation) << what;
    }
    const std::string asRead = c.bytes == unixAss ? kAss : c.bytes;
    switch (c.outcome) {
      case 0:
        EXPECT_EQ(d.t.edit.Text(), "previous") << what;
        EXPECT_EQ(d.doc.OpenedFile, "") << what;
        EXPECT_EQ(d.t.prompt.beeps, 0) << what;
        break;
      case 1:
        EXPECT_EQ(d.t.edit.Text(), asRead) << what;
        EXPECT_FALSE(d.doc.TextModified) << what;
        EXPECT_FALSE(d.t.edit.CanUndo()) << what;
        break;
      case 2:
        EXPECT_EQ(d.t.edit.Text(), kAssAsSrt) << what;
        EXPECT_TRUE(d.doc.TextModified) << what;
        EXPECT_EQ(d.t.format.Current(), TextFormat::Srt) << what;
        ASSERT_EQ(d.t.messages.messages.size(), 1u) << what;
        EXPECT_EQ(d.t.messages.messages[0].text,
                  "Конвертация из ass в srt: Блоков добавлено: 1, ошибок при конвертации: 0");
        EXPECT_EQ(d.t.edit.UpdateDepth(), 0);
        d.t.edit.Undo();  // one undo shows the text as read
        EXPECT_EQ(d.t.edit.Text(), asRead) << what;
        EXPECT_FALSE(d.t.edit.CanUndo()) << what;
        break;
    }
    if (c.outcome != 0) {
      EXPECT_EQ(d.doc.OpenedFile, file) << what;
      EXPECT_EQ(d.t.prompt.beeps, 1) << what;
    }
  }
}

TEST(OpenFromFile, CommandLine) {
  Doc d;
  d.dir.Write("film.srt", kSrt);
  const std::string cwd = std::filesystem::current_path().string();
  ASSERT_EQ(::chdir(d.dir.Path().c_str()), 0);
  EXPECT_FALSE(d.doc.OpenFromCommandLine("none.srt"));
  EXPECT_TRUE(d.t.prompt.questions.empty() && d.dialogs.shown.empty());
  EXPECT_TRUE(d.doc.OpenFromCommandLine("film.srt"));
  EXPECT_EQ(d.doc.OpenedFile, d.dir / "film.srt");
  ASSERT_EQ(::chdir(cwd.c_str()), 0);
}

// ---- saving -----------------------------------------------------------------------------------

TEST(SaveToFileSp, WritesTheTextAsItStands) {
  Doc d;
  d.t.edit.SetText(Ansi("1\r\nПривет\r\n"));
  const std::string file = d.dir / "new.srt";
  ASSERT_TRUE(d.doc.SaveToFileSp(file, true, false));
  EXPECT_EQ(ReadBytes(file), Ansi("1\r\nПривет\r\n"));
  EXPECT_EQ(d.doc.OpenedFile, file);
  EXPECT_EQ(d.doc.LastSaveFile, file);
  EXPECT_FALSE(d.doc.TextModified);
  EXPECT_EQ(d.captions, std::vector<std::string>{file});
  EXPECT_EQ(d.t.prompt.beeps, 1);
  EXPECT_EQ(d.dir.Names(), (std::vector<std::string>{"docs", "new.srt"}));  // no previous version of a new file
}

TEST(SaveToFileSp, PreviousVersion) {
  struct Case {
    const char* file;
    std::string option;
    std::string backup;
    std::string optionAfter;
  };
  const std::vector<Case> cases = {
      {"a.srt", "_before", "a_before.srt", "_before"},
      {"a.srt", "   ", "a_before.srt", "_before"},
      {"a.srt", " _old ", "a_old.srt", " _old "},
      {"notes", "_before", "notes_before", "_before"},
  };
  for (const Case& c : cases) {
    Doc d;
    const std::string file = d.dir.Write(c.file, "version 1");
    d.dir.Write(c.backup, "version 0");
    d.options.saveLastAdd = c.option;
    d.Loaded(file, "version 2");
    ASSERT_TRUE(d.doc.SaveToFileSp(file, true, false)) << c.file;
    EXPECT_EQ(ReadBytes(file), "version 2");
    EXPECT_EQ(ReadBytes(d.dir / c.backup), "version 1") << c.backup;
    EXPECT_EQ(d.options.saveLastAdd, c.optionAfter);
  }
}

TEST(SaveToFileSp, SaveAsNeverKeepsThePreviousVersion) {
  Doc d;
  const std::string file = d.dir.Write("a.srt", "old");
  d.options.saveLast = true;
  d.Loaded(file, "new");
  d.dialogs.Choose(file);
  ASSERT_TRUE(d.doc.N5Click());
  EXPECT_EQ(d.dialogs.shown[0].request.fileName, "a.srt");
  EXPECT_EQ(d.dialogs.shown[0].request.folder, d.dir.Path() + "/");
  EXPECT_TRUE(d.dialogs.shown[0].save);
  EXPECT_EQ(ReadBytes(file), "new");
  EXPECT_EQ(d.dir.Names(), (std::vector<std::string>{"a.srt", "docs"}));
}

TEST(SaveToFileSp, NumberedCopy) {
  Doc d;
  const std::string file = d.dir.Write("film.srt", "old");
  d.dir.Write("film_[копия][001].srt", "first copy");
  d.Loaded(file, "text");
  d.t.edit.ReplaceSel("more ", true);
  d.doc.LastSaveFilterType = 9 * 256 + 8;
  d.dialogs.Choose(d.dir / "film_[копия][002].srt");
  ASSERT_TRUE(d.doc.N59Click());
  EXPECT_EQ(d.dialogs.shown[0].request.fileName, "film_[копия][002].srt");
  EXPECT_EQ(d.dialogs.shown[0].request.filterIndex, 2);  // the remembered "Все файлы"
  EXPECT_EQ(ReadBytes(d.dir / "film_[копия][002].srt"), "more text");
  EXPECT_EQ(ReadBytes(file), "old");
  EXPECT_EQ(d.doc.OpenedFile, file);
  EXPECT_TRUE(d.doc.TextModified);
  EXPECT_TRUE(d.captions.empty());
  EXPECT_EQ(MakeCopyFileName("/f/", "film", 1234, ".srt"), "/f/film_[копия][1234].srt");
}

TEST(SaveToFileSp, CancelledDialogWritesNothing) {
  Doc d;
  d.t.edit.SetText("text");
  d.doc.LastSaveFile = d.dir / "gone/x.srt";
  d.dialogs.Cancel();
  EXPECT_FALSE(d.doc.SaveToFileSp("", false, false));
  EXPECT_EQ(d.dialogs.shown[0].request.folder, d.documents);
  EXPECT_EQ(d.dialogs.shown[0].request.fileName, "x.srt");
  EXPECT_EQ(d.doc.OpenedFile, "");
  EXPECT_TRUE(d.doc.TextModified);
  EXPECT_EQ(d.t.prompt.beeps, 0);
  EXPECT_EQ(d.dir.Names(), std::vector<std::string>{"docs"});
}

// What a failed save must leave: the old file, the state, and one error in the message window.
bool FailedSaveLeftAll(Doc& d, const std::string& file) {
  const bool saved = d.doc.SaveOpend();
  return !saved && d.doc.OpenedFile == file && d.doc.TextModified && d.captions.empty() &&
         d.t.prompt.beeps == 0 && d.systemErrors.size() == 1 && !d.systemErrors[0].empty() &&
         d.doc.LastWriteError() == d.systemErrors[0] && d.t.messages.messages.size() == 1 &&
         d.t.messages.messages[0].likeLast && d.t.messages.messages[0].kind == MsgKind::Error &&
         d.t.messages.messages[0].text == "Сбой при поптыке сохранения файла \"" + file + "\".";
}

TEST(SaveToFileSp, FullDiskKeepsTheOldFile) {
  Doc d(std::make_unique<FullDiskFileSystem>());
  const std::string file = d.dir.Write("a.srt", kSrt);
  d.options.saveLast = true;
  d.Loaded(file, kSrt + "more");
  d.doc.TextModified = true;
  EXPECT_TRUE(FailedSaveLeftAll(d, file));
  EXPECT_EQ(ReadBytes(file), kSrt);
  EXPECT_EQ(d.dir.Names(), (std::vector<std::string>{"a.srt", "docs"}));
}

TEST(SaveToFileSp, ReadOnlyFolderKeepsTheOldFile) {
  Doc d;
  ::chmod(d.dir.Path().c_str(), 0755);
  const std::string folder = d.dir / "ro";
  ::mkdir(folder.c_str(), 0755);
  const std::string file = d.dir.Write("ro/a.srt", kSrt);
  ::chmod(file.c_str(), 0666);
  ::chmod(folder.c_str(), 0555);
  d.Loaded(file, "changed");
  d.doc.TextModified = true;
  bool ok;
  if (::geteuid() != 0) {
    ok = FailedSaveLeftAll(d, file);
  } else {
    // Root writes anywhere: the save runs in a child that has given up its rights.
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
      ::_exit(FailedSaveLeftAll(d, file) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  EXPECT_TRUE(ok);
  EXPECT_EQ(ReadBytes(file), kSrt);
}

TEST(SaveOpend, ExtensionQuestion) {
  const std::string question =
      "Вы пытаетесь сохранить текст субтитров в файл \"notes.txt\" имя которого имеет расширение, отличное от \".srt\". "
      "Всё равно хотите выполнить сохранение именно в этот файл?";
  {
    Doc d;
    const std::string file = d.dir.Write("notes.txt", "x");
    d.Loaded(file, kSrt);
    d.t.prompt.Script({Answer::Yes});
    ASSERT_TRUE(d.doc.N4Click());
    EXPECT_EQ(d.Questions(), std::vector<std::string>{question});
    EXPECT_EQ(d.t.prompt.questions[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(ReadBytes(file), kSrt);
    EXPECT_TRUE(d.doc.SrtExtConfirmed);
    ASSERT_TRUE(d.doc.N4Click());  // not asked again
    EXPECT_EQ(d.t.prompt.questions.size(), 1u);
    ASSERT_TRUE(d.doc.OpenFromFile(file));  // until the next open
    EXPECT_FALSE(d.doc.SrtExtConfirmed);
  }
  {
    Doc d;
    const std::string file = d.dir.Write("notes.txt", "x");
    d.Loaded(file, kSrt);
    d.t.prompt.Script({Answer::No});
    d.dialogs.Choose(d.dir / "notes.srt");
    ASSERT_TRUE(d.doc.SaveOpend());
    EXPECT_EQ(d.dialogs.shown[0].request.fileName, "notes.srt");
    EXPECT_EQ(ReadBytes(d.dir / "notes.srt"), kSrt);
    EXPECT_EQ(ReadBytes(file), "x");
    EXPECT_EQ(d.doc.OpenedFile, d.dir / "notes.srt");
  }
  {
    // Cancel saves nothing, and says so: a close that asked for the save does not go on.
    Doc d;
    const std::string file = d.dir.Write("notes", "x");
    d.Loaded(file, kSrt);
    d.doc.TextModified = true;
    d.t.prompt.Script({Answer::Yes, Answer::Cancel});
    EXPECT_FALSE(d.doc.AskForSave());
    EXPECT_EQ(d.Questions()[1],
              "Вы пытаетесь сохранить текст субтитров в файл \"notes\" имя которого  не имеет расширения \".srt\". "
              "Всё равно хотите выполнить сохранение именно в этот файл?");
    EXPECT_EQ(ReadBytes(file), "x");
    EXPECT_TRUE(d.doc.TextModified);
  }
  for (const char* name : {"a.SRT", "b.txt"}) {  // an .srt name, or a text that is no SRT
    Doc d;
    const std::string file = d.dir.Write(name, "x");
    d.Loaded(file, std::string(name) == "a.SRT" ? kSrt : "plain text");
    ASSERT_TRUE(d.doc.SaveOpend());
    EXPECT_TRUE(d.t.prompt.questions.empty()) << name;
  }
}

TEST(AskForSave, QuestionsAndAnswers) {
  struct Case {
    const char* what;
    bool withFile;
    std::string text;
    bool modified;
    std::vector<Answer> answers;
    std::string question;  // empty: none
    bool result;
    bool written;
  };
  const std::vector<Case> cases = {
      {"unmodified", true, "t", false, {}, "", true, false},
      {"No", true, "t", true, {Answer::No}, "Текст был изменён. Сохранить изменения в файл a.srt?", true, false},
      {"Cancel", true, "t", true, {Answer::Cancel}, "Текст был изменён. Сохранить изменения в файл a.srt?", false,
       false},
      {"Yes", true, "t", true, {Answer::Yes}, "Текст был изменён. Сохранить изменения в файл a.srt?", true, true},
      {"blank text without a file", false, " \r\n\t\r\n", true, {}, "", true, false},
      {"no file, dialog cancelled", false, "t", true, {Answer::Yes}, "Текст был изменён. Сохранить изменения?", false,
       false},
  };
  for (const Case& c : cases) {
    Doc d;
    const std::string file = d.dir.Write("a.srt", "old");
    d.Loaded(c.withFile ? file : "", c.text);
    d.doc.TextModified = c.modified;
    for (Answer a : c.answers) d.t.prompt.Script({a});
    EXPECT_EQ(d.doc.AskForSave(), c.result) << c.what;
    EXPECT_EQ(d.Questions(), c.question.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.question})
        << c.what;
    if (!c.question.empty()) {
      EXPECT_EQ(d.t.prompt.questions[0].kind, MsgKind::Warning);
      EXPECT_EQ(d.t.prompt.questions[0].buttons, Buttons::YesNoCancel);
    }
    EXPECT_EQ(ReadBytes(file), c.written ? c.text : "old") << c.what;
  }
}

// ---- inserting --------------------------------------------------------------------------------

TEST(InsertFile, FromTheDialogAndFromTheClipboard) {
  Doc d;
  const std::string ass = d.dir.Write("part.ass", kAss);
  const std::string current = d.dir.Write("cur.srt", "AB");
  d.Loaded(current, "AB");
  d.t.edit.SetSel(1, 0);
  d.doc.LastOpenFile = d.dir / "cur.srt";
  d.dialogs.Choose(ass);
  ASSERT_TRUE(d.doc.MenuItem10Click());
  EXPECT_EQ(d.dialogs.shown[0].request.fileName, "cur.srt");
  EXPECT_EQ(d.dialogs.shown[0].request.filter, kFilter);
  EXPECT_EQ(d.t.edit.Text(), "A" + kAss + "B");  // no conversion
  EXPECT_EQ(d.doc.LastInsertFile, ass);
  EXPECT_EQ(d.doc.OpenedFile, current);
  EXPECT_TRUE(d.doc.TextModified);
  EXPECT_EQ(d.t.host.statusRefreshes, 1);
  d.t.edit.Undo();
  EXPECT_EQ(d.t.edit.Text(), "AB");

  // The next insert starts at the inserted file; a missing one changes nothing.
  d.dialogs.Choose(d.dir / "none.srt");
  EXPECT_FALSE(d.doc.MenuItem10Click());
  EXPECT_EQ(d.dialogs.shown[1].request.fileName, "part.ass");
  EXPECT_EQ(d.t.edit.Text(), "AB");
  EXPECT_EQ(d.doc.LastInsertFile, ass);

  const std::string other = d.dir.Write("other.srt", "xy\n");
  d.doc.ClipboardFile = other;
  d.t.prompt.Script({Answer::Cancel, Answer::Yes});
  EXPECT_FALSE(d.doc.MenuItem11Click());
  EXPECT_EQ(d.t.edit.Text(), "AB");
  d.t.edit.SetSel(0, 1);
  ASSERT_TRUE(d.doc.MenuItem11Click());
  EXPECT_EQ(d.t.edit.Text(), "xy\r\nB");
  EXPECT_EQ(d.doc.LastInsertFile, other);
  const auto& q = d.t.prompt.questions.back();
  EXPECT_EQ(q.text, "Вы уверены, что хотите вставить текст из файла \"other.srt\" в текущую позицию?");
  EXPECT_EQ(q.buttons, Buttons::YesCancel);
}

// ---- the clipboard file ------------------------------------------------------------------------

TEST(ChooseClipboardFile, Rules) {
  TempFolder dir;
  PosixFileSystem fs;
  const std::string srt = dir.Write("a.SRT", "x");
  const std::string ass = dir.Write("b.ass", "x");
  const std::string txt = dir.Write("c.txt", "x");
  const std::string bare = dir.Write("noext", "x");
  const std::string big = dir.Write("big.srt", std::string(1025, 'x'));
  const std::string limit = dir.Write("limit.srt", std::string(1024, 'x'));
  ::mkdir((dir / "folder.srt").c_str(), 0755);
  struct Case {
    std::vector<std::string> files;
    std::string opened;
    bool offered;
  };
  const std::vector<Case> cases = {
      {{srt}, "", true},           {{ass}, "", true},        {{limit}, "", true},
      {{srt, ass}, "", false},     {{}, "", false},          {{txt}, "", false},
      {{bare}, "", false},         {{big}, "", false},       {{dir / "folder.srt"}, "", false},
      {{dir / "gone.srt"}, "", false}, {{srt}, dir / "a.srt", false},  // the open file, in another case
  };
  for (const Case& c : cases) {
    const std::string chosen = ChooseClipboardFile(c.files, c.opened, 1, DefaultExtensionList(), fs);
    EXPECT_EQ(chosen, c.offered ? c.files[0] : "") << (c.files.empty() ? "none" : c.files[0]);
  }
  EXPECT_EQ(ChooseClipboardFile({txt}, "", 1, {{"TXT", false}}, fs), txt);
  EXPECT_EQ(OpenClipboardFileCaption(srt), "Открыть файл \"a.SRT\"");
  EXPECT_EQ(InsertClipboardFileCaption(srt), "Вставить из \"a.SRT\"");

  Doc d;
  d.options.maxFileSizeKb = 1;
  d.doc.ClipboardFile = "stale";
  EXPECT_TRUE(d.doc.SetFormFileMenu({srt}));
  EXPECT_EQ(d.doc.ClipboardFile, srt);
  EXPECT_FALSE(d.doc.SetFormFileMenu({big}));
  EXPECT_EQ(d.doc.ClipboardFile, "");
}

}  // namespace
}  // namespace quillet
