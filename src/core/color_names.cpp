#include "core/color_names.h"

#include <algorithm>

#include "core/text_utils.h"

namespace quillet {

namespace {

constexpr std::array<ColorNameRow, kTranslatedColorCount> kNames = {{
    {"Custom...", "Настраиваемый..."},
    {"Black", "Чёрный"},
    {"Maroon", "Малиновый"},
    {"Green", "Зелёный"},
    {"Olive", "Оливковый"},
    {"Navy", "Тёмно-синий"},
    {"Purple", "Сиреневый"},
    {"Teal", "Бирюзовый"},
    {"Gray", "Серый"},
    {"Silver", "Серебристый"},
    {"Red", "Красный"},
    {"Lime", "Травяной"},
    {"Yellow", "Жёлтый"},
    {"Blue", "Синий"},
    {"Fuchsia", "Розовый"},
    {"Aqua", "Голубой"},
    {"White", "Белый"},
    {"Money Green", "Долларовый"},
    {"Sky Blue", "Небесный"},
    {"Cream", "Кремовый"},
    {"Medium Gray", "Умеренно-серый"},
}};

// The values of the rows after the custom entry, in the order of the table.
constexpr uint32_t kTableValues[kTranslatedColorCount] = {
    0x000000,  // the custom entry until a colour is chosen
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0,
};

struct SystemColor {
  uint32_t index;
  const char* name;
};

// The system colours the lists offer (index 25 is not one of them).
constexpr SystemColor kSystemColors[] = {
    {0, "Scroll Bar"},         {1, "Background"},          {2, "Active Caption"},
    {3, "Inactive Caption"},   {4, "Menu"},                {5, "Window"},
    {6, "Window Frame"},       {7, "Menu Text"},           {8, "Window Text"},
    {9, "Caption Text"},       {10, "Active Border"},      {11, "Inactive Border"},
    {12, "Application Workspace"}, {13, "Highlight"},      {14, "Highlight Text"},
    {15, "Button Face"},       {16, "Button Shadow"},      {17, "Gray Text"},
    {18, "Button Text"},       {19, "Inactive Caption Text"}, {20, "Button Highlight"},
    {21, "3D Dark Shadow"},    {22, "3D Light"},           {23, "Info Text"},
    {24, "Info Background"},   {26, "Hot Light"},          {27, "Gradient Active Caption"},
    {28, "Gradient Inactive Caption"}, {29, "Menu Highlight"}, {30, "Menu Bar"},
};

}  // namespace

const std::array<ColorNameRow, kTranslatedColorCount>& ColorNameTable() { return kNames; }

std::vector<ColorEntry> ColorListEntries() {
  std::vector<ColorEntry> list;
  list.reserve(kTranslatedColorCount + std::size(kSystemColors));
  for (int i = 0; i < kTranslatedColorCount; ++i) list.push_back({kNames[i].name, kTableValues[i]});
  for (const SystemColor& c : kSystemColors) list.push_back({c.name, kSystemColorBase + c.index});
  return list;
}

void TranslateColorNames(std::vector<ColorEntry>& list, bool byName) {
  if (byName) {
    for (ColorEntry& entry : list) {
      for (const ColorNameRow& row : kNames) {
        if (SameTextSp(entry.name, row.name)) {
          entry.name = row.russian;
          break;
        }
      }
    }
    return;
  }
  for (int i = std::min<int>(kTranslatedColorCount, static_cast<int>(list.size())) - 1; i >= 0; --i) {
    list[static_cast<size_t>(i)].name = kNames[static_cast<size_t>(i)].russian;
  }
}

int FindColorEntry(const std::vector<ColorEntry>& list, uint32_t value, int from) {
  for (size_t i = static_cast<size_t>(std::max(from, 0)); i < list.size(); ++i) {
    if (list[i].value == value) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace quillet
