#include "ui/panel/stretch_group.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "support/qt/control_expect.h"

namespace quillet {
namespace {

TEST(StretchGroup, ControlsHintsAndDefaults) {
  TStretchGroup g;
  EXPECT_EQ(g.objectName(), "GroupBox4");
  EXPECT_EQ(g.title(), "Растяжение тайминга");
  EXPECT_TRUE(testing::HasLabel(g, "Время растяжения 1/sec:"));
  testing::ExpectFields(g, {{"Edit5", "UpDown5", 0, 30000, "0"}});
  testing::ExpectControls(g, {
      {"RadioButton1", "ms", "", 1},
      {"RadioButton2", "0,01ms", "", 0},
      {"CheckBox3", "От начала", "Если включено, расчёт времени растяжения будет осуществляться относительно времени 0:00:00, иначе относительно времени первого из растягиваемых блоков", 1},
      {"CheckBox1", "Смещать конечные", "Если включено, все блоки после конечного растянутого блока будут смещены на такое же время, как и он", 1},
      {"CheckBox2", "Растягивать длительн.", "Если включено, длительность отображения субтитров так же будет подвергаться растяженнию", 0},
      {"BitBtn4", "<> Раст.", ""},
      {"BitBtn5", ">< Сжать", ""},
  });
  EXPECT_LE(g.sizeHint().width(), 230);
}

TEST(StretchGroup, OptionsRateAndButtons) {
  TStretchGroup g;
  int beeps = 0;
  g.SetBeep([&] { ++beeps; });
  g.RateField()->Edit()->selectAll();
  QTest::keyClicks(g.RateField()->Edit(), "31000");
  EXPECT_EQ(g.Rate(), 30000);
  g.RateField()->Edit()->selectAll();
  QTest::keyClicks(g.RateField()->Edit(), "2,5");  // the comma is refused
  EXPECT_EQ(std::make_pair(g.Rate(), beeps), std::make_pair(25, 1));

  QTest::mouseClick(g.RadioButton2(), Qt::LeftButton);
  EXPECT_FALSE(g.RadioButton1()->isChecked() || g.ReadOptions().unitMs);
  g.LoadOptions({true, false, false, true});
  auto o = g.ReadOptions();
  EXPECT_TRUE(o.unitMs && !o.fromStart && !o.moveEnds && o.stretchDurations);
  EXPECT_FALSE(g.RadioButton2()->isChecked());
  g.LoadOptions({false, true, true, false});
  o = g.ReadOptions();
  EXPECT_TRUE(!o.unitMs && o.fromStart && o.moveEnds && !o.stretchDurations);

  QSignalSpy stretch(&g, &TStretchGroup::StretchRequested);
  QSignalSpy compress(&g, &TStretchGroup::CompressRequested);
  QTest::mouseClick(g.BitBtn4(), Qt::LeftButton);
  QTest::mouseClick(g.BitBtn5(), Qt::LeftButton);
  QTest::mouseClick(g.BitBtn5(), Qt::LeftButton);
  EXPECT_EQ(std::make_pair(stretch.count(), compress.count()), std::make_pair(qsizetype(1), qsizetype(2)));
}

}  // namespace
}  // namespace quillet
