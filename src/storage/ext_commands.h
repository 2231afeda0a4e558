// The commands of the file-type group of the program options: the "Новый:" field's rules,
// "+", "-", "Рег+" and "Рег-" with their questions, and which of the buttons are enabled.
// Rows are item indexes of the list, in the list's order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/number_field_rules.h"
#include "platform/prompt.h"
#include "storage/ext_data.h"

namespace quillet {

// A typed character of "Новый:": refused with a beep when it cannot stand in an extension, or
// when the field holds MaxExtLength characters or more, nothing is selected and it is not a
// backspace.
KeyFilterResult FilterExtKey(int textLength, bool hasSelection, char32_t key);

// The text of "Новый:" after a change (UTF-8): characters that cannot stand in an extension
// removed (a paste may bring them), then cut to MaxExtLength characters; beep when that
// changed it.
struct ExtTextResult {
  std::string text;
  bool beep = false;
};
ExtTextResult CleanExtText(std::string_view utf8);

// "+" is enabled for the trimmed text of "Новый:" when it is an extension not yet listed.
bool CanAddExt(const TExtData& data, std::string_view text);
// "+": adds the trimmed text when it can and reads its state. The new index, or -1.
int AddExt(TExtData& data, std::string_view text);

// The small square before a row (colour values 0x00BBGGRR): blue when the extension is
// registered to this program; with "Цвет" on, red when it may not be taken over from another
// program and yellow when taking it over is undesirable; nothing (the list's background)
// otherwise.
std::optional<uint32_t> RowMarkColor(const TExtDataItem& item, bool doColor);

struct RegButtonStates {
  bool reg = false;    // "Рег+": a selected row is not registered to this program
  bool unreg = false;  // "Рег-": a selected row is
};
RegButtonStates GetRegButtons(const TExtData& data, const std::vector<size_t>& rows);

// "-": after the question (when ask), every row is dropped, a registration of this program
// withdrawn first. False when nothing was dropped.
bool DeleteExts(TExtData& data, IPrompt& prompt, std::vector<size_t> rows, bool ask);
// "Рег+": registers the rows not yet registered to this program, with the warnings and
// questions of another program's and of undesirable extensions (ask: "Подтв."), then tells the
// desktop.
void RegisterExts(TExtData& data, IPrompt& prompt, const std::vector<size_t>& rows, bool ask);
// "Рег-": withdraws the registrations of the rows registered to this program, after one
// question (when ask), then tells the desktop.
void UnregisterExts(TExtData& data, IPrompt& prompt, const std::vector<size_t>& rows, bool ask);

}  // namespace quillet
