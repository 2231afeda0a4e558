#include "platform/codepage.h"

#include <array>

namespace quillet {

namespace cp1251 {
namespace {

// 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

struct Tables {
  std::array<char16_t, 256> toUni{};
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
  Tables() {
    for (int b = 0; b < 128; ++b) toUni[b] = static_cast<char16_t>(b);
    for (int b = 0; b < 64; ++b) toUni[128 + b] = kHigh[b];
    for (int b = 0; b < 64; ++b) toUni[192 + b] = static_cast<char16_t>(0x0410 + b);
    for (int b = 0; b < 256; ++b) {
      upper[b] = lower[b] = static_cast<unsigned char>(b);
    }
    for (int b = 'a'; b <= 'z'; ++b) {
      upper[b] = static_cast<unsigned char>(b - 32);
      lower[b - 32] = static_cast<unsigned char>(b);
    }
    // Cyrillic letters: a capital and its small letter differ by 0x20 in U+0410..U+042F /
    // U+0430..U+044F and by 0x50 in U+0400..U+040F / U+0450..U+045F; the two Ukrainian
    // letters with upturn (U+0490/U+0491) differ by one.
    for (int b = 128; b < 256; ++b) {
      char16_t u = toUni[b];
      char16_t other = 0;
      if (u >= 0x0410 && u <= 0x042F) other = u + 0x20;
      else if (u >= 0x0400 && u <= 0x040F) other = u + 0x50;
      else if (u == 0x0490) other = 0x0491;
      if (other == 0) continue;
      for (int c = 128; c < 256; ++c) {
        if (toUni[c] == other) {
          lower[b] = static_cast<unsigned char>(c);
          upper[c] = static_cast<unsigned char>(b);
        }
      }
    }
  }
};

const Tables& T() {
  static const Tables tables;
  return tables;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at s[i]; returns the code point or -1 for an invalid one, and
// advances i past what was consumed (at least one byte).
long DecodeUtf8(std::string_view s, size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int len;
  char32_t cp;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) { len = 2; cp = b0 & 0x1F; min = 0x80; }
  else if ((b0 & 0xF0) == 0xE0) { len = 3; cp = b0 & 0x0F; min = 0x800; }
  else if ((b0 & 0xF8) == 0xF0) { len = 4; cp = b0 & 0x07; min = 0x10000; }
  else { ++i; return -1; }
  if (i + len > s.size()) { ++i; return -1; }
  for (int k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) { ++i; return -1; }
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { ++i; return -1; }
  i += len;
  return static_cast<long>(cp);
}

}  // namespace

char16_t ToUnicode(unsigned char byte) { return T().toUni[byte]; }

char FromUnicode(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<char>(0xC0 + (cp - 0x0410));
  for (int b = 0; b < 64; ++b) {
    if (kHigh[b] == cp) return static_cast<char>(0x80 + b);
  }
  return '?';
}

bool HasChar(char32_t cp) {
  return cp == '?' || FromUnicode(cp) != '?';
}

std::string ToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size() * 2);
  for (unsigned char c : ansi) {
    if (c < 0x80) out += static_cast<char>(c);
    else AppendUtf8(out, T().toUni[c]);
  }
  return out;
}

std::u16string ToUtf16(std::string_view ansi) {
  std::u16string out;
  out.resize(ansi.size());
  const auto& t = T().toUni;
  for (size_t i = 0; i < ansi.size(); ++i) out[i] = t[static_cast<unsigned char>(ansi[i])];
  return out;
}

std::string FromUtf16(std::u16string_view s, size_t* missing) {
  std::string out;
  out.reserve(s.size());
  size_t lacked = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    char16_t u = s[i];
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else if (u >= 0xD800 && u <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
               s[i + 1] <= 0xDFFF) {
      ++i;  // characters beyond the basic plane are never in the code page
      out += '?';
      ++lacked;
    } else {
      out += FromUnicode(u);
      lacked += out.back() == '?';
    }
  }
  if (missing) *missing = lacked;
  return out;
}

bool FromUtf8(std::string_view utf8, std::string& out, size_t* missing) {
  out.clear();
  out.reserve(utf8.size());
  size_t lacked = 0;
  for (size_t i = 0; i < utf8.size();) {
    long cp = DecodeUtf8(utf8, i);
    if (cp < 0) {
      out.clear();
      return false;
    }
    out += FromUnicode(static_cast<char32_t>(cp));
    lacked += cp >= 0x80 && out.back() == '?';
  }
  if (missing) *missing = lacked;
  return true;
}

std::string FromUtf8Lenient(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    long cp = DecodeUtf8(utf8, i);
    out += cp < 0 ? '?' : FromUnicode(static_cast<char32_t>(cp));
  }
  return out;
}

unsigned char UpperByte(unsigned char byte) { return T().upper[byte]; }
unsigned char LowerByte(unsigned char byte) { return T().lower[byte]; }

}  // namespace cp1251

}  // namespace quillet
