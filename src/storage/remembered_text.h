// The remembered text of the "Текст" menu: a snapshot of the whole editor text that lives in
// memory for the rest of the run ("Запомнить текст") and can be put back as one undoable edit
// ("Восстановить запомненный текст"). It belongs to no file, so it survives opening another.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "core/editor.h"

namespace quillet {

class TRememberedText {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  // clock: the time source of the snapshot's age (the steady clock when not given).
  explicit TRememberedText(Clock clock = {});

  // "Запомнить текст": the editor's whole text becomes the snapshot; beep.
  void N13Click(Editor& editor);
  // "Восстановить запомненный текст": after the question, the snapshot replaces the whole text
  // as one undoable edit; message, caret to the start, error search reset, status, beep.
  void N12Click(Editor& editor);

  // Enabling of the two entries when the "Текст" menu opens.
  bool CanRemember(const IEditControl& edit) const;  // a text that is not the snapshot
  bool CanRestore(const IEditControl& edit) const;   // a snapshot that is not the text

  // Emptied at start-up and at close.
  void Clear();
  const std::string& Text() const { return text_; }

 private:
  // Whether the editor holds exactly the snapshot (lengths first: a menu opening on a big text
  // costs no copy unless they agree).
  bool SameAsEditor(const IEditControl& edit) const;

  Clock clock_;
  std::string text_;  // RememberedText
  std::chrono::steady_clock::time_point at_{};  // RememberedAt
};

// The restore question for a snapshot of the given age.
std::string RestoreQuestion(std::chrono::milliseconds age);

}  // namespace quillet
