// Modal message boxes and the beep.
#pragma once

#include <cstdint>
#include <string>

namespace quillet {

// Kind of a message and of a message box: chooses icon and title.
enum class MsgKind : uint8_t { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };

enum class Buttons {
  Ok,
  OkCancel,
  YesCancel,
  YesNoCancel,
  YesNo,
  YesNoYesToAll,                // Yes, No, Yes to all
  YesNoCancelNoToAllYesToAll,   // Yes, No, Cancel, No to all, Yes to all
};

enum class Answer { Ok, Cancel, Yes, No, YesToAll, NoToAll };

class IPrompt {
 public:
  virtual ~IPrompt() = default;
  // Shows a modal box with a UTF-8 text and answers the button pressed. Closing the box
  // without a button answers Cancel, or No for a box without Cancel (Ok for a box with only
  // OK).
  virtual Answer Ask(MsgKind kind, Buttons buttons, const std::string& utf8Text) = 0;
  // The platform's default beep.
  virtual void Beep() = 0;
};

}  // namespace quillet
