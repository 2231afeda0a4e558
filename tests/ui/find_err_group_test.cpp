#include "ui/find_err_group.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "support/fakes.h"
#include "ui/number_field.h"

namespace quillet {
namespace {

class FakeGroupHost : public IFindErrGroupHost {
 public:
  int LineCount() const override { return lines; }
  int CaretLine() const override { return caret; }
  bool CanContinue() const override { return canContinue; }
  void SetSettingsDirty() override { ++dirty; }
  int lines = 10;
  int caret = 3;
  bool canContinue = true;
  int dirty = 0;
};

struct Group {
  Group() {
    group.SetHost(&host);
    group.SetBeep([this] { ++beeps; });
  }
  template <typename T>
  T* find(const char* name) {
    T* w = group.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  FakeGroupHost host;
  TFindErrGroup group;
  int beeps = 0;
};

TEST(FindErrGroup, ControlsCaptionsHintsAndDefaults) {
  Group g;
  EXPECT_EQ(g.group.objectName(), "GroupBox3");
  EXPECT_EQ(g.group.title(), "Поиск ошибок");
  struct Box {
    const char* name;
    const char* caption;
    const char* hint;
    bool checked;
  };
  const Box boxes[] = {
      {"CheckBox4", "Длит <, ms", "Сичтать ошибочными блоки с длительностью отображения менее указанной", true},
      {"CheckBox12", "Длит >, sec", "Считать ошибочными блоки с длительностью отображения больше указанной", false},
      {"CheckBox5", "Пересечения времени", "Считать ошибочными блоки, пересекающиеся по времени", true},
      {"CheckBox9", "Строк >", "Считать ошибочными блоки, где строк текста больше чем указано", false},
      {"CheckBox14", "Спец символы", "Считать ошибкой присутствие в тексте нижеперчисленных символов или слов", false},
      {"CheckBox11", "Ошибки структуры", "Считать ошибочными блоки, не разделённые пустой строкой, и текст вне блоков", true},
      {"CheckBox15", "Пустые блоки", "Считать ошибочными блоки без текста", false},
      {"CheckBox16", "Пересечения блоков", "Считать ошибкой повторы и пересечения в нумерации блоков", false},
  };
  for (const auto& b : boxes) {
    auto* box = g.find<QCheckBox>(b.name);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString::fromUtf8(b.caption)) << b.name;
    EXPECT_EQ(box->toolTip(), QString::fromUtf8(b.hint)) << b.name;
    EXPECT_EQ(box->isChecked(), b.checked) << b.name;
  }
  struct Num {
    const char* edit;
    const char* upDown;
    int min, max;
    const char* text;
    bool enabled;
  };
  const Num nums[] = {
      {"Edit6", "UpDown6", 1, 10000, "500", true},
      {"Edit15", "UpDown13", 1, 10000, "20", false},
      {"Edit13", "UpDown12", 0, 32767, "2", false},
  };
  for (const auto& n : nums) {
    auto* edit = g.find<QLineEdit>(n.edit);
    auto* upDown = g.find<TUpDown>(n.upDown);
    ASSERT_TRUE(edit && upDown);
    EXPECT_EQ(upDown->Associate(), edit) << n.edit;
    EXPECT_EQ(upDown->Min(), n.min) << n.upDown;
    EXPECT_EQ(upDown->Max(), n.max) << n.upDown;
    EXPECT_EQ(edit->text(), n.text) << n.edit;
    EXPECT_EQ(edit->isEnabled(), n.enabled) << n.edit;
    EXPECT_EQ(upDown->isEnabled(), n.enabled) << n.upDown;
  }
  auto* edit14 = g.find<QLineEdit>("Edit14");
  EXPECT_EQ(edit14->text(), "[,],{,},/,\\");
  EXPECT_EQ(edit14->toolTip(),
            "Список символов и слов, которые будут считаться ошибочными (перечисляются через запятую, например: [,],<i>,\\)");
  EXPECT_FALSE(edit14->isEnabled());

  struct Btn {
    const char* name;
    const char* caption;
    const char* hint;
  };
  const Btn buttons[] = {
      {"Button5", "Сначала", "Искать ошибки от начала текста"},
      {"Button12", ">", "Искать дальше"},
      {"Button13", "Поз.", "Искать с текущей позиции"},
  };
  for (const auto& b : buttons) {
    auto* button = g.find<QPushButton>(b.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QString::fromUtf8(b.caption)) << b.name;
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.hint)) << b.name;
    EXPECT_FALSE(button->isEnabled()) << b.name;  // nothing to search before the editor is known
  }
  EXPECT_GT(g.group.Button12()->font().pointSizeF(), g.group.Button5()->font().pointSizeF());
}

TEST(FindErrGroup, ControlsStandInTheirOrderInANarrowColumn) {
  Group g;
  g.group.resize(230, g.group.sizeHint().height());
  g.group.show();
  QApplication::processEvents();
  EXPECT_LE(g.group.sizeHint().width(), 240);
  const char* order[] = {"CheckBox4", "CheckBox12", "CheckBox5", "CheckBox9", "CheckBox14",
                         "Edit14", "CheckBox11", "CheckBox15", "CheckBox16", "Button5"};
  int lastY = -1;
  for (const char* name : order) {
    auto* w = g.find<QWidget>(name);
    const int y = w->mapTo(&g.group, QPoint(0, 0)).y();
    EXPECT_GT(y, lastY) << name;
    lastY = y;
  }
  // The three buttons share one row.
  EXPECT_EQ(g.group.Button12()->y(), g.group.Button5()->y());
  EXPECT_EQ(g.group.Button13()->y(), g.group.Button5()->y());
  EXPECT_LT(g.group.Button5()->x(), g.group.Button12()->x());
  EXPECT_LT(g.group.Button12()->x(), g.group.Button13()->x());
}

TEST(FindErrGroup, SearchButtonsFollowRulesLinesCaretAndEngine) {
  struct Case {
    const char* what;
    std::vector<const char*> ticked;  // all other rules off
    const char* list;
    int lines, caret;
    bool canContinue, enable;
    bool start, next, pos;
  };
  const std::vector<const char*> defaults = {"CheckBox4", "CheckBox5", "CheckBox11"};
  const Case cases[] = {
      {"defaults", defaults, "x", 10, 3, true, true, true, true, true},
      {"not enabled", defaults, "x", 10, 3, true, false, false, false, false},
      {"one line", defaults, "x", 1, 0, true, true, false, false, false},
      {"two lines, caret on the first", defaults, "x", 2, 0, true, true, true, true, false},
      {"caret on the last line", defaults, "x", 2, 1, false, true, true, false, true},
      {"caret past the lines", defaults, "x", 10, 10, true, true, true, true, false},
      {"engine cannot go on", defaults, "x", 10, 3, false, true, true, false, true},
      {"only the maximum duration", {"CheckBox12"}, "x", 10, 3, true, true, false, false, false},
      {"nothing", {}, "x", 10, 3, true, true, false, false, false},
      {"special, empty list", {"CheckBox14"}, "", 10, 3, true, true, false, false, false},
      {"special, blank list", {"CheckBox14"}, " \t ", 10, 3, true, true, false, false, false},
      {"special with a list", {"CheckBox14"}, " [ ", 10, 3, true, true, true, true, true},
      {"minimum duration", {"CheckBox4"}, "", 10, 3, true, true, true, true, true},
      {"overlaps", {"CheckBox5"}, "", 10, 3, true, true, true, true, true},
      {"lines", {"CheckBox9"}, "", 10, 3, true, true, true, true, true},
      {"numbering", {"CheckBox16"}, "", 10, 3, true, true, true, true, true},
      {"structure", {"CheckBox11"}, "", 10, 3, true, true, true, true, true},
      {"empty blocks", {"CheckBox15"}, "", 10, 3, true, true, true, true, true},
  };
  const char* all[] = {"CheckBox4", "CheckBox12", "CheckBox5", "CheckBox9",
                       "CheckBox14", "CheckBox11", "CheckBox15", "CheckBox16"};
  for (const auto& c : cases) {
    Group g;
    g.host.lines = c.lines;
    g.host.caret = c.caret;
    g.host.canContinue = c.canContinue;
    for (const char* name : all) g.find<QCheckBox>(name)->setChecked(false);
    for (const char* name : c.ticked) g.find<QCheckBox>(name)->setChecked(true);
    g.group.Edit14()->setText(QString::fromUtf8(c.list));
    g.group.SetFindErrButs(c.enable);
    EXPECT_EQ(g.group.Button5()->isEnabled(), c.start) << c.what;
    EXPECT_EQ(g.group.FromStartEnabled(), c.start) << c.what;
    EXPECT_EQ(g.group.Button12()->isEnabled(), c.next) << c.what;
    EXPECT_EQ(g.group.Button13()->isEnabled(), c.pos) << c.what;
  }

  TFindErrGroup noHost;
  noHost.SetFindErrButs(true);
  EXPECT_FALSE(noHost.FromStartEnabled());
  noHost.Button13Click();  // no engine and no editor yet: nothing breaks
}

TEST(FindErrGroup, CheckBoxesSwitchTheirFieldsAndRefreshTheButtons) {
  Group g;
  g.group.SetFindErrButs(true);
  ASSERT_TRUE(g.group.Button5()->isEnabled());
  g.host.dirty = 0;

  QTest::mouseClick(g.group.CheckBox4(), Qt::LeftButton);  // off
  EXPECT_FALSE(g.group.Field6()->Edit()->isEnabled());
  EXPECT_FALSE(g.group.Field6()->UpDown()->isEnabled());
  EXPECT_EQ(g.host.dirty, 1);

  g.group.CheckBox12()->setChecked(true);
  EXPECT_TRUE(g.group.Field15()->Edit()->isEnabled());
  g.group.CheckBox9()->setChecked(true);
  EXPECT_TRUE(g.group.Field13()->UpDown()->isEnabled());
  g.group.CheckBox14()->setChecked(true);
  EXPECT_TRUE(g.group.Edit14()->isEnabled());
  EXPECT_EQ(g.host.dirty, 4);

  // Switching off every rule but the maximum duration stops the search.
  g.group.CheckBox5()->setChecked(false);
  g.group.CheckBox9()->setChecked(false);
  g.group.CheckBox11()->setChecked(false);
  EXPECT_TRUE(g.group.Button5()->isEnabled());  // the special list still counts
  g.group.CheckBox14()->setChecked(false);
  EXPECT_FALSE(g.group.Button5()->isEnabled());
  EXPECT_FALSE(g.group.Button12()->isEnabled());
  EXPECT_FALSE(g.group.Button13()->isEnabled());
  EXPECT_FALSE(g.group.Edit14()->isEnabled());

  // A special list typed in while the box is on enables the search again.
  g.group.CheckBox14()->setChecked(true);
  g.group.Edit14()->clear();
  EXPECT_FALSE(g.group.Button5()->isEnabled());
  const int before = g.host.dirty;
  QTest::keyClicks(g.group.Edit14(), "<i>");
  EXPECT_TRUE(g.group.Button5()->isEnabled());
  EXPECT_EQ(g.host.dirty, before + 3);
}

TEST(FindErrGroup, NumberFieldsCleanTheirTextAndMarkTheSettingsDirty) {
  Group g;
  g.group.CheckBox12()->setChecked(true);
  g.group.CheckBox9()->setChecked(true);
  g.host.dirty = 0;

  QLineEdit* edit6 = g.group.Field6()->Edit();
  edit6->selectAll();
  QTest::keyClicks(edit6, "0");
  EXPECT_EQ(edit6->text(), "1");
  EXPECT_GE(g.host.dirty, 1);

  QLineEdit* edit15 = g.group.Field15()->Edit();
  edit15->selectAll();
  QTest::keyClicks(edit15, "12345");
  EXPECT_EQ(edit15->text(), "10000");
  QTest::keyClicks(edit15, "6");  // five characters already: refused
  EXPECT_EQ(edit15->text(), "10000");
  EXPECT_EQ(g.beeps, 1);

  QLineEdit* edit13 = g.group.Field13()->Edit();
  edit13->selectAll();
  QTest::keyClick(edit13, Qt::Key_Backspace);
  EXPECT_EQ(edit13->text(), "0");
  QTest::keyClicks(edit13, "x");
  EXPECT_EQ(g.beeps, 2);

  const FindErrSettings s = g.group.ReadSettings();
  EXPECT_EQ(s.minDuration, 1);
  EXPECT_EQ(s.maxDurationSec, 10000);
  EXPECT_EQ(s.maxLines, 0);

  g.host.dirty = 0;
  g.group.Field6()->UpDown()->Step(1);
  EXPECT_EQ(g.host.dirty, 1);
  EXPECT_EQ(g.group.ReadSettings().minDuration, 2);
}

TEST(FindErrGroup, ButtonsAskTheEngine) {
  Group g;
  g.host.caret = 7;
  g.group.SetFindErrButs(true);
  QSignalSpy start(&g.group, &TFindErrGroup::FindFromStartRequested);
  QSignalSpy next(&g.group, &TFindErrGroup::FindNextRequested);
  QSignalSpy fromLine(&g.group, &TFindErrGroup::FindFromLineRequested);
  QTest::mouseClick(g.group.Button5(), Qt::LeftButton);
  QTest::mouseClick(g.group.Button12(), Qt::LeftButton);
  QTest::mouseClick(g.group.Button13(), Qt::LeftButton);
  EXPECT_EQ(start.count(), 1);
  EXPECT_EQ(next.count(), 1);
  ASSERT_EQ(fromLine.count(), 1);
  EXPECT_EQ(fromLine.at(0).at(0).toInt(), 7);

  // The engine switches ">" off when it reaches the end; a click then asks nothing.
  g.group.SetNextEnabled(false);
  QTest::mouseClick(g.group.Button12(), Qt::LeftButton);
  EXPECT_EQ(next.count(), 1);
  g.group.SetNextEnabled(true);
  EXPECT_TRUE(g.group.Button12()->isEnabled());
}

TEST(FindErrGroup, LoadedSettingsReachTheControlsAndTheirEnabling) {
  Group g;
  FindErrSettings s;
  s.minDurationOn = false;
  s.minDuration = 0;        // below Min: raised to 1
  s.maxDurationOn = true;
  s.maxDurationSec = 45;
  s.overlapsOn = false;
  s.maxLinesOn = true;
  s.maxLines = 40000;       // above Max: cut to 32767
  s.specialOn = true;
  s.specialList = testing::Ansi("ё,<b>,ъ");
  s.structureOn = false;
  s.emptyBlocksOn = true;
  s.numberingOn = true;
  g.group.LoadSettings(s);

  EXPECT_FALSE(g.group.Field6()->Edit()->isEnabled());
  EXPECT_TRUE(g.group.Field15()->Edit()->isEnabled());
  EXPECT_TRUE(g.group.Field13()->Edit()->isEnabled());
  EXPECT_TRUE(g.group.Edit14()->isEnabled());
  EXPECT_EQ(g.group.Edit14()->text(), "ё,<b>,ъ");
  EXPECT_TRUE(g.group.Button5()->isEnabled());

  const FindErrSettings r = g.group.ReadSettings();
  EXPECT_FALSE(r.minDurationOn);
  EXPECT_EQ(r.minDuration, 1);
  EXPECT_TRUE(r.maxDurationOn);
  EXPECT_EQ(r.maxDurationSec, 45);
  EXPECT_FALSE(r.overlapsOn);
  EXPECT_TRUE(r.maxLinesOn);
  EXPECT_EQ(r.maxLines, 32767);
  EXPECT_TRUE(r.specialOn);
  EXPECT_EQ(r.specialList, s.specialList);
  EXPECT_FALSE(r.structureOn);
  EXPECT_TRUE(r.emptyBlocksOn);
  EXPECT_TRUE(r.numberingOn);

  // Only "Длит >, sec" loaded on: the buttons stay off.
  FindErrSettings onlyMax;
  onlyMax.minDurationOn = onlyMax.overlapsOn = onlyMax.structureOn = false;
  onlyMax.maxDurationOn = true;
  g.group.LoadSettings(onlyMax);
  EXPECT_FALSE(g.group.Button5()->isEnabled());
  EXPECT_TRUE(g.group.Field15()->Edit()->isEnabled());
  EXPECT_FALSE(g.group.Field13()->Edit()->isEnabled());
}

}  // namespace
}  // namespace quillet
