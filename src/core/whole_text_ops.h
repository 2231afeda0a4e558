// The kit of the whole-text operations (normalization, shift, stretch, mirror): a new text
// built line by line, the brackets around the editor and its line list, a reader over the
// lines, the structure pre-check and the replacement of the editor's text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor.h"

namespace quillet {

// A new text built line by line; every line is followed by CR LF. Held as one string so that
// a text of a hundred thousand blocks costs one buffer, not a string per line.
class NewLines {
 public:
  void Reserve(size_t bytes) { text_.reserve(bytes); }
  void Add(std::string_view line) {
    text_.append(line);
    text_.append("\r\n", 2);
    ++count_;
  }
  int Count() const { return count_; }
  const std::string& Text() const { return text_; }
  void Release() {
    std::string().swap(text_);
    count_ = 0;
  }

 private:
  std::string text_;
  int count_ = 0;
};

// Helpers of the whole-text operations.
namespace ops {

// Brackets a group of editor changes so that the screen is redrawn once, on every path.
class EditUpdate {
 public:
  explicit EditUpdate(IEditControl& edit) : edit_(edit) { edit_.BeginUpdate(); }
  ~EditUpdate() { edit_.EndUpdate(); }
  EditUpdate(const EditUpdate&) = delete;
  EditUpdate& operator=(const EditUpdate&) = delete;

 private:
  IEditControl& edit_;
};

// The line-list bracket of one operation. The operation leaves it as soon as its walk is done,
// before it asks and replaces the editor's text: nothing reads the old lines after that, so the
// list need not copy the whole old text just before the change (on every path it is left at
// the end of the scope at the latest).
class LinesBracket {
 public:
  explicit LinesBracket(EditorLines& lines) : lines_(lines) { lines_.BeginLinesUse(); }
  ~LinesBracket() { End(); }
  LinesBracket(const LinesBracket&) = delete;
  LinesBracket& operator=(const LinesBracket&) = delete;
  void End() {
    if (!open_) return;
    open_ = false;
    lines_.EndLinesUse();
  }

 private:
  EditorLines& lines_;
  bool open_ = true;
};

// The lines of the list in order, as views into one copy of its text: a walk over every line
// of a big text reads the editor once instead of once per line. Yields the list's LinesCount()
// lines (the empty rest after a closing line break is no line).
class LineReader {
 public:
  explicit LineReader(EditorLines& lines) : text_(lines.JoinedText()) {}
  bool Next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    const size_t end = text_.find("\r\n", pos_);
    const size_t stop = end == std::string::npos ? text_.size() : end;
    line = std::string_view(text_).substr(pos_, stop - pos_);
    pos_ = end == std::string::npos ? text_.size() : end + 2;
    return true;
  }

 private:
  std::string text_;
  size_t pos_ = 0;
};

// Bytes to reserve for the new text of an operation over the text of lines.
size_t ReserveFor(EditorLines& lines);

}  // namespace ops

// The structure pre-check before a whole-text operation: true when the operation may go on.
// operationName (UTF-8) ends the warning's sentence ("…прежде чем производить " + name).
// Levels: 0 normalization from the panel, 1 from the menu, 2 mirror, 3 time shift,
// 4 time stretch; the higher the level, the more kinds of error are counted.
bool TryForStructErr(Editor& editor, std::string_view operationName, int level);

// Puts a new text into the editor: the caret's character offset (with an empty selection) and
// the first visible line are kept, the change cannot be undone with the editor's undo, and the
// status bar is refreshed. The text always ends with a line break.
void SetMemoTextSp(Editor& editor, const NewLines& lines);
// The same from a list of lines; a missing list does nothing.
void SetMemoTextSp(Editor& editor, const std::vector<std::string>* lines);

}  // namespace quillet
