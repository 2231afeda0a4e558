// What an operation needs of the main window: the editor, its line list and format, the modal
// prompts and the message window. The main window, the command-line tool and the tests each
// provide one.
#pragma once

#include "core/editor_lines.h"
#include "core/find_err_settings.h"
#include "core/formats.h"
#include "platform/edit_control.h"
#include "platform/message_sink.h"
#include "platform/prompt.h"

namespace quillet {

// Callbacks into the main window that are not services of the platform.
class EditorHost {
 public:
  virtual ~EditorHost() = default;
  // Refreshes the status bar and the panel buttons after a caret move or a text change.
  virtual void SetStatus() {}
  // The whole text was replaced from outside: the error search starts again from the top.
  virtual void ResetErrorSearch() {}
  // The values of the error search panel as they stand now.
  virtual FindErrSettings ReadFindErrSettings() const { return {}; }
};

struct Editor {
  IEditControl& edit;
  EditorLines& lines;
  TextFormatTracker& format;
  IPrompt& prompt;
  IMessageSink& messages;
  EditorHost& host;

  // Gives the editor the keyboard focus when it can take it.
  void FocusEditor() const {
    if (edit.CanFocus()) edit.SetFocus();
  }
};

}  // namespace quillet
