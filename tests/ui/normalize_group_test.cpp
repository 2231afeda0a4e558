#include "ui/normalize_group.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(NormalizeGroup, CaptionsHintsAndDefaults) {
  TNormalizeGroup g;
  EXPECT_EQ(g.objectName(), "GroupBox2");
  EXPECT_EQ(g.title(), "Нормализация");
  struct Box {
    const char* name;
    const char* caption;
    const char* hint;
    bool checked;
  };
  const Box boxes[] = {
      {"CheckBox13", "Перенумерация", "Блоки будут перенумерованы в соответствии с их порядком в тексте", true},
      {"CheckBox17", "Пробелы справа", "Пробелы с правой стороны строк в тексте будут удалены", true},
      {"CheckBox18", "Лишние строки", "Лишние пустые строки будут удалены", false},
  };
  int lastY = -1;
  g.show();
  QApplication::processEvents();
  for (const auto& b : boxes) {
    auto* box = g.findChild<QCheckBox*>(b.name);
    ASSERT_NE(box, nullptr) << b.name;
    EXPECT_EQ(box->text(), QString::fromUtf8(b.caption));
    EXPECT_EQ(box->toolTip(), QString::fromUtf8(b.hint));
    EXPECT_EQ(box->isChecked(), b.checked) << b.name;
    EXPECT_GT(box->y(), lastY) << b.name;
    lastY = box->y();
  }
  auto* run = g.findChild<QPushButton*>("BitBtn1");
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->text(), "Выполнить");
  EXPECT_TRUE(run->isEnabled());
  EXPECT_GT(run->y(), lastY);
  EXPECT_LE(g.sizeHint().width(), 230);
  const auto o = g.ReadOptions();
  EXPECT_TRUE(o.renumber);
  EXPECT_TRUE(o.rightBlanks);
  EXPECT_FALSE(o.surplusLines);
}

TEST(NormalizeGroup, RunButtonIsOnExactlyWhenAnOptionIs) {
  struct Case {
    bool renumber, blanks, lines, enabled;
  };
  const Case cases[] = {
      {false, false, false, false}, {true, false, false, true}, {false, true, false, true},
      {false, false, true, true},   {true, true, true, true},
  };
  for (const auto& c : cases) {
    TNormalizeGroup g;
    // Clicked one by one as the user would, ending in the wanted state.
    for (auto [box, want] : {std::pair{g.CheckBox13(), c.renumber}, std::pair{g.CheckBox17(), c.blanks},
                             std::pair{g.CheckBox18(), c.lines}}) {
      if (box->isChecked() != want) QTest::mouseClick(box, Qt::LeftButton);
    }
    EXPECT_EQ(g.BitBtn1()->isEnabled(), c.enabled) << c.renumber << c.blanks << c.lines;
    const auto o = g.ReadOptions();
    EXPECT_EQ(o.renumber, c.renumber);
    EXPECT_EQ(o.rightBlanks, c.blanks);
    EXPECT_EQ(o.surplusLines, c.lines);
  }
}

TEST(NormalizeGroup, LoadingRunningAndTheRequest) {
  TNormalizeGroup g;
  g.LoadOptions({false, false, false});
  EXPECT_FALSE(g.BitBtn1()->isEnabled());
  g.SetRunning(false);  // the end of a run from the menu leaves it off: there is nothing to do
  EXPECT_FALSE(g.BitBtn1()->isEnabled());
  g.LoadOptions({false, false, true});
  EXPECT_TRUE(g.BitBtn1()->isEnabled());
  EXPECT_TRUE(g.ReadOptions().surplusLines);

  QSignalSpy spy(&g, &TNormalizeGroup::NormalizeRequested);
  g.SetRunning(true);
  QTest::mouseClick(g.BitBtn1(), Qt::LeftButton);  // off while running
  EXPECT_EQ(spy.count(), 0);
  g.SetRunning(false);
  QTest::mouseClick(g.BitBtn1(), Qt::LeftButton);
  EXPECT_EQ(spy.count(), 1);
}

}  // namespace
}  // namespace quillet
