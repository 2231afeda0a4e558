// The go-to dialog "Перейти..." (TGoForm): the moves of the go-to engine in a window of their
// own, with the caret's line, block and block number. Modal, or with "Доступный текст"
// modeless and on top while the user keeps editing; the check box switches between the two
// while the dialog is open.
#pragma once

#include <string>

#include "core/editor.h"
#include "core/go_dialog.h"
#include "core/go_to.h"
#include "ui/dialogs/dialog_parts.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimeEdit;

namespace quillet {

class TNumberEdit;

class TGoForm : public TToolDialog {
  Q_OBJECT

 public:
  // values holds the dialog's options and fields; the dialog keeps it up to date.
  TGoForm(Editor& editor, GoDialogValues& values, QWidget* parent = nullptr);

  // Before the dialog is shown: its place on the screen, the position display and the time
  // group's caption.
  void setstart();
  // Shows the dialog: modal (returns when it closes) or, with "Доступный текст", modeless and
  // on top (returns at once).
  void GoFormSp();
  // Refreshes the position display; the main window's status update calls it while the dialog
  // is visible (and leaves the block and time fields of the status bar to it).
  void setInfo();
  // "Время: " + the picker's time as the group's caption.
  void ShowTime();
  // The end of a successful move: caret to line; with "Автозакрытие" the dialog closes.
  void SetMemoPos(int line);
  // The end of a failed move: the message window or the beep; nothing for an empty message.
  void GoShowError(const std::string& message);

  void Button1Click();   // "Поз"
  void Button2Click();   // "н"
  void Button3Click();   // "к"
  void Button4Click();   // "X"
  void Button5Click();   // "T"
  void Button6Click();   // "<" time
  void Button7Click();   // ">" time
  void Button30Click();  // "<" block
  void Button31Click();  // ">" block
  void Button32Click();  // "№:"
  void Button33Click();  // "<" block with the number
  void Button34Click();  // ">" block with the number
  void CheckBox3Click();

  // The controls take the values; from then on "Доступный текст" switches modes when clicked
  // (its tag becomes 1).
  void LoadValues();
  int CheckBox3Tag() const { return checkBox3Tag_; }
  // Whether the dialog runs modal now.
  bool ModalRun() const { return modalRun_; }

 signals:
  // The status bar's block and time fields, as the position display found them.
  void StatusFields(const QString& block, const QString& time);

 protected:
  void Closed() override;

 private:
  void Build();
  void StoreValues();
  void Move(GoBusyTag& sender, const GoRequest& request);
  void GoBlcstr(GoMode mode, GoBusyTag& sender);
  void GoTimeStr(GoMode mode, GoBusyTag& sender);

  Editor& editor_;
  GoDialogValues& values_;
  bool modeSwitch_ = false;
  bool modalRun_ = false;
  int checkBox3Tag_ = 0;
  bool loading_ = false;

  QLabel* label4_ = nullptr;  // the line
  QLabel* label6_ = nullptr;  // the block
  QLabel* label8_ = nullptr;  // the block number
  TNumberEdit* edit1_ = nullptr;
  TNumberEdit* edit17_ = nullptr;
  QGroupBox* groupBox3_ = nullptr;
  QGroupBox* groupBox4_ = nullptr;
  QTimeEdit* dateTimePicker1_ = nullptr;
  QCheckBox* checkBox1_ = nullptr;  // "Ближ."
  QCheckBox* checkBox2_ = nullptr;  // "Автозакрытие"
  QCheckBox* checkBox3_ = nullptr;  // "Доступный текст"
  QCheckBox* checkBox4_ = nullptr;  // "Окно"
  QCheckBox* checkBox5_ = nullptr;  // "Ошибки"
  QCheckBox* checkBox6_ = nullptr;  // "Cек"
  GoBusyTag tag2_, tag3_, tag5_, tag6_, tag7_, tag30_, tag31_, tag32_, tag33_, tag34_;
};

}  // namespace quillet
