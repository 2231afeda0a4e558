// The type filters of the open, insert and save dialogs and the memory of the entry chosen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// One editor file type: the extension without its dot, as typed, and whether the shell opens
// it with this program; the rest tells whether it may be registered (storage/ext_data.h).
struct ExtensionItem {
  std::string Ext;
  bool Registered = false;
  bool Allowed = true;     // not an extension never taken over from another program
  bool Desirable = true;   // not an extension whose takeover asks first
  bool HasOther = false;   // another program (or an unknown one) opens it
};
using ExtensionList = std::vector<ExtensionItem>;

// srt, ass, ssa, none registered.
ExtensionList DefaultExtensionList();
// Whether ext (without its dot) is in the list, without regard to letter case.
bool ExtensionListHas(const ExtensionList& list, std::string_view ext);

// Bits of the kinds of entry a filter holds.
enum FilterKindBits : int {
  kFilterListed = 1,      // "Файлы заданных типов (...)"
  kFilterRegistered = 2,  // "Файлы редактора (...)"
  kFilterSrt = 4,         // "Файлы srt (*.srt)"
  kFilterAll = 8,         // "Все файлы (*.*)"
};

struct FileFilter {
  std::string text;  // "label|patterns|label|patterns..." (UTF-8)
  int kinds = 0;     // the FilterKindBits present
};

FileFilter BuildFileFilter(const ExtensionList& list);

// The 1-based entry to show first: the one remembered in memory (kinds × 256 + entry bit)
// when the filter still has it, else one whose patterns take fileName's extension.
int ChooseFilterIndex(int kinds, int32_t memory, std::string_view fileName, std::string_view filter);

// The memory value of a chosen 1-based entry.
int32_t FilterIndexToType(int kinds, int index);

}  // namespace quillet
