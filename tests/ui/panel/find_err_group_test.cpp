#include "ui/panel/find_err_group.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "support/qt/control_expect.h"
#include "support/fakes.h"

namespace quillet {
namespace {

class FakeGroupHost : public IFindErrGroupHost {
 public:
  int LineCount() const override { return lines; }
  int CaretLine() const override { return caret; }
  bool CanContinue() const override { return canContinue; }
  void SettingsChanged(const FindErrSettings& s) override {
    ++dirty;
    settings = s;
  }
  int lines = 10;
  int caret = 3;
  bool canContinue = true;
  int dirty = 0;
  FindErrSettings settings;
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

  g.group.show();
  int lastY = -1;
  for (const char* name : {"CheckBox4", "CheckBox12", "CheckBox5", "CheckBox9", "CheckBox14",
                           "Edit14", "CheckBox11", "CheckBox15", "CheckBox16", "Button5"}) {
    const int y = g.group.findChild<QWidget*>(name)->mapTo(&g.group, QPoint(0, 0)).y();
    EXPECT_GT(y, lastY) << name;
    lastY = y;
  }
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
  TFindErrGroup noHost;  // no engine and no editor yet: nothing breaks
  noHost.SetFindErrButs(true);
  EXPECT_FALSE(noHost.FromStartEnabled());
  noHost.Button13Click();
}

// The field rules are the number fields'; here each change reaches the host and the buttons.
TEST(FindErrGroup, ChangesSwitchFieldsMarkTheSettingsDirtyAndRefreshTheButtons) {
  Group g;
  g.group.SetFindErrButs(true);
  g.host.dirty = 0;
  QTest::mouseClick(g.group.CheckBox4(), Qt::LeftButton);  // off
  for (auto* b : {g.group.CheckBox12(), g.group.CheckBox9(), g.group.CheckBox14()}) b->setChecked(true);
  EXPECT_EQ(FieldsEnabled(g.group), std::make_tuple(false, true, true, true));
  EXPECT_EQ(g.host.dirty, 4);

  // A list typed in while "Спец символы" is the only rule enables the search again.
  for (auto* b : {g.group.CheckBox5(), g.group.CheckBox9(), g.group.CheckBox11()}) b->setChecked(false);
  g.group.Edit14()->clear();
  EXPECT_EQ(ButtonsEnabled(g.group), std::make_tuple(false, false, false));
  g.host.dirty = 0;
  QTest::keyClicks(g.group.Edit14(), "<i>");
  EXPECT_TRUE(g.group.Button5()->isEnabled());
  EXPECT_EQ(g.host.dirty, 3);

  // A number field: a refused key sounds the group's beep; a step marks the settings dirty once.
  QTest::keyClicks(g.group.Field15()->Edit(), "x");
  EXPECT_EQ(g.beeps, 1);
  g.host.dirty = 0;
  g.group.Field15()->UpDown()->Step(1);
  EXPECT_EQ(std::make_pair(g.host.dirty, g.group.ReadSettings().maxDurationSec), std::make_pair(1, 21));
}

TEST(FindErrGroup, LoadedSettingsReachTheControlsAndTheirEnabling) {
  Group g;
  // minDuration is below Min and maxLines above Max: they come back as 1 and 32767.
  const FindErrSettings s{.minDurationOn = false, .minDuration = 0, .maxDurationOn = true, .maxDurationSec = 45,
                          .overlapsOn = false, .maxLinesOn = true, .maxLines = 40000, .specialOn = true,
                          .specialList = testing::Ansi("ё,<b>,ъ"), .structureOn = false, .emptyBlocksOn = true,
                          .numberingOn = true};
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
}

}  // namespace
}  // namespace quillet
