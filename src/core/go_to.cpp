#include "core/go_to.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <vector>

#include "core/block_scanner.h"
#include "core/editor_routines.h"
#include "core/text_utils.h"
#include "core/time_codes.h"

namespace quillet {

namespace {

const char* const kNoText = "Текст отсутствует";
const char* const kNoPrevLine = "Предыдущей строки не существует";
const char* const kNoNextLine = "Следующей строки не существует";

// Sets the busy mark for the life of a move, and clears it on every path.
class BusyScope {
 public:
  explicit BusyScope(GoBusyTag& tag) : tag_(tag) { tag_.tag = 1; }
  ~BusyScope() { tag_.tag = 0; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  GoBusyTag& tag_;
};

// The lines of the list for one walk. A move usually ends within a few lines of the caret, so
// the first lines are asked of the list one by one; once a walk goes further, the text is read
// once and its line starts indexed, so that a walk over a long text does not ask the editor for
// every line. A line read stays valid while the three lines read after it are.
class WalkLines {
 public:
  explicit WalkLines(EditorLines& lines) : lines_(lines), count_(lines.Count()) {}

  int Count() const { return count_; }

  std::string_view Get(int i) {
    if (i < 0 || i >= count_) return {};
    if (!indexed_ && asked_ >= kAskedLines) Index();
    if (indexed_) {
      const size_t from = starts_[i];
      const size_t to = i + 1 < static_cast<int>(starts_.size()) ? starts_[i + 1] - 2 : text_.size();
      return std::string_view(text_).substr(from, to - from);
    }
    ++asked_;
    std::string& slot = ring_[next_++ % kRing];
    slot = lines_.Get(i);
    return slot;
  }

  // Line i starts a block: a number line, first or after a blank line, followed by a time line.
  bool IsBlockStart(int i) {
    if (i < 0 || i + 1 >= count_) return false;
    if (StrToBlockNumber(Get(i)) < 0) return false;
    if (i > 0 && !IsBlankLine(Get(i - 1))) return false;
    return HasTimeArrow(Get(i + 1));
  }

 private:
  static constexpr int kAskedLines = 48;
  static constexpr int kRing = 4;

  void Index() {
    text_ = lines_.JoinedText();
    starts_.reserve(static_cast<size_t>(count_));
    starts_.push_back(0);
    const char* data = text_.data();
    const size_t n = text_.size();
    size_t p = 0;
    while (p < n) {
      const void* hit = std::memchr(data + p, '\r', n - p);
      if (!hit) break;
      const size_t cr = static_cast<size_t>(static_cast<const char*>(hit) - data);
      if (cr + 1 < n && data[cr + 1] == '\n') {
        starts_.push_back(cr + 2);
        p = cr + 2;
      } else {
        p = cr + 1;
      }
    }
    // The list and the text it joins agree on the lines; should they not, the list's count
    // rules and missing lines read as empty.
    if (static_cast<int>(starts_.size()) < count_) count_ = static_cast<int>(starts_.size());
    indexed_ = true;
  }

  EditorLines& lines_;
  int count_;
  int asked_ = 0;
  bool indexed_ = false;
  std::string text_;
  std::vector<size_t> starts_;
  std::string ring_[kRing];
  unsigned next_ = 0;
};

// Where a search for a block or a time starts and, before the caret, where it ends.
struct ScanRange {
  int start = 0;
  int limit = -1;  // the last line looked at before the caret; -1 for the other modes
};

bool ScanRangeFor(Editor& editor, int count, GoMode mode, ScanRange& range, std::string& message) {
  if (count == 0) {
    message = kNoText;
    return false;
  }
  const CaretPos caret = GetMemoCaret(editor.edit);
  switch (mode) {
    case GoMode::FromTop:
      range.start = 0;
      return true;
    case GoMode::Before:
      range.start = 0;
      range.limit = caret.column == 0 ? caret.line - 1 : caret.line;
      // Line 0 before the caret is a line like any other.
      if (range.limit < 0) {
        message = kNoPrevLine;
        return false;
      }
      return true;
    case GoMode::After:
      range.start = caret.line + 1;
      if (range.start >= count) {
        message = kNoNextLine;
        return false;
      }
      return true;
  }
  return false;
}

const char* BlockPrefix(GoMode mode) {
  switch (mode) {
    case GoMode::Before: return "Предыдущего б";
    case GoMode::After: return "Следующего б";
    case GoMode::FromTop: break;
  }
  return "Б";
}

const char* TimePrefix(GoMode mode) {
  switch (mode) {
    case GoMode::Before: return "Предыдущего в";
    case GoMode::After: return "Следующего в";
    case GoMode::FromTop: break;
  }
  return "В";
}

// The start time of an ASS or SSA "Dialogue:" event line, read as the conversion reads it.
bool ParseEventStart(std::string_view line, int64_t& time) {
  if (line.size() < 9 || !CompareCharsSp(line, "Dialogue:", 9, true)) return false;
  int p = 9;
  std::string code;
  if (!ConvertAssTime(p, line, code)) return false;
  int pos = 1;
  time = ReadTimeCode(code, pos);
  return time >= 0;
}

}  // namespace

bool GoFirstLine(Editor& editor, GoBusyTag& sender, int& line) {
  if (sender.tag != 0) return false;
  BusyScope busy(sender);
  LinesUse use(editor.lines);
  if (editor.lines.Count() < 2) {
    editor.prompt.Beep();
    return false;
  }
  line = 0;
  return true;
}

bool GoLastLine(Editor& editor, GoBusyTag& sender, int& line) {
  if (sender.tag != 0) return false;
  BusyScope busy(sender);
  LinesUse use(editor.lines);
  const int count = editor.lines.Count();
  if (count < 2) {
    editor.prompt.Beep();
    return false;
  }
  line = count - 1;
  return true;
}

bool CheckLinePosition(EditorLines& lines, int line, std::string& message) {
  LinesUse use(lines);
  if (line >= 0 && line < lines.Count()) return true;
  message = "Строки с заданной позицией (" + Dec(static_cast<int64_t>(line) + 1) + ") не существует";
  return false;
}

bool GetPrevCanStr(EditorLines& lines, int& line, bool blockMode, std::string& message) {
  LinesUse use(lines);
  const int count = lines.Count();
  if (count == 0) {
    message = kNoText;
    return false;
  }
  if (count == 1 || line < 0) {
    message = kNoPrevLine;
    return false;
  }
  if (!blockMode) return true;
  const int found = FindBlockBackward(lines, line);
  if (found < 0) {
    message = "Предыдущего блока не найдено";
    return false;
  }
  line = found;
  return true;
}

bool GoPrevBlock(Editor& editor, GoBusyTag& sender, int& line, std::string& message) {
  if (sender.tag != 0) return false;
  BusyScope busy(sender);
  const CaretPos caret = GetMemoCaret(editor.edit);
  int target = caret.column == 0 ? caret.line - 1 : caret.line;
  if (!GetPrevCanStr(editor.lines, target, true, message)) return false;
  line = target;
  return true;
}

bool GoNextBlock(Editor& editor, GoBusyTag& sender, int& line, std::string& message) {
  if (sender.tag != 0) return false;
  BusyScope busy(sender);
  LinesUse use(editor.lines);
  const int start = GetMemoCaret(editor.edit).line + 1;
  if (start >= editor.lines.Count()) {
    message = kNoNextLine;
    return false;
  }
  const int found = FindBlockForward(editor.lines, start);
  if (found < 0) {
    message = "Следующего блока не найдено";
    return false;
  }
  line = found;
  return true;
}

int FindBlockBackward(EditorLines& lines, int line) {
  LinesUse use(lines);
  WalkLines walk(lines);
  if (line >= walk.Count()) line = walk.Count() - 1;
  for (int i = line; i >= 0; --i) {
    if (walk.IsBlockStart(i)) return i;
  }
  return -1;
}

int FindBlockForward(EditorLines& lines, int start) {
  LinesUse use(lines);
  WalkLines walk(lines);
  const int count = walk.Count();
  if (start < 0) start = 0;
  bool afterBlank = start == 0 || IsBlankLine(walk.Get(start - 1));
  for (int i = start; i < count; ++i) {
    const std::string_view s = walk.Get(i);
    if (IsBlankLine(s)) {
      afterBlank = true;
    } else if (afterBlank && StrToBlockNumber(s) != -1 && i + 1 < count && HasTimeArrow(walk.Get(i + 1))) {
      return i;
    } else {
      afterBlank = false;
    }
  }
  return -1;
}

bool FindBlockByNumber(Editor& editor, GoBusyTag& sender, int32_t number, int& line, GoMode mode,
                       std::string& message) {
  if (sender.tag != 0) return false;
  BusyScope busy(sender);
  try {
    LinesUse use(editor.lines);
    WalkLines walk(editor.lines);
    const int count = walk.Count();
    ScanRange range;
    if (!ScanRangeFor(editor, count, mode, range, message)) return false;
    int found = -1;
    bool afterBlank = range.start == 0 || IsBlankLine(walk.Get(range.start - 1));
    for (int i = range.start; i < count; ++i) {
      if (mode == GoMode::Before && i > range.limit) break;
      const std::string_view s = walk.Get(i);
      if (IsBlankLine(s)) {
        afterBlank = true;
        continue;
      }
      if (afterBlank && StrToBlockNumber(s) == number && i + 1 < count && HasTimeArrow(walk.Get(i + 1))) {
        found = i;
        if (mode != GoMode::Before) break;
      }
      afterBlank = false;
    }
    if (found < 0) {
      message = std::string(BlockPrefix(mode)) + "лока с номером \"" + Dec(number) + "\" не найдено";
      return false;
    }
    line = found;
    return true;
  } catch (const std::exception&) {
    message = "Сбой программы при поиске блока для перехода";
    return false;
  }
}

bool ParseLineStartTime(std::string_view line, TextFormat format, int32_t& time, bool withSeconds,
                        bool withMilliseconds) {
  int64_t t = -1;
  switch (format) {
    case TextFormat::Srt: {
      int pos = 1;
      t = ReadTimeCode(line, pos);
      break;
    }
    case TextFormat::Ass:
    case TextFormat::Ssa:
      // SSA event lines carry their times as ASS ones do.
      if (!ParseEventStart(line, t)) return false;
      break;
    case TextFormat::Unknown:
      return false;
  }
  if (t < 0 || t > std::numeric_limits<int32_t>::max()) return false;
  if (!withMilliseconds) t -= t % 1000;
  if (!withSeconds) t -= t % 60000;
  time = static_cast<int32_t>(t);
  return true;
}

int32_t GoTimeValue(int32_t pickerMs, bool withSeconds) {
  int32_t ms = DateTimeToMs(MsToDateTime(pickerMs));
  if (!withSeconds) ms -= ms % 60000;
  return ms;
}

bool FindTime(Editor& editor, GoBusyTag& sender, int32_t time, int& line, GoMode mode, bool nearest,
              bool withSeconds, std::string& message) {
  if (sender.tag != 0) return false;
  BusyScope busy(sender);
  try {
    LinesUse use(editor.lines);
    const TextFormat format = editor.format.GetTextFormat();
    WalkLines walk(editor.lines);
    const int count = walk.Count();
    ScanRange range;
    if (!ScanRangeFor(editor, count, mode, range, message)) return false;
    int found = -1, best = -1;
    int64_t bestDistance = 0;
    for (int i = range.start; i < count; ++i) {
      if (mode == GoMode::Before && i > range.limit) break;
      const std::string_view s = walk.Get(i);
      int32_t t;
      if (s.empty() || !ParseLineStartTime(s, format, t, withSeconds, false)) continue;
      if (nearest) {
        const int64_t distance = std::llabs(static_cast<int64_t>(time) - t);
        if (best < 0 || distance <= bestDistance) {
          best = i;
          bestDistance = distance;
        }
      }
      if (t == time) {
        found = i;
        if (mode != GoMode::Before) break;
      }
    }
    if (found < 0 && nearest && best >= 0) found = best;
    if (found < 0) {
      message = std::string(TimePrefix(mode)) + "ремени \"" + FormatTimeCodeEx(time, withSeconds) + "\" не найдено";
      if (nearest) message += ". Ближайшего к нему времени не найдено";
      return false;
    }
    line = found;
    return true;
  } catch (const std::exception&) {
    message = "Сбой программы при поиске времени для перехода";
    return false;
  }
}

void GoToLine(Editor& editor, int line) {
  SetMemoCaretLine(editor.edit, line);
  editor.host.SetStatus();
  editor.FocusEditor();
}

std::string GoErrorText(const std::string& message) { return "Невозможно выполнить переход! " + message + "."; }

void TellGoError(Editor& editor, const std::string& message, bool showErrors) {
  if (showErrors && !message.empty()) {
    editor.messages.ShowMess(GoErrorText(message), MsgKind::Warning);
  } else {
    editor.prompt.Beep();
  }
}

void ShowGoError(Editor& editor, const std::string& message, bool showErrors) {
  TellGoError(editor, message, showErrors);
  editor.FocusEditor();
}

bool RunGoMove(Editor& editor, GoBusyTag& sender, const GoRequest& request, int& line, std::string& message) {
  message.clear();
  switch (request.move) {
    case GoMove::FirstLine: return GoFirstLine(editor, sender, line);
    case GoMove::LastLine: return GoLastLine(editor, sender, line);
    case GoMove::Line:
      line = request.value - 1;
      return CheckLinePosition(editor.lines, line, message);
    case GoMove::PrevBlock: return GoPrevBlock(editor, sender, line, message);
    case GoMove::NextBlock: return GoNextBlock(editor, sender, line, message);
    case GoMove::Block: return FindBlockByNumber(editor, sender, request.value, line, request.mode, message);
    case GoMove::Time:
      return FindTime(editor, sender, GoTimeValue(request.value, request.withSeconds), line, request.mode,
                      request.nearest, request.withSeconds, message);
  }
  return false;
}

// ---- TEditGroupGo ----

void TEditGroupGo::Run(GoBusyTag& sender, const GoRequest& request, const EditGroupGoValues& v) {
  int line = 0;
  std::string message;
  if (RunGoMove(editor_, sender, request, line, message)) {
    GoToLine(editor_, line);
  } else if (!message.empty()) {
    ShowGoError(editor_, message, v.showErrors);
  }
}

void TEditGroupGo::Button22Click(const EditGroupGoValues& v) { Run(button22, {GoMove::FirstLine}, v); }
void TEditGroupGo::Button23Click(const EditGroupGoValues& v) { Run(button23, {GoMove::LastLine}, v); }

void TEditGroupGo::Button24Click(const EditGroupGoValues& v) {
  // The line number needs no guard: it only checks the number against the text.
  GoBusyTag unguarded;
  Run(unguarded, {GoMove::Line, v.line}, v);
}

void TEditGroupGo::Button30Click(const EditGroupGoValues& v) { Run(button30, {GoMove::PrevBlock}, v); }
void TEditGroupGo::Button31Click(const EditGroupGoValues& v) { Run(button31, {GoMove::NextBlock}, v); }
void TEditGroupGo::Button32Click(const EditGroupGoValues& v) {
  Run(button32, {GoMove::Block, v.block, GoMode::FromTop}, v);
}

void TEditGroupGo::GoTimeStr(const EditGroupGoValues& v, GoMode mode, GoBusyTag& sender) {
  Run(sender, {GoMove::Time, v.time, mode, v.nearest, v.seconds}, v);
}

void TEditGroupGo::Button9Click(const EditGroupGoValues& v) { GoTimeStr(v, GoMode::FromTop, button9); }
void TEditGroupGo::Button10Click(const EditGroupGoValues& v) { GoTimeStr(v, GoMode::Before, button10); }
void TEditGroupGo::Button11Click(const EditGroupGoValues& v) { GoTimeStr(v, GoMode::After, button11); }

}  // namespace quillet
