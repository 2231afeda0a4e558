#include "core/text_utils.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/constants.h"
#include "platform/codepage.h"

namespace quillet {
namespace {

std::array<unsigned char, 256> BuildTable() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) {
    const auto b = static_cast<unsigned char>(i);
    const unsigned char up = cp1251::UpperByte(b);
    t[i] = up == b ? cp1251::LowerByte(b) : up;
  }
  return t;
}

const std::array<unsigned char, 256>& Table() {
  static const std::array<unsigned char, 256> table = BuildTable();
  return table;
}

inline unsigned char U(char c) { return static_cast<unsigned char>(c); }

// Whether sub matches s at 0-based offset i (the caller has checked that it fits).
inline bool MatchAt(std::string_view sub, std::string_view s, size_t i, bool noCase) {
  if (!noCase) return std::memcmp(s.data() + i, sub.data(), sub.size()) == 0;
  const auto& t = Table();
  for (size_t k = 0; k < sub.size(); ++k) {
    const unsigned char a = U(s[i + k]);
    const unsigned char b = U(sub[k]);
    if (a != b && a != t[b]) return false;
  }
  return true;
}

// First match starting at 1-based from.. whose end does not pass 1-based last.
int Forward(std::string_view sub, std::string_view s, int from, int last, bool noCase) {
  if (sub.empty() || s.empty() || from < 0 || from > static_cast<int>(s.size())) return 0;
  if (from == 0) from = 1;
  const int lastStart = last - static_cast<int>(sub.size()) + 1;
  if (from > lastStart) return 0;
  if (!noCase) {
    const size_t hit = s.find(sub, static_cast<size_t>(from - 1));
    if (hit == std::string_view::npos || static_cast<int>(hit) + 1 > lastStart) return 0;
    return static_cast<int>(hit) + 1;
  }
  // The candidates are the places of the first character in either case; each of the two is
  // looked for with memchr and looked for again only once passed.
  const char first = sub[0];
  const char firstOther = static_cast<char>(Table()[U(first)]);
  const char* const data = s.data();
  const size_t end = static_cast<size_t>(lastStart);  // 0-based candidates stay below end
  const auto next = [&](char c, size_t at) -> size_t {
    if (at >= end) return end;
    const void* hit = std::memchr(data + at, c, end - at);
    return hit ? static_cast<size_t>(static_cast<const char*>(hit) - data) : end;
  };
  size_t a = next(first, static_cast<size_t>(from - 1));
  size_t b = firstOther == first ? end : next(firstOther, static_cast<size_t>(from - 1));
  while (a < end || b < end) {
    const size_t p = a < b ? a : b;
    if (MatchAt(sub, s, p, true)) return static_cast<int>(p) + 1;
    if (a == p) a = next(first, p + 1);
    if (b == p) b = next(firstOther, p + 1);
  }
  return 0;
}

int Backward(std::string_view sub, std::string_view s, int from, bool noCase) {
  if (sub.empty() || s.empty() || from < 0 || from > static_cast<int>(s.size())) return 0;
  int start = static_cast<int>(s.size() - sub.size()) + 1;
  if (sub.size() > s.size()) return 0;
  if (from > 0 && from < start) start = from;
  for (int p = start; p >= 1; --p) {
    if (MatchAt(sub, s, p - 1, noCase)) return p;
  }
  return 0;
}

}  // namespace

void BuildCaseTable() { (void)Table(); }
unsigned char OppositeCase(unsigned char c) { return Table()[c]; }

int PosFrom(std::string_view sub, std::string_view s, int from) {
  return Forward(sub, s, from, static_cast<int>(s.size()), false);
}
int PosTextFrom(std::string_view sub, std::string_view s, int from) {
  return Forward(sub, s, from, static_cast<int>(s.size()), true);
}
int PosBack(std::string_view sub, std::string_view s, int from) { return Backward(sub, s, from, false); }
int PosTextBack(std::string_view sub, std::string_view s, int from) { return Backward(sub, s, from, true); }

int PosTextIn(std::string_view sub, std::string_view s, int from, int limit) {
  int last = static_cast<int>(s.size());
  if (limit - 1 < last) last = limit - 1;
  return Forward(sub, s, from, last, true);
}

int PosCharFrom(char c, std::string_view s, int from) {
  if (from < 1 || from > static_cast<int>(s.size())) return 0;
  const void* hit = std::memchr(s.data() + from - 1, c, s.size() - (from - 1));
  return hit ? static_cast<int>(static_cast<const char*>(hit) - s.data()) + 1 : 0;
}

int PosCR(std::string_view s, int from) { return PosCharFrom('\r', s, from); }

int LineStartOf(std::string_view s, int pos) {
  if (pos < 1 || pos > static_cast<int>(s.size())) return 0;
  for (int p = pos - 1; p >= 1; --p) {
    if (s[p - 1] == '\n') return p + 1;
  }
  return 1;
}

bool SameTextSp(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  return a.empty() || MatchAt(a, b, 0, true);
}
bool SameStrSp(std::string_view a, std::string_view b) { return a == b; }
bool SameStrCase(std::string_view a, std::string_view b, bool caseSensitive) {
  return caseSensitive ? SameStrSp(a, b) : SameTextSp(a, b);
}
int PosCase(std::string_view sub, std::string_view s, bool caseSensitive) {
  return caseSensitive ? PosFrom(sub, s, 1) : PosTextFrom(sub, s, 1);
}

bool CompareCharsSp(std::string_view a, std::string_view b, int n, bool ignoreCase) {
  if (n <= 0) return true;
  if (static_cast<int>(a.size()) < n || static_cast<int>(b.size()) < n) return false;
  return MatchAt(a.substr(0, n), b, 0, ignoreCase);
}

int LeadingDigits(std::string_view buffer, int n) {
  int limit = n < static_cast<int>(buffer.size()) ? n : static_cast<int>(buffer.size());
  int k = 0;
  while (k < limit && buffer[k] >= '0' && buffer[k] <= '9') ++k;
  return k;
}

int RightTrimmedLength(std::string_view s) {
  int n = static_cast<int>(s.size());
  while (n > 0 && U(s[n - 1]) <= 32) --n;
  return n;
}

void TrimRightSp(std::string& s) { s.resize(RightTrimmedLength(s)); }

std::string_view TrimmedView(std::string_view s) {
  s = s.substr(0, RightTrimmedLength(s));
  size_t i = 0;
  while (i < s.size() && U(s[i]) <= 32) ++i;
  return s.substr(i);
}

bool TrimInPlace(std::string& s) {
  std::string_view t = TrimmedView(s);
  if (t.size() == s.size()) return false;
  s = std::string(t);
  return true;
}

std::string EmptyIfBlank(std::string_view s) {
  return RightTrimmedLength(s) == 0 ? std::string() : std::string(s);
}

void ReverseStr(std::string& s) {
  for (size_t i = 0, j = s.size(); i + 1 < j; ++i, --j) std::swap(s[i], s[j - 1]);
}

std::string IntToStrZ(int64_t value, int width) {
  std::string s = std::to_string(value);
  if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), '0');
  return s;
}

std::string Dec(int64_t value) { return std::to_string(value); }

bool FloatToStrSp(std::string& s, uint16_t intDigits, uint16_t decimals, long double value) {
  s.clear();
  try {
    if (std::isfinite(value)) {
      // 18 significant decimal digits, then rounded half away from zero to `decimals` places.
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.17Le", value);
      const bool negative = buf[0] == '-';
      const char* p = buf + (negative ? 1 : 0);
      std::string digits;
      digits += p[0];
      const char* dot = std::strchr(p, '.');
      const char* e = std::strchr(p, 'e');
      if (dot && e) digits.append(dot + 1, e);
      const int exp10 = e ? std::atoi(e + 1) : 0;
      if (exp10 >= -9999 && exp10 <= 9999) {
        // digits d0 d1 ... with the point after d0 shifted by exp10: value = 0.d0d1.. * 10^(exp10+1)
        const int pointPos = exp10 + 1;  // digits before the point (may be <= 0)
        // Keep digits up to `decimals` places after the point.
        const int keep = pointPos + decimals;
        std::string kept;
        bool roundUp = false;
        if (keep < 0) {
          kept = "";
        } else {
          kept = digits.substr(0, std::min<size_t>(keep, digits.size()));
          if (keep < static_cast<int>(digits.size())) roundUp = digits[keep] >= '5';
          if (static_cast<int>(kept.size()) < keep) kept.append(keep - kept.size(), '0');
        }
        int point = pointPos;
        if (roundUp) {
          int i = static_cast<int>(kept.size()) - 1;
          while (i >= 0 && kept[i] == '9') kept[i--] = '0';
          if (i >= 0) {
            ++kept[i];
          } else {
            kept.insert(kept.begin(), '1');
            ++point;
          }
        }
        // Split into integer and fraction parts.
        std::string intPart;
        std::string frac;
        if (point <= 0) {
          intPart = "0";
          frac = std::string(-point, '0') + kept;
        } else {
          intPart = kept.substr(0, std::min<size_t>(point, kept.size()));
          if (static_cast<int>(intPart.size()) < point) intPart.append(point - intPart.size(), '0');
          if (static_cast<int>(kept.size()) > point) frac = kept.substr(point);
        }
        if (static_cast<int>(frac.size()) > decimals) frac.resize(decimals);
        while (!frac.empty() && frac.back() == '0') frac.pop_back();
        size_t nz = intPart.find_first_not_of('0');
        intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
        const bool zero = intPart == "0" && frac.empty();
        s = (negative && !zero ? "-" : "") + intPart + (frac.empty() ? "" : "." + frac);
      }
    }
    if (!s.empty() && !(s.back() >= '0' && s.back() <= '9')) s.clear();
    if (s.empty()) {
      s = "Не удалось преобразовать число в строку текста. Возможно, число слишком длинное или "
          "содержит неопределёное значение.";
      return false;
    }
    if (intDigits >= 1) {
      const size_t signLen = s[0] == '-' ? 1 : 0;
      size_t dotPos = s.find('.');
      size_t intLen = (dotPos == std::string::npos ? s.size() : dotPos) - signLen;
      if (intLen < intDigits) s.insert(signLen, intDigits - intLen, '0');
    }
    return true;
  } catch (...) {
    s = std::string("Сбой при попытке преобразовать числовое значение в строку текста") +
        MsgContactDeveloper;
    return false;
  }
}

int DateTimeToMs(double dt) {
  double part = dt < 1 ? dt : dt - std::floor(dt);
  return static_cast<int>(std::nearbyint(part * 86400.0)) * 1000;
}

double MsToDateTime(int ms) { return static_cast<double>(ms % 86400000) / 86400000.0; }

namespace {

std::string Wording(int64_t n, const char* unit, bool hours) {
  const std::string num = std::to_string(n);
  std::string text = num + unit;
  const char last = num.back();
  if (num.size() >= 2 && num[num.size() - 2] == '1') {
    if (hours) text += "ов";
  } else if (last == '1') {
    if (!hours) text += "у";
  } else if (last >= '2' && last <= '4') {
    text += hours ? "а" : "ы";
  } else if (hours) {
    text += "o" "в";  // the program's own ending: a Latin "o" before the Cyrillic letter
  }
  return text;
}

}  // namespace

std::string DurationToText(double dt) {
  const int64_t days = static_cast<int64_t>(std::trunc(dt));
  const int64_t secs = DateTimeToMs(dt) / 1000;
  const int64_t hours = days * 24 + secs / 3600;
  const int64_t minutes = (secs % 3600) / 60;
  const int64_t seconds = secs % 60;
  std::string text;
  if (hours != 0) {
    text = Wording(hours, " час", true);
    if (hours >= 1 && minutes == 0) return text;
  }
  if (minutes > 0) {
    if (!text.empty()) text += ' ';
    text += Wording(minutes, " минут", false);
  }
  if (text.empty() && seconds != 0) text = Wording(seconds, " секунд", false);
  return text;
}

int32_t MakeLongSp(uint16_t high, uint16_t low) {
  const uint32_t lowExtended = static_cast<uint32_t>(static_cast<int32_t>(static_cast<int16_t>(low)));
  return static_cast<int32_t>((static_cast<uint32_t>(high) << 16) | lowExtended);
}

}  // namespace quillet
