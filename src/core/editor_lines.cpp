#include "core/editor_lines.h"

#include "core/text_utils.h"

namespace quillet {

EditorLines::EditorLines(IEditControl& edit) : edit_(edit) {
  edit_.SetBeforeChangeHandler([this] { BeforeEditorChange(); });
}

void EditorLines::MarkStale() {
  stale_ = true;
  lengthStale_ = true;
  lineCountStale_ = true;
  if (useCount_ == 0) {
    copied_ = false;
    lines_.clear();
    lines_.shrink_to_fit();
  }
}

void EditorLines::BeforeEditorChange() {
  // A reader inside a bracket must keep seeing the text it started with.
  if (useCount_ > 0 && !copied_) RebuildLines();
}

void EditorLines::BeginLinesUse() {
  if (stale_ && useCount_ == 0) {
    // Nothing to copy yet: the editor itself is the snapshot until it is about to change.
    copied_ = false;
    lines_.clear();
    stale_ = false;
  }
  ++useCount_;
}

void EditorLines::EndLinesUse() {
  --useCount_;
  if (useCount_ < 0) useCount_ = 0;
}

void EditorLines::RebuildLines() {
  const std::string text = edit_.Text();
  cachedLength_ = static_cast<int>(text.size());
  lengthStale_ = false;
  lines_.clear();
  int start = 1;
  for (;;) {
    const int cr = PosCR(text, start);
    if (cr == 0) break;
    lines_.emplace_back(text, start - 1, cr - start);
    start = cr + 2;
  }
  cachedLineCount_ = static_cast<int>(lines_.size());
  lineCountStale_ = false;
  trailingBreak_ = false;
  if (start <= static_cast<int>(text.size())) {
    lines_.emplace_back(text, start - 1);
    ++cachedLineCount_;
  } else {
    lines_.emplace_back();
    trailingBreak_ = true;
  }
  copied_ = true;
  stale_ = false;
}

int EditorLines::Count() const {
  return copied_ ? static_cast<int>(lines_.size()) : edit_.LineCount();
}

std::string EditorLines::Get(int index) const {
  if (copied_) {
    return index >= 0 && index < static_cast<int>(lines_.size()) ? lines_[index] : std::string();
  }
  return edit_.LineText(index);
}

bool EditorLines::TrailingBreak() const {
  if (copied_) return trailingBreak_;
  const int n = edit_.LineCount();
  return edit_.LineText(n - 1).empty();
}

int EditorLines::LinesCount() const {
  const int n = Count();
  return TrailingBreak() && n > 0 ? n - 1 : n;
}

int EditorLines::CachedLineCount() {
  if (lineCountStale_) {
    if (stale_ || !copied_) {
      const int n = edit_.LineCount();
      cachedLineCount_ = edit_.LineText(n - 1).empty() ? n - 1 : n;
    } else {
      cachedLineCount_ = LinesCount();
    }
    lineCountStale_ = false;
  }
  return cachedLineCount_;
}

int EditorLines::CachedTextLength() {
  if (lengthStale_) {
    if (stale_ || !copied_) {
      cachedLength_ = edit_.TextLength();
    } else {
      int64_t len = 0;
      for (const auto& l : lines_) len += static_cast<int64_t>(l.size()) + 2;
      cachedLength_ = static_cast<int>(len);
    }
    lengthStale_ = false;
  }
  return cachedLength_;
}

std::string EditorLines::JoinedText() const {
  if (!copied_) return edit_.Text();
  size_t total = 0;
  for (const auto& l : lines_) total += l.size() + 2;
  std::string text;
  text.reserve(total);
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines_[i];
  }
  return text;
}

}  // namespace quillet
