#include "storage/document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/posix/posix_file_system.h"
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
class FullDiskCalls : public PosixCalls {
 public:
  ssize_t Write(int, const void*, size_t) override { errno = ENOSPC; return -1; }
};
PosixCalls& FullDisk() {
  static FullDiskCalls calls;
  return calls;
}

struct Doc {
  explicit Doc(std::unique_ptr<IFileSystem> fileSystem = std::make_unique<PosixFileSystem>())
      : fs(std::move(fileSystem)),
        doc(t.editor, *fs, dialogs, shell, options, extensions) {
    t.edit.SetChangeHandler([this] {
      t.lines.MarkStale();
      t.format.MarkNeedsDetection();
      doc.OnTextChanged();
    });
    documents = shell.documents = dir / "docs";
    ::mkdir(documents.c_str(), 0755);
  }
  // The editor holding text that belongs to file.
  void Loaded(const std::string& file, const std::string& text, bool modified = false) {
    t.edit.SetText(text);
    doc.Adopt(file);
    if (modified) doc.OnTextChanged();
    captions.clear();
  }
  // The dialogs' memory of the last files, changed by change.
  template <class Change>
  void Remember(Change change) {
    DocumentMemory memory = doc.Memory();
    change(memory);
    doc.SetMemory(memory);
  }
  // The system errors shown in boxes.
  Strings SystemErrors() const {
    Strings errors;
    for (const auto& q : t.prompt.questions) {
      if (q.kind == MsgKind::Error && q.buttons == Buttons::Ok) errors.push_back(q.text);
    }
    return errors;
  }
  // A file holding onDisk whose text, as the editor holds it, is text.
  std::string Open(const std::string& name, const std::string& onDisk, const std::string& text, bool modified = false) {
    const std::string file = dir.Write(name, onDisk);
    Loaded(file, text, modified);
    return file;
  }
  // The editor and the document's file state at once.
  std::tuple<std::string, bool, std::string, bool> State() const {
    return {t.edit.Text(), t.edit.CanUndo(), doc.OpenedFile(), doc.TextModified()};
  }
  const FileDialogRequest& Request(size_t i = 0) const { return dialogs.shown.at(i).request; }

  TempFolder dir;
  testing::TestEditor t;
  std::unique_ptr<IFileSystem> fs;
  FakeFileDialogs dialogs;
  testing::FakeShell shell;
  ProgramOptions options;
  ExtensionList extensions = DefaultExtensionList();
  Strings& captions = t.host.captions;
  std::string documents;
  TDocument doc;
};

// A question box: its kind, buttons and text.
std::tuple<MsgKind, Buttons, std::string> Box(const testing::ScriptedPrompt::Question& q) {
  return {q.kind, q.buttons, q.text};
}
// The one box asked (none when text is empty).
void ExpectAsked(const Doc& d, MsgKind kind, Buttons buttons, const std::string& text) {
  ASSERT_EQ(d.t.prompt.questions.size(), text.empty() ? 0u : 1u);
  for (const auto& q : d.t.prompt.questions) EXPECT_EQ(Box(q), std::tuple(kind, buttons, text));
}

// ---- opening -----------------------------------------------------------------------------

TEST(OpenFromFile, PlainLoad) {
  Doc d;
  const std::string file = d.dir.Write("film.srt", kSrt);
  d.Loaded("", "old");
  d.t.edit.SetSel(2, 1);
  ASSERT_TRUE(d.doc.OpenFromFile(file));
  EXPECT_EQ(d.State(), std::tuple(kSrt, false, file, false));
  EXPECT_EQ(std::tuple(d.t.edit.SelStart(), d.t.edit.SelLength(), d.doc.Memory().lastOpenFile, d.captions, d.t.format.Current()),
            std::tuple(0, 0, file, Strings{file}, TextFormat::Srt));
  // Message clears, error search resets, status refreshes, beeps.
  EXPECT_EQ(std::tuple(d.t.messages.clears, d.t.host.errorSearchResets, d.t.host.statusRefreshes, d.t.prompt.beeps),
            std::tuple(1, 1, 1, 1));
  EXPECT_TRUE(d.t.prompt.questions.empty() && d.dialogs.shown.empty());
}

TEST(OpenFromFile, DialogStartsFromTheLastFileAndRemembersTheFilter) {
  Doc d;
  const std::string file = d.dir.Write("b.ass", "text");
  d.Remember([&](DocumentMemory& m) {
    m.lastOpenFile = d.dir / "a.srt";
    m.lastOpenFilterType = 9 * 256 + 8;  // "Все файлы" last time
  });
  d.dialogs.Choose(file, 1);
  ASSERT_TRUE(d.doc.Open());
  const FileDialogRequest& r = d.Request();
  EXPECT_EQ(std::tuple(d.dialogs.shown[0].save, r.filter, r.filterIndex, r.folder, r.fileName),
            std::tuple(false, kFilter, 2, d.dir.Path() + "/", "a.srt"));
  EXPECT_EQ(std::tuple(d.doc.Memory().lastOpenFilterType, d.doc.OpenedFile()), std::tuple(9 * 256 + 1, file));

  // A folder that is gone: the dialog starts in the documents folder.
  d.Remember([&](DocumentMemory& m) { m.lastOpenFile = d.dir / "gone/x.srt"; });
  d.dialogs.Cancel();
  EXPECT_FALSE(d.doc.Open());
  EXPECT_EQ(d.Request(1).folder, d.documents);
}

TEST(OpenFromFile, CancelAndFailedReadsLeaveEverything) {
  // The answer to the save question; then the dialog chooses a missing file.
  struct Case { const char* what; Answer answer; Strings questions; std::string lastOpen; int beeps; };
  const std::vector<Case> cases = {
      {"save question cancelled", Answer::Cancel, {kAskSaveCur}, "", 0},
      {"missing file chosen", Answer::No, {kAskSaveCur, "Файл none.srt не найден!"}, "/none.srt", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Doc d;
    const std::string current = d.Open("cur.srt", "on disk", kSrt, true);
    d.t.prompt.Script({c.answer});
    d.dialogs.Choose(d.dir / "none.srt");
    EXPECT_FALSE(d.doc.OpenFromFile(""));
    Strings asked;
    for (const auto& q : d.t.prompt.questions) asked.push_back(q.text);
    EXPECT_EQ(std::tuple(d.State(), ReadBytes(current)), std::tuple(std::tuple(kSrt, false, current, true), "on disk"));
    EXPECT_EQ(std::tuple(asked, d.doc.Memory().lastOpenFile, d.captions.empty(), d.t.messages.clears, d.t.prompt.beeps),
              std::tuple(c.questions, c.lastOpen.empty() ? "" : d.dir.Path() + c.lastOpen, true, 0, c.beeps));
  }
}

TEST(OpenFromFile, ConversionChoice) {
  const std::string tail = ". Хотите сконвертировать его содержимое в формат srt?";
  auto byExt = [&](const std::string& ext) {
    return "Внимание! Открываемый файл имеет расширение \"" + ext + "\"" + tail;
  };
  auto byText = [&](const std::string& name) {
    return "Внимание! Содержимое открываемого файла \"" + name + "\" опознано как субтитры формата \"ASS\"" + tail;
  };
  enum Outcome { Cancelled, AsRead, Converted };
  // The answer, when there is a question (empty: none).
  struct Case { const char* name; std::string bytes; int konvType; Answer answer; std::string question; Outcome end; };
  const std::vector<Case> cases = {
      {"x.ass", kAss, 0, Answer::Ok, "", Converted},
      {"x.ass", kAss, 1, Answer::Yes, byExt(".ass"), Converted},
      {"x.ASS", kAss, 1, Answer::No, byExt(".ASS"), AsRead},
      {"x.txt", kAss, 0, Answer::Yes, byText("x.txt"), Converted},
      {"noext", kAss, 1, Answer::Cancel, byText("noext"), Cancelled},
      {"x.ass", kAss, 2, Answer::Ok, "", AsRead},
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
    EXPECT_EQ(d.t.prompt.beeps, c.end == Cancelled ? 0 : 1);
    const std::string text = c.end == Cancelled ? "previous" : c.end == AsRead ? c.bytes : kAssAsSrt;
    EXPECT_EQ(d.State(), std::tuple(text, c.end == Converted, c.end == Cancelled ? "" : file, c.end == Converted));
    if (c.end != Converted) continue;
    EXPECT_EQ(std::tuple(d.t.format.Current(), d.t.edit.UpdateDepth()), std::tuple(TextFormat::Srt, 0));
    ASSERT_EQ(d.t.messages.messages.size(), 1u);
    EXPECT_EQ(d.t.messages.messages[0].text,
              "Конвертация из ass в srt: Блоков добавлено: 1, ошибок при конвертации: 0");
    d.t.edit.Undo();  // one undo shows the text as read
    EXPECT_EQ(std::tuple(d.t.edit.Text(), d.t.edit.CanUndo()), std::tuple(c.bytes, false));
  }
}

// ---- saving -----------------------------------------------------------------------------------

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
    EXPECT_EQ(std::tuple(ReadBytes(file), ReadBytes(d.dir / c.backup), d.options.saveLastAdd),
              std::tuple("version 2", "version 1", c.optionAfter));
  }
}

// The text as it stands; no previous version of a new file, nor on "Сохранить как..." over the file.
TEST(SaveToFileSp, NewFileAndSaveAsKeepNoPreviousVersion) {
  Doc d;
  const std::string text = Ansi("1\r\nПривет\r\n"), file = d.dir / "new.srt";
  d.options.saveLast = true;
  d.t.edit.SetText(text);
  ASSERT_TRUE(d.doc.SaveToFileSp(file, true, false));
  EXPECT_EQ(std::tuple(ReadBytes(file), d.doc.OpenedFile(), d.doc.Memory().lastSaveFile, d.doc.TextModified(), d.captions),
            std::tuple(text, file, file, false, Strings{file}));
  EXPECT_EQ(d.t.prompt.beeps, 1);
  d.t.edit.ReplaceSel("0", true);
  d.dialogs.Choose(file);
  ASSERT_TRUE(d.doc.SaveAs());
  EXPECT_EQ(std::tuple(d.dialogs.shown[0].save, d.Request().folder, d.Request().fileName, ReadBytes(file)),
            std::tuple(true, d.dir.Path() + "/", "new.srt", "0" + text));
  EXPECT_EQ(d.dir.Names(), (Strings{"docs", "new.srt"}));
}

TEST(SaveToFileSp, NumberedCopyLeavesTheOpenFile) {
  Doc d;
  const std::string file = d.Open("film.srt", "old", "text", true);
  d.Remember([](DocumentMemory& m) { m.lastSaveFilterType = 9 * 256 + 8; });
  d.dialogs.Choose(d.dir / "film_[копия][001].srt");
  ASSERT_TRUE(d.doc.SaveCopy());  // under the remembered "Все файлы"
  EXPECT_EQ(std::tuple(d.Request().fileName, d.Request().filterIndex, ReadBytes(file), d.captions.empty(), d.State()),
            std::tuple("film_[копия][001].srt", 2, "old", true, std::tuple("text", false, file, true)));
  EXPECT_EQ(MakeCopyFileName("/f/", "film", 1234, ".srt"), "/f/film_[копия][1234].srt");
}

TEST(SaveToFileSp, FailedSaveKeepsTheOldFileAndReportsTheError) {
  Doc d(std::make_unique<PosixFileSystem>(FullDisk()));
  const std::string file = d.Open("a.srt", kSrt, kSrt + "more", true);
  d.options.saveLast = true;
  EXPECT_FALSE(d.doc.SaveOpend());
  EXPECT_EQ(std::tuple(d.doc.OpenedFile(), d.doc.TextModified(), d.captions.empty(), d.t.prompt.beeps),
            std::tuple(file, true, true, 0));
  // The system's reason, as the document keeps it, and one error in the message window.
  const Strings systemErrors = d.SystemErrors();
  ASSERT_EQ(std::tuple(systemErrors.size(), d.t.messages.messages.size()), std::tuple(1u, 1u));
  EXPECT_EQ(std::tuple(systemErrors[0].empty(), d.doc.LastWriteError()), std::tuple(false, systemErrors[0]));
  const auto& m = d.t.messages.messages[0];
  EXPECT_EQ(std::tuple(m.text, m.kind, m.likeLast),
            std::tuple("Сбой при поптыке сохранения файла \"" + file + "\".", MsgKind::Error, true));
  // Neither a previous version nor a temporary file.
  EXPECT_EQ(ReadBytes(file), kSrt);
  EXPECT_EQ(d.dir.Names(), (Strings{"a.srt", "docs"}));
}

TEST(SaveOpend, ExtensionQuestion) {
  auto question = [](const std::string& name, const std::string& what) {
    return "Вы пытаетесь сохранить текст субтитров в файл \"" + name + "\" имя которого " + what +
           " \".srt\". Всё равно хотите выполнить сохранение именно в этот файл?";
  };
  const std::string otherExt = "имеет расширение, отличное от";
  // The file that gets the text: the open one, the one No's dialog chose, or none.
  struct Case { const char* name; std::string text; Answer answer; std::string question; std::string savedTo; };
  const std::vector<Case> cases = {
      {"notes.txt", kSrt, Answer::Yes, question("notes.txt", otherExt), "notes.txt"},
      {"notes.txt", kSrt, Answer::No, question("notes.txt", otherExt), "notes.srt"},
      {"notes", kSrt, Answer::Cancel, question("notes", " не имеет расширения"), ""},
      {"a.SRT", kSrt, Answer::Ok, "", "a.SRT"},
      {"b.txt", "plain text", Answer::Ok, "", "b.txt"},  // a text that is no SRT
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Doc d;
    const std::string file = d.Open(c.name, "x", c.text, true);
    d.t.prompt.Script({c.answer});
    d.dialogs.Choose(d.dir / "notes.srt");
    EXPECT_EQ(d.doc.SaveOpend(), !c.savedTo.empty());
    ExpectAsked(d, MsgKind::Confirmation, Buttons::YesNoCancel, c.question);
    EXPECT_EQ(std::tuple(d.doc.OpenedFile(), d.doc.TextModified()),
              c.savedTo.empty() ? std::tuple(file, true) : std::tuple(d.dir / c.savedTo, false));
    // No's dialog offers the name with ".srt" and saves there; the open file keeps its text.
    EXPECT_EQ(std::tuple(ReadBytes(file), ReadBytes(d.dir / "notes.srt")),
              std::tuple(c.savedTo == c.name ? c.text : "x", c.answer == Answer::No ? kSrt : ""));
    EXPECT_EQ(d.dialogs.shown.empty() ? "" : d.Request().fileName, c.answer == Answer::No ? "notes.srt" : "");
    if (c.answer != Answer::Yes) continue;  // Yes is not asked again until the next open
    ASSERT_TRUE(d.doc.SaveOpend());
    EXPECT_EQ(d.t.prompt.questions.size(), 1u);
    ASSERT_TRUE(d.doc.OpenFromFile(file));
    EXPECT_FALSE(d.doc.SrtExtConfirmed());
  }
}

TEST(AskForSave, QuestionsAndAnswers) {
  const std::string toA = "Текст был изменён. Сохранить изменения в файл a.srt?";
  // The question asked (empty: none).
  struct Case { const char* what; bool withFile; std::string text; bool modified; Answer answer; std::string question;
                bool result, written; };
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
    if (!c.withFile) d.Loaded("", c.text, c.modified);
    d.t.prompt.Script({c.answer});
    EXPECT_EQ(d.doc.AskForSave(), c.result);
    ExpectAsked(d, MsgKind::Warning, Buttons::YesNoCancel, c.question);
    EXPECT_EQ(std::tuple(ReadBytes(file), d.doc.TextModified(), d.dir.Names()),
              std::tuple(c.written ? c.text : "old", c.modified && !c.written, Strings{"a.srt", "docs"}));
  }
}

// ---- inserting --------------------------------------------------------------------------------

TEST(InsertFile, FromTheDialogAndFromTheClipboard) {
  Doc d;
  const std::string ass = d.dir.Write("part.ass", kAss);
  const std::string current = d.Open("cur.srt", "AB", "AB");
  d.t.edit.SetSel(1, 0);
  d.Remember([&](DocumentMemory& m) { m.lastOpenFile = current; });
  d.dialogs.Choose(ass);
  ASSERT_TRUE(d.doc.InsertFromFile());
  EXPECT_EQ(std::tuple(d.Request().fileName, d.Request().filter), std::tuple("cur.srt", kFilter));
  EXPECT_EQ(d.State(), std::tuple("A" + kAss + "B", true, current, true));  // no conversion
  EXPECT_EQ(std::tuple(d.doc.Memory().lastInsertFile, d.t.host.statusRefreshes), std::tuple(ass, 1));
  d.t.edit.Undo();
  // The next insert starts at the inserted file; a missing one changes nothing.
  d.dialogs.Choose(d.dir / "none.srt");
  EXPECT_FALSE(d.doc.InsertFromFile());
  EXPECT_EQ(std::tuple(d.Request(1).fileName, d.t.edit.Text(), d.doc.Memory().lastInsertFile),
            std::tuple("part.ass", "AB", ass));

  const std::string other = d.dir.Write("other.srt", "xy\n");
  ASSERT_TRUE(d.doc.SetFormFileMenu({other}));
  d.t.prompt.Script({Answer::Cancel, Answer::Yes});
  EXPECT_FALSE(d.doc.InsertClipboardFile());
  EXPECT_EQ(d.t.edit.Text(), "AB");
  d.t.edit.SetSel(0, 1);
  ASSERT_TRUE(d.doc.InsertClipboardFile());
  EXPECT_EQ(std::tuple(d.t.edit.Text(), d.doc.Memory().lastInsertFile), std::tuple("xy\r\nB", other));
  EXPECT_EQ(Box(d.t.prompt.questions.back()),
            std::tuple(MsgKind::Confirmation, Buttons::YesCancel,
                       "Вы уверены, что хотите вставить текст из файла \"other.srt\" в текущую позицию?"));
}

// ---- encodings read -------------------------------------------------------------------------

// The warning about characters the code page lacks, told once per read that replaced some; the
// encoding is that of the open file, which an insert does not change.
TEST(ReadEncoding, OpenInsertAndAFailedOpen) {
  Doc d;
  auto replaced = [](const std::string& name, int count) {
    return "Внимание! При чтении файла \"" + name + "\" символы, которых нет в кодировке Windows-1251, заменены "
           "знаком \"?\" (всего: " + std::to_string(count) + ").";
  };
  auto warnings = [&d] {
    Strings texts;
    for (const auto& m : d.t.messages.messages) {
      texts.push_back(m.kind == MsgKind::Warning && !m.again && !m.likeLast ? m.text : "(another kind)");
    }
    return texts;
  };
  EXPECT_EQ(d.doc.ReadEncoding(), TextEncoding::Ansi1251);

  const std::string utf8 = d.dir.Write("u.srt", "1\n00:00:01,000 --> 00:00:02,000\nПривет ✓ ♪\n");
  ASSERT_TRUE(d.doc.OpenFromFile(utf8));
  EXPECT_EQ(std::tuple(d.t.edit.Text(), d.doc.ReadEncoding(), warnings()),
            std::tuple(Ansi("1\r\n00:00:01,000 --> 00:00:02,000\r\nПривет ? ?\r\n"), TextEncoding::Utf8,
                       Strings{replaced("u.srt", 2)}));

  const std::string utf16 = d.dir.Write("w.srt", "\xFE\xFF" + testing::Utf16Bytes(u"✓ё", true));
  d.t.edit.SetSel(0, 0);
  d.dialogs.Choose(utf16);
  ASSERT_TRUE(d.doc.InsertFromFile());
  EXPECT_EQ(std::tuple(d.t.edit.Text().substr(0, 3), d.doc.ReadEncoding(), warnings()),
            std::tuple(Ansi("?ё1"), TextEncoding::Utf8, Strings{replaced("u.srt", 2), replaced("w.srt", 1)}));

  // An open cancelled at the conversion question tells nothing and keeps the encoding.
  const std::string ass = d.dir.Write("x.txt", "\xFF\xFE" + testing::Utf16Bytes(std::u16string(kAss.begin(), kAss.end()) + u"✓"));
  d.t.prompt.Script({Answer::No, Answer::Cancel});  // no save, then Cancel the conversion
  EXPECT_FALSE(d.doc.OpenFromFile(ass));
  EXPECT_EQ(std::tuple(d.doc.OpenedFile(), d.doc.ReadEncoding(), warnings().size()),
            std::tuple(utf8, TextEncoding::Utf8, 2u));

  // A 1251 file: no warning, and the message window was cleared by the open.
  const std::string ansi = d.dir.Write("a.srt", kSrt);
  d.t.prompt.Script({Answer::No});
  ASSERT_TRUE(d.doc.OpenFromFile(ansi));
  EXPECT_EQ(std::tuple(d.doc.ReadEncoding(), warnings().size(), d.t.messages.clears),
            std::tuple(TextEncoding::Ansi1251, 2u, 2));
}

// ---- the clipboard file ------------------------------------------------------------------------

// Two files, none, and the caption are the main window's cases.
TEST(ChooseClipboardFile, Rules) {
  TempFolder dir;
  PosixFileSystem fs;
  const std::string srt = dir.Write("a.SRT", "x"), ass = dir.Write("b.ass", "x"), txt = dir.Write("c.txt", "x");
  const std::string bare = dir.Write("noext", "x"), big = dir.Write("big.srt", std::string(1025, 'x'));
  const std::string limit = dir.Write("limit.srt", std::string(1024, 'x'));
  ::mkdir((dir / "folder.srt").c_str(), 0755);
  const std::tuple<std::string, std::string, bool> cases[] = {
      {srt, "", true}, {ass, "", true}, {limit, "", true}, {big, "", false}, {txt, "", false}, {bare, "", false},
      {dir / "folder.srt", "", false}, {srt, dir / "a.srt", false}};  // last: the open file, in another case
  for (const auto& [file, opened, offered] : cases) {
    EXPECT_EQ(ChooseClipboardFile({file}, opened, 1, DefaultExtensionList(), fs), offered ? file : "") << file;
  }
  EXPECT_EQ(ChooseClipboardFile({txt}, "", 1, {{"TXT", false}}, fs), txt);
}

}  // namespace
}  // namespace quillet
