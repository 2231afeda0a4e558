#include "core/number_field_rules.h"

#include <charconv>

namespace quillet {

namespace {

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

KeyFilterResult FilterEditKey(int textLength, bool hasSelection, char32_t key, int maxLen) {
  if (key < 32) return {key, false};
  if (textLength >= maxLen && !hasSelection) return {0, true};
  if (!IsDigit(key)) return {0, true};
  return {key, false};
}

ClampResult ClampEditNumber(std::string_view text, int maxLen, std::optional<NumberLimits> limits) {
  ClampResult result;
  const size_t limit = maxLen > 0 ? static_cast<size_t>(maxLen) : 0;
  for (char c : text) {
    if (result.text.size() >= limit) break;
    if (IsDigit(static_cast<unsigned char>(c))) result.text.push_back(c);
  }
  result.beep = result.text != text;
  if (!limits) return result;

  if (result.text.empty()) {
    result.text = std::to_string(limits->min);
    return result;
  }
  int64_t value = 0;
  const char* first = result.text.data();
  const char* last = first + result.text.size();
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec == std::errc::result_out_of_range || (ec == std::errc() && value > limits->max)) {
    result.text = std::to_string(limits->max);
  } else if (ec == std::errc() && end == last && value < limits->min) {
    result.text = std::to_string(limits->min);
  }
  return result;
}

}  // namespace quillet
