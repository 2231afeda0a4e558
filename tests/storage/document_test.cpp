#include "storage/document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>
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
using Strings = std::vector<std::string>;

const std::string kSrt = Lines({"1", "00:00:01,000 --> 00:00:02,000", Ansi("Привет"), "", ""});
const std::string kAss = Lines({"[Script Info]", "ScriptType: v4.00+", "", "[V4+ Styles]", "Style: Default,Arial,20",
                                "", "[Events]",
                                "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text",
                                "Dialogue: 0,0:00:01.00,0:00:02.50,Default,,0,0,0,,{\\i1}One\\Ntwo", ""});
const std::string kAssAsSrt = Lines({"1", "00:00:01,000 --> 00:00:02,500", "One", "two", "", ""});
const std::string kFilter = "Файлы заданных типов (*.srt;*.ass;*.ssa)|*.srt;*.ass;*.ssa|Все файлы (*.*)|*.*";
const std::string kAskSaveCur = "Текст был изменён. Сохранить изменения в файл cur.srt?";

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
  // A file holding onDisk whose text, as the editor holds it, is text.
  std::string Open(const std::string& name, const std::string& onDisk, const std::string& text, bool modified = false) {
    const std::string file = dir.Write(name, onDisk);
    Loaded(file, text);
    doc.TextModified = modified;
    return file;
  }
  Strings Questions() const {
    Strings q;
    for (const auto& x : t.prompt.questions) q.push_back(x.text);
    return q;
  }
  // The editor and the document's file state at once.
  std::tuple<std::string, bool, std::string, bool> State() const {
    return {t.edit.Text(), t.edit.CanUndo(), doc.OpenedFile, doc.TextModified};
  }
  const FileDialogRequest& Request(size_t i = 0) const { return dialogs.shown.at(i).request; }

  TempFolder dir;
  testing::TestEditor t;
  std::unique_ptr<IFileSystem> fs;
  FakeFileDialogs dialogs;
  ProgramOptions options;
  Strings captions, systemErrors;
  std::string documents;
  TDocument doc;
};

// A question box: its kind, buttons and text.
std::tuple<MsgKind, Buttons, std::string> Box(const testing::ScriptedPrompt::Question& q) {
  return {q.kind, q.buttons, q.text};
}
// The one box asked (none when text is empty).
void ExpectAsked(const Doc& d, MsgKind kind, Buttons buttons, const std::string& text) {
  if (text.empty()) {
    EXPECT_TRUE(d.t.prompt.questions.empty());
    return;
  }
  ASSERT_EQ(d.t.prompt.questions.size(), 1u);
  EXPECT_EQ(Box(d.t.prompt.questions[0]), std::tuple(kind, buttons, text));
}

// ---- opening -----------------------------------------------------------------------------

TEST(OpenFromFile, PlainLoad) {
  Doc d;
  const std::string file = d.dir.Write("film.srt", "1\n00:00:01,000 --> 00:00:02,000\n\xCF\xF0\xE8\n");
  d.Loaded("", "old");
  d.t.edit.SetSel(2, 1);
  ASSERT_TRUE(d.doc.OpenFromFile(file));
  EXPECT_EQ(d.State(), std::tuple("1\r\n00:00:01,000 --> 00:00:02,000\r\n\xCF\xF0\xE8\r\n", false, file, false));
  EXPECT_EQ(std::tuple(d.t.edit.SelStart(), d.t.edit.SelLength()), std::tuple(0, 0));
  EXPECT_EQ(d.doc.LastOpenFile, file);
  EXPECT_EQ(d.captions, Strings{file});
  EXPECT_EQ(d.t.format.Current(), TextFormat::Srt);
  // Message clears, error search resets, status refreshes, beeps.
  EXPECT_EQ(std::tuple(d.t.messages.clears, d.t.host.errorSearchResets, d.t.host.statusRefreshes, d.t.prompt.beeps),
            std::tuple(1, 1, 1, 1));
  EXPECT_TRUE(d.t.prompt.questions.empty() && d.dialogs.shown.empty());
}

TEST(OpenFromFile, DialogStartsFromTheLastFileAndRemembersTheFilter) {
  Doc d;
  const std::string file = d.dir.Write("b.ass", "text");
  d.doc.LastOpenFile = d.dir / "a.srt";
  d.doc.LastOpenFilterType = 9 * 256 + 8;  // "Все файлы" last time
  d.dialogs.Choose(file, 1);
  ASSERT_TRUE(d.doc.N2Click());
  ASSERT_EQ(d.dialogs.shown.size(), 1u);
  EXPECT_FALSE(d.dialogs.shown[0].save);
  const FileDialogRequest& r = d.Request();
  EXPECT_EQ(std::tuple(r.filter, r.filterIndex, r.folder, r.fileName),
            std::tuple(kFilter, 2, d.dir.Path() + "/", "a.srt"));
  EXPECT_EQ(d.doc.LastOpenFilterType, 9 * 256 + 1);
  EXPECT_EQ(d.doc.OpenedFile, file);

  // A folder that is gone: the dialog starts in the documents folder.
  d.doc.LastOpenFile = d.dir / "gone/x.srt";
  d.dialogs.Cancel();
  EXPECT_FALSE(d.doc.N2Click());
  EXPECT_EQ(d.Request(1).folder, d.documents);
}

TEST(OpenFromFile, CancelAndFailedReadsLeaveEverything) {
  // The answer to the save question; the dialog cancels, or chooses a missing file.
  struct Case { const char* what; Answer answer; bool cancel; Strings questions; std::string lastOpen; int beeps; };
  const std::vector<Case> cases = {
      {"save question cancelled", Answer::Cancel, false, {kAskSaveCur}, "", 0},
      {"dialog cancelled", Answer::No, true, {kAskSaveCur}, "", 0},
      {"missing file chosen", Answer::No, false, {kAskSaveCur, "Файл none.srt не найден!"}, "none.srt", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Doc d;
    const std::string current = d.Open("cur.srt", kSrt, kSrt);
    d.t.edit.SetSel(3, 0);
    d.t.edit.ReplaceSel("x", true);  // modified
    const std::string before = d.t.edit.Text();
    d.t.prompt.Script({c.answer});
    if (c.cancel) d.dialogs.Cancel();
    else d.dialogs.Choose(d.dir / "none.srt");
    EXPECT_FALSE(d.doc.OpenFromFile(""));
    EXPECT_EQ(d.State(), std::tuple(before, true, current, true));
    EXPECT_EQ(d.Questions(), c.questions);
    EXPECT_EQ(d.doc.LastOpenFile, c.lastOpen.empty() ? "" : d.dir / c.lastOpen);
    EXPECT_TRUE(d.captions.empty());
    EXPECT_EQ(std::tuple(d.t.messages.clears, d.t.prompt.beeps), std::tuple(0, c.beeps));
  }
}

TEST(OpenFromFile, ConversionChoice) {
  auto ask = [](const std::string& a, const std::string& what, const std::string& b) {
    return "Внимание! " + a + "\"" + what + "\"" + b + "сконвертировать его содержимое в формат srt?";
  };
  auto byExt = [&](const std::string& ext) { return ask("Открываемый файл имеет расширение ", ext, ". Хотите "); };
  auto byText = [&](const std::string& name) {
    return ask("Содержимое открываемого файла ", name, " опознано как субтитры формата \"ASS\". Хотите ");
  };
  std::string unixAss;
  for (char c : kAss) if (c != '\r') unixAss += c;
  enum Outcome { Cancelled, AsRead, Converted };
  // The answer, when there is a question (empty: none).
  struct Case { const char* name; std::string bytes; int konvType; Answer answer; std::string question; Outcome end; };
  const std::vector<Case> cases = {
      {"x.ass", kAss, 0, Answer::Ok, "", Converted},
      {"x.ass", unixAss, 0, Answer::Ok, "", Converted},  // LF line ends are detected and converted alike
      {"x.ass", kAss, 1, Answer::Yes, byExt(".ass"), Converted},
      {"x.ASS", kAss, 1, Answer::No, byExt(".ASS"), AsRead},
      {"x.ass", kAss, 1, Answer::Cancel, byExt(".ass"), Cancelled},
      {"x.txt", kAss, 0, Answer::Yes, byText("x.txt"), Converted},
      {"x.ssa", kAss, 0, Answer::No, byText("x.ssa"), AsRead},
      {"noext", kAss, 1, Answer::Cancel, byText("noext"), Cancelled},
      {"x.ass", kAss, 2, Answer::Ok, "", AsRead},
      {"x.ass", kSrt, 1, Answer::Ok, "", AsRead},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " konvType " + std::to_string(c.konvType));
    Doc d;
    d.options.konvType = c.konvType;
    const std::string file = d.dir.Write(c.name, c.bytes);
    d.Loaded("", "previous");
    if (!c.question.empty()) d.t.prompt.Script({c.answer});
    EXPECT_EQ(d.doc.OpenFromFile(file), c.end != Cancelled);
    ExpectAsked(d, MsgKind::Confirmation, Buttons::YesNoCancel, c.question);
    const std::string asRead = c.bytes == unixAss ? kAss : c.bytes;
    if (c.end == Cancelled) {
      EXPECT_EQ(d.State(), std::tuple("previous", false, "", false));
      EXPECT_EQ(d.t.prompt.beeps, 0);
      continue;
    }
    EXPECT_EQ(d.doc.OpenedFile, file);
    EXPECT_EQ(d.t.prompt.beeps, 1);
    if (c.end == AsRead) {
      EXPECT_EQ(d.State(), std::tuple(asRead, false, file, false));
      continue;
    }
    EXPECT_EQ(d.State(), std::tuple(kAssAsSrt, true, file, true));
    EXPECT_EQ(d.t.format.Current(), TextFormat::Srt);
    ASSERT_EQ(d.t.messages.messages.size(), 1u);
    EXPECT_EQ(d.t.messages.messages[0].text,
              "Конвертация из ass в srt: Блоков добавлено: 1, ошибок при конвертации: 0");
    EXPECT_EQ(d.t.edit.UpdateDepth(), 0);
    d.t.edit.Undo();  // one undo shows the text as read
    EXPECT_EQ(d.t.edit.Text(), asRead);
    EXPECT_FALSE(d.t.edit.CanUndo());
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
  EXPECT_EQ(std::tuple(d.doc.OpenedFile, d.doc.LastSaveFile, d.doc.TextModified), std::tuple(file, file, false));
  EXPECT_EQ(d.captions, Strings{file});
  EXPECT_EQ(d.t.prompt.beeps, 1);
  EXPECT_EQ(d.dir.Names(), (Strings{"docs", "new.srt"}));  // no previous version of a new file
}

TEST(SaveToFileSp, PreviousVersion) {
  struct Case { const char* file; std::string option; std::string backup; std::string optionAfter; };
  const std::vector<Case> cases = {
      {"a.srt", "_before", "a_before.srt", "_before"}, {"a.srt", "   ", "a_before.srt", "_before"},
      {"a.srt", " _old ", "a_old.srt", " _old "},      {"notes", "_before", "notes_before", "_before"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.backup);
    Doc d;
    const std::string file = d.Open(c.file, "version 1", "version 2");
    d.dir.Write(c.backup, "version 0");
    d.options.saveLastAdd = c.option;
    ASSERT_TRUE(d.doc.SaveToFileSp(file, true, false));
    EXPECT_EQ(std::tuple(ReadBytes(file), ReadBytes(d.dir / c.backup)), std::tuple("version 2", "version 1"));
    EXPECT_EQ(d.options.saveLastAdd, c.optionAfter);
  }
}

TEST(SaveToFileSp, SaveAsNeverKeepsThePreviousVersion) {
  Doc d;
  const std::string file = d.Open("a.srt", "old", "new");
  d.options.saveLast = true;
  d.dialogs.Choose(file);
  ASSERT_TRUE(d.doc.N5Click());
  EXPECT_TRUE(d.dialogs.shown[0].save);
  EXPECT_EQ(std::tuple(d.Request().folder, d.Request().fileName), std::tuple(d.dir.Path() + "/", "a.srt"));
  EXPECT_EQ(ReadBytes(file), "new");
  EXPECT_EQ(d.dir.Names(), (Strings{"a.srt", "docs"}));
}

TEST(SaveToFileSp, NumberedCopy) {
  Doc d;
  const std::string file = d.Open("film.srt", "old", "text");
  d.dir.Write("film_[копия][001].srt", "first copy");
  d.t.edit.ReplaceSel("more ", true);
  d.doc.LastSaveFilterType = 9 * 256 + 8;
  d.dialogs.Choose(d.dir / "film_[копия][002].srt");
  ASSERT_TRUE(d.doc.N59Click());
  // The next free number, under the remembered "Все файлы".
  EXPECT_EQ(std::tuple(d.Request().fileName, d.Request().filterIndex), std::tuple("film_[копия][002].srt", 2));
  EXPECT_EQ(std::tuple(ReadBytes(d.dir / "film_[копия][002].srt"), ReadBytes(file)), std::tuple("more text", "old"));
  EXPECT_EQ(d.State(), std::tuple("more text", true, file, true));
  EXPECT_TRUE(d.captions.empty());
  EXPECT_EQ(MakeCopyFileName("/f/", "film", 1234, ".srt"), "/f/film_[копия][1234].srt");
}

TEST(SaveToFileSp, CancelledDialogWritesNothing) {
  Doc d;
  d.t.edit.SetText("text");
  d.doc.LastSaveFile = d.dir / "gone/x.srt";
  d.dialogs.Cancel();
  EXPECT_FALSE(d.doc.SaveToFileSp("", false, false));
  EXPECT_EQ(std::tuple(d.Request().folder, d.Request().fileName), std::tuple(d.documents, "x.srt"));
  EXPECT_EQ(std::tuple(d.doc.OpenedFile, d.doc.TextModified, d.t.prompt.beeps), std::tuple("", true, 0));
  EXPECT_EQ(d.dir.Names(), Strings{"docs"});
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

TEST(SaveToFileSp, FailedSaveKeepsTheOldFile) {
  for (bool fullDisk : {true, false}) {
    SCOPED_TRACE(fullDisk ? "full disk" : "read-only folder");
    Doc d(fullDisk ? std::make_unique<FullDiskFileSystem>() : std::make_unique<PosixFileSystem>());
    ::chmod(d.dir.Path().c_str(), 0755);
    const std::string folder = d.dir / "ro";
    ::mkdir(folder.c_str(), 0755);
    const std::string file = d.Open("ro/a.srt", kSrt, kSrt + "more", true);
    ::chmod(file.c_str(), 0666);
    if (!fullDisk) ::chmod(folder.c_str(), 0555);
    d.options.saveLast = true;
    bool ok;
    if (fullDisk || ::geteuid() != 0) {
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
    // Neither a previous version nor a temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
  }
}

TEST(SaveOpend, ExtensionQuestion) {
  auto question = [](const std::string& name, const std::string& what) {
    return "Вы пытаетесь сохранить текст субтитров в файл \"" + name + "\" имя которого " + what +
           " \".srt\". Всё равно хотите выполнить сохранение именно в этот файл?";
  };
  {
    Doc d;
    const std::string file = d.Open("notes.txt", "x", kSrt);
    d.t.prompt.Script({Answer::Yes});
    ASSERT_TRUE(d.doc.N4Click());
    ExpectAsked(d, MsgKind::Confirmation, Buttons::YesNoCancel, question("notes.txt", "имеет расширение, отличное от"));
    EXPECT_EQ(ReadBytes(file), kSrt);
    EXPECT_TRUE(d.doc.SrtExtConfirmed);
    ASSERT_TRUE(d.doc.N4Click());  // not asked again
    EXPECT_EQ(d.t.prompt.questions.size(), 1u);
    ASSERT_TRUE(d.doc.OpenFromFile(file));  // until the next open
    EXPECT_FALSE(d.doc.SrtExtConfirmed);
  }
  {
    // No: the save dialog, offering the name with ".srt".
    Doc d;
    const std::string file = d.Open("notes.txt", "x", kSrt);
    d.t.prompt.Script({Answer::No});
    d.dialogs.Choose(d.dir / "notes.srt");
    ASSERT_TRUE(d.doc.SaveOpend());
    EXPECT_EQ(d.Request().fileName, "notes.srt");
    EXPECT_EQ(std::tuple(ReadBytes(d.dir / "notes.srt"), ReadBytes(file)), std::tuple(kSrt, std::string("x")));
    EXPECT_EQ(d.doc.OpenedFile, d.dir / "notes.srt");
  }
  {
    // Cancel saves nothing, and says so: a close that asked for the save does not go on.
    Doc d;
    const std::string file = d.Open("notes", "x", kSrt, true);
    d.t.prompt.Script({Answer::Yes, Answer::Cancel});
    EXPECT_FALSE(d.doc.AskForSave());
    EXPECT_EQ(d.Questions().at(1), question("notes", " не имеет расширения"));
    EXPECT_EQ(std::tuple(ReadBytes(file), d.doc.TextModified), std::tuple(std::string("x"), true));
  }
  for (const char* name : {"a.SRT", "b.txt"}) {  // an .srt name, or a text that is no SRT
    Doc d;
    d.Open(name, "x", std::string(name) == "a.SRT" ? kSrt : "plain text");
    ASSERT_TRUE(d.doc.SaveOpend());
    EXPECT_TRUE(d.t.prompt.questions.empty()) << name;
  }
}

TEST(AskForSave, QuestionsAndAnswers) {
  const std::string toA = "Текст был изменён. Сохранить изменения в файл a.srt?";
  struct Case {
    const char* what; bool withFile; std::string text; bool modified; Answer answer;
    std::string question;  // empty: none
    bool result, written;
  };
  const std::vector<Case> cases = {
      {"unmodified", true, "t", false, Answer::Yes, "", true, false},
      {"No", true, "t", true, Answer::No, toA, true, false},
      {"Cancel", true, "t", true, Answer::Cancel, toA, false, false},
      {"Yes", true, "t", true, Answer::Yes, toA, true, true},
      {"blank text without a file", false, " \r\n\t\r\n", true, Answer::Yes, "", true, false},
      {"no file, dialog cancelled", false, "t", true, Answer::Yes, "Текст был изменён. Сохранить изменения?", false,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Doc d;
    const std::string file = d.Open("a.srt", "old", c.text, c.modified);
    if (!c.withFile) d.doc.OpenedFile.clear();
    d.t.prompt.Script({c.answer});
    EXPECT_EQ(d.doc.AskForSave(), c.result);
    ExpectAsked(d, MsgKind::Warning, Buttons::YesNoCancel, c.question);
    EXPECT_EQ(ReadBytes(file), c.written ? c.text : "old");
  }
}

// ---- inserting --------------------------------------------------------------------------------

TEST(InsertFile, FromTheDialogAndFromTheClipboard) {
  Doc d;
  const std::string ass = d.dir.Write("part.ass", kAss);
  const std::string current = d.Open("cur.srt", "AB", "AB");
  d.t.edit.SetSel(1, 0);
  d.doc.LastOpenFile = d.dir / "cur.srt";
  d.dialogs.Choose(ass);
  ASSERT_TRUE(d.doc.MenuItem10Click());
  EXPECT_EQ(std::tuple(d.Request().fileName, d.Request().filter), std::tuple("cur.srt", kFilter));
  EXPECT_EQ(d.State(), std::tuple("A" + kAss + "B", true, current, true));  // no conversion
  EXPECT_EQ(d.doc.LastInsertFile, ass);
  EXPECT_EQ(d.t.host.statusRefreshes, 1);
  d.t.edit.Undo();
  EXPECT_EQ(d.t.edit.Text(), "AB");

  // The next insert starts at the inserted file; a missing one changes nothing.
  d.dialogs.Choose(d.dir / "none.srt");
  EXPECT_FALSE(d.doc.MenuItem10Click());
  EXPECT_EQ(d.Request(1).fileName, "part.ass");
  EXPECT_EQ(std::tuple(d.t.edit.Text(), d.doc.LastInsertFile), std::tuple("AB", ass));

  const std::string other = d.dir.Write("other.srt", "xy\n");
  d.doc.ClipboardFile = other;
  d.t.prompt.Script({Answer::Cancel, Answer::Yes});
  EXPECT_FALSE(d.doc.MenuItem11Click());
  EXPECT_EQ(d.t.edit.Text(), "AB");
  d.t.edit.SetSel(0, 1);
  ASSERT_TRUE(d.doc.MenuItem11Click());
  EXPECT_EQ(std::tuple(d.t.edit.Text(), d.doc.LastInsertFile), std::tuple("xy\r\nB", other));
  EXPECT_EQ(Box(d.t.prompt.questions.back()),
            std::tuple(MsgKind::Confirmation, Buttons::YesCancel,
                       "Вы уверены, что хотите вставить текст из файла \"other.srt\" в текущую позицию?"));
}

// ---- the clipboard file ------------------------------------------------------------------------

TEST(ChooseClipboardFile, Rules) {
  TempFolder dir;
  PosixFileSystem fs;
  const std::string srt = dir.Write("a.SRT", "x"), ass = dir.Write("b.ass", "x"), txt = dir.Write("c.txt", "x");
  const std::string bare = dir.Write("noext", "x"), big = dir.Write("big.srt", std::string(1025, 'x'));
  const std::string limit = dir.Write("limit.srt", std::string(1024, 'x'));
  ::mkdir((dir / "folder.srt").c_str(), 0755);
  struct Case { Strings files; std::string opened; bool offered; };
  const std::vector<Case> cases = {
      {{srt}, "", true},       {{ass}, "", true},  {{limit}, "", true},
      {{srt, ass}, "", false}, {{}, "", false},    {{txt}, "", false},
      {{bare}, "", false},     {{big}, "", false}, {{dir / "folder.srt"}, "", false},
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
