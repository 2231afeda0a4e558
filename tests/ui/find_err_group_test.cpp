#include "ui/find_err_group.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "control_expect.h"
#include "support/fakes.h"

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

// "Длит <", "Длит >", "Строк >" (its arrows) and the list edit.
std::tuple<bool, bool, bool, bool> FieldsEnabled(TFindErrGroup& g) {
  return {g.Field6()->Edit()->isEnabled(), g.Field15()->Edit()->isEnabled(), g.Field13()->UpDown()->isEnabled(),
          g.Edit14()->isEnabled()};
}

std::tuple<bool, bool, bool> ButtonsEnabled(TFindErrGroup& g) {
  return {g.Button5()->isEnabled(), g.Button12()->isEnabled(), g.Button13()->isEnabled()};
}

struct Group {
  Group() {
    group.SetHost(&host);
    group.SetBeep([this] { ++beeps; });
  }
  QCheckBox* box(const char* name) { return group.findChild<QCheckBox*>(QString::fromLatin1(name)); }
  FakeGroupHost host;
  TFindErrGroup group;
  int beeps = 0;
};

TEST(FindErrGroup, ControlsInTheirOrderWithCaptionsHintsAndDefaults) {
  Group g;
  EXPECT_EQ(g.group.objectName(), "GroupBox3");
  EXPECT_EQ(g.group.title(), "Поиск ошибок");
  testing::ExpectControls(g.group, {
      {"CheckBox4", "Длит <, ms", "Сичтать ошибочными блоки с длительностью отображения менее указанной", 1},
      {"CheckBox12", "Длит >, sec", "Считать ошибочными блоки с длительностью отображения больше указанной", 0},
      {"CheckBox5", "Пересечения времени", "Считать ошибочными блоки, пересекающиеся по времени", 1},
      {"CheckBox9", "Строк >", "Считать ошибочными блоки, где строк текста больше чем указано", 0},
      {"CheckBox14", "Спец символы", "Считать ошибкой присутствие в тексте нижеперчисленных символов или слов", 0},
      {"Edit14", "[,],{,},/,\\", "Список символов и слов, которые будут считаться ошибочными (перечисляются через запятую, например: [,],<i>,\\)"},
      {"CheckBox11", "Ошибки структуры", "Считать ошибочными блоки, не разделённые пустой строкой, и текст вне блоков", 1},
      {"CheckBox15", "Пустые блоки", "Считать ошибочными блоки без текста", 0},
      {"CheckBox16", "Пересечения блоков", "Считать ошибкой повторы и пересечения в нумерации блоков", 0},
      {"Button5", "Сначала", "Искать ошибки от начала текста"},
      {"Button12", ">", "Искать дальше"},
      {"Button13", "Поз.", "Искать с текущей позиции"},
  });
  testing::ExpectFields(g.group, {{"Edit6", "UpDown6", 1, 10000, "500"},
                                  {"Edit15", "UpDown13", 1, 10000, "20"},
                                  {"Edit13", "UpDown12", 0, 32767, "2"}});
  // Each field follows its check box from the start; no button before anything is known.
  EXPECT_EQ(FieldsEnabled(g.group), std::make_tuple(true, false, false, false));
  EXPECT_EQ(ButtonsEnabled(g.group), std::make_tuple(false, false, false));
  EXPECT_GT(g.group.Button12()->font().pointSizeF(), g.group.Button5()->font().pointSizeF());

  g.group.resize(230, g.group.sizeHint().height());
  g.group.show();
  QApplication::processEvents();
  EXPECT_LE(g.group.sizeHint().width(), 240);
  int lastY = -1;
  for (const char* name : {"CheckBox4", "CheckBox12", "CheckBox5", "CheckBox9", "CheckBox14",
                           "Edit14", "CheckBox11", "CheckBox15", "CheckBox16", "Button5"}) {
    const int y = g.group.findChild<QWidget*>(name)->mapTo(&g.group, QPoint(0, 0)).y();
    EXPECT_GT(y, lastY) << name;
    lastY = y;
  }
  EXPECT_EQ(std::make_pair(g.group.Button12()->y(), g.group.Button13()->y()),  // one row of buttons
            std::make_pair(g.group.Button5()->y(), g.group.Button5()->y()));
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
      {"only the maximum duration", {"CheckBox12"}, "x", 10, 3, true, true, false, false, false},
      {"nothing", {}, "x", 10, 3, true, true, false, false, false},
      {"special, empty list", {"CheckBox14"}, "", 10, 3, true, true, false, false, false},
      {"special, blank list", {"CheckBox14"}, " \t ", 10, 3, true, true, false, false, false},
      {"special with a list", {"CheckBox14"}, " [ ", 10, 3, true, true, true, true, true},
      {"lines", {"CheckBox9"}, "", 10, 3, true, true, true, true, true},
      {"numbering", {"CheckBox16"}, "", 10, 3, true, true, true, true, true},
      {"empty blocks", {"CheckBox15"}, "", 10, 3, true, true, true, true, true},
  };
  for (const auto& c : cases) {
    Group g;
    g.host.lines = c.lines;
    g.host.caret = c.caret;
    g.host.canContinue = c.canContinue;
    for (auto* b : g.group.findChildren<QCheckBox*>()) b->setChecked(false);
    for (const char* name : c.ticked) g.box(name)->setChecked(true);
    g.group.Edit14()->setText(QString::fromUtf8(c.list));
    g.group.SetFindErrButs(c.enable);
    EXPECT_EQ(std::make_tuple(g.group.FromStartEnabled(), g.group.Button12()->isEnabled(), g.group.Button13()->isEnabled()),
              std::make_tuple(c.start, c.next, c.pos)) << c.what;
  }
  TFindErrGroup noHost;
  noHost.SetFindErrButs(true);
  EXPECT_FALSE(noHost.FromStartEnabled());
  noHost.Button13Click();  // no engine and no editor yet: nothing breaks
}

TEST(FindErrGroup, ChangesSwitchFieldsMarkTheSettingsDirtyAndRefreshTheButtons) {
  Group g;
  g.group.SetFindErrButs(true);
  g.host.dirty = 0;
  QTest::mouseClick(g.group.CheckBox4(), Qt::LeftButton);  // off
  EXPECT_FALSE(g.group.Field6()->UpDown()->isEnabled());
  for (auto* b : {g.group.CheckBox12(), g.group.CheckBox9(), g.group.CheckBox14()}) b->setChecked(true);
  EXPECT_EQ(FieldsEnabled(g.group), std::make_tuple(false, true, true, true));
  EXPECT_EQ(g.host.dirty, 4);

  // Every rule off but the maximum duration: no search.
  for (auto* b : {g.group.CheckBox5(), g.group.CheckBox9(), g.group.CheckBox11(), g.group.CheckBox14()}) {
    b->setChecked(false);
  }
  EXPECT_EQ(ButtonsEnabled(g.group), std::make_tuple(false, false, false));

  // A list typed in while "Спец символы" is on enables the search again.
  g.group.CheckBox14()->setChecked(true);
  g.group.Edit14()->clear();
  EXPECT_FALSE(g.group.Button5()->isEnabled());
  g.host.dirty = 0;
  QTest::keyClicks(g.group.Edit14(), "<i>");
  EXPECT_TRUE(g.group.Button5()->isEnabled());
  EXPECT_EQ(g.host.dirty, 3);

  // The number fields: 0 into "Длит <" is 1, 12345 into "Длит >" is 10000, an emptied
  // "Строк >" is 0; each change marks the settings dirty.
  g.group.CheckBox4()->setChecked(true);
  g.host.dirty = 0;
  g.group.Field6()->Edit()->selectAll();
  QTest::keyClicks(g.group.Field6()->Edit(), "0");
  g.group.Field15()->Edit()->selectAll();
  QTest::keyClicks(g.group.Field15()->Edit(), "12345");
  QTest::keyClicks(g.group.Field15()->Edit(), "6");  // already five characters
  g.group.Field13()->Edit()->clear();
  EXPECT_EQ(g.beeps, 1);
  EXPECT_GE(g.host.dirty, 3);
  const FindErrSettings s = g.group.ReadSettings();
  EXPECT_EQ(std::make_tuple(s.minDuration, s.maxDurationSec, s.maxLines), std::make_tuple(1, 10000, 0));
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
  EXPECT_EQ(std::make_pair(start.count(), next.count()), std::make_pair(qsizetype(1), qsizetype(1)));
  ASSERT_EQ(fromLine.count(), 1);
  EXPECT_EQ(fromLine.at(0).at(0).toInt(), 7);
  // The engine switches ">" off at the end of the text; a click then asks nothing.
  g.group.SetNextEnabled(false);
  QTest::mouseClick(g.group.Button12(), Qt::LeftButton);
  EXPECT_EQ(next.count(), 1);
}

TEST(FindErrGroup, LoadedSettingsReachTheControlsAndTheirEnabling) {
  Group g;
  FindErrSettings s;
  s.minDurationOn = false;
  s.minDuration = 0;    // below Min: raised to 1
  s.maxDurationOn = true;
  s.maxDurationSec = 45;
  s.overlapsOn = false;
  s.maxLinesOn = true;
  s.maxLines = 40000;   // above Max: cut to 32767
  s.specialOn = true;
  s.specialList = testing::Ansi("ё,<b>,ъ");
  s.structureOn = false;
  s.emptyBlocksOn = true;
  s.numberingOn = true;
  g.group.LoadSettings(s);
  EXPECT_EQ(FieldsEnabled(g.group), std::make_tuple(false, true, true, true));
  EXPECT_EQ(g.group.Edit14()->text(), "ё,<b>,ъ");
  EXPECT_TRUE(g.group.FromStartEnabled());

  FindErrSettings want = s;
  want.minDuration = 1;
  want.maxLines = 32767;
  const auto fields = [](const FindErrSettings& x) {
    return std::tie(x.minDurationOn, x.minDuration, x.maxDurationOn, x.maxDurationSec, x.overlapsOn, x.maxLinesOn,
                    x.maxLines, x.specialOn, x.specialList, x.structureOn, x.emptyBlocksOn, x.numberingOn);
  };
  const FindErrSettings r = g.group.ReadSettings();
  EXPECT_EQ(fields(r), fields(want));

  FindErrSettings onlyMax;  // only "Длит >, sec": the buttons stay off
  onlyMax.minDurationOn = onlyMax.overlapsOn = onlyMax.structureOn = false;
  onlyMax.maxDurationOn = true;
  g.group.LoadSettings(onlyMax);
  EXPECT_FALSE(g.group.FromStartEnabled());
  EXPECT_EQ(FieldsEnabled(g.group), std::make_tuple(false, true, false, false));
}

}  // namespace
}  // namespace quillet
