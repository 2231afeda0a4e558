// The "Файл" commands and the whole-text commands of the "Правка" and "Текст" menus, run
// through the main window's own menu entries.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <gtest/gtest.h>

#include "platform/posix_file_system.h"
#include "platform/qt/qt_edit_control.h"
#include "storage/document.h"
#include "storage/temp_folder.h"
#include "support/fake_dialogs.h"
#include "support/fakes.h"
#include "ui/main_window.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::Lines;

class NoonClock : public IMessageClock {
 public:
  int64_t Now() override { return 12 * 3600 * 1000; }
  std::string LongTimeText(int64_t) override { return "12:00:00"; }
};

struct Window {
  testing::FakeClipboard clipboard;
  testing::ScriptedPrompt prompt;
  testing::FakeShell shell;
  testing::FakeFileDialogs dialogs;
  PosixFileSystem fs;
  NoonClock clock;
  TQuilletForm form{MainWindowServices{prompt, clipboard, shell, dialogs, fs, &clock}};

  Window() { form.SetStart(std::string()); }

  // Opens the menu (its enabling rules run) and triggers the entry; false when it is disabled.
  bool Run(const char* menu, const char* entry) {
    QMenu* m = form.findChild<QMenu*>(QString::fromLatin1(menu));
    QAction* a = form.findChild<QAction*>(QString::fromLatin1(entry));
    EXPECT_TRUE(m && a) << menu << " " << entry;
    if (!m || !a) return false;
    emit m->aboutToShow();
    if (!a->isEnabled()) return false;
    a->trigger();
    return true;
  }
  QtEditControl& Edit() { return form.edit(); }
  std::string Caption() { return form.windowTitle().toStdString(); }
};

const std::string kFilm = Ansi(Lines({"1", "00:00:01,000 --> 00:00:02,000", "Один", "", "2",
                                      "00:00:03,000 --> 00:00:04,000", "Два", ""}));

TEST(MainWindowCommands, ErrorSearchRulesStartWithTheirStoredDefaults) {
  Window w;
  // The stored default of the forbidden list names "<i>" too, unlike the designed text.
  EXPECT_EQ(w.form.findChild<QLineEdit*>("Edit14")->text().toStdString(), "[,],{,},<i>,/,\\");
}

TEST(MainWindowCommands, OpenEditSaveSaveAsAndCopy) {
  testing::TempFolder dir;
  const std::string film = dir.Write("film.srt", kFilm);
  Window w;

  w.dialogs.Choose(film);
  ASSERT_TRUE(w.Run("N1", "N2"));
  EXPECT_EQ(w.Edit().Text(), kFilm);
  EXPECT_EQ(w.Caption(), film);
  EXPECT_FALSE(w.form.document().TextModified);
  EXPECT_TRUE(w.prompt.questions.empty());

  // "Сохранить" writes the edited text over the file, without asking.
  w.Edit().SetSel(0, 0);
  w.Edit().ReplaceSel("0", true);
  ASSERT_TRUE(w.form.document().TextModified);
  ASSERT_TRUE(w.Run("N1", "N4"));
  EXPECT_EQ(testing::ReadBytes(film), "0" + kFilm);
  EXPECT_FALSE(w.form.document().TextModified);

  // "Сохранить как копию" proposes the first free copy name and leaves the open file, the
  // caption and the modified flag as they are.
  dir.Write("film_[копия][001].srt", "older copy");
  const std::string copy = dir / "film_[копия][002].srt";
  w.dialogs.Choose(copy);
  ASSERT_TRUE(w.Run("N1", "N59"));
  ASSERT_TRUE(w.dialogs.shown.back().save);
  EXPECT_EQ(w.dialogs.shown.back().request.fileName, "film_[копия][002].srt");
  EXPECT_EQ(testing::ReadBytes(copy), "0" + kFilm);
  EXPECT_EQ(testing::ReadBytes(dir / "film_[копия][001].srt"), "older copy");
  EXPECT_EQ(w.Caption(), film);

  // "Сохранить как..." makes the new file the open one.
  const std::string other = dir / "other.srt";
  w.dialogs.Choose(other);
  ASSERT_TRUE(w.Run("N1", "N5"));
  EXPECT_EQ(testing::ReadBytes(other), "0" + kFilm);
  EXPECT_EQ(w.Caption(), other);
  EXPECT_TRUE(w.prompt.questions.empty());
}

TEST(MainWindowCommands, CancelledOpenAndCopyWithoutAFileLeaveEverything) {
  Window w;
  w.Edit().SetText("keep");
  w.Edit().SetSel(4, 0);
  w.Edit().ReplaceSel("!", true);
  w.prompt.Script({Answer::No});  // do not save the changed text
  w.dialogs.Cancel();
  ASSERT_TRUE(w.Run("N1", "N2"));
  EXPECT_EQ(w.Edit().Text(), "keep!");
  EXPECT_TRUE(w.form.document().TextModified);
  EXPECT_EQ(w.Caption(), "Редактор субтитров srt");
  // No file yet: nothing to copy.
  EXPECT_FALSE(w.Run("N1", "N59"));
}

TEST(MainWindowCommands, InsertFromFileIsOneUndoStep) {
  testing::TempFolder dir;
  const std::string part = dir.Write("part.txt", Ansi("вставка\n"));
  Window w;
  w.Edit().SetText(Ansi("до после"));
  w.Edit().SetSel(3, 0);
  w.dialogs.Choose(part);
  w.form.findChild<QAction*>("MenuItem10")->trigger();
  EXPECT_EQ(w.Edit().Text(), Ansi("до вставка\r\nпосле"));
  w.Edit().Undo();
  EXPECT_EQ(w.Edit().Text(), Ansi("до после"));
}

TEST(MainWindowCommands, NormalizationFromTheMenuAsksAndAppliesOnYesOnly) {
  const std::string numbered = Lines({"1", "00:00:01,000 --> 00:00:02,000", "Один  ", "", "7",
                                      "00:00:03,000 --> 00:00:04,000", "Два", ""});
  for (Answer answer : {Answer::Cancel, Answer::Yes}) {
    SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "Cancel");
    Window w;
    w.Edit().SetText(Ansi(numbered));
    w.prompt.Script({answer});
    ASSERT_TRUE(w.Run("N26", "N42"));
    ASSERT_EQ(w.prompt.questions.size(), 1u);
    const std::string& q = w.prompt.questions[0].text;
    EXPECT_EQ(q.rfind("Нормализация звершена. Перенумеровано блоков 1 из 2. Удалено лишних пробелов: 2", 0), 0u)
        << q;
    EXPECT_EQ(w.prompt.questions[0].buttons, Buttons::YesCancel);
    const std::string expected = answer == Answer::Yes
                                     ? Lines({"1", "00:00:01,000 --> 00:00:02,000", "Один", "", "2",
                                              "00:00:03,000 --> 00:00:04,000", "Два", ""})
                                     : numbered;
    EXPECT_EQ(w.Edit().Text(), Ansi(expected));
  }
}

TEST(MainWindowCommands, MirrorNeedsThreeLinesAndReversesTextLines) {
  Window w;
  w.Edit().SetText(Lines({"1", "x"}));
  EXPECT_FALSE(w.Run("N8", "N10"));

  w.Edit().SetText(kFilm);
  w.prompt.Script({Answer::Yes});
  ASSERT_TRUE(w.Run("N8", "N10"));
  ASSERT_EQ(w.prompt.questions.size(), 1u);
  EXPECT_EQ(w.prompt.questions[0].text.rfind("Отражение завершено. Отражено строк 2", 0), 0u)
      << w.prompt.questions[0].text;
  EXPECT_EQ(w.Edit().Text(), Ansi(Lines({"1", "00:00:01,000 --> 00:00:02,000", "нидО", "", "2",
                                          "00:00:03,000 --> 00:00:04,000", "авД", ""})));
  // The operation cannot be undone with the editor's undo.
  EXPECT_FALSE(w.Edit().CanUndo());
}

}  // namespace
}  // namespace quillet
