#include "ui/dialogs/search_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_edit_control.h"
#include "support/fakes.h"
#include "support/qt/control_expect.h"
#include "ui/dialogs/find_form.h"
#include "ui/dialogs/go_form.h"
#include "ui/dialogs/repl_form.h"
#include "ui/widgets/number_field.h"
#include "ui/widgets/tool_icons.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::Lines;

// The main window's status update, as it will call the dialogs.
class DialogsHost : public testing::FakeHost {
 public:
  void SetStatus() override {
    FakeHost::SetStatus();
    if (dialogs) dialogs->StatusChanged();
  }
  TSearchDialogs* dialogs = nullptr;
};

struct Dialogs {
  explicit Dialogs(std::string_view text = "one two one two\r\n") {
    edit.SetChangeHandler([this] {
      lines.MarkStale();
      format.MarkNeedsDetection();
      host.SetStatus();
    });
    edit.SetText(text);
    host.dialogs = &dialogs;
    window.show();
  }
  ~Dialogs() {
    host.dialogs = nullptr;
    for (QWidget* w : {static_cast<QWidget*>(&dialogs.FindForm()), static_cast<QWidget*>(&dialogs.ReplForm()),
                       static_cast<QWidget*>(&dialogs.GoForm())}) {
      w->hide();
    }
  }

  template <class W = QWidget>
  static W* In(const QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void Click(const QWidget& parent, const char* name) { In<QAbstractButton>(parent, name)->click(); }
  bool Enabled(const QWidget& parent, const char* name) { return In(parent, name)->isEnabled(); }

  testing::FakeClipboard clipboard;
  testing::FakeEditControl edit{&clipboard};
  testing::ScriptedPrompt prompt;
  testing::RecordingMessageSink messages;
  DialogsHost host;
  EditorContext context{edit, prompt, messages, host};
  Editor& editor = context.editor();
  EditorLines& lines = context.lines();
  TextFormatTracker& format = context.format();
  NavigationValues values;
  QWidget window;
  TSearchDialogs dialogs{editor, values, &window};
};

bool OnTop(const QWidget& w) { return w.windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

TEST(FindForm, ControlsEnterAndTheFieldFromTheSelection) {
  Dialogs d;
  TFindForm& f = d.dialogs.FindForm();
  EXPECT_EQ(f.windowTitle(), QString::fromUtf8("Найти"));
  testing::ExpectControls(f, {
      {"Label1", "Что:", ""},
      {"Edit1", "", ""},
      {"Button1", "Найти далее", ""},
      {"Button2", "Закрыть", ""},
      {"RadioButton1", "Вверх", "", 0},
      {"RadioButton2", "Вниз", "", 1},
      {"CheckBox1", "С учётом регистра", "Поиск текста с учётом регистра букв", 0},
  });
  EXPECT_EQ(Dialogs::In<QGroupBox>(f, "GroupBox1")->title(), QString::fromUtf8("Направление"));

  // A two-line selection gives its first line; the case box is cleared on opening.
  d.edit.SetText(Ansi("Кот\r\nпёс кот\r\n"));
  d.edit.SetSel(0, 8);
  Dialogs::In<QCheckBox>(f, "CheckBox1")->setChecked(true);
  d.dialogs.ActionFindExecute();
  ASSERT_TRUE(f.isVisible());
  EXPECT_FALSE(f.isModal());
  EXPECT_TRUE(OnTop(f));
  EXPECT_EQ(Dialogs::In<QLineEdit>(f, "Edit1")->text(), QString::fromUtf8("Кот"));
  EXPECT_FALSE(Dialogs::In<QCheckBox>(f, "CheckBox1")->isChecked());
  EXPECT_EQ(d.values.find.what, Ansi("Кот"));

  // Enter in the field searches down from the selection, ignoring case.
  QTest::keyClick(Dialogs::In<QLineEdit>(f, "Edit1"), Qt::Key_Return);
  EXPECT_EQ(std::make_pair(d.edit.SelStart(), d.edit.SelLength()), std::make_pair(9, 3));
  // Up, case counts: the first "Кот" is found again.
  Dialogs::In<QRadioButton>(f, "RadioButton1")->setChecked(true);
  Dialogs::In<QCheckBox>(f, "CheckBox1")->setChecked(true);
  d.Click(f, "Button1");
  EXPECT_EQ(d.edit.SelStart(), 0);
  EXPECT_EQ(std::make_pair(d.values.find.down, d.values.find.caseSensitive), std::make_pair(false, true));

  // F3 with the dialog open is "Найти далее"; "Закрыть" closes.
  d.prompt.Script({Answer::No});
  d.dialogs.ActionFindNextExecute();
  EXPECT_EQ(d.prompt.questions.size(), 1u);
  d.Click(f, "Button2");
  EXPECT_FALSE(f.isVisible());
  // F3 without the dialog searches on with its text; with an empty text it opens the dialog.
  d.edit.SetSel(0, 0);
  Dialogs::In<QRadioButton>(f, "RadioButton2")->setChecked(true);
  d.dialogs.ActionFindNextExecute();
  EXPECT_EQ(std::make_pair(f.isVisible(), d.edit.SelStart()), std::make_pair(false, 0));
  EXPECT_EQ(d.edit.SelLength(), 3);
  f.SetWhat("");
  d.dialogs.ActionFindNextExecute();
  EXPECT_TRUE(f.isVisible());
}

TEST(ReplForm, ControlsAndEnablingRules) {
  Dialogs d;
  TReplform& r = d.dialogs.ReplForm();
  EXPECT_EQ(r.windowTitle(), QString::fromUtf8("Замена"));
  testing::ExpectControls(r, {
      {"Label1", "Что:", ""},
      {"Label2", "Чем:", ""},
      {"Button1", "Найти далее", ""},
      {"Button2", "Заменить", ""},
      {"Button3", "Заменить всё", ""},
      {"Button4", "Полная отмена", ""},
      {"Button5", "Закрыть", ""},
      {"Button6", "Оч.", "Очистить поля"},
      {"Button7", "Вст", "Вставить запомненные значения полей"},
      {"Button8", "Вд.", "Встаивить в поле \"Что\" текст, выделенный в окне редактора"},
      {"Button9", "Зап", "Запомнить значения полей"},
      {"Button10", "Обм", "Обменять местами значения полей из памяти с текущими значениями"},
      {"RadioButton1", "Вверх", "", 0},
      {"RadioButton2", "Вниз", "", 1},
      {"CheckBox1", "С учётом регистра", "", 0},
  });
  auto enabled = [&](std::initializer_list<const char*> names) {
    std::vector<bool> on;
    for (const char* n : names) on.push_back(d.Enabled(r, n));
    return on;
  };
  const auto all = {"Button1", "Button2", "Button3", "Button4", "Button6", "Button7", "Button8", "Button9", "Button10"};
  d.dialogs.ActionReplExecute();
  ASSERT_TRUE(r.isVisible());
  EXPECT_TRUE(OnTop(r));
  EXPECT_FALSE(r.isModal());
  EXPECT_EQ(enabled(all), std::vector<bool>({false, false, false, false, false, false, false, false, false}));

  QTest::keyClicks(Dialogs::In<QLineEdit>(r, "Edit1"), "one");
  EXPECT_EQ(enabled(all), std::vector<bool>({true, true, true, false, true, false, false, true, true}));
  QTest::keyClicks(Dialogs::In<QLineEdit>(r, "Edit2"), "one");
  EXPECT_EQ(enabled(all), std::vector<bool>({true, false, false, false, true, false, false, true, true}));

  // "Зап" remembers; "Оч." empties; "Вст" puts the memory back; "Обм" swaps.
  d.Click(r, "Button9");
  EXPECT_EQ(std::make_tuple(d.values.replace.memWhat, d.values.replace.memWith), std::make_tuple("one", "one"));
  EXPECT_EQ(enabled({"Button9", "Button10", "Button7"}), std::vector<bool>({false, false, false}));
  d.Click(r, "Button6");
  EXPECT_EQ(Dialogs::In<QLineEdit>(r, "Edit1")->text(), QString());
  EXPECT_EQ(enabled({"Button9", "Button10", "Button7", "Button6"}), std::vector<bool>({true, true, true, false}));
  d.Click(r, "Button7");
  EXPECT_EQ(Dialogs::In<QLineEdit>(r, "Edit2")->text(), QString("one"));
  Dialogs::In<QLineEdit>(r, "Edit2")->setText("two");
  d.Click(r, "Button10");
  EXPECT_EQ(std::make_tuple(d.values.replace.what, d.values.replace.with, d.values.replace.memWith),
            std::make_tuple("one", "one", "two"));
  EXPECT_EQ(Dialogs::In<QLineEdit>(r, "Edit2")->text(), QString("one"));

  // "Вд." follows the editor's selection: a word that is not "Что:" and has no line break.
  d.edit.SetSel(4, 3);
  d.host.SetStatus();
  EXPECT_TRUE(d.Enabled(r, "Button8"));
  d.Click(r, "Button8");
  EXPECT_EQ(Dialogs::In<QLineEdit>(r, "Edit1")->text(), QString("two"));
  EXPECT_FALSE(d.Enabled(r, "Button8"));
  d.edit.SetSel(12, 6);
  d.host.SetStatus();
  EXPECT_FALSE(d.Enabled(r, "Button8"));

  // Enter in either field is "Найти далее".
  d.edit.SetSel(0, 0);
  QTest::keyClick(Dialogs::In<QLineEdit>(r, "Edit2"), Qt::Key_Return);
  EXPECT_EQ(std::make_pair(d.edit.SelStart(), d.edit.SelLength()), std::make_pair(4, 3));
}

TEST(ReplForm, FullUndoAfterTwoReplacementsAndAManualEditInTheRealEditor) {
  MemoWidget memo;
  memo.show();
  QtEditControl& edit = memo.Edit();
  testing::ScriptedPrompt prompt;
  testing::RecordingMessageSink messages;
  testing::FakeHost host;
  EditorContext context(edit, prompt, messages, host);
  Editor& editor = context.editor();
  edit.SetChangeHandler([&] {
    context.lines().MarkStale();
    context.format().MarkNeedsDetection();
  });
  const std::string original = Ansi("кот и Кот и кот\r\n");
  edit.SetText(original);
  NavigationValues values;
  QWidget window;
  TSearchDialogs dialogs(editor, values, &window);
  TReplform& r = dialogs.ReplForm();
  dialogs.ActionReplExecute();
  Dialogs::In<QLineEdit>(r, "Edit1")->setText(QString::fromUtf8("кот"));
  Dialogs::In<QLineEdit>(r, "Edit2")->setText(QString::fromUtf8("пёс"));

  Dialogs::In<QAbstractButton>(r, "Button2")->click();  // finds the first
  EXPECT_FALSE(Dialogs::In(r, "Button4")->isEnabled());
  Dialogs::In<QAbstractButton>(r, "Button2")->click();  // replaces it, finds "Кот"
  Dialogs::In<QAbstractButton>(r, "Button2")->click();  // replaces that
  EXPECT_EQ(edit.Text(), Ansi("пёс и пёс и кот\r\n"));
  EXPECT_TRUE(Dialogs::In(r, "Button4")->isEnabled());
  edit.SetSel(0, 0);
  edit.ReplaceSel("!", true);
  prompt.Script({Answer::Yes});
  Dialogs::In<QAbstractButton>(r, "Button4")->click();
  EXPECT_EQ(edit.Text(), original);
  EXPECT_FALSE(Dialogs::In(r, "Button4")->isEnabled());
  ASSERT_EQ(prompt.questions.size(), 1u);
  EXPECT_EQ(std::make_pair(prompt.questions[0].kind, prompt.questions[0].buttons),
            std::make_pair(MsgKind::Warning, Buttons::YesNo));
  // The editor's own undo brings the replaced text back.
  edit.Undo();
  EXPECT_EQ(edit.Text(), Ansi("!пёс и пёс и кот\r\n"));

  // "Заменить всё" is one undoable edit; closing the dialog forgets the snapshot.
  Dialogs::In<QAbstractButton>(r, "Button3")->click();
  EXPECT_EQ(edit.Text(), Ansi("!пёс и пёс и пёс\r\n"));
  EXPECT_TRUE(Dialogs::In(r, "Button4")->isEnabled());
  Dialogs::In<QAbstractButton>(r, "Button5")->click();
  dialogs.ActionReplExecute();
  EXPECT_FALSE(Dialogs::In(r, "Button4")->isEnabled());
  edit.Undo();
  EXPECT_EQ(edit.Text(), Ansi("!пёс и пёс и кот\r\n"));
  r.hide();
}

TEST(SearchDialogs, OpeningOneClosesTheOthersAndTheToolButtonsFollow) {
  Dialogs d(Lines({"1", "00:00:01,000 --> 00:00:02,000", "a", ""}));
  QToolButton find, replace, go;
  d.dialogs.SetToolButtons(&find, &replace, &go);
  auto images = [&] {
    return std::make_tuple(find.property("imageIndex").toInt(), find.isChecked(), replace.property("imageIndex").toInt(),
                           replace.isChecked(), go.property("imageIndex").toInt(), go.isChecked());
  };
  EXPECT_EQ(images(), std::make_tuple(6, false, 9, false, 12, false));
  d.dialogs.ToolButton14Click();
  EXPECT_EQ(images(), std::make_tuple(7, true, 9, false, 12, false));
  d.dialogs.ActionReplExecute();
  EXPECT_FALSE(d.dialogs.FindForm().isVisible());
  EXPECT_EQ(images(), std::make_tuple(6, false, 10, true, 12, false));
  // The go-to dialog, modeless, closes both; the go-to command does nothing while it shows.
  d.values.go.canText = true;
  d.dialogs.GoForm().LoadValues();
  d.dialogs.ActionFindExecute();
  d.dialogs.ActionGoExecute();
  EXPECT_EQ(std::make_tuple(d.dialogs.FindForm().isVisible(), d.dialogs.ReplForm().isVisible(),
                            d.dialogs.GoForm().isVisible()),
            std::make_tuple(false, false, true));
  EXPECT_EQ(images(), std::make_tuple(6, false, 9, false, 13, true));
  d.dialogs.ActionGoExecute();
  EXPECT_TRUE(d.dialogs.GoForm().isVisible());
  // Find and replace leave the go-to dialog only by closing it.
  d.dialogs.ActionReplExecute();
  EXPECT_EQ(images(), std::make_tuple(6, false, 10, true, 12, false));
  d.dialogs.ToolButton15Click();
  EXPECT_EQ(images(), std::make_tuple(6, false, 9, false, 12, false));

  // With no text the tool buttons beep; go-to needs two lines.
  Dialogs empty("x");
  empty.dialogs.ToolButton17Click();
  EXPECT_EQ(empty.prompt.beeps, 1);
  empty.edit.SetText("");
  empty.dialogs.ToolButton14Click();
  empty.dialogs.ToolButton15Click();
  EXPECT_EQ(empty.prompt.beeps, 3);
}

const std::string kSrt = Lines({"1", "00:00:01,000 --> 00:00:02,000", "a", "", "2", "00:01:05,000 --> 00:01:06,000",
                                "b", ""});

TEST(GoForm, ControlsAndThePositionDisplay) {
  Dialogs d(kSrt);
  TGoForm& g = d.dialogs.GoForm();
  EXPECT_EQ(g.windowTitle(), QString::fromUtf8("Перейти..."));
  testing::ExpectControls(g, {
      {"Label3", "Стр:", ""}, {"Label5", "Блок:", ""}, {"Label7", "Блок №:", ""},
      {"Button1", "Поз", "На указанную позицию"}, {"Button2", "н", "На начало"}, {"Button3", "к", "В конец"},
      {"Button30", "<", "На предыдущий блок"}, {"Button31", ">", "На следующий блок"},
      {"Button32", "№:", "На блок с заданным номером"},
      {"Button33", "<", "На предыдущий блок с заданным номером"},
      {"Button34", ">", "На следующий блок с заданным номером"},
      {"CheckBox6", "Cек", "Учитывать секунды при переходе", 0},
      {"CheckBox1", "Ближ.", "При переходах на время будет переходить на наиболее близкое время к заданному, если заданного не найдено", 0},
      {"Button5", "T", "Перейти на заданное время"},
      {"Button6", "<", "Перейти на пердыдущее заданное время"},
      {"Button7", ">", "Перейти на следующее заданное время"},
      {"CheckBox2", "Автозакрытие", "Закрывать окно автоматически после успешного перехода", 0},
      {"CheckBox3", "Доступный текст", "Разрешить редактировние текста при открытом окне перехода", 0},
      {"CheckBox4", "Окно", "Запоминать позицию окна", 0},
      {"CheckBox5", "Ошибки", "Выводить сообщения об ошибках при попытках некорректного перехода", 1},
      {"Button4", "X", "Закрыть"},
  });
  testing::ExpectFields(g, {{"Edit1", "UpDown1", 1, 32767, "1"}, {"Edit17", "UpDown10", 0, 32767, "0"}});
  EXPECT_EQ(Dialogs::In<QGroupBox>(g, "GroupBox1")->title(), QString::fromUtf8("Текущая позиция:"));
  EXPECT_EQ(Dialogs::In<QGroupBox>(g, "GroupBox2")->title(), QString::fromUtf8("Строка"));
  EXPECT_EQ(Dialogs::In<QGroupBox>(g, "GroupBox3")->title(), QString::fromUtf8("Блок"));
  EXPECT_EQ(Dialogs::In<QTimeEdit>(g, "DateTimePicker1")->displayFormat(), QString("H:mm:ss"));

  QString status1, status2;
  QObject::connect(&g, &TGoForm::StatusFields, [&](const QString& a, const QString& b) {
    status1 = a;
    status2 = b;
  });
  auto info = [&] {
    return std::make_tuple(Dialogs::In<QLabel>(g, "Label4")->text(), Dialogs::In<QLabel>(g, "Label6")->text(),
                           Dialogs::In<QLabel>(g, "Label8")->text(), Dialogs::In(g, "GroupBox3")->isEnabled());
  };
  d.edit.SetSel(d.edit.LineIndex(6), 0);
  g.setInfo();
  EXPECT_EQ(info(), std::make_tuple(QString("7/8"), QString("2/2"), QString("2"), true));
  EXPECT_EQ(std::make_pair(status1, status2), std::make_pair(QString::fromUtf8("Блок №: 2"), QString::fromUtf8("Время: 0:01:05")));
  Dialogs plain("plain\r\ntext");
  plain.dialogs.GoForm().setInfo();
  EXPECT_EQ(std::make_tuple(Dialogs::In<QLabel>(plain.dialogs.GoForm(), "Label4")->text(),
                            Dialogs::In<QLabel>(plain.dialogs.GoForm(), "Label6")->text(),
                            Dialogs::In<QLabel>(plain.dialogs.GoForm(), "Label8")->text(),
                            Dialogs::In(plain.dialogs.GoForm(), "GroupBox3")->isEnabled()),
            std::make_tuple(QString("1/2"), QString("- (not srt)"), QString("-"), false));

  // The time group's caption follows the picker and "Cек".
  Dialogs::In<QTimeEdit>(g, "DateTimePicker1")->setTime(QTime(1, 2, 3));
  EXPECT_EQ(Dialogs::In<QGroupBox>(g, "GroupBox4")->title(), QString::fromUtf8("Время: 1:02"));
  Dialogs::In<QCheckBox>(g, "CheckBox6")->setChecked(true);
  EXPECT_EQ(Dialogs::In<QGroupBox>(g, "GroupBox4")->title(), QString::fromUtf8("Время: 1:02:03"));
  EXPECT_EQ(std::make_pair(d.values.go.time, d.values.go.seconds), std::make_pair(3723000, true));
}

// Runs fn once the dialog runs modal (from inside its modal run).
void WhenModal(TGoForm& g, std::function<void()> fn) {
  auto* timer = new QTimer(&g);
  QObject::connect(timer, &QTimer::timeout, [timer, &g, fn] {
    if (!g.ModalRun() || !g.isVisible()) return;
    timer->stop();
    timer->deleteLater();
    fn();
  });
  timer->start(5);
}

TEST(GoForm, ModalAndModelessSwitchWhileOpen) {
  Dialogs d(kSrt);
  TGoForm& g = d.dialogs.GoForm();
  std::vector<std::string> seen;
  auto note = [&](const char* what) {
    seen.push_back(std::string(what) + (g.ModalRun() ? " modal" : " modeless") + (OnTop(g) ? " on top" : "") +
                   (g.isVisible() ? " shown" : " hidden"));
  };
  // Opened modal; "Доступный текст" turns it modeless and on top.
  WhenModal(g, [&] {
    note("opened");
    Dialogs::In<QAbstractButton>(g, "CheckBox3")->click();
  });
  d.dialogs.ActionGoExecute();
  note("switched");
  EXPECT_TRUE(d.values.go.canText);
  // Clicking it off again shows it modal: the click returns when the modal run ends.
  WhenModal(g, [&] {
    note("back");
    Dialogs::In<QAbstractButton>(g, "Button4")->click();
  });
  Dialogs::In<QAbstractButton>(g, "CheckBox3")->click();
  note("closed");
  EXPECT_EQ(seen, std::vector<std::string>({"opened modal shown", "switched modeless on top shown",
                                            "back modal shown", "closed modeless hidden"}));
  // Setting the check box while loading values does not switch modes.
  d.values.go.canText = true;
  g.LoadValues();
  EXPECT_EQ(std::make_pair(g.isVisible(), g.CheckBox3Tag()), std::make_pair(false, 1));
}

TEST(GoForm, MovesAutoCloseAndErrors) {
  Dialogs d(kSrt);
  TGoForm& g = d.dialogs.GoForm();
  d.values.go.canText = true;
  g.LoadValues();
  d.dialogs.ActionGoExecute();
  ASSERT_TRUE(g.isVisible());
  // A move puts the caret on the line and refreshes the status; the dialog stays.
  d.Click(g, "Button3");
  EXPECT_EQ(d.edit.SelStart(), d.edit.LineIndex(7));
  EXPECT_EQ(Dialogs::In<QLabel>(g, "Label4")->text(), QString("8/8"));
  EXPECT_TRUE(g.isVisible());
  Dialogs::In<QLineEdit>(g, "Edit17")->setText("2");
  d.Click(g, "Button33");
  EXPECT_EQ(d.edit.SelStart(), d.edit.LineIndex(4));
  // A failed move: the message window with "Ошибки", the beep without; the dialog stays.
  d.Click(g, "Button34");
  ASSERT_EQ(d.messages.messages.size(), 1u);
  EXPECT_EQ(d.messages.messages[0].text, "Невозможно выполнить переход! Следующего блока с номером \"2\" не найдено.");
  Dialogs::In<QCheckBox>(g, "CheckBox5")->setChecked(false);
  d.Click(g, "Button34");
  EXPECT_EQ(std::make_pair(d.messages.messages.size(), d.prompt.beeps), std::make_pair(size_t{1}, 1));
  EXPECT_TRUE(g.isVisible());
  // With "Автозакрытие" a successful move closes the dialog and focuses the editor.
  Dialogs::In<QCheckBox>(g, "CheckBox2")->setChecked(true);
  d.edit.ClearFocus();
  Dialogs::In<QTimeEdit>(g, "DateTimePicker1")->setTime(QTime(0, 1, 0));
  d.Click(g, "Button5");
  EXPECT_EQ(d.edit.SelStart(), d.edit.LineIndex(5));
  EXPECT_FALSE(g.isVisible());
  EXPECT_TRUE(d.edit.Focused());
  EXPECT_EQ(d.values.go.autoClose, true);
}

// Each dialog as a user sees it, saved as a picture (into QUILLET_DIALOG_SHOTS when set).
TEST(SearchDialogs, PicturesOfTheDialogs) {
  Dialogs d(kSrt);
  d.values.go.canText = true;
  d.dialogs.GoForm().LoadValues();
  const QString folder = qEnvironmentVariableIsSet("QUILLET_DIALOG_SHOTS")
                             ? qEnvironmentVariable("QUILLET_DIALOG_SHOTS")
                             : QString::fromStdString(::testing::TempDir());
  const std::pair<const char*, std::function<QWidget*()>> shots[] = {
      {"find-dialog.png", [&] { d.dialogs.ActionFindExecute(); return &d.dialogs.FindForm(); }},
      {"replace-dialog.png",
       [&] {
         d.dialogs.ActionReplExecute();
         Dialogs::In<QLineEdit>(d.dialogs.ReplForm(), "Edit1")->setText(QString::fromUtf8("кот"));
         Dialogs::In<QLineEdit>(d.dialogs.ReplForm(), "Edit2")->setText(QString::fromUtf8("пёс"));
         return &d.dialogs.ReplForm();
       }},
      {"go-dialog.png", [&] { d.dialogs.ActionGoExecute(); return &d.dialogs.GoForm(); }},
  };
  for (const auto& [name, open] : shots) {
    QWidget* w = open();
    QApplication::processEvents();
    const QImage image = w->grab().toImage();
    EXPECT_GT(image.width(), 150) << name;
    EXPECT_TRUE(image.save(folder + "/" + name)) << name;
  }
}

}  // namespace
}  // namespace quillet
