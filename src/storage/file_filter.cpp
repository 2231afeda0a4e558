#include "storage/file_filter.h"

#include "core/text_utils.h"
#include "platform/codepage.h"
#include "storage/file_names.h"

namespace quillet {
namespace {

std::string Patterns(const std::vector<const std::string*>& exts) {
  std::string s;
  for (const std::string* e : exts) {
    if (!s.empty()) s += ';';
    s += "*.";
    s += *e;
  }
  return s;
}

// Case-insensitive containment of UTF-8 texts (letters of the code page fold).
bool ContainsNoCase(std::string_view haystack, std::string_view needle) {
  const std::string h = cp1251::FromUtf8Lenient(haystack);
  const std::string n = cp1251::FromUtf8Lenient(needle);
  return PosTextFrom(n, h, 1) != 0;
}

std::vector<std::string_view> PatternParts(std::string_view filter) {
  std::vector<std::string_view> parts;
  size_t pos = 0;
  int i = 0;
  for (;;) {
    const size_t bar = filter.find('|', pos);
    const std::string_view part = filter.substr(pos, bar == std::string_view::npos ? std::string_view::npos : bar - pos);
    if (i % 2 == 1) parts.push_back(part);
    if (bar == std::string_view::npos) break;
    pos = bar + 1;
    ++i;
  }
  return parts;
}

}  // namespace

ExtensionList DefaultExtensionList() { return {{"srt", false}, {"ass", false}, {"ssa", false}}; }

bool ExtensionListHas(const ExtensionList& list, std::string_view ext) {
  for (const ExtensionItem& item : list) {
    if (SameFileName(item.Ext, ext)) return true;
  }
  return false;
}

FileFilter BuildFileFilter(const ExtensionList& list) {
  std::vector<const std::string*> all, registered;
  for (const ExtensionItem& item : list) {
    all.push_back(&item.Ext);
    if (item.Registered) registered.push_back(&item.Ext);
  }
  FileFilter f;
  // With every type registered the second entry would repeat the first: only it stays.
  if (!all.empty() && registered.size() != all.size()) {
    const std::string p = Patterns(all);
    f.text += "Файлы заданных типов (" + p + ")|" + p + "|";
    f.kinds |= kFilterListed;
  }
  if (!registered.empty()) {
    const std::string p = Patterns(registered);
    f.text += "Файлы редактора (" + p + ")|" + p + "|";
    f.kinds |= kFilterRegistered;
  }
  if (f.kinds == 0) {
    f.text += "Файлы srt (*.srt)|*.srt|";
    f.kinds |= kFilterSrt;
  }
  f.text += "Все файлы (*.*)|*.*";
  f.kinds |= kFilterAll;
  return f;
}

int ChooseFilterIndex(int kinds, int32_t memory, std::string_view fileName, std::string_view filter) {
  const uint32_t m = static_cast<uint32_t>(memory);
  const int oldKinds = static_cast<int>((m >> 8) & 0xFF);
  int bit = static_cast<int>(m & 0xFF);
  // A choice of the srt or all-files entry made when there was no list yields to the list.
  if ((oldKinds & 3) == 0 && (kinds & 3) != 0 && bit > 3) bit = 1;

  int index = 1;
  if (bit != 0 && (kinds & bit) == bit) {
    for (int b = 1; b < bit; b <<= 1) {
      if (kinds & b) ++index;
    }
  }

  const std::string ext = ExtractFileExt(fileName);
  if (ext.empty()) return index;
  const std::vector<std::string_view> parts = PatternParts(filter);
  const int n = static_cast<int>(parts.size());
  if (n == 0) return 1;
  const std::string pattern = "*" + ext;
  if (index > n) index = 1;
  if (index == n) {
    if (ContainsNoCase(parts[n - 1], "*.*")) return index;
    index = 1;
  }
  if (ContainsNoCase(parts[index - 1], pattern)) return index;
  for (int i = 1; i < n; ++i) {
    if (ContainsNoCase(parts[i - 1], pattern)) return i;
  }
  return ContainsNoCase(parts[n - 1], "*.*") ? n : 1;
}

int32_t FilterIndexToType(int kinds, int index) {
  const int32_t base = static_cast<int32_t>(kinds & 0xFF) * 256;
  if (index < 1 || index > 8) return base + 1;
  int count = 0;
  for (int bit = 1; bit <= 128; bit <<= 1) {
    if (kinds & bit) {
      if (++count == index) return base + bit;
    }
  }
  return base + 1;
}

}  // namespace quillet
