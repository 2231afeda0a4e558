#include "ui/operate_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

#include "control_expect.h"
#include "core/editor_routines.h"
#include "core/find_err.h"
#include "core/time_shift.h"
#include "support/fake_dialogs.h"
#include "platform/posix_file_system.h"
#include "storage/document.h"
#include "storage/options.h"
#include "support/fakes.h"
#include "ui/button_look.h"
#include "ui/convert_group.h"
#include "ui/find_err_group.h"
#include "ui/normalize_group.h"
#include "ui/number_field.h"
#include "ui/panel_logic.h"
#include "ui/shift_group.h"
#include "ui/stretch_group.h"

namespace quillet {
namespace {

using testing::Lines;

// A panel over an in-memory editor, shown so that its layouts place the controls.
struct PanelFixture {
  explicit PanelFixture(std::string_view text = {}) : t(text) {
    panel.SetBeep([this] { ++beeps; });
    panel.show();
  }

  template <class W = QWidget>
  W* Find(const char* name) const {
    W* w = panel.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  bool Shown(const char* name) const { return Find(name)->isVisibleTo(&panel); }
  int Panel5Height() const { return Find("Panel5")->height(); }
  void Choose(int index) { panel.SetOperatePanel(index, std::string()); }
  void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
  void Focus(bool in) {
    QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Find("ComboBox1"), &event);
  }

  testing::TestEditor t;
  PosixFileSystem fs;
  testing::FakeFileDialogs dialogs;
  ProgramOptions options;
  TDocument document{t.editor, fs, dialogs, options};
  TOperatePanel panel{t.editor, document, t.clipboard};
  int beeps = 0;
};

const char* const kGroups[] = {"GroupBox6", "GroupBox2", "GroupBox3", "GroupBox1", "GroupBox4", "GroupBox5"};
const char* const kRangeControls[] = {"Label5", "Label3", "Label4", "Edit3", "UpDown3", "Edit4", "UpDown4", "Bevel2"};

TEST(OperatePanel, ItemsAndWhatEachShows) {
  PanelFixture f;
  EXPECT_EQ(f.panel.objectName(), "Panel1");
  EXPECT_EQ(f.panel.width(), 230);
  EXPECT_EQ(f.panel.Panel6()->objectName(), "Panel6");
  testing::ExpectControls(f.panel, {{"Label5", "Диапазон блоков:", ""}, {"Label3", "Start", ""}, {"Label4", "End", ""}});
  testing::ExpectFields(f.panel, {{"Edit3", "UpDown3", 0, 32000, "0", "Номер начального редактируемого блока"},
                                  {"Edit4", "UpDown4", 0, 32000, "0", "Номер конечного редактируемого блока"}});

  struct Row {
    const char* item;
    const char* group;  // nullptr: none
    const char* title;
    bool range;
  };
  const Row rows[] = {
      {"Нет операции", nullptr, nullptr, false},          {"Реадктирование", "GroupBox6", "Редактирование", false},
      {"Нормализация", "GroupBox2", "Нормализация", false}, {"Поиск ошибок", "GroupBox3", "Поиск ошибок", false},
      {"Смещение тайминга", "GroupBox1", "Смещение тайминга", true},
      {"Растяжене тайминга", "GroupBox4", "Растяжение тайминга", true},
      {"Конвертирование", "GroupBox5", "Конвертирование", false},
  };
  auto* list = f.Find<QComboBox>("ComboBox1");
  ASSERT_EQ(list->count(), 7);
  EXPECT_EQ(f.panel.OperationIndex(), 0);
  for (int index : {0, 1, 2, 3, 4, 5, 6, 0}) {
    const Row& r = rows[index];
    f.Choose(index);
    EXPECT_EQ(list->itemText(index), QString::fromUtf8(r.item));
    EXPECT_EQ(f.panel.OperationIndex(), index);
    for (const char* group : kGroups) {
      EXPECT_EQ(f.Shown(group), r.group && std::string(group) == r.group) << index << " " << group;
    }
    if (r.group) {
      EXPECT_EQ(f.Find<QGroupBox>(r.group)->title(), QString::fromUtf8(r.title));
    }
    for (const char* control : kRangeControls) EXPECT_EQ(f.Shown(control), r.range) << index << " " << control;
    EXPECT_EQ(f.panel.EditGroupVisible(), index == 1);
  }
}

TEST(OperatePanel, Panel5GrowsAndShrinksAroundTheGroup) {
  PanelFixture f;
  f.Choose(4);
  const int label5Top = f.Find("Label5")->y();
  QWidget* shift = f.Find("GroupBox1");
  EXPECT_GT(shift->y(), f.Find("Bevel2")->y());
  EXPECT_EQ(f.Panel5Height(), shift->y() + shift->height() + 8);

  // Without the range the group moves up to where the range label stood.
  for (int index : {1, 2, 3, 6}) {
    f.Choose(index);
    QWidget* group = f.Find(kGroups[index == 6 ? 5 : index - 1]);
    EXPECT_EQ(group->y(), label5Top) << index;
    EXPECT_EQ(f.Panel5Height(), group->y() + group->height() + 8) << index;
  }
  f.Choose(5);
  QWidget* stretch = f.Find("GroupBox4");
  EXPECT_EQ(stretch->y(), shift->geometry().y());
  EXPECT_EQ(f.Panel5Height(), stretch->y() + stretch->height() + 8);

  // Nothing chosen: only the list with its divider.
  f.Choose(0);
  EXPECT_EQ(f.Panel5Height(), label5Top);
  EXPECT_LT(f.Find("ComboBox1")->geometry().bottom(), label5Top);
}

TEST(OperatePanel, ChoiceByNameIndexAndTheFocusMark) {
  struct Row {
    int index;
    const char* name;
    int chosen;
  };
  const Row rows[] = {
      {0, "поиск ОШИБОК", 3},       // the name wins, any letter case
      {5, "Нет такой", 5},          // an unknown name falls back on the index
      {2, "", 2},                   {7, "", 0},  // beyond the last item
      {-1, "", 0},                  {1, "растяжене тайминга", 5},
  };
  PanelFixture f;
  for (const Row& r : rows) {
    f.panel.SetOperatePanel(r.index, r.name);
    EXPECT_EQ(f.panel.OperationIndex(), r.chosen) << r.name << " " << r.index;
  }

  // A choice made in the list (it has the focus then) is applied at once; its popup taking
  // the focus does not clear the mark, leaving the list does.
  f.Choose(3);
  f.Focus(true);
  QTest::keyClick(f.Find("ComboBox1"), Qt::Key_Down);
  EXPECT_EQ(f.panel.OperationIndex(), 4);
  EXPECT_TRUE(f.Shown("GroupBox1"));
  QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(f.Find("ComboBox1"), &popup);
  EXPECT_TRUE(f.panel.OperationListHasFocus());
  f.Focus(false);
  EXPECT_FALSE(f.panel.OperationListHasFocus());
}

TEST(OperatePanel, FocusMarkFollowsTheRealFocus) {
  PanelFixture f;
  f.panel.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f.panel));
  QWidget* list = f.Find("ComboBox1");
  ASSERT_TRUE(list->hasFocus());  // the first control of the column
  EXPECT_TRUE(f.panel.OperationListHasFocus());
  f.Choose(2);  // the list keeps its own choice
  EXPECT_EQ(f.panel.OperationIndex(), 0);

  list->clearFocus();
  EXPECT_FALSE(f.panel.OperationListHasFocus());
  f.Choose(2);
  EXPECT_EQ(f.panel.OperationIndex(), 2);

  list->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(f.panel.OperationListHasFocus());
  f.Choose(4);
  EXPECT_EQ(f.panel.OperationIndex(), 2);
  f.Find("CheckBox13")->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(f.Find("CheckBox13")->hasFocus());
  EXPECT_FALSE(f.panel.OperationListHasFocus());
  f.Choose(4);
  EXPECT_EQ(f.panel.OperationIndex(), 4);
}

// The typing rules are the number fields'; here the panel's beep and its range read from them.
TEST(OperatePanel, RangeFieldsFilterClampAndHighlight) {
  PanelFixture f;
  auto* start = f.Find<QLineEdit>("Edit3");
  auto* end = f.Find<QLineEdit>("Edit4");
  start->selectAll();
  QTest::keyClicks(start, "7x");  // the letter is refused with the panel's beep
  EXPECT_EQ(f.panel.RangeStart(), 7);
  EXPECT_EQ(f.beeps, 1);
  end->selectAll();
  QTest::keyClicks(end, "40000");
  EXPECT_EQ(end->text(), "32000");
  EXPECT_EQ(f.panel.RangeEnd(), 32000);

  const QColor normal = start->palette().color(QPalette::Base);
  auto bases = [&] { return std::pair(start->palette().color(QPalette::Base), end->palette().color(QPalette::Base)); };
  f.panel.SetDiapColor(true);
  EXPECT_EQ(bases(), std::pair(QColor(255, 255, 0), QColor(255, 255, 0)));
  f.panel.SetDiapColor(false);
  EXPECT_EQ(bases(), std::pair(normal, normal));
}

TEST(OperatePanel, EditingGroupControls) {
  PanelFixture f;
  testing::ExpectControls(f.panel, {
      {"BitBtn7", "отм", "Отменить"}, {"BitBtn8", "выр", "Вырезать"}, {"BitBtn9", "коп", "Копировать"},
      {"BitBtn10", "вст", "Вставить"}, {"BitBtn11", "удл", "Удалить"},
      {"Button3", "<", "Предыдущее"}, {"Button6", ">", "Следующее"}, {"Button7", "н", "Сначала"},
      {"Button8", "к", "С конца"}, {"Button14", "зам", "Заменить"}, {"CheckBox8", "рег", "С учётом регистра", 0},
      {"Button22", "н", "На начало"}, {"Button23", "к", "В конец"},
      {"Button24", "поз:", "На строку с указанной позицией в тексте"},
      {"Button30", "<", "На предыдущий блок"}, {"Button31", ">", "На следующий блок"},
      {"Button32", "№:", "На блок с заданным номером"}, {"Button9", "T", "Перейти на заданное время"},
      {"Button10", "<", "Перейти на пердыдущее заданное время"},
      {"Button11", ">", "Перейти на следующее заданное время"},
      {"CheckBox6", "Cек", "Задавать время включая секунды", 0},
      {"CheckBox7", "Ближ.", "При переходах на время будет переходить на наиболее близкое время к заданному, если заданного не найдено", 0},
      {"CheckBox10", "Ошибки", "Выводить сообщение об ошибке при попытке некорректного перехода", 1},
      {"Button16", "X", "Скрыть секцию перехода"}, {"Button17", "V", "Показать секцию перехода"},
  });
  testing::ExpectFields(f.panel, {{"Edit11", "UpDown7", 1, 32767, "1"}, {"Edit17", "UpDown10", 0, 32767, "0"}});
  EXPECT_TRUE(testing::HasLabel(f.panel, "Пск"));
  EXPECT_TRUE(testing::HasLabel(f.panel, "Зам"));
  EXPECT_EQ(f.Find<QTimeEdit>("DateTimePicker1")->time(), QTime(0, 0, 0));

  // Find and go-to are laid out but switched off; the editing buttons and "X" work.
  for (const char* off : {"Edit9", "Edit10", "Button3", "Button6", "Button7", "Button8", "Button14", "CheckBox8",
                          "Button22", "Button23", "Button24", "Edit11", "Button30", "Button31", "Button32",
                          "Edit17", "Button9", "Button10", "Button11", "DateTimePicker1", "CheckBox6", "CheckBox7",
                          "CheckBox10"}) {
    EXPECT_FALSE(f.Find(off)->isEnabled()) << off;
  }
  for (const char* on : {"BitBtn7", "BitBtn8", "BitBtn9", "BitBtn10", "BitBtn11", "Button16", "Button17"}) {
    EXPECT_TRUE(f.Find(on)->isEnabled()) << on;
  }
  f.Choose(1);
  EXPECT_FALSE(f.Shown("Button17"));  // "V" only while the section is collapsed
  EXPECT_TRUE(f.panel.FullOpEditPanel());
  // Every control of the narrow rows fits the column whole.
  QWidget* group = f.Find("GroupBox6");
  EXPECT_LE(group->minimumSizeHint().width(), 230 - 8);
  for (QWidget* w : group->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(group) || w->objectName().isEmpty()) continue;
    const QRect r(w->mapTo(group, QPoint(0, 0)), w->size());
    EXPECT_TRUE(group->rect().contains(r)) << w->objectName().toStdString();
    EXPECT_GE(w->width(), std::min(w->minimumSizeHint().width(), 22)) << w->objectName().toStdString();
  }
}

TEST(OperatePanel, EditingButtonLooksFollowTheEditor) {
  PanelFixture f("abcd");
  auto active = [&](const char* name) { return BitBtnActive(f.Find<QAbstractButton>(name)); };
  // From the start the buttons show the grey text of the inactive look.
  const QColor grey = QPalette().color(QPalette::Disabled, QPalette::WindowText);
  EXPECT_EQ(f.Find("BitBtn7")->palette().color(QPalette::Active, QPalette::ButtonText), grey);
  f.t.edit.SetSel(1, 2);
  f.Choose(1);  // choosing the group refreshes every look
  EXPECT_FALSE(active("BitBtn7") || active("BitBtn10"));  // nothing to undo, empty clipboard
  EXPECT_TRUE(active("BitBtn8") && active("BitBtn9") && active("BitBtn11"));

  f.t.clipboard.SetText("x");
  f.Choose(2);
  f.Choose(1);
  EXPECT_TRUE(active("BitBtn10"));
  f.panel.SetPasteActive(false);
  EXPECT_FALSE(active("BitBtn10"));

  f.t.edit.SetSel(0, 0);
  f.panel.SetEditButSp();
  for (const char* name : {"BitBtn7", "BitBtn8", "BitBtn9", "BitBtn11"}) EXPECT_FALSE(active(name)) << name;
}

TEST(OperatePanel, EditingButtonsRunTheirCommandsAndFocusTheEditor) {
  struct Row {
    const char* button;
    int selStart, selLength;
    const char* text;       // after the click
    const char* clipboard;  // after the click
    bool undoActive;
  };
  const Row rows[] = {
      {"BitBtn8", 1, 2, "ad", "bc", true},     // cut
      {"BitBtn9", 1, 2, "abcd", "bc", false},  // copy
      {"BitBtn10", 1, 2, "aZd", "Z", true},    // paste over the selection
      {"BitBtn11", 0, 3, "d", "Z", true},      // delete
  };
  for (const Row& r : rows) {
    PanelFixture f("abcd");
    f.t.clipboard.SetText("Z");
    f.Choose(1);
    f.t.edit.SetSel(r.selStart, r.selLength);
    f.t.edit.ClearFocus();
    f.Click(r.button);
    EXPECT_EQ(f.t.edit.Text(), r.text) << r.button;
    EXPECT_EQ(f.t.clipboard.Text(), r.clipboard) << r.button;
    EXPECT_TRUE(f.t.edit.Focused()) << r.button;
    EXPECT_EQ(BitBtnActive(f.Find<QAbstractButton>("BitBtn7")), r.undoActive) << r.button;

    // "отм" brings the text back in one step.
    f.t.edit.ClearFocus();
    f.Click("BitBtn7");
    EXPECT_EQ(f.t.edit.Text(), "abcd") << r.button;
    EXPECT_TRUE(f.t.edit.Focused()) << r.button;
  }

  // Nothing to work on: nothing happens, the editor still gets the focus when it can.
  PanelFixture f("abcd");
  f.Choose(1);
  f.t.edit.SetSel(2, 0);
  f.t.edit.SetCanFocus(false);
  f.Click("BitBtn11");
  f.Click("BitBtn10");
  EXPECT_EQ(f.t.edit.Text(), "abcd");
  EXPECT_FALSE(f.t.edit.Focused());
}

TEST(OperatePanel, GoToSectionCollapsesAndComesBack) {
  PanelFixture f;
  f.Choose(1);
  QWidget* group = f.Find("GroupBox6");
  const int fullGroup = group->height();
  const int fullPanel = f.Panel5Height();
  const char* section[] = {"Bevel6", "Button22", "Edit11", "Button32", "DateTimePicker1", "CheckBox10", "Button16"};

  f.Click("Button16");  // "X"
  EXPECT_FALSE(f.panel.FullOpEditPanel());
  for (const char* name : section) EXPECT_FALSE(f.Shown(name)) << name;
  EXPECT_TRUE(f.Shown("Button17"));
  EXPECT_TRUE(f.Shown("BitBtn11"));  // the editing buttons stay
  const int collapsed = group->height();
  EXPECT_LT(collapsed, fullGroup);
  EXPECT_EQ(fullPanel - f.Panel5Height(), fullGroup - collapsed);
  EXPECT_GT(group->geometry().bottom(), f.Find("Button17")->geometry().bottom());

  f.panel.SetFullOpEditPanel(false);  // already collapsed: no change
  EXPECT_EQ(group->height(), collapsed);

  f.Click("Button17");  // "V"
  EXPECT_TRUE(f.panel.FullOpEditPanel());
  for (const char* name : section) EXPECT_TRUE(f.Shown(name)) << name;
  EXPECT_FALSE(f.Shown("Button17"));
  EXPECT_EQ(group->height(), fullGroup);
  EXPECT_EQ(f.Panel5Height(), fullPanel);

  // Collapsed while another group is shown: the editing group comes up collapsed.
  f.Choose(2);
  const int normalizePanel = f.Panel5Height();
  f.panel.SetFullOpEditPanel(false);
  EXPECT_EQ(f.Panel5Height(), normalizePanel);
  f.Choose(1);
  EXPECT_EQ(group->height(), collapsed);
  EXPECT_EQ(f.Panel5Height(), fullPanel - (fullGroup - collapsed));
}

TEST(OperatePanel, FindRowFollowsTheText) {
  PanelFixture f("abc");
  auto* next = f.Find<QPushButton>("Button6");
  auto* prev = f.Find<QPushButton>("Button3");
  f.Find<QLineEdit>("Edit9")->setText("b");
  f.Choose(1);
  EXPECT_TRUE(next->isEnabled() && next->font().bold() && next->font().underline());  // forward
  EXPECT_TRUE(prev->font().bold() && !prev->font().underline());
  f.t.edit.SetText("");
  f.panel.OnTextChanged();
  EXPECT_FALSE(next->isEnabled() || next->font().bold());

  // Only the editing operation on a shown panel follows the text.
  f.t.edit.SetText("abc");
  f.Choose(2);
  f.panel.OnTextChanged();
  EXPECT_FALSE(next->isEnabled());
  EXPECT_FALSE(FindRowLookFor(true, "  \t", false).enabled);
}

// ---- the groups run their operations on the editor's text ----

const std::string kTwoBlocks = Lines({"1", "00:00:01,000 --> 00:00:02,000", "One", "", "2",
                                      "00:10:00,000 --> 00:10:02,000", "Two", ""});

TEST(OperatePanel, ShiftButtonsShiftTheRange) {
  struct Row {
    const char* button;
    int start, end, sec, msec;
    std::string text;  // after Yes
  };
  const Row rows[] = {
      {"BitBtn2", 1, 2, 1, 500,
       Lines({"1", "00:00:02,500 --> 00:00:03,500", "One", "", "2", "00:10:01,500 --> 00:10:03,500", "Two", ""})},
      {"BitBtn3", 2, 5, 0, 1,
       Lines({"1", "00:00:01,000 --> 00:00:02,000", "One", "", "2", "00:09:59,999 --> 00:10:01,999", "Two", ""})},
      {"BitBtn2", 2, 2, 1, 0, kTwoBlocks},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.button);
    PanelFixture f(kTwoBlocks);
    f.Choose(4);
    f.panel.SetRange(r.start, r.end);
    f.panel.ShiftGroup().SecField()->SetPosition(r.sec);
    f.panel.ShiftGroup().MSecField()->SetPosition(r.msec);
    f.t.prompt.Script({Answer::Yes});
    f.Click(r.button);
    EXPECT_EQ(f.t.edit.Text(), r.text);
    if (r.text == kTwoBlocks) {  // End not above Start: the range error, the text untouched
      ASSERT_EQ(f.t.prompt.questions.size(), 1u);
      EXPECT_EQ(f.t.prompt.questions[0].text, kMsgBlockRangeError);
      EXPECT_EQ(f.t.prompt.questions[0].buttons, Buttons::Ok);
    } else {
      ASSERT_EQ(f.t.messages.messages.size(), 1u);
      EXPECT_TRUE(f.t.messages.messages[0].likeLast);
    }
  }
}

TEST(OperatePanel, StretchButtonsReadTheGroupAndTheRange) {
  struct Row {
    const char* button;
    bool hundredths;
    Answer answer;
    const char* second;  // the second block's time line after the answer
  };
  const Row rows[] = {
      {"BitBtn4", true, Answer::Yes, "00:10:00,012 --> 00:10:02,012"},
      {"BitBtn5", false, Answer::Yes, "00:09:58,800 --> 00:10:00,800"},
      {"BitBtn4", false, Answer::Cancel, "00:10:00,000 --> 00:10:02,000"},  // the text as it was
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.button) + (r.hundredths ? " 0,01ms" : " ms"));
    PanelFixture f(kTwoBlocks);
    f.Choose(5);
    f.panel.SetRange(1, 2);
    f.panel.StretchGroup().RateField()->SetPosition(2);
    if (r.hundredths) f.Click("RadioButton2");
    f.t.prompt.Script({r.answer});
    f.Click(r.button);
    EXPECT_EQ(f.t.prompt.questions.size(), 1u);
    EXPECT_EQ(f.t.edit.LineText(5), r.second);
    if (r.answer == Answer::Cancel) {
      EXPECT_EQ(f.t.edit.Text(), kTwoBlocks);
    }
  }
}

TEST(OperatePanel, NormalizeButtonRenumbers) {
  PanelFixture f(Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 --> 00:00:04,000", "B",
                        "", "7", "00:00:05,000 --> 00:00:06,000", "C", ""}));
  f.Choose(2);
  f.Click("CheckBox17");  // renumbering only
  f.t.prompt.Script({Answer::Yes});
  f.Click("BitBtn1");
  ASSERT_EQ(f.t.prompt.questions.size(), 1u);
  EXPECT_EQ(f.t.prompt.questions[0].text,
            "Ренумерация завершена. Перенумеровано блоков 1. Всего обработано блоков: 3. Применить изменения?");
  EXPECT_EQ(f.t.edit.LineText(8), "3");
  EXPECT_TRUE(f.Find("BitBtn1")->isEnabled());  // back on after the run
}

TEST(OperatePanel, ErrorSearchButtonsDriveTheEngine) {
  PanelFixture f(Lines({"1", "00:00:01,000 --> 00:00:01,100", "Short", "", "2", "00:00:03,000 --> 00:00:05,000",
                        "Fine", ""}));
  TFindErrGroup& group = f.panel.FindErrGroup();
  TFindErr engine(f.t.editor, [&group](bool enabled) { group.SetNextEnabled(enabled); });
  f.panel.SetFindErr(&engine);
  f.Choose(3);
  EXPECT_TRUE(group.Button5()->isEnabled());
  EXPECT_FALSE(group.Button12()->isEnabled());
  EXPECT_FALSE(group.Button13()->isEnabled());  // the caret is on the first line

  f.Click("Button5");
  ASSERT_EQ(f.t.messages.messages.size(), 1u);
  EXPECT_EQ(f.t.messages.messages[0].kind, MsgKind::Error);
  EXPECT_EQ(GetMemoCaret(f.t.edit).line, 1);
  EXPECT_TRUE(group.Button12()->isEnabled());

  f.Click("Button12");
  ASSERT_EQ(f.t.messages.messages.size(), 2u);
  EXPECT_EQ(f.t.messages.messages[1].kind, MsgKind::Information);
  EXPECT_FALSE(group.Button12()->isEnabled());

  // A changed rule only marks the engine's settings for its next scan.
  engine.settingsDirty = false;
  f.Click("CheckBox5");
  EXPECT_TRUE(engine.settingsDirty);
  f.panel.SetFindErr(nullptr);
  f.Click("Button5");  // without the engine nothing runs
  EXPECT_EQ(f.t.messages.messages.size(), 2u);
}

TEST(OperatePanel, ConvertGroupShowsTheFormatAndConverts) {
  const std::string ass = Lines({"[Script Info]", "Title: x", "", "[V4+ Styles]", "Format: Name", "", "[Events]",
                                 "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text",
                                 "Dialogue: 0,0:00:01.50,0:00:03.00,Default,,0,0,0,,{\\i1}Hi\\Nthere", ""});
  PanelFixture f(ass);
  auto* label = f.Find<QLabel>("Label9");
  EXPECT_EQ(label->text(), "???");
  f.Choose(6);
  EXPECT_EQ(label->text(), "ASS");

  f.Click("BitBtn6");
  EXPECT_EQ(f.t.edit.Text(), Lines({"1", "00:00:01,500 --> 00:00:03,000", "Hi", "there", "", ""}));
  EXPECT_EQ(label->text(), "SRT");
  EXPECT_EQ(f.t.host.errorSearchResets, 1);

  // Converting again changes nothing and says why.
  f.Click("BitBtn6");
  ASSERT_FALSE(f.t.messages.messages.empty());
  EXPECT_EQ(f.t.messages.messages.back().text, "Текст уже имеет формат субтитров SRT. Опреация отменена!");

  // "Обн." detects again after an edit.
  f.t.edit.SetText("");
  f.Click("Button1");
  EXPECT_EQ(label->text(), "???");
}

}  // namespace
}  // namespace quillet
