// The encodings a file's bytes may come in, and their decoding into the editor's Windows-1251.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// The encoding a text was read in.
enum class TextEncoding { Ansi1251, Utf8, Utf16 };

// "1251", "UTF-8", "UTF-16".
const char* EncodingName(TextEncoding encoding);

// What a read found besides the text.
struct TextReadInfo {
  TextEncoding encoding = TextEncoding::Ansi1251;
  int64_t replaced = 0;  // characters the code page lacks, each now a "?"
};

struct DecodedText {
  std::string text;  // Windows-1251; line breaks as they were
  TextReadInfo info;
};

// The bytes of a file as Windows-1251 text:
// - UTF-16 with its mark (FF FE little-endian, FE FF big-endian) on an even length, or without
//   a mark when its zero bytes say so (LooksLikeUtf16);
// - UTF-8 with its mark; when the rest is not UTF-8 its bytes stay as they are, without the mark;
// - UTF-8 without a mark when it is valid and holds at least one multi-byte sequence;
// - anything else as it is.
DecodedText DecodeBytes(std::string bytes);

// Byte order of a UTF-16 text without a mark, guessed from its zero bytes.
enum class Utf16Guess { None, LittleEndian, BigEndian };
Utf16Guess GuessUtf16(std::string_view bytes);

// The message window's warning after a read that replaced characters ("name" is the file name
// without its folder).
std::string ReplacedCharsMessage(const std::string& name, int64_t count);

}  // namespace quillet
