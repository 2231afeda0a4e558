// Navigation and search as the main window offers them: the "Правка" entries and their keys,
// the tool buttons, the go-to dialog over the status bar, and the editing group's go-to section
// and find row.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/editor_routines.h"
#include "platform/qt/qt_edit_control.h"
#include "session/commands.h"
#include "platform/qt/memo_widget.h"
#include "support/qt/fake_program.h"
#include "ui/dialogs/find_form.h"
#include "ui/dialogs/go_form.h"
#include "ui/dialogs/repl_form.h"
#include "ui/dialogs/search_dialogs.h"
#include "ui/panel/operate_panel.h"

namespace quillet {
namespace {

using testing::Lines;

const std::string kThreeBlocks = Lines({"1", "00:00:01,000 --> 00:00:02,000", "one", "", "2",
                                        "00:01:05,000 --> 00:01:06,000", "two", "", "3",
                                        "00:02:10,000 --> 00:02:11,000", "three", ""});

struct Window : testing::FakeProgram {
  Window() { program.Start(); }
  template <typename T = QWidget>
  T* Find(const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QtEditControl& Edit() { return form.edit(); }
  int CaretLine() { return GetMemoCaret(Edit()).line; }
  TSearchDialogs& Dialogs() { return form.searchDialogs(); }
  // The enabled entries of the "Правка" menu among the search entries, as it opens.
  std::string SearchEntries() {
    emit Find<QMenu>("N26")->aboutToShow();
    std::string on;
    for (const char* name : {"ActionFind", "ActionFindNext", "ActionRepl", "ActionGo"}) {
      if (Find<QAction>(name)->isEnabled()) on += (on.empty() ? "" : " ") + std::string(name);
    }
    emit Find<QMenu>("N26")->aboutToHide();
    return on;
  }
};

TEST(NavigationWindow, SearchEntriesFollowTheTextAndTheirKeysJudgeItNow) {
  Window w;
  EXPECT_EQ(w.SearchEntries(), "");
  w.Find<QAction>("ActionFind")->trigger();  // the key with nothing to search: nothing opens
  EXPECT_FALSE(w.Dialogs().FindForm().isVisible());
  w.Edit().SetText("one line");
  EXPECT_EQ(w.SearchEntries(), "ActionFind ActionFindNext ActionRepl");
  w.Edit().SetText(kThreeBlocks);
  EXPECT_EQ(w.SearchEntries(), "ActionFind ActionFindNext ActionRepl ActionGo");

  // Ctrl+F, then Ctrl+H: one dialog at a time; the tool buttons show which.
  w.Find<QAction>("ActionFind")->trigger();
  EXPECT_TRUE(w.Dialogs().FindForm().isVisible());
  EXPECT_TRUE(w.Find<QToolButton>("ToolButton14")->isChecked());
  w.Find<QAction>("ActionRepl")->trigger();
  EXPECT_FALSE(w.Dialogs().FindForm().isVisible());
  EXPECT_TRUE(w.Dialogs().ReplForm().isVisible());
  EXPECT_EQ(std::tuple(w.Find<QToolButton>("ToolButton14")->isChecked(), w.Find<QToolButton>("ToolButton15")->isChecked()),
            std::tuple(false, true));
  // Its tool button closes it again.
  w.Find<QToolButton>("ToolButton15")->click();
  EXPECT_FALSE(w.Dialogs().ReplForm().isVisible());
}

TEST(NavigationWindow, ToolButtonsWithNothingToWorkOnBeep) {
  Window w;
  for (const char* button : {"ToolButton14", "ToolButton15", "ToolButton17"}) w.Find<QToolButton>(button)->click();
  EXPECT_EQ(w.prompt.beeps, 3);
  w.Edit().SetText("x");
  w.Find<QToolButton>("ToolButton17")->click();  // a single line: nothing to go to
  EXPECT_EQ(w.prompt.beeps, 4);
}

TEST(NavigationWindow, AVisibleGoToDialogFillsTheStatusBarsBlockAndTimeFields) {
  Window w;
  w.Edit().SetText(kThreeBlocks);
  TGoForm& go = w.Dialogs().GoForm();
  go.findChild<QCheckBox*>("CheckBox3")->setChecked(true);  // "Доступный текст": modeless
  w.Find<QAction>("ActionGo")->trigger();
  ASSERT_TRUE(go.isVisible());
  w.Edit().SetSel(w.Edit().LineIndex(5), 0);
  emit w.form.memo().KeyUp();
  EXPECT_EQ(w.Find<QLabel>("StatusPanel1")->text(), QString::fromUtf8("Блок №: 2"));
  go.close();
}

TEST(NavigationWindow, GoToSectionOfThePanelMovesTheCaret) {
  Window w;
  w.Edit().SetText(kThreeBlocks);
  w.form.panel().ShowOperation(OperationGroup::Edit);
  w.Find<QLineEdit>("Edit11")->setText("6");
  w.Find<QPushButton>("Button24")->click();  // "поз:"
  EXPECT_EQ(w.CaretLine(), 5);
  w.Find<QPushButton>("Button23")->click();  // "к"
  EXPECT_EQ(w.CaretLine(), 11);
  w.Find<QLineEdit>("Edit17")->setText("2");
  w.Find<QPushButton>("Button32")->click();  // "№:"
  EXPECT_EQ(w.CaretLine(), 4);
  w.Find<QLineEdit>("Edit17")->setText("9");
  w.Find<QPushButton>("Button32")->click();  // no block 9: the message window says so, the caret stays
  EXPECT_EQ(w.CaretLine(), 4);
  EXPECT_NE(w.program.session().messages().LastMess().find("Невозможно выполнить переход!"), std::string::npos);
}

TEST(NavigationWindow, FindRowSearchesInItsDirectionAndReplaces) {
  Window w;
  w.Edit().SetText("a b a b");
  w.form.panel().ShowOperation(OperationGroup::Edit);
  QPushButton* prev = w.Find<QPushButton>("Button3");
  QPushButton* next = w.Find<QPushButton>("Button6");
  EXPECT_FALSE(next->isEnabled());  // nothing to find yet
  w.Find<QLineEdit>("Edit9")->setText("b");
  EXPECT_TRUE(next->isEnabled() && next->font().underline() && !prev->font().underline());
  next->click();
  EXPECT_EQ(std::tuple(w.Edit().SelStart(), w.Edit().SelLength()), std::tuple(2, 1));
  // A right click on "<" only turns the direction; Enter then searches backward.
  emit prev->customContextMenuRequested(QPoint(1, 1));
  EXPECT_TRUE(prev->font().underline() && !next->font().underline());
  EXPECT_EQ(w.Edit().SelStart(), 2);
  w.Edit().SetSel(7, 0);
  QTest::keyClick(w.Find<QLineEdit>("Edit9"), Qt::Key_Return);
  EXPECT_EQ(w.Edit().SelStart(), 6);
  // "зам" replaces the found text and finds the next one.
  w.Find<QLineEdit>("Edit10")->setText("c");
  w.Find<QPushButton>("Button14")->click();
  EXPECT_EQ(w.Edit().Text(), "a b a c");
  EXPECT_EQ(w.Edit().SelStart(), 2);
}

}  // namespace
}  // namespace quillet
