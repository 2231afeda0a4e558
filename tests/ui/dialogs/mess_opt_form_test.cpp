// The message look dialog: its controls, the lists translated by name, the sample and the
// labels following the lists and the font dialog, OK giving the look back and Cancel not.
#include "ui/dialogs/mess_opt_form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <functional>

#include "platform/qt/qt_platform.h"
#include "support/fake_look_dialogs.h"
#include "support/qt/control_expect.h"
#include "support/qt/dialog_driver.h"
#include "ui/widgets/color_box.h"

namespace quillet {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }
QColor Resolved(uint32_t value) { return qt::ColorFromValue(value, QApplication::palette()); }

struct Dialog {
  testing::FakeLookDialogs dialogs;
  TMessOptForm form{dialogs, dialogs};

  template <typename T>
  T* Find(const char* name) {
    return testing::FindControl<T>(form, name);
  }
  TColorBox* Box(const char* name) { return Find<TColorBox>(name); }
  void Pick(const char* box, uint32_t value) { testing::PickColor(Box(box), value); }
  std::pair<QColor, QColor> Colors() {
    const QPalette p = Find<QTextEdit>("RichEdit1")->palette();
    return {p.color(QPalette::Base), p.color(QPalette::Text)};
  }
  std::pair<std::string, std::string> Labels() {
    return {Find<QLabel>("Label3")->text().toStdString(), Find<QLabel>("Label4")->text().toStdString()};
  }
  bool Run(const std::function<void()>& act, const char* button, TFontAppearance& look, std::string& name) {
    testing::AnswerModal(&form, button, act);
    return form.Execute(look, name);
  }
};

TEST(MessOptForm, ControlsAndTheStoredLookWhenNothingIsStored) {
  Dialog d;
  EXPECT_EQ(d.form.windowTitle(), U("Настрока шрифта окна сообщений"));
  testing::ExpectControls(d.form, {
      {"BitBtn3", "Сменить шрифт", ""}, {"Label1", "Имя:", ""}, {"Label2", "Размер:", ""},
      {"Label5", "Цвет", ""}, {"Label6", "Фон", ""}, {"BitBtn1", "ОК", ""}, {"BitBtn2", "Отмена", ""},
  });
  EXPECT_EQ(d.Find<QTextEdit>("RichEdit1")->toPlainText(), U("\n     Пример"));
  EXPECT_TRUE(d.Find<QTextEdit>("RichEdit1")->isReadOnly());
  // Translated by name; navy on 0xFFEFBD, which no entry has: the custom entry.
  for (const char* box : {"ColorBox1", "ColorBox2"}) {
    EXPECT_EQ(d.Box(box)->itemText(0), U("Настраиваемый...")) << box;
    EXPECT_EQ(d.Box(box)->itemText(5), U("Тёмно-синий")) << box;
    EXPECT_EQ(d.Box(box)->itemText(50), "Menu Bar") << box;
  }
  EXPECT_EQ(d.Box("ColorBox1")->currentText(), U("Тёмно-синий"));
  EXPECT_EQ(std::pair(d.Box("ColorBox2")->currentIndex(), d.Box("ColorBox2")->Selected()), std::pair(0, 0xFFEFBDu));
  EXPECT_EQ(d.Colors(), std::pair(Resolved(0xFFEFBD), Resolved(0x800000)));
  EXPECT_EQ(d.Labels(), std::pair(std::string("MS Sans Serif"), std::string("8")));
}

TEST(MessOptForm, SampleAndLabelsFollowTheListsAndTheFont) {
  Dialog d;
  TFontAppearance look = MessLookDefault();
  look.size = 10;
  d.form.SetStart(look, "DejaVu Sans");
  EXPECT_EQ(d.Labels(), std::pair(std::string("DejaVu Sans"), std::string("10")));
  d.Pick("ColorBox1", 0x0000FF);
  EXPECT_EQ(d.Colors(), std::pair(Resolved(0xFFEFBD), Resolved(0x0000FF)));
  d.Pick("ColorBox2", 0xFF000005);  // the window colour
  EXPECT_EQ(d.Colors(), std::pair(Resolved(0xFF000005), Resolved(0x0000FF)));

  TextLook font;
  font.fontName = "DejaVu Serif";
  font.height = -21;
  font.size = 16;
  font.style = kStyleBold;
  d.dialogs.ChooseFontAs(font);
  QTest::mouseClick(d.Find<QPushButton>("BitBtn3"), Qt::LeftButton);
  ASSERT_EQ(d.dialogs.fontShown.size(), 1u);
  EXPECT_TRUE(d.dialogs.fontShown[0].ansiOnly);
  EXPECT_EQ(d.dialogs.fontShown[0].preset.fontName, "DejaVu Sans");
  EXPECT_EQ(d.dialogs.fontShown[0].preset.size, 10);
  EXPECT_EQ(d.Labels(), std::pair(std::string("DejaVu Serif"), std::string("16")));
  EXPECT_EQ(d.Find<QTextEdit>("RichEdit1")->font().pointSize(), 16);
  EXPECT_TRUE(d.Find<QTextEdit>("RichEdit1")->font().bold());
  EXPECT_EQ(d.Colors(), std::pair(Resolved(0xFF000005), Resolved(0x0000FF)));  // the colours stay

  d.dialogs.CancelFont();
  d.form.BitBtn3Click();
  EXPECT_EQ(d.Labels(), std::pair(std::string("DejaVu Serif"), std::string("16")));
}

TEST(MessOptForm, OkGivesTheLookBackCancelLeavesIt) {
  Dialog d;
  TFontAppearance look = MessLookDefault();
  std::string name = "MS Sans Serif";
  TextLook font;
  font.fontName = "DejaVu Sans Mono";
  font.height = -15;
  font.size = 11;
  font.pitch = 2;
  font.style = kStyleStrikeOut;
  auto change = [&] {
    d.Pick("ColorBox1", 0x000000);
    d.Pick("ColorBox2", 0xFFFFFF);
    d.dialogs.ChooseFontAs(font);
    d.form.BitBtn3Click();
  };
  EXPECT_FALSE(d.Run(change, "BitBtn2", look, name));
  EXPECT_EQ(std::pair(look, name), std::pair(MessLookDefault(), std::string("MS Sans Serif")));

  EXPECT_TRUE(d.Run(change, "BitBtn1", look, name));
  TFontAppearance want = MessLookDefault();
  want.fontColor = 0x000000;
  want.backColor = 0xFFFFFF;
  want.height = -15;
  want.size = 11;
  want.pitch = 2;
  want.style = kStyleStrikeOut;
  EXPECT_EQ(look, want);
  EXPECT_EQ(name, "DejaVu Sans Mono");
}

}  // namespace
}  // namespace quillet
