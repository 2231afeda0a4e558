#include "ui/shift_group.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/number_field.h"

namespace quillet {
namespace {

QStringList LabelTexts(const QWidget& w) {
  QStringList texts;
  for (auto* label : w.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

TEST(ShiftGroup, ControlsLimitsAndHints) {
  TShiftGroup g;
  EXPECT_EQ(g.objectName(), "GroupBox1");
  EXPECT_EQ(g.title(), "Смещение тайминга");
  const QStringList labels = LabelTexts(g);
  EXPECT_TRUE(labels.contains("Время смещения:"));
  EXPECT_TRUE(labels.contains("Sec"));
  EXPECT_TRUE(labels.contains("mSec"));

  struct Num {
    const char* edit;
    const char* upDown;
    int max;
    const char* hint;
  };
  const Num nums[] = {
      {"Edit1", "UpDown1", 32000, "Секунды"},
      {"Edit2", "UpDown2", 999, "Миллисекунды (1000 ms = 1 sec)"},
  };
  for (const auto& n : nums) {
    auto* edit = g.findChild<QLineEdit*>(n.edit);
    auto* upDown = g.findChild<TUpDown*>(n.upDown);
    ASSERT_TRUE(edit && upDown) << n.edit;
    EXPECT_EQ(edit->text(), "0");
    EXPECT_EQ(upDown->Min(), 0);
    EXPECT_EQ(upDown->Max(), n.max);
    EXPECT_EQ(edit->toolTip(), QString::fromUtf8(n.hint));
    EXPECT_EQ(upDown->toolTip(), QString::fromUtf8(n.hint));
  }

  struct Btn {
    const char* name;
    const char* hint;
  };
  const Btn buttons[] = {
      {"BitBtn2", "Прибавить время смещения к времени заданных блоков"},
      {"BitBtn3", "Отнять время смещения от времени заданных блоков"},
  };
  for (const auto& b : buttons) {
    auto* button = g.findChild<QPushButton*>(b.name);
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->text(), "Время");
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.hint));
    EXPECT_FALSE(button->icon().isNull()) << b.name;
  }
  // Same caption: the glyphs must tell them apart.
  const QImage plus = g.BitBtn2()->icon().pixmap(16, 16).toImage();
  const QImage minus = g.BitBtn3()->icon().pixmap(16, 16).toImage();
  EXPECT_NE(plus, minus);
  EXPECT_LE(g.sizeHint().width(), 230);
}

TEST(ShiftGroup, AmountComesFromTheUpDownsWithinTheirLimits) {
  TShiftGroup g;
  int beeps = 0;
  g.SetBeep([&] { ++beeps; });
  QLineEdit* sec = g.SecField()->Edit();
  QLineEdit* msec = g.MSecField()->Edit();
  sec->selectAll();
  QTest::keyClicks(sec, "40000");
  msec->selectAll();
  QTest::keyClicks(msec, "1500");
  EXPECT_EQ(g.Seconds(), 32000);
  EXPECT_EQ(g.Milliseconds(), 999);
  QTest::keyClicks(sec, "1");  // a sixth digit
  EXPECT_EQ(beeps, 1);
  sec->selectAll();
  QTest::keyClicks(sec, "2");
  msec->clear();
  EXPECT_EQ(g.Seconds(), 2);
  EXPECT_EQ(g.Milliseconds(), 0);
  EXPECT_EQ(msec->text(), "0");
}

TEST(ShiftGroup, ButtonsAskForTheirDirection) {
  TShiftGroup g;
  QSignalSpy add(&g, &TShiftGroup::ShiftAddRequested);
  QSignalSpy subtract(&g, &TShiftGroup::ShiftSubtractRequested);
  QTest::mouseClick(g.BitBtn2(), Qt::LeftButton);
  EXPECT_EQ(add.count(), 1);
  EXPECT_EQ(subtract.count(), 0);
  QTest::mouseClick(g.BitBtn3(), Qt::LeftButton);
  EXPECT_EQ(add.count(), 1);
  EXPECT_EQ(subtract.count(), 1);
}

}  // namespace
}  // namespace quillet
