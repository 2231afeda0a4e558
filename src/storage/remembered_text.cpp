#include "storage/remembered_text.h"

#include "core/text_utils.h"
#include "core/whole_text_ops.h"

namespace quillet {

TRememberedText::TRememberedText(Clock clock) : clock_(std::move(clock)) {
  if (!clock_) clock_ = [] { return std::chrono::steady_clock::now(); };
}

std::string RestoreQuestion(std::chrono::milliseconds age) {
  const double days = static_cast<double>(age.count() < 0 ? 0 : age.count()) / 86400000.0;
  return "Вы уверены, что хотите восстановить текст, запомненный " + DurationToText(days) +
         " назад? Все изменения, внесённые в текст с момента его последнего запоминания, будут потеряны. "
         "Всё равно выполнить восстановление?";
}

void TRememberedText::N13Click(Editor& editor) {
  text_ = editor.edit.Text();
  at_ = clock_();
  editor.prompt.Beep();
}

void TRememberedText::N12Click(Editor& editor) {
  if (text_.empty()) return;
  const auto age = std::chrono::duration_cast<std::chrono::milliseconds>(clock_() - at_);
  if (editor.prompt.Ask(MsgKind::Warning, Buttons::YesCancel, RestoreQuestion(age)) != Answer::Yes) return;
  IEditControl& edit = editor.edit;
  {
    const ops::EditUpdate update(edit);
    edit.SetSel(0, edit.TextLength());
    edit.ReplaceSel(text_, true);
  }
  editor.messages.ShowMess("Запомненный текст восстановлен.", MsgKind::Warning, false);
  edit.SetSel(0, 0);
  edit.ScrollCaret();
  editor.host.ResetErrorSearch();
  editor.host.SetStatus();
  editor.prompt.Beep();
}

bool TRememberedText::SameAsEditor(const IEditControl& edit) const {
  return static_cast<size_t>(edit.TextLength()) == text_.size() && edit.Text() == text_;
}

bool TRememberedText::CanRemember(const IEditControl& edit) const {
  return edit.TextLength() > 0 && !SameAsEditor(edit);
}

bool TRememberedText::CanRestore(const IEditControl& edit) const { return !text_.empty() && !SameAsEditor(edit); }

void TRememberedText::Clear() {
  text_.clear();
  text_.shrink_to_fit();
  at_ = {};
}

}  // namespace quillet
