// The one shared line list of the editor text.
//
// Readers bracket their walk with BeginLinesUse / EndLinesUse and then see one unchanged text,
// even when they change the editor on the way. The list does not copy the editor's text when a
// bracket opens: while the editor is unchanged it reads lines straight from the edit control
// (a status refresh asks for five lines of a text of millions of characters), and it takes a
// full copy only when the program is about to change the editor inside an open bracket.
#pragma once

#include <string>
#include <vector>

#include "platform/edit_control.h"

namespace quillet {

class EditorLines {
 public:
  // Registers itself as the edit control's before-change listener.
  explicit EditorLines(IEditControl& edit);
  EditorLines(const EditorLines&) = delete;
  EditorLines& operator=(const EditorLines&) = delete;

  // The editor's text changed (its change event): marks the list and both caches stale.
  void MarkStale();
  bool Stale() const { return stale_; }

  void BeginLinesUse();
  void EndLinesUse();
  int UseCount() const { return useCount_; }

  // Takes a full copy of the editor's text split into lines.
  void RebuildLines();

  // Raw number of entries, including the empty entry after a trailing line break.
  int Count() const;
  std::string Get(int index) const;
  // Number of lines of the text (without that empty entry).
  int LinesCount() const;
  bool TrailingBreak() const;

  int CachedLineCount();
  int CachedTextLength();

  // The text the list holds (each line followed by CR LF but the last).
  std::string JoinedText() const;

  IEditControl& Edit() const { return edit_; }

 private:
  void BeforeEditorChange();
  bool Copied() const { return copied_; }

  IEditControl& edit_;
  std::vector<std::string> lines_;
  bool copied_ = false;       // lines_ holds the snapshot; otherwise lines come from the editor
  bool stale_ = true;
  int useCount_ = 0;
  bool trailingBreak_ = false;
  int cachedLength_ = 0;
  bool lengthStale_ = true;
  int cachedLineCount_ = 0;
  bool lineCountStale_ = true;
};

// Opens a bracket for the life of a scope.
class LinesUse {
 public:
  explicit LinesUse(EditorLines& lines) : lines_(lines) { lines_.BeginLinesUse(); }
  ~LinesUse() { lines_.EndLinesUse(); }
  LinesUse(const LinesUse&) = delete;
  LinesUse& operator=(const LinesUse&) = delete;

 private:
  EditorLines& lines_;
};

}  // namespace quillet
