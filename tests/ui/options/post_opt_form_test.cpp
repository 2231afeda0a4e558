// The text look dialog: its controls, the samples that follow the colour lists and the font
// dialog at once, OK giving the looks back and Cancel leaving them.
#include "ui/options/post_opt_form.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/qt/qt_platform.h"
#include "support/fake_look_dialogs.h"
#include "support/qt/control_expect.h"
#include "support/qt/dialog_driver.h"
#include "ui/widgets/color_box.h"

namespace quillet {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

constexpr uint32_t kRed = 0x0000FF, kYellow = 0x00FFFF, kWindow = 0xFF000005, kWindowText = 0xFF000008,
                   kMenuBar = 0xFF00001E;

struct Dialog {
  testing::FakeLookDialogs dialogs;
  TPostOptForm form{dialogs, dialogs};

  template <typename T>
  T* Find(const char* name) {
    return testing::FindControl<T>(form, name);
  }
  TColorBox* Box(const char* name) { return Find<TColorBox>(name); }
  void Pick(const char* box, uint32_t value) { testing::PickColor(Box(box), value); }
  // A sample's background and text as shown.
  std::pair<QColor, QColor> Colors(const char* memo) {
    const QPalette p = Find<QPlainTextEdit>(memo)->palette();
    return {p.color(QPalette::Base), p.color(QPalette::Text)};
  }
  bool Run(const std::function<void()>& act, const char* button, TFontAppearance& edit, TFontAppearance& noEdit,
           std::string& name) {
    testing::AnswerModal(&form, button, act);
    return form.Execute(edit, noEdit, name);
  }
};

QColor Resolved(uint32_t value) { return qt::ColorFromValue(value, QApplication::palette()); }

TEST(PostOptForm, ControlsAndTheTranslatedLists) {
  Dialog d;
  EXPECT_EQ(d.form.windowTitle(), U("Настройка текста"));
  const char* hint = "Вид, который будет иметь текст, если включен запрет на его редактирование с клавиатуры";
  testing::ExpectControls(d.form, {
      {"Label1", "В режиме запрещённого ввода", ""}, {"Label2", "В режиме редактирования", ""},
      {"Label3", "Цвет", ""}, {"Label4", "Фон", ""}, {"Label5", "Цвет", ""}, {"Label6", "Фон", ""},
      {"Button2", "Выбрать шрифт", ""}, {"BitBtn1", "ОК", ""}, {"BitBtn2", "Отмена", ""},
  });
  EXPECT_EQ(d.Find<QLabel>("Label1")->toolTip(), U(hint));
  EXPECT_EQ(d.Find<QPlainTextEdit>("Memo1")->toolTip(), U(hint));
  for (const char* memo : {"Memo1", "Memo2"}) {
    EXPECT_EQ(d.Find<QPlainTextEdit>(memo)->toPlainText(), U("\n   Пример")) << memo;
    EXPECT_TRUE(d.Find<QPlainTextEdit>(memo)->isReadOnly()) << memo;
  }
  // Translated by position: "Чёрный" where the toolkit says "Black".
  for (const char* box : {"ColorBox2", "ColorBox3", "ColorBox4", "ColorBox5"}) {
    EXPECT_EQ(d.Box(box)->itemText(0), U("Настраиваемый...")) << box;
    EXPECT_EQ(d.Box(box)->itemText(1), U("Чёрный")) << box;
    EXPECT_EQ(d.Box(box)->itemText(26), "Window") << box;
  }
  // The looks used when nothing is stored.
  EXPECT_EQ(d.Box("ColorBox2")->Selected(), kWindowText);
  EXPECT_EQ(d.Box("ColorBox3")->Selected(), kMenuBar);
  EXPECT_EQ(d.Box("ColorBox5")->Selected(), kWindow);
}

TEST(PostOptForm, SetStartColoursAndFontsOfBothSamples) {
  Dialog d;
  TFontAppearance edit = EditLookDefault(), noEdit = NoEditLookDefault();
  edit.fontColor = kRed;
  edit.size = 12;
  noEdit.backColor = 0x123456;  // in no list: the custom entry
  noEdit.style = kStyleItalic;
  d.form.SetStart(edit, noEdit, "DejaVu Sans");
  EXPECT_EQ(d.Box("ColorBox4")->Selected(), kRed);
  EXPECT_EQ(d.Box("ColorBox3")->currentIndex(), 0);
  EXPECT_EQ(d.Box("ColorBox3")->Selected(), 0x123456u);
  EXPECT_EQ(d.Colors("Memo2"), std::pair(Resolved(kWindow), Resolved(kRed)));
  EXPECT_EQ(d.Colors("Memo1"), std::pair(Resolved(0x123456), Resolved(kWindowText)));
  EXPECT_EQ(d.Find<QPlainTextEdit>("Memo2")->font().pointSize(), 12);
  EXPECT_TRUE(d.Find<QPlainTextEdit>("Memo1")->font().italic());
  EXPECT_EQ(d.form.Memo1Look().fontName, "DejaVu Sans");
}

TEST(PostOptForm, ColoursRecolourTheirSampleAndAFontGoesToBoth) {
  Dialog d;
  d.form.SetStart(EditLookDefault(), NoEditLookDefault(), "Lucida Console");
  const auto memo2 = d.Colors("Memo2");
  d.Pick("ColorBox2", kRed);
  d.Pick("ColorBox3", kYellow);
  EXPECT_EQ(d.Colors("Memo1"), std::pair(Resolved(kYellow), Resolved(kRed)));
  EXPECT_EQ(d.Colors("Memo2"), memo2);

  TextLook chosen;
  chosen.fontName = "DejaVu Serif";
  chosen.height = -19;
  chosen.size = 14;
  chosen.pitch = 1;
  chosen.style = kStyleBold | kStyleUnderline;
  d.dialogs.ChooseFontAs(chosen);
  QTest::mouseClick(d.Find<QPushButton>("Button2"), Qt::LeftButton);
  // Preset with the read-only sample's font.
  ASSERT_EQ(d.dialogs.fontShown.size(), 1u);
  EXPECT_EQ(d.dialogs.fontShown[0].preset.backColor, kYellow);
  EXPECT_FALSE(d.dialogs.fontShown[0].ansiOnly);
  for (const TextLook* look : {&d.form.Memo1Look(), &d.form.Memo2Look()}) {
    EXPECT_EQ(std::tuple(look->fontName, look->height, look->size, look->pitch, look->style),
              std::tuple(chosen.fontName, chosen.height, chosen.size, chosen.pitch, chosen.style));
  }
  EXPECT_EQ(d.Find<QPlainTextEdit>("Memo2")->font().pointSize(), 14);
  EXPECT_TRUE(d.Find<QPlainTextEdit>("Memo1")->font().bold());
  // Their colours stay.
  EXPECT_EQ(d.Colors("Memo1"), std::pair(Resolved(kYellow), Resolved(kRed)));
  EXPECT_EQ(d.Colors("Memo2"), memo2);

  // A cancelled font dialog changes nothing.
  d.dialogs.CancelFont();
  d.form.Button2Click();
  EXPECT_EQ(d.form.Memo2Look().fontName, "DejaVu Serif");
}

TEST(PostOptForm, OkGivesTheLooksBackCancelLeavesThem) {
  Dialog d;
  TFontAppearance edit = EditLookDefault(), noEdit = NoEditLookDefault();
  std::string name = "Lucida Console";
  TextLook font;
  font.fontName = "DejaVu Sans Mono";
  font.height = -16;
  font.size = 12;
  font.pitch = 2;
  font.style = kStyleItalic;
  std::vector<uint32_t> shownAtStart;
  auto change = [&] {
    shownAtStart.push_back(d.Box("ColorBox4")->Selected());
    d.Pick("ColorBox4", kRed);
    d.Pick("ColorBox5", kYellow);
    d.Pick("ColorBox3", 0xFFFFFF);
    d.dialogs.ChooseFontAs(font);
    d.form.Button2Click();
  };

  EXPECT_FALSE(d.Run(change, "BitBtn2", edit, noEdit, name));
  EXPECT_EQ(std::tuple(edit, noEdit, name), std::tuple(EditLookDefault(), NoEditLookDefault(), "Lucida Console"));

  EXPECT_TRUE(d.Run(change, "BitBtn1", edit, noEdit, name));
  TFontAppearance wantEdit = EditLookDefault();
  wantEdit.fontColor = kRed;
  wantEdit.backColor = kYellow;
  wantEdit.height = -16;
  wantEdit.size = 12;
  wantEdit.pitch = 2;
  wantEdit.style = kStyleItalic;
  TFontAppearance wantNoEdit = wantEdit;
  wantNoEdit.fontColor = kWindowText;
  wantNoEdit.backColor = 0xFFFFFF;
  EXPECT_EQ(edit, wantEdit);
  EXPECT_EQ(noEdit, wantNoEdit);
  EXPECT_EQ(name, "DejaVu Sans Mono");
  // The second showing started from the looks given, not from what Cancel left in the lists.
  EXPECT_EQ(shownAtStart, (std::vector<uint32_t>{kWindowText, kWindowText}));
}

}  // namespace
}  // namespace quillet
