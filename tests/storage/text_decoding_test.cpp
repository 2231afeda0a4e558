#include "storage/text_decoding.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::Utf16Bytes;

const std::string kMark8 = "\xEF\xBB\xBF";
const std::string kMarkLe = "\xFF\xFE";
const std::string kMarkBe = "\xFE\xFF";
const std::string kNul(1, '\0');

TEST(DecodeBytes, EncodingsAndReplacedCharacters) {
  const std::u16string block = u"1\r\n00:00:01,000 --> 00:00:02,000\r\nПривет, мир\r\n";
  const std::string blockAnsi = Ansi("1\r\n00:00:01,000 --> 00:00:02,000\r\nПривет, мир\r\n");
  const std::string ansiWithNul = Ansi("1\r\n00:00:01,000 --> 00:00:02,000\r\nПри") + kNul + Ansi("вет\r\n");
  struct Case {
    const char* what;
    std::string bytes, text;
    TextEncoding encoding;
    int64_t replaced;
  };
  const std::vector<Case> cases = {
      {"UTF-8 without a mark", "Привет, мир", Ansi("Привет, мир"), TextEncoding::Utf8, 0},
      {"characters 1251 lacks, one of them beyond 16 bits; a ? of the text is not counted",
       "€ → ✓ 😀?", "\x88 ? ? ??", TextEncoding::Utf8, 3},
      {"ASCII only", "1\r\nabc", "1\r\nabc", TextEncoding::Ansi1251, 0},
      {"1251 Cyrillic is not UTF-8", Ansi("Привет"), Ansi("Привет"), TextEncoding::Ansi1251, 0},
      {"valid UTF-8 up to a byte that is not", "Привет\xFF", "Привет\xFF", TextEncoding::Ansi1251, 0},
      {"UTF-8 with its mark", kMark8 + "Ж✓", Ansi("Ж?"), TextEncoding::Utf8, 1},
      {"a mark before bad UTF-8", kMark8 + "\xC3(ab\xFF", "\xC3(ab\xFF", TextEncoding::Ansi1251, 0},
      {"UTF-16 little-endian with its mark", kMarkLe + Utf16Bytes(u"Hi ✓"), "Hi ?", TextEncoding::Utf16, 1},
      {"UTF-16 big-endian with its mark", kMarkBe + Utf16Bytes(block, true), blockAnsi, TextEncoding::Utf16, 0},
      {"UTF-16 little-endian without a mark", Utf16Bytes(block), blockAnsi, TextEncoding::Utf16, 0},
      {"UTF-16 big-endian without a mark", Utf16Bytes(block, true), blockAnsi, TextEncoding::Utf16, 0},
      {"a pair of surrogates is one character", kMarkLe + Utf16Bytes(u"a😀"), "a?", TextEncoding::Utf16, 1},
      {"odd UTF-16 loses its last byte", Utf16Bytes(u"ab") + "c", "ab", TextEncoding::Utf16, 0},
      {"a 1251 file with one NUL byte", ansiWithNul, ansiWithNul, TextEncoding::Ansi1251, 0},
      {"1251 padded with zeros", Ansi("Привет") + std::string(64, '\0'), Ansi("Привет") + std::string(64, '\0'),
       TextEncoding::Ansi1251, 0},
      {"a zero byte only at the end", "abc" + kNul, "abc" + kNul, TextEncoding::Ansi1251, 0},
      {"FF FE on an odd length without zeros", kMarkLe + "A", kMarkLe + "A", TextEncoding::Ansi1251, 0},
      {"nothing", "", "", TextEncoding::Ansi1251, 0},
  };
  for (const Case& c : cases) {
    const DecodedText d = DecodeBytes(c.bytes);
    EXPECT_EQ(std::tuple(d.text, EncodingName(d.info.encoding), d.info.replaced),
              std::tuple(c.text, EncodingName(c.encoding), c.replaced))
        << c.what;
  }
}

// The share of zero bytes that makes a text without a mark UTF-16: at least two, in at least
// one unit of eight, with at most one tenth as many on the other side of the units.
TEST(GuessUtf16, ShareOfZeroBytes) {
  // units: two-byte units of 'a' 'a'; zeros put at these byte offsets.
  auto text = [](size_t units, std::vector<size_t> zeros) {
    std::string s(units * 2, 'a');
    for (size_t at : zeros) s[at] = '\0';
    return s;
  };
  std::vector<size_t> tenSecond, tenSecondOneFirst;
  for (size_t i = 0; i < 10; ++i) tenSecond.push_back(2 * i + 1);
  tenSecondOneFirst = tenSecond;
  tenSecondOneFirst.push_back(40);
  std::vector<size_t> nineSecondOneFirst(tenSecond.begin(), tenSecond.end() - 1);
  nineSecondOneFirst.push_back(40);
  const std::tuple<const char*, std::string, Utf16Guess> cases[] = {
      {"one zero in one unit", text(1, {1}), Utf16Guess::None},
      {"two zeros in 16 units", text(16, {1, 3}), Utf16Guess::LittleEndian},
      {"two zeros in 17 units", text(17, {1, 3}), Utf16Guess::None},
      {"two zeros in 16 units, first bytes", text(16, {0, 2}), Utf16Guess::BigEndian},
      {"ten against one", text(80, tenSecondOneFirst), Utf16Guess::LittleEndian},
      {"nine against one", text(72, nineSecondOneFirst), Utf16Guess::None},
      {"both sides alike", text(4, {0, 1, 2, 3}), Utf16Guess::None},
  };
  for (const auto& [what, bytes, guess] : cases) EXPECT_EQ(GuessUtf16(bytes), guess) << what;
}

}  // namespace
}  // namespace quillet
