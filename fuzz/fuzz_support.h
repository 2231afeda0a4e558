// What the fuzz targets share: the input split into a few leading option bytes and a text, an
// editor in memory whose questions are all answered Yes, and the check that stops a run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/line_breaks.h"
#include "support/fakes.h"

namespace quillet::fuzz {

// Longer inputs find nothing new and slow every run down.
inline constexpr size_t kMaxInput = 64 * 1024;

// Reads option values off the front of the input; the rest is the text.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(reinterpret_cast<const char*>(data), size) {}
  // The next byte, 0 once the input is used up.
  unsigned Byte() {
    if (data_.empty()) return 0;
    const unsigned b = static_cast<unsigned char>(data_.front());
    data_.remove_prefix(1);
    return b;
  }
  // A number from 0 to max, from two bytes.
  int Number(int max) {
    const unsigned v = Byte() << 8 | Byte();
    return max <= 0 ? 0 : static_cast<int>(v % (static_cast<unsigned>(max) + 1));
  }
  std::string_view Rest() const { return data_; }
  // The rest as the editor would hold it: every line break CR LF.
  std::string EditorText() const { return ToCrLf(data_); }

 private:
  std::string_view data_;
};

// An editor holding text whose every question is answered Yes (a warning, then the outcome).
struct YesEditor : testing::TestEditor {
  explicit YesEditor(std::string_view text) : TestEditor(text) {
    prompt.Script({Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes});
  }
};

// A property that does not hold: the input is a finding.
#define FUZZ_CHECK(cond)                                                   \
  do {                                                                     \
    if (!(cond)) {                                                         \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                        \
    }                                                                      \
  } while (0)

// The text with a closing line break, as a whole-text operation leaves it.
inline std::string WithClosingBreak(std::string text) {
  if (!text.empty() && (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)) text += "\r\n";
  return text;
}

// The line breaks of a text.
inline int CountLines(const std::string& text) {
  int n = 0;
  for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) ++n;
  return n;
}

}  // namespace quillet::fuzz
