#include "platform/memory_edit_control.h"

#include <algorithm>
#include <cstdint>

#include "platform/clipboard.h"
#include "platform/line_breaks.h"

namespace quillet {

void MemoryEditControl::SetText(std::string_view ansi) {
  NotifyBeforeChange();
  text_ = ToCrLf(ansi);
  lineStartsStale_ = true;
  selStart_ = selLength_ = 0;
  undo_.clear();
  firstVisible_ = 0;
  NotifyChange();
}

void MemoryEditControl::RebuildLineStarts() const {
  if (!lineStartsStale_) return;
  lineStarts_.clear();
  lineStarts_.push_back(0);
  const size_t n = text_.size();
  for (size_t i = 0; i + 1 < n; ++i) {
    if (text_[i] == '\r' && text_[i + 1] == '\n') {
      lineStarts_.push_back(static_cast<int>(i + 2));
      ++i;
    }
  }
  lineStartsStale_ = false;
}

int MemoryEditControl::LineCount() const {
  RebuildLineStarts();
  return static_cast<int>(lineStarts_.size());
}

std::string MemoryEditControl::LineText(int line) const {
  RebuildLineStarts();
  if (line < 0 || line >= static_cast<int>(lineStarts_.size())) return {};
  int start = lineStarts_[line];
  int end = line + 1 < static_cast<int>(lineStarts_.size()) ? lineStarts_[line + 1] - 2
                                                            : static_cast<int>(text_.size());
  return text_.substr(start, end - start);
}

int MemoryEditControl::LineFromChar(int index) const {
  RebuildLineStarts();
  if (index < 0) index = selStart_;
  auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), index);
  return static_cast<int>(it - lineStarts_.begin()) - 1;
}

int MemoryEditControl::LineIndex(int line) const {
  RebuildLineStarts();
  if (line == -1) line = LineFromChar(selStart_ + selLength_);
  if (line < 0 || line >= static_cast<int>(lineStarts_.size())) return -1;
  return lineStarts_[line];
}

void MemoryEditControl::SetSel(int start, int length) {
  const int n = static_cast<int>(text_.size());
  if (start < 0) start = 0;
  if (start > n) start = n;
  if (length < 0) length = 0;
  if (length > n - start) length = n - start;
  // A position inside a CR LF pair stands before it.
  if (start > 0 && start < n && text_[start] == '\n' && text_[start - 1] == '\r') {
    --start;
    ++length;
  }
  int end = start + length;
  if (end > 0 && end < n && text_[end] == '\n' && text_[end - 1] == '\r') --end;
  selStart_ = start;
  selLength_ = end - start;
}

void MemoryEditControl::Replace(std::string_view normalized) {
  text_.replace(selStart_, selLength_, normalized);
  lineStartsStale_ = true;
  selStart_ += static_cast<int>(normalized.size());
  selLength_ = 0;
}

void MemoryEditControl::ReplaceSel(std::string_view ansi, bool undoable) {
  NotifyBeforeChange();
  if (undoable) {
    undo_.push_back({text_, selStart_, selLength_});
  } else {
    undo_.clear();
  }
  Replace(ToCrLf(ansi));
  ScrollCaret();
  NotifyChange();
}

void MemoryEditControl::ScrollCaret() {
  int line = LineFromChar(selStart_ + selLength_);
  if (line < firstVisible_) firstVisible_ = line;
  else if (line >= firstVisible_ + visibleLines_) firstVisible_ = line - visibleLines_ + 1;
  ClampScroll();
}

void MemoryEditControl::Undo() {
  if (undo_.empty()) return;
  NotifyBeforeChange();
  UndoStep step = std::move(undo_.back());
  undo_.pop_back();
  text_ = std::move(step.text);
  lineStartsStale_ = true;
  // The caret ends behind the text the undo put back, with nothing selected.
  selStart_ = step.selStart + step.selLength;
  selLength_ = 0;
  ScrollCaret();
  NotifyChange();
}

void MemoryEditControl::Cut() {
  if (readOnly_ || selLength_ == 0) return;
  Copy();
  ReplaceSel("", true);
}

void MemoryEditControl::Copy() {
  if (selLength_ > 0 && clipboard_) clipboard_->SetText(SelText());
}

void MemoryEditControl::Paste() {
  if (readOnly_ || !clipboard_ || !clipboard_->HasText()) return;
  ReplaceSel(clipboard_->Text(), true);
}

int MemoryEditControl::MaxFirstVisible() const {
  return std::max(0, LineCount() - visibleLines_);
}

void MemoryEditControl::ClampScroll() {
  firstVisible_ = std::clamp(firstVisible_, 0, MaxFirstVisible());
}

void MemoryEditControl::LineScroll(int lines) {
  const int64_t target = static_cast<int64_t>(firstVisible_) + lines;
  firstVisible_ = static_cast<int>(std::clamp<int64_t>(target, 0, MaxFirstVisible()));
}

int MemoryEditControl::PosFromCharY(int index) const {
  return (LineFromChar(index) - firstVisible_) * kLineHeight;
}

}  // namespace quillet
