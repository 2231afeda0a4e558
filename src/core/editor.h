// What an operation needs of the program around the editor: the edit control, its line list
// and format, the modal prompts, the message window and the host. EditorContext wires one
// together; the session, the command-line tool and the tests each own one.
#pragma once

#include "core/editor_host.h"
#include "core/editor_lines.h"
#include "core/formats.h"
#include "platform/edit_control.h"
#include "platform/message_sink.h"
#include "platform/prompt.h"

namespace quillet {

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

// The line list and the format tracker over an edit control, and the Editor over them.
class EditorContext {
 public:
  EditorContext(IEditControl& edit, IPrompt& prompt, IMessageSink& messages, EditorHost& host)
      : lines_(edit), format_(lines_, host), editor_{edit, lines_, format_, prompt, messages, host} {}
  EditorContext(const EditorContext&) = delete;
  EditorContext& operator=(const EditorContext&) = delete;

  Editor& editor() { return editor_; }
  EditorLines& lines() { return lines_; }
  TextFormatTracker& format() { return format_; }

 private:
  EditorLines lines_;
  TextFormatTracker format_;
  Editor editor_;
};

}  // namespace quillet
