// What the editor's models tell the program around them: the one observer interface of the
// operations, the error search and the format tracker. The session implements it for the
// editor; the command-line tool and the tests use the do-nothing defaults or record calls.
#pragma once

#include <string>

#include "core/find_err_settings.h"

namespace quillet {

class EditorHost {
 public:
  virtual ~EditorHost() = default;
  // Refreshes the status bar and the panel buttons after a caret move or a text change.
  virtual void SetStatus() {}
  // The whole text was replaced from outside: the error search starts again from the top.
  virtual void ResetErrorSearch() {}
  // The rules of the error search as they stand now.
  virtual FindErrSettings ReadFindErrSettings() const { return {}; }
  // The error search may (or may no longer) go on after the error it stopped at (">").
  virtual void FindErrNextEnabled(bool enabled) {}
  // A normalization starts (true) or has ended on whatever path (false).
  virtual void NormalizeRunning(bool running) {}
  // An updating detection named the text format ("SRT", "ASS", "SSA" or "???").
  virtual void FormatNameChanged(const std::string& upperName) {}
  // The editor's text was converted into SRT as one undoable edit.
  virtual void TextConverted() {}
  // The window caption for the open document (UTF-8).
  virtual void CaptionChanged(const std::string& utf8Caption) {}
};

}  // namespace quillet
