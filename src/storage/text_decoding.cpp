#include "storage/text_decoding.h"

#include "platform/codepage.h"

namespace quillet {
namespace {

bool StartsWith(std::string_view bytes, unsigned char a, unsigned char b) {
  return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == a && static_cast<unsigned char>(bytes[1]) == b;
}

bool HasHighByte(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

// The 16-bit units of bytes from the byte at first on (a trailing odd byte is left out).
std::u16string Utf16Units(std::string_view bytes, size_t first, bool bigEndian) {
  std::u16string units((bytes.size() - first) / 2, u'\0');
  const int lowByte = bigEndian ? 1 : 0;
  for (size_t i = 0; i < units.size(); ++i) {
    const size_t at = first + 2 * i;
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[at + lowByte]) |
                                     (static_cast<unsigned char>(bytes[at + 1 - lowByte]) << 8));
  }
  return units;
}

}  // namespace

const char* EncodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8: return "UTF-8";
    case TextEncoding::Utf16: return "UTF-16";
    case TextEncoding::Ansi1251: break;
  }
  return "1251";
}

// Text in UTF-16 has a zero byte in every character below U+0100: every digit, blank,
// punctuation mark and line break, always on the same side of its two-byte unit (the second
// byte little-endian, the first big-endian). The number and time lines of subtitles are made
// of such characters, and even Cyrillic prose has its blanks and line breaks, so a real UTF-16
// text has far more than one unit in eight with a zero there and next to none on the other
// side. Text in Windows-1251 has no zero bytes at all: a stray one or two of a damaged file
// fall short of the share, and zero padding (a file cut off or filled up by a program) lies on
// both sides alike. So a single zero byte never makes a 1251 file UTF-16.
Utf16Guess GuessUtf16(std::string_view bytes) {
  const size_t units = bytes.size() / 2;
  size_t zeroFirst = 0, zeroSecond = 0;
  for (size_t i = 0; i < units; ++i) {
    zeroFirst += bytes[2 * i] == '\0';
    zeroSecond += bytes[2 * i + 1] == '\0';
  }
  const auto believable = [units](size_t zeros, size_t otherSide) {
    return zeros >= 2 && zeros * 8 >= units && otherSide * 10 <= zeros;
  };
  if (believable(zeroSecond, zeroFirst)) return Utf16Guess::LittleEndian;
  if (believable(zeroFirst, zeroSecond)) return Utf16Guess::BigEndian;
  return Utf16Guess::None;
}

DecodedText DecodeBytes(std::string bytes) {
  DecodedText out;
  size_t replaced = 0;
  const bool even = bytes.size() % 2 == 0;
  const bool markLe = even && StartsWith(bytes, 0xFF, 0xFE);
  const bool markBe = even && StartsWith(bytes, 0xFE, 0xFF);
  const Utf16Guess guess = markLe || markBe ? Utf16Guess::None : GuessUtf16(bytes);
  if (markLe || markBe || guess != Utf16Guess::None) {
    const bool bigEndian = markBe || guess == Utf16Guess::BigEndian;
    const bool mark = bigEndian ? StartsWith(bytes, 0xFE, 0xFF) : StartsWith(bytes, 0xFF, 0xFE);
    out.text = cp1251::FromUtf16(Utf16Units(bytes, mark ? 2 : 0, bigEndian), &replaced);
    out.info.encoding = TextEncoding::Utf16;
  } else if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
             static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF) {
    // The UTF-8 mark. When the rest is not UTF-8 its bytes stay as they are and only the mark goes.
    if (cp1251::FromUtf8(std::string_view(bytes).substr(3), out.text, &replaced)) {
      out.info.encoding = TextEncoding::Utf8;
    } else {
      out.text = bytes.substr(3);
    }
  } else if (HasHighByte(bytes) && cp1251::FromUtf8(bytes, out.text, &replaced)) {
    // Valid UTF-8 with a multi-byte sequence. Cyrillic text in Windows-1251 is not: its letters
    // (C0..FF) are lead bytes in UTF-8, and a letter followed by a letter is never valid there.
    out.info.encoding = TextEncoding::Utf8;
  } else {
    out.text = std::move(bytes);
  }
  out.info.replaced = static_cast<int64_t>(replaced);
  return out;
}

std::string ReplacedCharsMessage(const std::string& name, int64_t count) {
  return "Внимание! При чтении файла \"" + name + "\" символы, которых нет в кодировке Windows-1251, заменены знаком "
         "\"?\" (всего: " + std::to_string(count) + ").";
}

}  // namespace quillet
