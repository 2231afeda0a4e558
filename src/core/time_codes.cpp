#include "core/time_codes.h"

#include <limits>

#include "core/text_utils.h"

namespace quillet {
namespace {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One digit run: skips non-digits, collects digits. False when no digit came before the end
// of the text or the value does not fit a signed 32-bit integer.
bool ReadRun(std::string_view text, int& pos, int64_t& value) {
  const int n = static_cast<int>(text.size());
  while (pos <= n && !IsDigit(text[pos - 1])) ++pos;
  if (pos > n) return false;
  value = 0;
  bool fits = true;
  while (pos <= n && IsDigit(text[pos - 1])) {
    if (fits) {
      value = value * 10 + (text[pos - 1] - '0');
      if (value > std::numeric_limits<int32_t>::max()) fits = false;
    }
    ++pos;
  }
  return fits;
}

}  // namespace

int32_t ReadTimeCode(std::string_view text, int& pos) {
  if (pos == 0) pos = 1;
  if (pos < 0 || pos > static_cast<int>(text.size())) return -1;
  int64_t h = 0, m = 0, s = 0, ms = 0;
  bool ok = ReadRun(text, pos, h);
  ok = ReadRun(text, pos, m) && ok;
  ok = ReadRun(text, pos, s) && ok;
  ++pos;  // the separator before the milliseconds, whatever it is
  const int n = static_cast<int>(text.size());
  if (pos + 2 <= n && IsDigit(text[pos - 1]) && IsDigit(text[pos]) && IsDigit(text[pos + 1])) {
    ms = (text[pos - 1] - '0') * 100 + (text[pos] - '0') * 10 + (text[pos + 1] - '0');
    pos += 3;
  } else {
    ok = false;
  }
  if (!ok) return -1;
  const int64_t total = h * 3600000 + m * 60000 + s * 1000 + ms;
  if (total > std::numeric_limits<int32_t>::max()) return -1;
  return static_cast<int32_t>(total);
}

std::string FormatTimeCodeEx(int32_t ms, bool withSeconds) {
  if (ms < 0) return {};
  const int32_t hours = ms / 3600000;
  const int32_t minutes = ms % 3600000 / 60000;
  const int32_t seconds = ms % 60000 / 1000;
  std::string text = IntToStrZ(hours, 1) + ":" + IntToStrZ(minutes, 2);
  if (withSeconds) text += ":" + IntToStrZ(seconds, 2);
  return text;
}

}  // namespace quillet
