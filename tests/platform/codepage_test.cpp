// The Windows-1251 table and the ANSI letter case, checked against the system's own converter
// and character classes.
#include "platform/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <clocale>
#include <cstring>
#include <cwctype>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace quillet {
namespace {

// One conversion through glibc's iconv; nullopt when it refuses the input.
std::optional<std::string> Iconv(const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(16 + in.size() * 4, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1) || srcLeft != 0) return std::nullopt;
  out.resize(out.size() - dstLeft);
  return out;
}

std::string Utf32(char32_t cp) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>((cp >> (8 * i)) & 0xFF);
  return s;
}

char32_t FromUtf32(const std::string& s) {
  char32_t cp = 0;
  for (int i = 3; i >= 0; --i) cp = (cp << 8) | static_cast<unsigned char>(s[i]);
  return cp;
}

TEST(CodePage, EveryByteMapsAsTheSystemConverterSays) {
  ASSERT_TRUE(Iconv("UTF-32LE", "CP1251", "a").has_value()) << "iconv lacks CP1251";
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const auto uni = Iconv("UTF-32LE", "CP1251", byte);
    if (b == 0x98) {
      // Undefined in the code page and refused by iconv. Here it stands for U+0098, so that
      // a file holding the byte comes out of the editor as it went in.
      EXPECT_FALSE(uni.has_value());
      EXPECT_EQ(std::tuple(cp1251::ToUnicode(0x98), cp1251::FromUnicode(0x98), cp1251::ToUtf8(byte)),
                std::tuple(u'\u0098', '\x98', "\xC2\x98"));
      continue;
    }
    ASSERT_TRUE(uni.has_value()) << b;
    EXPECT_EQ(cp1251::ToUnicode(static_cast<unsigned char>(b)), FromUtf32(*uni)) << b;
    EXPECT_EQ(cp1251::ToUtf8(byte), Iconv("UTF-8", "CP1251", byte).value()) << b;
    EXPECT_EQ(cp1251::ToUtf16(byte), std::u16string(1, cp1251::ToUnicode(static_cast<unsigned char>(b))));
  }
}

TEST(CodePage, EveryCharacterOfTheBasicPlaneMapsBackAsTheSystemConverterSays) {
  for (char32_t cp = 0; cp < 0x10000; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const auto byte = Iconv("CP1251", "UTF-32LE", Utf32(cp));
    if (cp == 0x98) {
      EXPECT_EQ(cp1251::FromUnicode(cp), '\x98');
    } else if (byte.has_value()) {
      ASSERT_EQ(byte->size(), 1u) << std::hex << static_cast<uint32_t>(cp);
      EXPECT_EQ(std::tuple(cp1251::FromUnicode(cp), cp1251::HasChar(cp)), std::tuple((*byte)[0], true))
          << std::hex << static_cast<uint32_t>(cp);
    } else {
      EXPECT_EQ(std::tuple(cp1251::FromUnicode(cp), cp1251::HasChar(cp)), std::tuple('?', false))
          << std::hex << static_cast<uint32_t>(cp);
    }
  }
  EXPECT_EQ(cp1251::FromUnicode(0x1F600), '?');
  EXPECT_EQ(cp1251::FromUnicode(0x110000), '?');
}

TEST(CodePage, Utf8InAndOut) {
  // What FromUtf8 gives (empty when refused) and what FromUtf8Lenient gives.
  struct Case { const char* utf8; bool valid; std::string strict; std::string lenient; };
  const Case cases[] = {
      {"", true, "", ""},
      {"abc", true, "abc", "abc"},
      {"Привет", true, "\xCF\xF0\xE8\xE2\xE5\xF2", "\xCF\xF0\xE8\xE2\xE5\xF2"},
      {"\xC2\xA0\xE2\x84\x96\xE2\x82\xAC", true, "\xA0\xB9\x88", "\xA0\xB9\x88"},  // nbsp, №, €
      {"a\xC4\x81z", true, "a?z", "a?z"},                 // ā is not in the code page
      {"\xF0\x9F\x98\x80!", true, "?!", "?!"},            // one character beyond the plane
      {"a\xC3", false, "", "a?"},                         // cut short
      {"\xC3\x28", false, "", "?("},                      // no continuation byte
      {"\xC0\xAF", false, "", "??"},                      // overlong
      {"\xED\xA0\x80", false, "", "???"},                 // a surrogate
      {"\xF4\x90\x80\x80", false, "", "????"},            // beyond U+10FFFF
      {"\x80", false, "", "?"},
      {"\xFF\xFE", false, "", "??"},
  };
  for (const Case& c : cases) {
    std::string out = "left over";
    const bool valid = cp1251::FromUtf8(c.utf8, out);
    EXPECT_EQ(std::tuple(valid, out, cp1251::FromUtf8Lenient(c.utf8)), std::tuple(c.valid, c.strict, c.lenient))
        << c.utf8;
  }
  // NUL is a character like any other.
  const std::string nul("a\0b", 3);
  std::string out;
  EXPECT_TRUE(cp1251::FromUtf8(nul, out));
  EXPECT_EQ(std::tuple(out, cp1251::ToUtf8(nul)), std::tuple(nul, nul));
}

TEST(CodePage, Utf16In) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"", ""}, {u"Жж", "\xC6\xE6"}, {u"\u0101", "?"}, {u"\u0098", "\x98"},
      {u"\U0001F600x", "?x"},                    // a pair is one character
      {std::u16string(1, 0xD83D) + u"x", "?x"},  // unpaired high surrogate
      {std::u16string(1, 0xDE00), "?"},          // unpaired low surrogate
      {std::u16string(1, 0xD83D), "?"},          // high surrogate at the end
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(cp1251::FromUtf16(in), out) << out;
}

TEST(CodePage, LetterCaseOfEveryByteFollowsItsUnicodeCharacter) {
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
  ASSERT_EQ(std::towupper(L'ж'), static_cast<wint_t>(L'Ж'));
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const char32_t u = cp1251::ToUnicode(byte);
    const auto expect = [&](wint_t other) {
      // A case partner outside the code page leaves the byte as it is.
      if (other == u || !cp1251::HasChar(other)) return byte;
      return static_cast<unsigned char>(cp1251::FromUnicode(other));
    };
    EXPECT_EQ(cp1251::UpperByte(byte), expect(std::towupper(u))) << b;
    EXPECT_EQ(cp1251::LowerByte(byte), expect(std::towlower(u))) << b;
  }
  std::setlocale(LC_CTYPE, "C");
}

}  // namespace
}  // namespace quillet
