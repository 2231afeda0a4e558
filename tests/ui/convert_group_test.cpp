#include "ui/convert_group.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(ConvertGroup, ControlsAndCaptions) {
  TConvertGroup g;
  EXPECT_EQ(g.objectName(), "GroupBox5");
  EXPECT_EQ(g.title(), "Конвертирование");
  QStringList labels;
  for (auto* label : g.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("Текущий формат:"));
  EXPECT_TRUE(labels.contains("Преобразовать в:"));
  auto* format = g.findChild<QLabel*>("Label9");
  ASSERT_NE(format, nullptr);
  EXPECT_EQ(format->text(), "???");
  auto* target = g.findChild<QComboBox*>("ComboBox2");
  ASSERT_NE(target, nullptr);
  EXPECT_EQ(target->count(), 1);
  EXPECT_EQ(target->currentText(), "SRT");
  EXPECT_FALSE(target->isEditable());
  auto* convert = g.findChild<QPushButton*>("BitBtn6");
  auto* refresh = g.findChild<QPushButton*>("Button1");
  ASSERT_TRUE(convert && refresh);
  EXPECT_EQ(convert->text(), "Выполнить");
  EXPECT_EQ(refresh->text(), "Обн.");
  EXPECT_EQ(refresh->toolTip(), "Переопределить текущий формат субтитров");
  EXPECT_LE(g.sizeHint().width(), 230);
}

TEST(ConvertGroup, FormatLabelAndButtons) {
  TConvertGroup g;
  const std::pair<TextFormat, const char*> formats[] = {
      {TextFormat::Srt, "SRT"}, {TextFormat::Ass, "ASS"}, {TextFormat::Ssa, "SSA"},
      {TextFormat::Unknown, "???"}, {static_cast<TextFormat>(9), "???"}};
  for (const auto& [format, name] : formats) {
    g.SetFormat(format);
    EXPECT_EQ(g.Label9()->text(), name);
  }
  g.SetFormatText("<b>x</b>");  // shown as it is, never as markup
  EXPECT_EQ(g.FormatText(), "<b>x</b>");
  EXPECT_EQ(g.Label9()->textFormat(), Qt::PlainText);

  QSignalSpy convert(&g, &TConvertGroup::ConvertRequested);
  QSignalSpy refresh(&g, &TConvertGroup::RefreshRequested);
  QTest::mouseClick(g.BitBtn6(), Qt::LeftButton);
  EXPECT_EQ(convert.count(), 1);
  EXPECT_EQ(refresh.count(), 0);
  QTest::mouseClick(g.Button1(), Qt::LeftButton);
  EXPECT_EQ(refresh.count(), 1);
}

}  // namespace
}  // namespace quillet
