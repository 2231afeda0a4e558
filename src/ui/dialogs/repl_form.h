// The replace dialog "Замена" (TReplform): the search and replacement texts with two remembered
// values, one or all replacements, and the full undo of every replacement made since the first
// one. Modeless and on top of the main window.
#pragma once

#include <string>

#include "core/editor.h"
#include "core/replace.h"
#include "ui/dialogs/dialog_parts.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillet {

class TReplform : public TToolDialog {
  Q_OBJECT

 public:
  // values holds the dialog's fields and the remembered values; the dialog keeps it up to date.
  TReplform(Editor& editor, ReplaceDialogValues& values, QWidget* parent = nullptr);

  // "Полная отмена" off, the buttons refreshed (before the dialog is shown).
  void SetStart();
  // The buttons follow the fields (skipped while the dialog changes its own fields).
  void SetEditsButtons();
  // "Вд." follows the editor's selection; also called by the status update while visible.
  void SetSelButton();
  // The full-undo snapshot becomes text; "Полная отмена" is enabled while it is not empty.
  void SetUndo(const std::string& text);

  void Button1Click();   // "Найти далее"
  void Button2Click();   // "Заменить"
  void Button3Click();   // "Заменить всё"
  void Button4Click();   // "Полная отмена"
  void Button5Click();   // "Закрыть"
  void Button6Click();   // "Оч."
  void Button7Click();   // "Вст"
  void Button8Click();   // "Вд."
  void Button9Click();   // "Зап"
  void Button10Click();  // "Обм"

  // The controls take the values (after the settings were loaded).
  void LoadValues();
  void ResetCase();
  const FullUndo& Undo() const { return undo_; }


 protected:
  void Closed() override;

 private:
  void StoreValues();
  // Puts the values' fields into the edits with the updating flag set, then SetEditsButtons.
  void ShowFields();
  void RefreshUndoButton();

  Editor& editor_;
  ReplaceDialogValues& values_;
  FullUndo undo_;
  bool updating_ = false;
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  QPushButton* buttons_[11] = {};  // Button1 ... Button10 at their numbers
  QRadioButton* radioButton1_ = nullptr;
  QRadioButton* radioButton2_ = nullptr;
  QCheckBox* checkBox1_ = nullptr;
};

}  // namespace quillet
