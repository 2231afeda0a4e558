// The colour list: its entries with their names in both translations, the chosen colour, a
// value no entry has, and the custom entry with its colour dialog.
#include "ui/widgets/color_box.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "support/fake_look_dialogs.h"

namespace quillet {
namespace {

constexpr uint32_t kWindow = 0xFF000005;

struct Box {
  testing::FakeLookDialogs dialogs;
  TColorBox box;
  QSignalSpy changes{&box, &TColorBox::ColorChanged};
  Box() { box.SetColorDialog(&dialogs); }

  std::string Text(int i) { return box.itemText(i).toStdString(); }
  // The user picks the entry in the open list.
  void PickFromList(int index) {
    box.showPopup();
    box.view()->setCurrentIndex(box.model()->index(index, 0));
    QTest::keyClick(box.view(), Qt::Key_Return);
  }
  std::vector<uint32_t> Changes() {
    std::vector<uint32_t> out;
    for (const QList<QVariant>& args : changes) out.push_back(args.at(0).value<uint32_t>());
    return out;
  }
};

TEST(ColorBox, EntriesWithSwatchesAndTheirNamesInBothTranslations) {
  Box f;
  ASSERT_EQ(f.box.count(), 51);
  EXPECT_EQ(f.Text(0), "Custom...");
  EXPECT_EQ(f.Text(1), "Black");
  EXPECT_EQ(f.Text(20), "Medium Gray");
  EXPECT_EQ(f.Text(26), "Window");
  for (int i = 0; i < f.box.count(); ++i) EXPECT_FALSE(f.box.itemIcon(i).isNull()) << i;

  // By position (the text look dialog): the 21 rows, then the window colour is chosen.
  f.box.TranslateColorNames(false);
  EXPECT_EQ(f.Text(0), "Настраиваемый...");
  EXPECT_EQ(f.Text(1), "Чёрный");
  EXPECT_EQ(f.Text(20), "Умеренно-серый");
  EXPECT_EQ(f.Text(21), "Scroll Bar");
  EXPECT_EQ(std::tuple(f.box.currentIndex(), f.box.Selected()), std::tuple(26, kWindow));

  // By name (the message look dialog): the same names; the choice stays.
  Box g;
  g.box.SetSelected(0x0000FF);
  g.box.TranslateColorNames(true);
  EXPECT_EQ(g.Text(10), "Красный");
  EXPECT_EQ(g.Text(26), "Window");
  EXPECT_EQ(g.box.Selected(), 0x0000FFu);
  EXPECT_TRUE(f.changes.isEmpty() && g.changes.isEmpty());  // nothing the user chose
}

TEST(ColorBox, SetSelectedFindsTheEntryOrMakesItTheCustomColour) {
  struct Case {
    uint32_t value;
    int index;
    const char* text;
  };
  const Case cases[] = {
      {0x000000, 1, "Black"},  // the named entry, not the custom one that is black too
      {0x800000, 5, "Navy"},
      {0xA4A0A0, 20, "Medium Gray"},
      {0xFF000008, 29, "Window Text"},
      {0xFF00001E, 50, "Menu Bar"},
      {0xFFEFBD, 0, "Custom..."},  // no entry has it
      {0xFF000019, 0, "Custom..."},
  };
  for (const Case& c : cases) {
    Box f;
    f.box.SetSelected(c.value);
    EXPECT_EQ(f.box.currentIndex(), c.index) << std::hex << c.value;
    EXPECT_EQ(f.Text(f.box.currentIndex()), c.text);
    EXPECT_EQ(f.box.Selected(), c.value);
    EXPECT_TRUE(f.changes.isEmpty());
  }
}

TEST(ColorBox, TheUserChoosesAnEntryOrACustomColour) {
  Box f;
  f.box.SetSelected(0x008000);  // "Green", 3
  QTest::keyClick(&f.box, Qt::Key_Down);
  EXPECT_EQ(f.box.Selected(), 0x008080u);  // "Olive"
  f.PickFromList(10);
  EXPECT_EQ(f.Changes(), (std::vector<uint32_t>{0x008080, 0x0000FF}));

  // The custom entry from the list asks the colour dialog, preset with its colour.
  f.dialogs.ChooseColorAs(0x123456);
  f.PickFromList(0);
  EXPECT_EQ(f.dialogs.colorShown, (std::vector<uint32_t>{0x000000}));
  EXPECT_EQ(std::tuple(f.box.currentIndex(), f.box.Selected()), std::tuple(0, 0x123456u));
  EXPECT_EQ(f.Changes().back(), 0x123456u);

  // Cancelled: the entry chosen before stays, and so does the custom colour.
  f.PickFromList(13);
  const qsizetype before = f.changes.size();
  f.dialogs.CancelColor();
  f.PickFromList(0);
  EXPECT_EQ(f.dialogs.colorShown.back(), 0x123456u);
  EXPECT_EQ(std::tuple(f.box.currentIndex(), f.box.Selected()), std::tuple(13, 0xFF0000u));
  EXPECT_EQ(f.changes.size(), before);
  EXPECT_EQ(f.box.Entries()[0].value, 0x123456u);

  // Reached with the keys, the custom entry takes its colour without a dialog.
  f.box.SetSelected(0x000000);
  QTest::keyClick(&f.box, Qt::Key_Up);
  EXPECT_EQ(f.dialogs.colorShown.size(), 2u);
  EXPECT_EQ(std::tuple(f.box.currentIndex(), f.Changes().back()), std::tuple(0, 0x123456u));
}

}  // namespace
}  // namespace quillet
