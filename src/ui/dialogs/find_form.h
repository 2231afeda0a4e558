// The find dialog "Найти" (TFindForm): the search text, the direction and the letter case.
// Modeless and on top of the main window; the search itself is the editor's shared routine.
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

class TFindForm : public TToolDialog {
  Q_OBJECT

 public:
  // values holds the dialog's fields while the program runs; the dialog keeps it up to date.
  TFindForm(Editor& editor, FindDialogValues& values, QWidget* parent = nullptr);

  // Searches for "Что:" from the selection in the chosen direction, when it is not blank and
  // not longer than the editor text; then the status bar is refreshed.
  void FindText();
  void Button1Click();  // "Найти далее"
  void Button2Click();  // "Закрыть"

  // The controls take the values (after the settings were loaded).
  void LoadValues();
  // "Что:" takes text (Windows-1251).
  void SetWhat(const std::string& ansi);
  // "С учётом регистра" off.
  void ResetCase();
  std::string What() const;


 private:
  void StoreValues();

  Editor& editor_;
  FindDialogValues& values_;
  QLineEdit* edit1_ = nullptr;
  QPushButton* button1_ = nullptr;
  QPushButton* button2_ = nullptr;
  QRadioButton* radioButton1_ = nullptr;
  QRadioButton* radioButton2_ = nullptr;
  QCheckBox* checkBox1_ = nullptr;
  bool loading_ = false;
};

}  // namespace quillet
