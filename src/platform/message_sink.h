// Where operations report their outcome: the message window of the main window.
#pragma once

#include <string>

#include "platform/prompt.h"

namespace quillet {

class IMessageSink {
 public:
  virtual ~IMessageSink() = default;
  // A new message (again = false), or the last one shown once more (again = true; text unused).
  virtual void ShowMess(const std::string& utf8Text, MsgKind kind, bool again = false) = 0;
  // An outcome already told in a modal box: remembered, and shown only if the pane is on screen.
  virtual void SetMessLikeLast(const std::string& utf8Text, MsgKind kind) = 0;
  // Forgets the last message and empties and hides the pane.
  virtual void ClearMess() = 0;
};

}  // namespace quillet
