#include "ui/panel/normalize_group.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/qt/control_expect.h"

namespace quillet {
namespace {

TEST(NormalizeGroup, ControlsAndDefaults) {
  TNormalizeGroup g;
  EXPECT_EQ(g.objectName(), "GroupBox2");
  EXPECT_EQ(g.title(), "Нормализация");
  testing::ExpectControls(g, {
      {"CheckBox13", "Перенумерация", "Блоки будут перенумерованы в соответствии с их порядком в тексте", 1},
      {"CheckBox17", "Пробелы справа", "Пробелы с правой стороны строк в тексте будут удалены", 1},
      {"CheckBox18", "Лишние строки", "Лишние пустые строки будут удалены", 0},
      {"BitBtn1", "Выполнить", ""},
  });
  EXPECT_TRUE(g.BitBtn1()->isEnabled());
  EXPECT_LE(g.sizeHint().width(), 230);
}

TEST(NormalizeGroup, RunButtonIsOnExactlyWhenAnOptionIs) {
  const bool cases[][4] = {{false, false, false, false}, {true, false, false, true},
                           {false, true, false, true},   {false, false, true, true}};
  for (const auto& c : cases) {
    TNormalizeGroup g;
    QCheckBox* boxes[] = {g.CheckBox13(), g.CheckBox17(), g.CheckBox18()};
    for (int i = 0; i < 3; ++i) {
      if (boxes[i]->isChecked() != c[i]) QTest::mouseClick(boxes[i], Qt::LeftButton);
    }
    EXPECT_EQ(g.BitBtn1()->isEnabled(), c[3]) << c[0] << c[1] << c[2];
    const auto o = g.ReadOptions();
    EXPECT_EQ(std::make_tuple(o.renumber, o.rightBlanks, o.surplusLines), std::make_tuple(c[0], c[1], c[2]));
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
