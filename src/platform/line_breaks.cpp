#include "platform/line_breaks.h"

#include <cstring>

namespace quillet {

bool IsCrLfOnly(std::string_view t) {
  const size_t n = t.size();
  const char* p = t.data();
  for (size_t i = 0; i < n;) {
    const void* hit = std::memchr(p + i, '\r', n - i);
    const void* lf = std::memchr(p + i, '\n', n - i);
    size_t cr = hit ? static_cast<const char*>(hit) - p : n;
    size_t l = lf ? static_cast<const char*>(lf) - p : n;
    if (cr == n && l == n) return true;
    if (l < cr) return false;  // LF without CR before it
    if (cr + 1 >= n || p[cr + 1] != '\n') return false;
    i = cr + 2;
  }
  return true;
}

std::string ToCrLf(std::string_view t) {
  if (IsCrLfOnly(t)) return std::string(t);
  std::string out;
  out.reserve(t.size() + t.size() / 16);
  for (size_t i = 0; i < t.size(); ++i) {
    char c = t[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < t.size() && t[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace quillet
