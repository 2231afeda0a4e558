// Modal message boxes of the program: a QMessageBox with the kind's icon, the program's
// caption as title and Russian button captions.
#pragma once

#include <string>

#include "platform/prompt.h"

class QWidget;
class QMessageBox;

namespace quillet {

class QtPrompt : public IPrompt {
 public:
  // Object names by which tests and the message window find a box and its buttons.
  static constexpr const char* kBoxName = "QuilletPromptBox";
  static constexpr const char* kOkName = "PromptOk";
  static constexpr const char* kCancelName = "PromptCancel";
  static constexpr const char* kYesName = "PromptYes";
  static constexpr const char* kNoName = "PromptNo";
  static constexpr const char* kYesToAllName = "PromptYesToAll";
  static constexpr const char* kNoToAllName = "PromptNoToAll";

  explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  // The title of every box (UTF-8): the program's caption.
  void SetTitle(const std::string& utf8Title) { title_ = utf8Title; }

  // Shows the box and waits. Esc and the close box answer Cancel, or No in a box without
  // Cancel, or OK when OK is the only button.
  Answer Ask(MsgKind kind, Buttons buttons, const std::string& utf8Text) override;
  void Beep() override;

 private:
  QWidget* parent_;
  std::string title_;
};

}  // namespace quillet
