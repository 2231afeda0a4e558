// Text search in the editor, shared by the find dialog, the replace dialog and the find row of
// the editing group: forward or backward from the selection or from an edge of the text, with
// or without regard to letter case (the one letter-case table), with the offer to wrap around.
#pragma once

#include <string>
#include <string_view>

#include "core/editor.h"

namespace quillet {

// Looks for text (Windows-1251, taken as typed) and selects the match, or tells that there is
// none. A text that is blank does not search.
void SearchInEditor(Editor& editor, bool forward, bool caseSensitive, bool fromEdge, std::string_view text);

// "Не удаётся найти " + the text in quotes (or "заданный для поиска текст" for a text with a
// line break or of more than 128 characters) + "." and, when askWrap, " Начать поиск сначала?".
std::string NotFoundText(std::string_view text, bool askWrap);
// The beep, then the information box of NotFoundText with the given buttons (Ok, or YesNo for
// the wrap question); answers the button pressed.
Answer ReportNotFound(IPrompt& prompt, std::string_view text, Buttons buttons);

// "Найти далее" of the find and replace dialogs: searches from the selection when what is not
// blank and not longer than the editor text, then refreshes the status. False when it did not
// search.
bool DialogFindText(Editor& editor, std::string_view what, bool down, bool caseSensitive);

}  // namespace quillet
