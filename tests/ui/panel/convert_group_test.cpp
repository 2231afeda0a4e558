#include "ui/panel/convert_group.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/qt/control_expect.h"

namespace quillet {
namespace {

TEST(ConvertGroup, ControlsFormatLabelAndButtons) {
  TConvertGroup g;
  EXPECT_EQ(g.objectName(), "GroupBox5");
  EXPECT_EQ(g.title(), "Конвертирование");
  EXPECT_TRUE(testing::HasLabel(g, "Текущий формат:") && testing::HasLabel(g, "Преобразовать в:"));
  testing::ExpectControls(g, {{"Label9", "???", ""},
                              {"BitBtn6", "Выполнить", ""},
                              {"Button1", "Обн.", "Переопределить текущий формат субтитров"}});
  EXPECT_EQ(std::make_tuple(g.ComboBox2()->count(), g.ComboBox2()->currentText(), g.ComboBox2()->isEditable()),
            std::make_tuple(1, QString("SRT"), false));
  EXPECT_LE(g.sizeHint().width(), 230);

  const std::pair<TextFormat, const char*> formats[] = {
      {TextFormat::Srt, "SRT"}, {TextFormat::Ass, "ASS"}, {TextFormat::Ssa, "SSA"},
      {TextFormat::Unknown, "???"}, {static_cast<TextFormat>(9), "???"}};
  for (const auto& [format, name] : formats) {
    g.SetFormat(format);
    EXPECT_EQ(g.FormatText(), name);
  }
  g.SetFormatText("<b>x</b>");  // shown as it is, never as markup
  EXPECT_EQ(g.Label9()->textFormat(), Qt::PlainText);

  QSignalSpy convert(&g, &TConvertGroup::ConvertRequested);
  QSignalSpy refresh(&g, &TConvertGroup::RefreshRequested);
  QTest::mouseClick(g.BitBtn6(), Qt::LeftButton);
  QTest::mouseClick(g.Button1(), Qt::LeftButton);
  QTest::mouseClick(g.Button1(), Qt::LeftButton);
  EXPECT_EQ(std::make_pair(convert.count(), refresh.count()), std::make_pair(qsizetype(1), qsizetype(2)));
}

}  // namespace
}  // namespace quillet
