// What the Qt side of the platform shares: the conversions between the program's Windows-1251
// text and QString, the colour values of the stored looks, and the captions of the box buttons.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/edit_control.h"

namespace quillet::qt {

// Captions of the message box buttons.
inline constexpr const char* CaptionOk = "ОК";
inline constexpr const char* CaptionCancel = "Отмена";
inline constexpr const char* CaptionYes = "Да";
inline constexpr const char* CaptionNo = "Нет";
inline constexpr const char* CaptionYesToAll = "Да для всех";
inline constexpr const char* CaptionNoToAll = "Нет для всех";

// 1251 bytes to QString, one character per byte. With breaksToLf, CR LF, lone CR and lone LF
// each become one '\n' (what QTextDocument and the clipboard expect).
QString AnsiToQString(std::string_view ansi, bool breaksToLf = false);
// QString to 1251 bytes. With breaksToCrLf, '\n', '\r\n', lone '\r', U+2028 and U+2029 each
// become CR LF. A character beyond the basic plane (a surrogate pair) becomes one '?', and so
// does every other character the code page lacks.
std::string QStringToAnsi(QStringView text, bool breaksToCrLf = false);
// The text of the editor's document to 1251 bytes: each block separator (U+2029) becomes
// CR LF and every other UTF-16 unit exactly one byte ('?' when the code page lacks it), so that
// lengths and indexes always agree with the document's positions.
std::string DocumentToAnsi(QStringView text);

// True when the character is kept as it is by the editor: it is in the code page and is not a
// line or paragraph separator of its own.
bool IsEditorChar(char16_t c);
// Text on its way into the editor: every kind of line break becomes '\n', each character the
// code page lacks becomes '?'. Returns the text unchanged (shared, no copy) when it is clean.
QString CleanEditorText(const QString& text);
// True when CleanEditorText would change the text.
bool NeedsCleaning(QStringView text);
// Only the characters the code page lacks become '?' (a surrogate pair as one); control
// characters and breaks stay. For the text of a key press.
QString ReplaceForeignChars(const QString& text);
bool HasForeignChars(QStringView text);

// A colour value: 0x00BBGGRR, or 0xFF000000 + n for the system colour n, resolved against a
// palette (5 window → Base, 8 window text → Text, 30 menu bar → Window, and the other usual
// system colours to their nearest roles). Any other high byte is ignored, as the platform does.
QColor ColorFromValue(uint32_t value, const QPalette& palette);

// The font of a look: name, pixel height, then point size (which wins when it is set), style.
QFont FontFromLook(const TextLook& look, const QFont& base);

// What a font gives back to a look (a font dialog's choice): name, height, pitch, size and
// style; the colours and the character set stay. dpi converts points to the pixel height.
void ReadLookFromFont(const QFont& font, double dpi, TextLook& look);

// Applies the look's colours to a palette: background to Base, font colour to Text, for the
// active and the inactive group (the selection keeps its active colours when the focus leaves).
void ApplyLookColors(const TextLook& look, const QPalette& systemPalette, QPalette& palette);

// Registers the fallbacks of the stored Windows font names with Qt's font matching, once.
void RegisterFontSubstitutes();

}  // namespace quillet::qt
