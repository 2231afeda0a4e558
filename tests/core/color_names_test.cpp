// The colour lists' entries and the translation of their names in both modes.
#include "core/color_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

using Entries = std::vector<ColorEntry>;

// The 21 rows: the English name, its Russian name and the colour of the entry in a fresh list.
struct Row {
  const char* name;
  const char* russian;
  uint32_t value;
};
const Row kRows[] = {
    {"Custom...", "Настраиваемый...", 0x000000}, {"Black", "Чёрный", 0x000000},
    {"Maroon", "Малиновый", 0x000080},           {"Green", "Зелёный", 0x008000},
    {"Olive", "Оливковый", 0x008080},            {"Navy", "Тёмно-синий", 0x800000},
    {"Purple", "Сиреневый", 0x800080},           {"Teal", "Бирюзовый", 0x808000},
    {"Gray", "Серый", 0x808080},                 {"Silver", "Серебристый", 0xC0C0C0},
    {"Red", "Красный", 0x0000FF},                {"Lime", "Травяной", 0x00FF00},
    {"Yellow", "Жёлтый", 0x00FFFF},              {"Blue", "Синий", 0xFF0000},
    {"Fuchsia", "Розовый", 0xFF00FF},            {"Aqua", "Голубой", 0xFFFF00},
    {"White", "Белый", 0xFFFFFF},                {"Money Green", "Долларовый", 0xC0DCC0},
    {"Sky Blue", "Небесный", 0xF0CAA6},          {"Cream", "Кремовый", 0xF0FBFF},
    {"Medium Gray", "Умеренно-серый", 0xA4A0A0},
};

TEST(ColorNames, TheTableAndAFreshListAgreeRowByRow) {
  const auto& table = ColorNameTable();
  const Entries list = ColorListEntries();
  ASSERT_EQ(table.size(), std::size(kRows));
  for (size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(std::string(table[i].name), kRows[i].name);
    EXPECT_EQ(std::string(table[i].russian), kRows[i].russian);
    EXPECT_EQ(list[i], (ColorEntry{kRows[i].name, kRows[i].value}));
  }
  // The system colours follow with the toolkit's names, among them the three the looks use.
  ASSERT_EQ(list.size(), 21u + 30u);
  EXPECT_EQ(list[21], (ColorEntry{"Scroll Bar", 0xFF000000}));
  EXPECT_EQ(list[FindColorEntry(list, 0xFF000005)].name, "Window");
  EXPECT_EQ(list[FindColorEntry(list, 0xFF000008)].name, "Window Text");
  EXPECT_EQ(list.back(), (ColorEntry{"Menu Bar", 0xFF00001E}));
  EXPECT_EQ(FindColorEntry(list, 0xFF000019), -1);  // no system colour 25
}

TEST(ColorNames, TranslatedByPositionOrByName) {
  // A fresh list: both modes give the same names, and only the 21 rows change.
  for (bool byName : {false, true}) {
    SCOPED_TRACE(byName);
    Entries list = ColorListEntries();
    const Entries before = list;
    TranslateColorNames(list, byName);
    ASSERT_EQ(list.size(), before.size());
    for (size_t i = 0; i < list.size(); ++i) {
      EXPECT_EQ(list[i].value, before[i].value) << i;
      EXPECT_EQ(list[i].name, i < 21 ? kRows[i].russian : before[i].name) << i;
    }
  }

  // A list laid out otherwise shows the difference: by position the first 21 entries are
  // renamed whatever they are called; by name every entry called as a row is, in any letter
  // case, wherever it stands, and nothing else.
  std::vector<std::string> all21;
  for (const Row& row : kRows) all21.push_back(row.russian);
  std::vector<std::string> beyond = all21;
  beyond.push_back("Window");
  struct Case {
    const char* what;
    Entries list;
    bool byName;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"short list by position", {{"Window", 1}, {"x", 2}}, false, {"Настраиваемый...", "Чёрный"}},
      {"by name, any case and place",
       {{"Window", 5}, {"BLACK", 0}, {"medium gray", 7}, {"Sky Blue ", 8}, {"Custom...", 9}},
       true,
       {"Window", "Чёрный", "Умеренно-серый", "Sky Blue ", "Настраиваемый..."}},
      {"by name, a Russian name stays", {{"Чёрный", 0}}, true, {"Чёрный"}},
      {"by position, a list of 22", Entries(22, ColorEntry{"Window", 5}), false, beyond},
      {"by position, called as other rows", Entries(21, ColorEntry{"Black", 0}), false, all21},
      {"empty list", {}, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Entries list = c.list;
    TranslateColorNames(list, c.byName);
    std::vector<std::string> names;
    for (size_t i = 0; i < list.size(); ++i) {
      names.push_back(list[i].name);
      EXPECT_EQ(list[i].value, c.list[i].value);
    }
    EXPECT_EQ(names, c.names);
  }
}

TEST(ColorNames, FindSkipsWhatComesBeforeFrom) {
  const Entries list = ColorListEntries();
  EXPECT_EQ(FindColorEntry(list, 0x000000), 0);     // the custom entry is black at first
  EXPECT_EQ(FindColorEntry(list, 0x000000, 1), 1);  // "Black"
  EXPECT_EQ(FindColorEntry(list, 0x123456, 1), -1);
}

}  // namespace
}  // namespace quillet
