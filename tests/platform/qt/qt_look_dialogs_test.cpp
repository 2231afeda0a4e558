#include "platform/qt/qt_look_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <tuple>

#include "platform/qt/qt_platform.h"

namespace quillet {
namespace {

TEST(QtLookDialogs, FontPresetFromTheLookAndReadBackWithItsColours) {
  QtLookDialogs dialogs;
  TextLook look;
  look.fontName = "DejaVu Sans";
  look.size = 10;
  look.style = kStyleItalic;
  look.fontColor = 0x0000FF;
  look.backColor = 0xFF00001E;
  QFont shown;
  QFont choice("DejaVu Serif");
  choice.setPointSize(14);
  choice.setBold(true);
  choice.setUnderline(true);
  dialogs.SetBeforeShowFont([&](QFontDialog& d) {
    shown = d.currentFont();
    QTimer::singleShot(0, &d, [&d, choice] {
      d.setCurrentFont(choice);
      d.accept();
    });
  });
  ASSERT_TRUE(dialogs.ChooseFont(look, true));
  EXPECT_EQ(std::tuple(shown.family(), shown.pointSize(), shown.italic()),
            std::tuple(QString("DejaVu Sans"), 10, true));
  EXPECT_EQ(std::tuple(look.fontName, look.size, look.style, look.fontColor, look.backColor),
            std::tuple(std::string("DejaVu Serif"), 14, uint8_t{kStyleBold | kStyleUnderline}, 0x0000FFu, 0xFF00001Eu));
  EXPECT_LT(look.height, 0);

  // Cancel leaves the look.
  const TextLook before = look;
  dialogs.SetBeforeShowFont([](QFontDialog& d) { QTimer::singleShot(0, &d, [&d] { d.reject(); }); });
  EXPECT_FALSE(dialogs.ChooseFont(look, false));
  EXPECT_EQ(std::tuple(look.fontName, look.size, look.height, look.style),
            std::tuple(before.fontName, before.size, before.height, before.style));
}

TEST(QtLookDialogs, ColourPresetFromAValueAndReadBackAsOne) {
  QtLookDialogs dialogs;
  QColor shown;
  dialogs.SetBeforeShowColor([&](QColorDialog& d) {
    shown = d.currentColor();
    QTimer::singleShot(0, &d, [&d] {
      d.setCurrentColor(QColor(0x12, 0x34, 0x56));
      d.accept();
    });
  });
  uint32_t value = 0xFF000005;  // the window colour
  ASSERT_TRUE(dialogs.ChooseColor(value));
  EXPECT_EQ(shown, qt::ColorFromValue(0xFF000005, QApplication::palette()));
  EXPECT_EQ(value, 0x563412u);  // 0x00BBGGRR

  dialogs.SetBeforeShowColor([&](QColorDialog& d) {
    shown = d.currentColor();
    QTimer::singleShot(0, &d, [&d] { d.reject(); });
  });
  EXPECT_FALSE(dialogs.ChooseColor(value));
  EXPECT_EQ(shown, QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(value, 0x563412u);
}

}  // namespace
}  // namespace quillet
