// The entries of the program's colour lists (the custom entry, the 16 standard colours, the 4
// extended ones and the system colours, each with a readable name) and the table of their
// Russian names, with TranslateColorNames that puts those names in.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quillet {

// One entry of a colour list: its name (UTF-8) and colour value (0x00BBGGRR, or 0xFF000000 + n
// for the system colour n).
struct ColorEntry {
  std::string name;
  uint32_t value = 0;
  bool operator==(const ColorEntry&) const = default;
};

// Positions in every colour list.
inline constexpr int kCustomColorIndex = 0;     // "Custom...": the colour chosen in a colour dialog
inline constexpr int kTranslatedColorCount = 21;  // the custom entry, 16 standard, 4 extended
inline constexpr uint32_t kSystemColorBase = 0xFF000000;

// One row of the colour-name table: the name a list shows and its Russian name.
struct ColorNameRow {
  const char* name;
  const char* russian;
};

// The 21 rows; a row's index is the position of its entry in every colour list.
const std::array<ColorNameRow, kTranslatedColorCount>& ColorNameTable();

// A fresh colour list: the custom entry (black until a colour is chosen), the standard and the
// extended colours, then the system colours, all with their readable English names.
std::vector<ColorEntry> ColorListEntries();

// byName: every entry whose name equals a name of the table (any letter case) takes the
// Russian name of that row. Otherwise the entries at positions 20 down to 0 take the Russian
// names of the rows of their index, whatever they are called. Colour values never change.
void TranslateColorNames(std::vector<ColorEntry>& list, bool byName);

// The position of the first entry from position from on with that colour value, or -1.
int FindColorEntry(const std::vector<ColorEntry>& list, uint32_t value, int from = 0);

}  // namespace quillet
