// The "Файл" commands and the whole-text commands, run through the main window's own menu entries.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_edit_control.h"
#include "storage/document.h"
#include "storage/temp_folder.h"
#include "support/fake_dialogs.h"
#include "support/fakes.h"
#include "support/qt/fake_program.h"
#include "platform/qt/qt_clock.h"
#include "session/session.h"
#include "ui/main/main_window.h"
#include "ui/main/program.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::Lines;
using ::testing::StartsWith;

struct Window : testing::FakeProgram {
  Window() { program.Start(); }

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
};

const std::string kFilm = Ansi(Lines({"1", "00:00:01,000 --> 00:00:02,000", "Один", "", "2",
                                      "00:00:03,000 --> 00:00:04,000", "Два", ""}));

TEST(MainWindowCommands, ErrorSearchRulesStartWithTheirStoredDefaults) {
  Window w;
  EXPECT_EQ(w.form.findChild<QLineEdit*>("Edit14")->text().toStdString(), "[,],{,},<i>,/,\\");  // "<i>" too
}

TEST(MainWindowCommands, OpenEditSaveSaveAsAndCopy) {
  testing::TempFolder dir;
  const std::string film = dir.Write("film.srt", kFilm);
  Window w;

  w.dialogs.Choose(film);
  ASSERT_TRUE(w.Run("N1", "N2"));
  EXPECT_EQ(w.Edit().Text(), kFilm);
  EXPECT_EQ(w.form.windowTitle().toStdString(), film);

  // "Сохранить" writes the edited text over the file.
  w.Edit().SetText("0" + kFilm);
  ASSERT_TRUE(w.Run("N1", "N4"));
  EXPECT_EQ(testing::ReadBytes(film), "0" + kFilm);

  // "Сохранить как копию" proposes the first free copy name; the open file and the caption stay.
  const std::string older = dir.Write("film_[копия][001].srt", "older copy"), copy = dir / "film_[копия][002].srt";
  w.dialogs.Choose(copy);
  ASSERT_TRUE(w.Run("N1", "N59"));
  EXPECT_EQ(w.dialogs.shown.back().request.fileName, "film_[копия][002].srt");
  EXPECT_EQ(std::tuple(testing::ReadBytes(copy), testing::ReadBytes(older), w.form.windowTitle().toStdString()),
            std::tuple("0" + kFilm, "older copy", film));

  // "Сохранить как..." makes the new file the open one.
  w.dialogs.Choose(dir / "other.srt");
  ASSERT_TRUE(w.Run("N1", "N5"));
  EXPECT_EQ(testing::ReadBytes(dir / "other.srt"), "0" + kFilm);
  EXPECT_EQ(w.form.windowTitle().toStdString(), dir / "other.srt");
  EXPECT_TRUE(w.prompt.questions.empty());  // none of them asked
}

TEST(MainWindowCommands, CancelledOpenAndCopyWithoutAFileLeaveEverything) {
  Window w;
  w.Edit().SetText("keep");
  w.prompt.Script({Answer::No});  // do not save the changed text
  w.dialogs.Cancel();
  ASSERT_TRUE(w.Run("N1", "N2"));
  EXPECT_EQ(w.Edit().Text(), "keep");
  EXPECT_TRUE(w.program.session().document().TextModified());
  EXPECT_EQ(w.form.windowTitle().toStdString(), "Редактор субтитров srt");
  EXPECT_FALSE(w.Run("N1", "N59"));  // no file yet: nothing to copy
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
  const std::string numbered = Ansi(Lines({"1", "00:00:01,000 --> 00:00:02,000", "Один  ", "", "7",
                                            "00:00:03,000 --> 00:00:04,000", "Два", ""}));
  for (Answer answer : {Answer::Cancel, Answer::Yes}) {
    Window w;
    w.Edit().SetText(numbered);
    w.prompt.Script({answer});
    ASSERT_TRUE(w.Run("N26", "N42"));
    ASSERT_EQ(w.prompt.questions.size(), 1u);
    EXPECT_THAT(w.prompt.questions[0].text,
                StartsWith("Нормализация звершена. Перенумеровано блоков 1 из 2. Удалено лишних пробелов: 2"));
    EXPECT_EQ(w.prompt.questions[0].buttons, Buttons::YesCancel);
    EXPECT_EQ(w.Edit().Text(), answer == Answer::Yes ? kFilm : numbered);
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
  EXPECT_THAT(w.prompt.questions[0].text, StartsWith("Отражение завершено. Отражено строк 2"));
  EXPECT_EQ(w.Edit().Text(), Ansi(Lines({"1", "00:00:01,000 --> 00:00:02,000", "нидО", "", "2",
                                          "00:00:03,000 --> 00:00:04,000", "авД", ""})));
  EXPECT_FALSE(w.Edit().CanUndo());  // not with the editor's undo
}

}  // namespace
}  // namespace quillet
