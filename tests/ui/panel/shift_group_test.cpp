#include "ui/panel/shift_group.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/qt/control_expect.h"

namespace quillet {
namespace {

TEST(ShiftGroup, ControlsLimitsAndHints) {
  TShiftGroup g;
  EXPECT_EQ(g.objectName(), "GroupBox1");
  EXPECT_EQ(g.title(), "Смещение тайминга");
  for (const char* label : {"Время смещения:", "Sec", "mSec"}) EXPECT_TRUE(testing::HasLabel(g, label)) << label;
  testing::ExpectFields(g, {{"Edit1", "UpDown1", 0, 32000, "0", "Секунды"},
                            {"Edit2", "UpDown2", 0, 999, "0", "Миллисекунды (1000 ms = 1 sec)"}});
  testing::ExpectControls(g, {
      {"BitBtn2", "Время", "Прибавить время смещения к времени заданных блоков"},
      {"BitBtn3", "Время", "Отнять время смещения от времени заданных блоков"},
  });
  // Same caption: the glyphs must tell them apart.
  ASSERT_FALSE(g.BitBtn2()->icon().isNull());
  EXPECT_NE(g.BitBtn2()->icon().pixmap(16, 16).toImage(), g.BitBtn3()->icon().pixmap(16, 16).toImage());
  EXPECT_LE(g.sizeHint().width(), 230);
}

TEST(ShiftGroup, AmountAndDirection) {
  TShiftGroup g;
  int beeps = 0;
  g.SetBeep([&] { ++beeps; });
  g.SecField()->Edit()->selectAll();
  QTest::keyClicks(g.SecField()->Edit(), "40000");
  g.MSecField()->Edit()->selectAll();
  QTest::keyClicks(g.MSecField()->Edit(), "1500");
  EXPECT_EQ(std::make_pair(g.Seconds(), g.Milliseconds()), std::make_pair(32000, 999));
  QTest::keyClicks(g.SecField()->Edit(), "1");  // a sixth digit
  EXPECT_EQ(beeps, 1);
  g.MSecField()->Edit()->clear();
  EXPECT_EQ(g.Milliseconds(), 0);

  QSignalSpy add(&g, &TShiftGroup::ShiftAddRequested);
  QSignalSpy subtract(&g, &TShiftGroup::ShiftSubtractRequested);
  QTest::mouseClick(g.BitBtn2(), Qt::LeftButton);
  QTest::mouseClick(g.BitBtn3(), Qt::LeftButton);
  QTest::mouseClick(g.BitBtn3(), Qt::LeftButton);
  EXPECT_EQ(std::make_pair(add.count(), subtract.count()), std::make_pair(qsizetype(1), qsizetype(2)));
}

}  // namespace
}  // namespace quillet
