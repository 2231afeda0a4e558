#include "core/formats.h"

#include <cstdio>

#include "core/constants.h"
#include "core/editor.h"
#include "core/editor_lines.h"
#include "core/text_utils.h"
#include "platform/message_sink.h"

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
  host_.FormatNameChanged(FormatName(current_, false));
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

// ---- ASS and SSA to SRT ------------------------------------------------------------------

namespace {

// Whether the line that holds 1-based position pos is a comment line of a script.
bool InCommentLine(std::string_view text, int pos) {
  const int start = LineStartOf(text, pos);
  if (start == 0) return false;
  const std::string_view line = text.substr(start - 1);
  if (line.empty()) return false;
  if (line[0] == ';') return true;
  if (line.size() >= 2 && line[0] == '!' && line[1] == ':') return true;
  return line.size() >= 2 && line[0] == '/' && line[1] == '/';
}

// The next event from 1-based from: a "Dialogue" at the start of a line, or inside a line that
// is not a comment. 0 when there is none.
int FindNextEvent(std::string_view text, int from) {
  while (from >= 1 && from <= static_cast<int>(text.size())) {
    const int p = PosTextFrom("Dialogue", text, from);
    if (p == 0) return 0;
    if (p == 1 || text[p - 2] == '\n') return p;
    if (!InCommentLine(text, p)) return p;
    from = p + 8;
  }
  return 0;
}

void AppendDecimal(std::string& out, int value) {
  char buf[16];
  const int n = std::snprintf(buf, sizeof buf, "%d", value);
  out.append(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

}  // namespace

bool PadNumber(std::string_view piece, int width, std::string& out) {
  piece = TrimmedView(piece);
  if (piece.empty()) return false;
  // As a number: leading zeros do not count, and a run too long for any width fails at once.
  size_t first = 0;
  while (first + 1 < piece.size() && piece[first] == '0') ++first;
  const std::string_view digits = piece.substr(first);
  for (char c : digits) {
    if (!IsDigit(c)) return false;
  }
  if (static_cast<int>(digits.size()) > width) return false;
  out.assign(width - digits.size(), '0');
  out.append(digits);
  return true;
}

bool ConvertAssTime(int& p, std::string_view line, std::string& out) {
  const int c1 = PosCharFrom(',', line, p < 1 ? 1 : p);
  if (c1 == 0) return false;
  const int c2 = PosCharFrom(':', line, c1 + 1);
  if (c2 == 0) return false;
  const int c3 = PosCharFrom(':', line, c2 + 1);
  if (c3 == 0) return false;
  const int c4 = PosCharFrom('.', line, c3 + 1);
  if (c4 == 0) return false;
  const int c5 = PosCharFrom(',', line, c4 + 1);
  if (c5 == 0) return false;
  auto piece = [&](int from, int to) { return line.substr(from, to - from - 1); };
  std::string hours, minutes, seconds, fraction;
  if (!PadNumber(piece(c1, c2), 2, hours) || !PadNumber(piece(c2, c3), 2, minutes) ||
      !PadNumber(piece(c3, c4), 2, seconds)) {
    return false;
  }
  // The fraction is the leading digits of the milliseconds: ".5" is 500 ms, ".50" too.
  std::string frac(TrimmedView(piece(c4, c5)));
  if (frac.size() == 1) frac += "00";
  else if (frac.size() == 2) frac += '0';
  if (!PadNumber(frac, 3, fraction)) return false;
  out.clear();
  out.reserve(12);
  out.append(hours).append(":").append(minutes).append(":").append(seconds).append(",").append(fraction);
  p = c5;
  return true;
}

bool IsAssBreakAt(std::string_view s, size_t i) {
  return i + 1 < s.size() && s[i] == '\\' && (s[i + 1] == 'N' || s[i + 1] == 'n');
}

std::string_view AssEventText(std::string_view line) {
  size_t pos = 0;
  for (int i = 0; i < 9; ++i) {
    const size_t c = line.find(',', pos);
    if (c == std::string_view::npos) return {};
    pos = c + 1;
  }
  return line.substr(pos);
}

std::string CleanAssText(std::string_view line) {
  // 1. The text follows the ninth comma.
  std::string_view view = AssEventText(line);

  // 2. Breaks at either end go.
  while (view.size() >= 2 && IsAssBreakAt(view, view.size() - 2)) view.remove_suffix(2);
  while (IsAssBreakAt(view, 0)) view.remove_prefix(2);
  std::string text(view);

  // 3. A closing tag group goes, with the blanks before it.
  if (!text.empty() && text.back() == '}') {
    const size_t open = text.rfind('{');
    if (open != std::string::npos) text.erase(open);
    TrimRightSp(text);
  }

  // 4. The remaining tag groups: each "{...}" goes on its own, so the words between two
  // groups stay. A "{" that nothing closes leaves the text as it is.
  size_t open = text.find('{');
  if (open != std::string::npos) {
    if (text.find('}', open) == std::string::npos) return text;
    std::string kept;
    kept.reserve(text.size());
    size_t from = 0;
    while (open != std::string::npos) {
      const size_t close = text.find('}', open);
      if (close == std::string::npos) break;
      kept.append(text, from, open - from);
      from = close + 1;
      open = text.find('{', from);
    }
    kept.append(text, from, std::string::npos);
    text.swap(kept);
  }

  // 5. "\N" and "\n" become line breaks; the blanks right after one go. A line that would be
  // left blank ("\N\N", or a break after tags or blanks) goes too: in SRT it would end the
  // block, and the rest of the event would stand outside any block or make blocks of its own.
  if (text.find('\\') == std::string::npos) return text;
  std::string out;
  out.reserve(text.size() + 8);
  size_t lineStart = 0;
  auto lineIsBlank = [&] { return RightTrimmedLength(std::string_view(out).substr(lineStart)) == 0; };
  for (size_t i = 0; i < text.size();) {
    if (IsAssBreakAt(text, i)) {
      if (lineIsBlank()) {
        out.resize(lineStart);
      } else {
        out += "\r\n";
        lineStart = out.size();
      }
      i += 2;
      while (i < text.size() && text[i] == ' ') ++i;
    } else {
      out += text[i++];
    }
  }
  if (lineStart > 0 && lineIsBlank()) out.resize(lineStart - 2);
  return out;
}

SrtConversion ConvertAssEvents(std::string_view text) {
  SrtConversion r;
  r.srt.reserve(text.size() / 2);
  const int size = static_cast<int>(text.size());
  std::string start, end;
  int p = FindNextEvent(text, 1);
  while (p != 0) {
    const int cr = PosCR(text, p);
    const int lineEnd = cr == 0 ? size + 1 : cr;
    const std::string_view line = TrimmedView(text.substr(p - 1, lineEnd - p));

    bool ok = false;
    std::string body;
    int tp = 1;
    if (ConvertAssTime(tp, line, start) && ConvertAssTime(tp, line, end)) {
      body = CleanAssText(line);
      // A text of blanks alone would end the block at once.
      ok = RightTrimmedLength(body) > 0;
    }
    if (ok) {
      ++r.blocks;
      AppendDecimal(r.srt, r.blocks);
      r.srt.append(CRLF).append(start).append(" --> ").append(end).append(CRLF);
      r.srt.append(body).append(CRLF).append(CRLF);
    } else {
      ++r.errors;
    }
    if (cr == 0) break;
    p = FindNextEvent(text, cr);
  }
  return r;
}

std::string ConvertReportText(const std::string& sourceName, const SrtConversion& result) {
  return "Конвертация из " + sourceName + " в srt: Блоков добавлено: " + Dec(result.blocks) +
         ", ошибок при конвертации: " + Dec(result.errors);
}

MsgKind ConvertReportKind(const SrtConversion& result) {
  return result.errors != 0 ? MsgKind::Warning : MsgKind::Information;
}

std::string ConvertToSrt(std::string_view text, const std::string& sourceName, IMessageSink& messages) {
  SrtConversion r = ConvertAssEvents(text);
  messages.ShowMess(ConvertReportText(sourceName, r), ConvertReportKind(r), false);
  return std::move(r.srt);
}

void ConvertEditorText(Editor& editor, TextFormat target) {
  IEditControl& edit = editor.edit;
  const std::string text = edit.Text();
  if (RightTrimmedLength(text) >= 10) {
    const TextFormat format = editor.format.GetTextFormat();
    if (format == TextFormat::Unknown) {
      editor.messages.ShowMess("Формат текста не удалось определить. Невозможно выполнить конвертацию!",
                               MsgKind::Information, false);
    } else if (format == target) {
      editor.messages.ShowMess(std::string("Текст уже имеет формат субтитров ") + FormatName(format, false) +
                                   MsgOperationCancelled,
                               MsgKind::Information, false);
    } else if (target == TextFormat::Srt) {
      editor.host.ResetErrorSearch();
      const std::string srt = ConvertToSrt(text, FormatName(format, true), editor.messages);
      edit.BeginUpdate();
      edit.SetSel(0, edit.TextLength());
      edit.ReplaceSel(srt, true);
      edit.EndUpdate();
      editor.host.TextConverted();
      editor.format.GetTextFormat();
    }
  }
  editor.FocusEditor();
  editor.prompt.Beep();
}

}  // namespace quillet
