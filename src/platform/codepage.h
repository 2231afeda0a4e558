// Windows-1251, the code page of all subtitle text inside the program.
//
// Text is held as single bytes in std::string; conversion to and from UTF-8/UTF-16 happens
// only at the edges (files, the editor widget, the clipboard, messages).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

namespace cp1251 {

// The Unicode character of a byte. The one byte the code page leaves undefined (0x98) maps to
// U+0098, so every byte survives a round trip through the editor.
char16_t ToUnicode(unsigned char byte);

// The byte of a Unicode character, or '?' when the code page lacks it.
char FromUnicode(char32_t codePoint);
// True when the code page has the character.
bool HasChar(char32_t codePoint);

std::string ToUtf8(std::string_view ansi);
std::u16string ToUtf16(std::string_view ansi);

// UTF-16 (host order code units) to 1251; unpaired surrogates become '?'. When missing is
// given, it receives the number of characters that became '?' because the code page lacks them.
std::string FromUtf16(std::u16string_view utf16, size_t* missing = nullptr);
// UTF-8 to 1251. Returns false (and leaves out empty) when the input is not valid UTF-8.
// missing as for FromUtf16.
bool FromUtf8(std::string_view utf8, std::string& out, size_t* missing = nullptr);
// UTF-8 to 1251 for the program's own texts; invalid sequences become '?'.
std::string FromUtf8Lenient(std::string_view utf8);

// ANSI upper and lower case of a byte, as the code page's letter rules give them.
unsigned char UpperByte(unsigned char byte);
unsigned char LowerByte(unsigned char byte);

}  // namespace cp1251

}  // namespace quillet
