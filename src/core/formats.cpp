#include "core/formats.h"

#include "core/editor_lines.h"
#include "core/text_utils.h"

namespace quillet {
namespace {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The line from 1-based position from up to (not including) its CR, or to the end.
std::string_view RestOfLine(std::string_view text, int from) {
  if (from < 1 || from > static_cast<int>(text.size())) return {};
  const int cr = PosCR(text, from);
  const int end = cr == 0 ? static_cast<int>(text.size()) + 1 : cr;
  return text.substr(from - 1, end - from);
}

bool IsAssOrSsa(std::string_view text, bool& ass) {
  if (PosTextIn("[Script Info]", text, 1, 20) == 0) return false;
  const int e = PosTextFrom("[Events]", text, 13);
  if (e == 0) return false;
  if (PosTextFrom("\r\nDialogue:", text, e + 10) == 0) return false;

  ass = false;
  const int f = PosTextFrom("\r\nFormat:", text, e + 8);
  if (f != 0 && f <= e + 14 && PosTextFrom("Layer,", RestOfLine(text, f + 9), 1) != 0) {
    ass = true;
    return true;
  }
  const int v = PosTextBack("\r\n[V", text, e - 10);
  if (v != 0) {
    const std::string_view line = RestOfLine(text, v + 3);
    const int v4plus = PosTextFrom("V4+", line, 1);
    if (v4plus != 0 && PosTextFrom("Styles", line, v4plus + 2) != 0) ass = true;
    else if (PosTextFrom("V4", line, 1) != 0 && PosTextFrom("Styles+", line, 1) != 0) ass = true;
  }
  return true;
}

bool IsSrt(std::string_view text) {
  int pos = 1;
  for (int attempt = 0; attempt < 5; ++attempt) {
    const int a = PosTextIn(" --> ", text, pos, 5120);
    if (a == 0) return false;
    if (a <= 13) continue;  // the next try finds the same arrow again
    const std::string_view code = text.substr(a - 13, 12);
    bool ok = true;
    for (int i = 0; i < 12 && ok; ++i) {
      const char c = code[i];
      if (i == 2 || i == 5) ok = c == ':';
      else if (i == 8) ok = c == ',';
      else ok = IsDigit(c);
    }
    if (ok) return true;
    pos = a + 5;
  }
  return false;
}

}  // namespace

std::string FormatName(TextFormat format, bool lowerCase) {
  switch (format) {
    case TextFormat::Srt: return lowerCase ? "srt" : "SRT";
    case TextFormat::Ass: return lowerCase ? "ass" : "ASS";
    case TextFormat::Ssa: return lowerCase ? "ssa" : "SSA";
    default: return "???";
  }
}

TextFormat DetectFormatOf(std::string_view text) {
  if (text.empty()) return TextFormat::Unknown;
  bool ass = false;
  if (IsAssOrSsa(text, ass)) return ass ? TextFormat::Ass : TextFormat::Ssa;
  if (IsSrt(text)) return TextFormat::Srt;
  return TextFormat::Unknown;
}

TextFormat TextFormatTracker::DetectTextFormat(std::string_view text, bool update) {
  const TextFormat found = DetectFormatOf(text);
  if (!update) return found;
  if (found != TextFormat::Unknown || text.empty()) current_ = found;
  else if (current_ != TextFormat::Srt) current_ = TextFormat::Unknown;
  needsDetection_ = false;
  if (onLabel_) onLabel_(FormatName(current_, false));
  return found;
}

TextFormat TextFormatTracker::GetTextFormat() {
  if (!needsDetection_) return current_;
  LinesUse use(lines_);
  // The header rules look at the first 19 characters and the SRT rule at the first 5119, so
  // the whole text is needed only for ASS and SSA.
  std::string head;
  const int n = lines_.Count();
  for (int i = 0; i < n && head.size() < 5120; ++i) {
    if (i > 0) head += "\r\n";
    head += lines_.Get(i);
  }
  if (head.size() >= 5120 && PosTextIn("[Script Info]", head, 1, 20) != 0) {
    DetectTextFormat(lines_.JoinedText(), true);
  } else {
    DetectTextFormat(head, true);
  }
  return current_;
}

}  // namespace quillet
