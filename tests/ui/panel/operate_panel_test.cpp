#include "ui/panel/operate_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

#include "support/qt/control_expect.h"
#include "core/editor_routines.h"
#include "core/find_err.h"
#include "support/session_fakes.h"
#include "ui/widgets/button_look.h"
#include "ui/panel/find_err_group.h"
#include "ui/panel/panel_logic.h"
#include "ui/panel/shift_group.h"
#include "ui/panel/stretch_group.h"

namespace quillet {
namespace {

using testing::Lines;

// The session's view as the main window is to the panel: what concerns the panel reaches it.
struct PanelView : testing::FakeSessionView {
  void TextChanged() override {
    if (panel) panel->OnTextChanged();
  }
  void SetFindErrNextEnabled(bool enabled) override {
    if (panel) panel->SetFindErrNextEnabled(enabled);
  }
  void SetNormalizeRunning(bool running) override {
    if (panel) panel->SetNormalizeRunning(running);
  }
  void SetFormatName(const std::string& name) override {
    if (panel) panel->SetFormatName(name);
  }
  TOperatePanel* panel = nullptr;
};

// A panel over a session of an in-memory editor, shown so that its layouts place the controls.
struct PanelFixture {
  explicit PanelFixture(std::string_view text = {}) : t(text) {
    t.view.panel = &panel;
    panel.SetBeep([this] { ++beeps; });
    panel.show();
  }
  ~PanelFixture() { t.view.panel = nullptr; }

  template <class W = QWidget>
  W* Find(const char* name) const {
    W* w = panel.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  bool Shown(const char* name) const { return Find(name)->isVisibleTo(&panel); }
  int Panel5Height() const { return Find("Panel5")->height(); }
  void Choose(int index) { panel.ShowOperation(static_cast<OperationGroup>(index)); }
  int Index() const { return OperationIndex(panel.Operation()); }
  const std::vector<std::string>& Messages() const { return t.view.paneTexts; }
  void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }

  testing::BasicTestSession<PanelView> t;
  TOperatePanel panel{t.session, t.commands};
  int beeps = 0;
};

const char* const kGroups[] = {"GroupBox6", "GroupBox2", "GroupBox3", "GroupBox1", "GroupBox4", "GroupBox5"};
const char* const kRangeControls[] = {"Label5", "Label3", "Label4", "Edit3", "UpDown3", "Edit4", "UpDown4", "Bevel2"};

TEST(OperatePanel, ItemsAndWhatEachShows) {
  PanelFixture f;
  EXPECT_EQ(f.panel.width(), 230);
  testing::ExpectControls(f.panel, {{"Label5", "Диапазон блоков:", ""}, {"Label3", "Start", ""}, {"Label4", "End", ""}});
  testing::ExpectFields(f.panel, {{"Edit3", "UpDown3", 0, 32000, "0", "Номер начального редактируемого блока"},
                                  {"Edit4", "UpDown4", 0, 32000, "0", "Номер конечного редактируемого блока"}});

  struct Row { const char* item; const char* group; bool range; };  // group nullptr: none
  const Row rows[] = {
      {"Нет операции", nullptr, false},        {"Реадктирование", "GroupBox6", false},
      {"Нормализация", "GroupBox2", false},    {"Поиск ошибок", "GroupBox3", false},
      {"Смещение тайминга", "GroupBox1", true}, {"Растяжене тайминга", "GroupBox4", true},
      {"Конвертирование", "GroupBox5", false},
  };
  auto* list = f.Find<QComboBox>("ComboBox1");
  ASSERT_EQ(list->count(), 7);
  EXPECT_EQ(f.Index(), 0);
  for (int index : {0, 1, 2, 3, 4, 5, 6, 0}) {
    const Row& r = rows[index];
    f.Choose(index);
    EXPECT_EQ(list->itemText(index), QString::fromUtf8(r.item));
    EXPECT_EQ(f.Index(), index);
    for (const char* group : kGroups) {
      EXPECT_EQ(f.Shown(group), r.group && std::string(group) == r.group) << index << " " << group;
    }
    for (const char* control : kRangeControls) EXPECT_EQ(f.Shown(control), r.range) << index << " " << control;
    EXPECT_EQ(f.panel.Showing(OperationGroup::Edit), index == 1);
  }
}

TEST(OperatePanel, ChoiceByNameOrOperation) {
  struct Row { OperationGroup group; const char* name; int chosen; };
  const Row rows[] = {
      {OperationGroup::None, "поиск ОШИБОК", 3},  // the name wins, any letter case
      {OperationGroup::Stretch, "Нет такой", 5},  // an unknown name falls back on the operation
      {OperationGroup::Convert, "", 6},
  };
  PanelFixture f;
  for (const Row& r : rows) {
    f.panel.SetOperatePanel(r.group, r.name);
    EXPECT_EQ(f.Index(), r.chosen) << r.name;
  }
  // An index beyond the list (a stored choice of another version) gives the first item.
  const QStringList items = OperationItems();
  EXPECT_EQ(std::make_pair(ChooseOperationIndex(items, 7, ""), ChooseOperationIndex(items, -1, "")), std::make_pair(0, 0));
}

// While the list has the focus SetOperatePanel leaves its choice alone, and a choice made in it
// is applied at once; its popup taking the focus does not clear the mark, leaving the list does.
TEST(OperatePanel, FocusMarkFollowsTheRealFocus) {
  PanelFixture f;
  f.panel.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f.panel));
  QWidget* list = f.Find("ComboBox1");
  ASSERT_TRUE(list->hasFocus());  // the first control of the column
  EXPECT_TRUE(f.panel.OperationListHasFocus());
  f.Choose(2);
  EXPECT_EQ(f.Index(), 0);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(f.Index(), 1);
  QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(list, &popup);
  EXPECT_TRUE(f.panel.OperationListHasFocus());

  f.Find("CheckBox13")->setFocus(Qt::TabFocusReason);
  EXPECT_FALSE(f.panel.OperationListHasFocus());
  f.Choose(2);
  EXPECT_EQ(f.Index(), 2);
}

// The typing rules are the number fields' and the timing test reads the range; here the beep.
TEST(OperatePanel, RangeFieldsBeepAndHighlight) {
  PanelFixture f;
  auto* start = f.Find<QLineEdit>("Edit3");
  auto* end = f.Find<QLineEdit>("Edit4");
  QTest::keyClicks(start, "x");
  EXPECT_EQ(f.beeps, 1);

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
  EXPECT_TRUE(testing::HasLabel(f.panel, "Пск") && testing::HasLabel(f.panel, "Зам"));
  EXPECT_EQ(f.Find<QTimeEdit>("DateTimePicker1")->time(), QTime(0, 0, 0));

  // The fields and the go-to section work; the find buttons wait for a text to find in.
  for (const char* on : {"Edit9", "Edit10", "CheckBox8", "Button22", "Button24", "Edit11", "Button32", "Button9",
                         "DateTimePicker1", "CheckBox6", "CheckBox10"}) {
    EXPECT_TRUE(f.Find(on)->isEnabled()) << on;
  }
  for (const char* off : {"Button3", "Button6", "Button7", "Button8", "Button14"}) {
    EXPECT_FALSE(f.Find(off)->isEnabled()) << off;
  }
  EXPECT_EQ(f.Find<QGroupBox>("GroupBox6")->title(), "Редактирование");
  EXPECT_LE(f.Find("GroupBox6")->minimumSizeHint().width(), 230 - 8);  // the narrow rows fit the column
}

TEST(OperatePanel, EditingButtonLooksFollowTheEditor) {
  PanelFixture f("abcd");
  auto active = [&](const char* name) { return BitBtnActive(f.Find<QAbstractButton>(name)); };
  f.t.edit.SetSel(1, 2);
  f.Choose(1);  // choosing the group refreshes every look
  EXPECT_FALSE(active("BitBtn7") || active("BitBtn10"));  // nothing to undo, empty clipboard
  EXPECT_TRUE(active("BitBtn8") && active("BitBtn9") && active("BitBtn11"));

  f.t.edit.SetSel(0, 0);
  f.panel.SetEditButSp();
  for (const char* name : {"BitBtn7", "BitBtn8", "BitBtn9", "BitBtn11"}) EXPECT_FALSE(active(name)) << name;
}

TEST(OperatePanel, EditingButtonsRunTheirCommandsAndFocusTheEditor) {
  struct Row { const char* button; int selStart, selLength; const char *text, *clipboard; bool undoActive; };
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
  f.t.edit.ClearFocus();
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
  EXPECT_TRUE(f.Shown("Button17") && f.Shown("BitBtn11"));  // "V" and the editing buttons
  const int collapsed = group->height();
  EXPECT_LT(collapsed, fullGroup);
  EXPECT_EQ(fullPanel - f.Panel5Height(), fullGroup - collapsed);

  f.Click("Button17");  // "V"
  EXPECT_TRUE(f.panel.FullOpEditPanel());
  for (const char* name : section) EXPECT_TRUE(f.Shown(name)) << name;
  EXPECT_FALSE(f.Shown("Button17"));
  EXPECT_EQ(std::make_pair(group->height(), f.Panel5Height()), std::make_pair(fullGroup, fullPanel));

  // Collapsed while another group is shown: the editing group comes up collapsed.
  f.Choose(2);
  f.panel.SetFullOpEditPanel(false);
  f.Choose(1);
  EXPECT_EQ(group->height(), collapsed);
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
  f.Choose(2);
  f.t.edit.SetText("abc");  // the session's change event reaches the panel
  EXPECT_FALSE(next->isEnabled());
  EXPECT_FALSE(FindRowLookFor(true, "  \t", false).enabled);
}

const std::string kTwoBlocks = Lines({"1", "00:00:01,000 --> 00:00:02,000", "One", "", "2",
                                      "00:10:00,000 --> 00:10:02,000", "Two", ""});

// Each button reaches its operation with the range and the group's amount; Cancel changes nothing.
TEST(OperatePanel, TimingButtonsWorkOnTheRange) {
  // amount: the shift's seconds or the stretch rate; first, second: the blocks' time lines after.
  struct Row { int operation; const char* button; int start, end, amount, msec; bool hundredths; Answer answer;
               const char *first, *second; };
  const Row rows[] = {
      {4, "BitBtn2", 1, 2, 1, 500, false, Answer::Yes, "00:00:02,500 --> 00:00:03,500", "00:10:01,500 --> 00:10:03,500"},
      {4, "BitBtn3", 2, 5, 0, 1, false, Answer::Yes, "00:00:01,000 --> 00:00:02,000", "00:09:59,999 --> 00:10:01,999"},
      {5, "BitBtn4", 1, 2, 2, 0, true, Answer::Yes, "00:00:01,000 --> 00:00:02,000", "00:10:00,012 --> 00:10:02,012"},
      {5, "BitBtn5", 1, 2, 2, 0, false, Answer::Yes, "00:00:00,998 --> 00:00:01,998", "00:09:58,800 --> 00:10:00,800"},
      {5, "BitBtn4", 1, 2, 2, 0, false, Answer::Cancel, "00:00:01,000 --> 00:00:02,000", "00:10:00,000 --> 00:10:02,000"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.button);
    PanelFixture f(kTwoBlocks);
    f.Choose(r.operation);
    f.panel.SetRange(r.start, r.end);
    if (r.operation == 4) {
      f.Find<TShiftGroup>("GroupBox1")->SecField()->SetPosition(r.amount);
      f.Find<TShiftGroup>("GroupBox1")->MSecField()->SetPosition(r.msec);
    } else {
      f.Find<TStretchGroup>("GroupBox4")->RateField()->SetPosition(r.amount);
      if (r.hundredths) f.Click("RadioButton2");
    }
    f.t.prompt.Script({r.answer});
    f.Click(r.button);
    EXPECT_EQ(std::make_pair(f.t.edit.LineText(1), f.t.edit.LineText(5)), std::make_pair(std::string(r.first), std::string(r.second)));
    if (r.answer == Answer::Cancel) { EXPECT_EQ(f.t.edit.Text(), kTwoBlocks); }
  }
}

TEST(OperatePanel, NormalizeButtonRenumbers) {
  PanelFixture f(Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 --> 00:00:04,000", "B",
                        "", "7", "00:00:05,000 --> 00:00:06,000", "C", ""}));
  f.Choose(2);
  f.Click("CheckBox17");  // renumbering only
  f.t.prompt.Script({Answer::Yes});
  f.Click("BitBtn1");
  EXPECT_EQ(f.t.prompt.questions.size(), 1u);
  EXPECT_EQ(f.t.edit.LineText(8), "3");
  EXPECT_TRUE(f.Find("BitBtn1")->isEnabled());  // back on after the run
}

TEST(OperatePanel, ErrorSearchButtonsDriveTheEngine) {
  PanelFixture f(Lines({"1", "00:00:01,000 --> 00:00:01,100", "Short", "", "2", "00:00:03,000 --> 00:00:05,000",
                        "Fine", ""}));
  auto* group = f.Find<TFindErrGroup>("GroupBox3");
  TMessageWindow& messages = f.t.session.messages();
  f.Choose(3);
  EXPECT_FALSE(group->Button12()->isEnabled() || group->Button13()->isEnabled());  // the caret is on the first line

  f.Click("Button5");
  ASSERT_EQ(f.Messages().size(), 1u);
  EXPECT_EQ(messages.LastMessKind(), MsgKind::Error);
  EXPECT_EQ(GetMemoCaret(f.t.edit).line, 1);

  f.Click("Button12");
  ASSERT_EQ(f.Messages().size(), 2u);
  EXPECT_EQ(messages.LastMessKind(), MsgKind::Information);
  EXPECT_FALSE(group->Button12()->isEnabled());

  // "Поз." searches from the caret's line: the short block above it is not found.
  f.t.edit.SetSel(f.t.edit.LineIndex(4), 0);
  f.panel.SetFindErrButs(true);
  f.Click("Button13");
  ASSERT_EQ(f.Messages().size(), 3u);
  EXPECT_EQ(messages.LastMessKind(), MsgKind::Information);

  // A changed rule reaches the session's values and only marks the engine for its next scan.
  TFindErr& engine = *f.t.session.findErr();
  engine.LoadSettings();
  f.Click("CheckBox5");
  EXPECT_TRUE(engine.SettingsDirty());
  EXPECT_FALSE(f.t.session.findErrSettings().overlapsOn);
  f.t.prompt.Script({Answer::No});
  ASSERT_TRUE(f.t.session.Close());
  f.Click("Button5");  // without the engine nothing runs
  EXPECT_EQ(f.Messages().size(), 3u);
}

TEST(OperatePanel, ConvertGroupShowsTheFormatAndConverts) {
  const std::string ass = Lines({"[Script Info]", "Title: x", "", "[V4+ Styles]", "Format: Name", "", "[Events]",
                                 "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text",
                                 "Dialogue: 0,0:00:01.50,0:00:03.00,Default,,0,0,0,,{\\i1}Hi\\Nthere", ""});
  PanelFixture f(ass);
  auto* label = f.Find<QLabel>("Label9");
  f.Choose(6);
  EXPECT_EQ(label->text(), "ASS");

  f.Click("BitBtn6");
  EXPECT_EQ(f.t.edit.Text(), Lines({"1", "00:00:01,500 --> 00:00:03,000", "Hi", "there", "", ""}));
  EXPECT_EQ(label->text(), "SRT");

  // "Обн." detects again after an edit.
  f.t.edit.SetText("");
  f.Click("Button1");
  EXPECT_EQ(label->text(), "???");
}

}  // namespace
}  // namespace quillet
