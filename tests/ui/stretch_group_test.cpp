#include "ui/stretch_group.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/number_field.h"

namespace quillet {
namespace {

TEST(StretchGroup, ControlsHintsAndDefaults) {
  TStretchGroup g;
  EXPECT_EQ(g.objectName(), "GroupBox4");
  EXPECT_EQ(g.title(), "Растяжение тайминга");
  bool caption = false;
  for (auto* label : g.findChildren<QLabel*>()) caption |= label->text() == "Время растяжения 1/sec:";
  EXPECT_TRUE(caption);

  auto* edit = g.findChild<QLineEdit*>("Edit5");
  auto* upDown = g.findChild<TUpDown*>("UpDown5");
  ASSERT_TRUE(edit && upDown);
  EXPECT_EQ(edit->text(), "0");
  EXPECT_EQ(upDown->Min(), 0);
  EXPECT_EQ(upDown->Max(), 30000);

  auto* ms = g.findChild<QRadioButton*>("RadioButton1");
  auto* hundredths = g.findChild<QRadioButton*>("RadioButton2");
  ASSERT_TRUE(ms && hundredths);
  EXPECT_EQ(ms->text(), "ms");
  EXPECT_EQ(hundredths->text(), "0,01ms");
  EXPECT_TRUE(ms->isChecked());
  EXPECT_FALSE(hundredths->isChecked());

  struct Box {
    const char* name;
    const char* caption;
    const char* hint;
    bool checked;
  };
  const Box boxes[] = {
      {"CheckBox3", "От начала", "Если включено, расчёт времени растяжения будет осуществляться относительно времени 0:00:00, иначе относительно времени первого из растягиваемых блоков", true},
      {"CheckBox1", "Смещать конечные", "Если включено, все блоки после конечного растянутого блока будут смещены на такое же время, как и он", true},
      {"CheckBox2", "Растягивать длительн.", "Если включено, длительность отображения субтитров так же будет подвергаться растяженнию", false},
  };
  for (const auto& b : boxes) {
    auto* box = g.findChild<QCheckBox*>(b.name);
    ASSERT_NE(box, nullptr) << b.name;
    EXPECT_EQ(box->text(), QString::fromUtf8(b.caption));
    EXPECT_EQ(box->toolTip(), QString::fromUtf8(b.hint));
    EXPECT_EQ(box->isChecked(), b.checked) << b.name;
  }
  auto* stretch = g.findChild<QPushButton*>("BitBtn4");
  auto* compress = g.findChild<QPushButton*>("BitBtn5");
  ASSERT_TRUE(stretch && compress);
  EXPECT_EQ(stretch->text(), "<> Раст.");
  EXPECT_EQ(compress->text(), ">< Сжать");
  EXPECT_LE(g.sizeHint().width(), 230);
}

TEST(StretchGroup, OptionsRateAndButtons) {
  TStretchGroup g;
  int beeps = 0;
  g.SetBeep([&] { ++beeps; });
  QLineEdit* rate = g.RateField()->Edit();
  rate->selectAll();
  QTest::keyClicks(rate, "31000");
  EXPECT_EQ(g.Rate(), 30000);
  rate->selectAll();
  QTest::keyClicks(rate, "2,5");  // the comma is refused
  EXPECT_EQ(g.Rate(), 25);
  EXPECT_EQ(beeps, 1);

  QTest::mouseClick(g.RadioButton2(), Qt::LeftButton);
  EXPECT_FALSE(g.RadioButton1()->isChecked());
  auto o = g.ReadOptions();
  EXPECT_FALSE(o.unitMs);
  EXPECT_TRUE(o.fromStart);
  EXPECT_TRUE(o.moveEnds);
  EXPECT_FALSE(o.stretchDurations);

  g.LoadOptions({true, false, false, true});
  o = g.ReadOptions();
  EXPECT_TRUE(g.RadioButton1()->isChecked());
  EXPECT_FALSE(g.RadioButton2()->isChecked());
  EXPECT_FALSE(o.fromStart);
  EXPECT_FALSE(o.moveEnds);
  EXPECT_TRUE(o.stretchDurations);
  g.LoadOptions({false, true, true, false});
  EXPECT_TRUE(g.RadioButton2()->isChecked());
  EXPECT_FALSE(g.ReadOptions().unitMs);

  QSignalSpy stretch(&g, &TStretchGroup::StretchRequested);
  QSignalSpy compress(&g, &TStretchGroup::CompressRequested);
  QTest::mouseClick(g.BitBtn4(), Qt::LeftButton);
  QTest::mouseClick(g.BitBtn5(), Qt::LeftButton);
  QTest::mouseClick(g.BitBtn5(), Qt::LeftButton);
  EXPECT_EQ(stretch.count(), 1);
  EXPECT_EQ(compress.count(), 2);
}

}  // namespace
}  // namespace quillet
