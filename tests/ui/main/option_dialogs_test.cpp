// The three option dialogs opened from the main window: "Настройки" ▸ "Программа" with the size
// limit, the range colour and the hints, "Шрифт" with the editor's looks, "Настроить вид" with
// the message pane's look.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

#include <functional>

#include "platform/memory_settings_store.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_edit_control.h"
#include "platform/qt/qt_platform.h"
#include "session/session.h"
#include "storage/temp_folder.h"
#include "support/fake_dialogs.h"
#include "support/fake_look_dialogs.h"
#include "support/fakes.h"
#include "support/qt/control_expect.h"
#include "support/qt/dialog_driver.h"
#include "ui/dialogs/mess_opt_form.h"
#include "ui/main/main_window.h"
#include "ui/main/message_pane.h"
#include "ui/main/program.h"
#include "ui/options/post_opt_form.h"
#include "ui/panel/operate_panel.h"
#include "ui/widgets/color_box.h"
#include "ui/widgets/show_hints.h"

namespace quillet {
namespace {

struct Window {
  testing::FakeClipboard clipboard;
  testing::ScriptedPrompt prompt;
  testing::FakeShell shell;
  testing::FakeFileDialogs dialogs;
  testing::FakeLookDialogs looks;
  PosixFileSystem fs;
  QtClock clock;
  MemorySettingsStore store;
  TProgram program{ProgramServices{prompt, clipboard, shell, dialogs, fs, clock, store, &looks, &looks}};
  TQuilletForm& form = program.form();
  TSession& session = program.session();

  Window() { program.Start(); }

  QAction* Act(const char* name) { return form.findChild<QAction*>(QString::fromLatin1(name)); }
  // Triggers the entry; act runs inside the dialog it opens, then the button is pressed.
  void Run(const char* entry, QWidget* dialog, const char* button, const std::function<void()>& act) {
    testing::AnswerModal(dialog, button, act);
    Act(entry)->trigger();
    EXPECT_FALSE(dialog->isVisible());
  }
  template <typename T>
  T* In(QWidget* dialog, const char* name) {
    return testing::FindControl<T>(*dialog, name);
  }
  // Whether a hint shows for the control now.
  static bool HintShows(QWidget* control) {
    QToolTip::hideText();
    QHelpEvent hint(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(control, &hint);
    const bool shown = QToolTip::isVisible() && QToolTip::text() == control->toolTip();
    QToolTip::hideText();
    return shown;
  }
};

TEST(OptionDialogs, TheThreeEntriesWork) {
  Window w;
  for (const char* name : {"N17", "N18", "Action6"}) EXPECT_TRUE(w.Act(name)->isEnabled()) << name;
  EXPECT_TRUE(w.form.findChild<QMenu*>("PopupMenu2")->actions().contains(w.Act("Action6")));
}

TEST(OptionDialogs, ProgramOptionsLiftTheSizeLimitAndColourTheRangeOnOk) {
  testing::TempFolder dir;
  const std::string big = dir.Write("big.srt", std::string(3000 * 1024, 'a'));
  Window w;
  // Over five times the 512 KB limit: refused, pointing at "Настройки" > "Программа".
  w.dialogs.Choose(big);
  w.Act("N2")->trigger();
  ASSERT_EQ(w.prompt.questions.size(), 1u);
  EXPECT_NE(w.prompt.questions[0].text.find("Загрузка отменена"), std::string::npos);
  EXPECT_EQ(w.form.edit().TextLength(), 0);

  TMainOptForm1& options = w.form.mainOptForm();
  QLineEdit* rangeStart = w.form.panel().findChild<QLineEdit*>("Edit3");
  const QColor normal = rangeStart->palette().color(QPalette::Base);
  QColor whileOpen;
  w.Run("N18", &options, "BitBtn1", [&] {
    QLineEdit* size = w.In<QLineEdit>(&options, "Edit2");
    EXPECT_EQ(size->text(), "512");
    size->selectAll();
    QTest::keyClicks(size, "4000");
    testing::ClickBox(w.In<QCheckBox>(&options, "CheckBox8"));
    testing::ClickBox(w.In<QCheckBox>(&options, "CheckBox6"));
    whileOpen = rangeStart->palette().color(QPalette::Base);
    // "Сохранять предыдущий" acts at once; the size waits for OK.
    EXPECT_TRUE(w.session.options().saveLast);
    EXPECT_EQ(w.session.options().maxFileSizeKb, 512);
  });
  EXPECT_EQ(whileOpen, normal);
  EXPECT_EQ(rangeStart->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0x00));
  EXPECT_EQ(w.session.options().maxFileSizeKb, 4000);
  EXPECT_EQ(w.form.ProgramOptionValues().options.maxFileSizeKb, 4000);

  w.dialogs.Choose(big);
  w.Act("N2")->trigger();
  EXPECT_EQ(w.prompt.questions.size(), 1u);  // no question this time
  EXPECT_EQ(w.form.edit().TextLength(), 3000 * 1024);
}

TEST(OptionDialogs, HintsGoOffAtOnceInTheMainWindowAndTheDialog) {
  Window w;
  TMainOptForm1& options = w.form.mainOptForm();
  QToolButton* open = w.form.findChild<QToolButton*>("ToolButtonOpen");
  ASSERT_TRUE(open);
  EXPECT_TRUE(Window::HintShows(open));
  bool mainWhileOpen = true, dialogWhileOpen = true;
  w.Run("N18", &options, "BitBtn1", [&] {
    QCheckBox* hints = w.In<QCheckBox>(&options, "CheckBox4");
    EXPECT_TRUE(Window::HintShows(hints));
    testing::ClickBox(hints);
    mainWhileOpen = Window::HintShows(open);
    dialogWhileOpen = Window::HintShows(hints);
  });
  EXPECT_FALSE(mainWhileOpen || dialogWhileOpen);
  EXPECT_FALSE(Window::HintShows(open));
  EXPECT_FALSE(w.form.ProgramOptionValues().showHints);
  // The message look dialog is not one of the windows the option rules.
  EXPECT_TRUE(HintAllowed(w.In<QPushButton>(&w.form.messOptForm(), "BitBtn3")));
  EXPECT_FALSE(HintAllowed(w.In<QCheckBox>(&w.form.mainOptForm(), "CheckBox1")));

  // Stored values at start put them on again.
  MainOptValues values = w.form.ProgramOptionValues();
  values.showHints = true;
  w.form.LoadProgramOptions(values);
  EXPECT_TRUE(Window::HintShows(open));
}

TEST(OptionDialogs, TextLookOkRestylesTheEditorCancelDoesNot) {
  Window w;
  TPostOptForm& dialog = w.form.postOptForm();
  MemoWidget& memo = w.form.memo();
  const QColor before = memo.palette().color(QPalette::Base);
  const TFontAppearance editBefore = w.session.settings().fontEdit;
  auto yellowBack = [&] { testing::PickColor(w.In<TColorBox>(&dialog, "ColorBox5"), 0x00FFFF); };

  w.Run("N17", &dialog, "BitBtn2", yellowBack);
  EXPECT_EQ(w.session.settings().fontEdit, editBefore);
  EXPECT_EQ(memo.palette().color(QPalette::Base), before);

  TextLook font;
  font.fontName = "DejaVu Sans Mono";
  font.size = 13;
  font.height = -17;
  w.looks.ChooseFontAs(font);
  w.Run("N17", &dialog, "BitBtn1", [&] {
    yellowBack();
    dialog.Button2Click();
  });
  EXPECT_EQ(w.session.settings().fontEdit.backColor, 0x00FFFFu);
  EXPECT_EQ(w.session.settings().fontEdit.size, 13);
  EXPECT_EQ(w.session.settings().fontNoEdit.size, 13);
  EXPECT_EQ(w.session.settings().fontEditName, "DejaVu Sans Mono");
  EXPECT_EQ(memo.palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0x00));
  EXPECT_EQ(memo.font().pointSize(), 13);
}

TEST(OptionDialogs, MessageLookOkRestylesThePane) {
  Window w;
  TMessOptForm& dialog = w.form.messOptForm();
  QTextEdit* pane = w.form.messagePane().Pane();
  TextLook font;
  font.fontName = "DejaVu Serif";
  font.size = 15;
  font.height = -20;
  w.looks.ChooseFontAs(font);
  w.Run("Action6", &dialog, "BitBtn2", [&] { dialog.BitBtn3Click(); });
  EXPECT_EQ(w.session.settings().fontMessName, "MS Sans Serif");
  EXPECT_NE(pane->font().pointSize(), 15);

  w.looks.ChooseFontAs(font);
  w.Run("Action6", &dialog, "BitBtn1", [&] {
    dialog.BitBtn3Click();
    testing::PickColor(w.In<TColorBox>(&dialog, "ColorBox2"), 0xFFFFFF);
  });
  EXPECT_EQ(w.session.settings().fontMessName, "DejaVu Serif");
  EXPECT_EQ(w.session.settings().fontMess.backColor, 0xFFFFFFu);
  EXPECT_EQ(pane->font().pointSize(), 15);
  EXPECT_EQ(pane->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
}

}  // namespace
}  // namespace quillet
