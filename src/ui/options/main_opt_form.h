// The program options dialog TMainOptForm1 ("Настройки программы"): the window, file size,
// operations panel, saving, conversion and block range options, and the place of the file-type
// group. Its check boxes, radio buttons and "Имя +" act as soon as they change (they write the
// options the rest of the program reads); the size limit waits for OK, which is the dialog's
// only button.
#pragma once

#include <QDialog>

#include "storage/options.h"
#include "ui/widgets/widget_utils.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillet {

class TNumberEdit;

// What the dialog keeps besides the file types: the values of its stored controls.
struct MainOptValues {
  bool saveWindow = false;  // "Запоминать позицию" (CheckBox1)
  bool showHints = true;    // "Показывать подсказки" (CheckBox4)
  bool showPanel = true;    // "Показывть при запуске" (CheckBox5)
  // MaxFileSize, "Сохранять предыдущий", "Имя +", the conversion, "Запоминать", "Выделять".
  ProgramOptions options;
  bool operator==(const MainOptValues&) const = default;
};

class TMainOptForm1 : public QDialog {
  Q_OBJECT

 public:
  // The limits of the size field "Max, Кб:" (UpDown1): 1 … 8000 while typing, at least 100
  // once the field is left; from 1000 on the number shows red and bold.
  static constexpr int kSizeMin = 1;
  static constexpr int kSizeMax = 8000;
  static constexpr int kSizeLeftMin = 100;
  static constexpr int kSizeLarge = 1000;

  explicit TMainOptForm1(QWidget* parent = nullptr);

  // The options the rest of the program reads (the session's); the controls show them at
  // once and write every change into them. Null: the dialog's own.
  void Bind(ProgramOptions* options);
  const ProgramOptions& Options() const { return *options_; }

  // Start-up and close: the stored values into the controls (and the options), and back.
  // The size limit is MaxFileSize, which only OK changes, not the field.
  void SetValues(const MainOptValues& values);
  MainOptValues Values() const;

  // The conversion on opening: 0 "Автоматически", 1 "Спрашивать", 2 "Не конвертировать";
  // SetKonvType chooses "Автоматически" for any other value.
  int GetKonvType() const;
  void SetKonvType(int type);

  // The file-type group goes into its place (a previous one there is deleted).
  void SetExtGroup(QWidget* group);
  QWidget* ExtGroupPlace() const { return extGroupPlace_; }

  // "Настройки" ▸ "Программа": Preparing (the file types refresh), the controls from the
  // options, the size field from MaxFileSize, then modal until OK.
  void Execute();

  QPushButton* BitBtn1() const { return bitBtn1_; }
  // How refused keys and corrected text in the size field sound (tests count them).
  void SetBeep(const BeepFn& beep);

  // OK: MaxFileSize := the size field (at least 100), then the dialog closes.
  void accept() override;
  // There is no Cancel: Escape and the window's close do nothing.
  void reject() override;
  void done(int result) override;

 signals:
  // The dialog is about to show: the file-type group refreshes its list and buttons.
  void Preparing();
  // The dialog closes: the file-type group saves a changed list.
  void Closing();
  // "Показывать подсказки" changed: hints on or off in every window, at once.
  void ShowHintsChanged(bool show);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LoadControls();
  // Edit2Change's look: red and bold from 1000 on.
  void SizeLook();
  // Edit2Exit: below 100 becomes 100.
  void SizeLeft();

  ProgramOptions own_;
  ProgramOptions* options_ = &own_;

  QWidget* extGroupPlace_ = nullptr;
  QCheckBox* checkBox1_ = nullptr;
  QCheckBox* checkBox4_ = nullptr;
  TNumberEdit* edit2_ = nullptr;
  QCheckBox* checkBox5_ = nullptr;
  QCheckBox* checkBox6_ = nullptr;
  QLineEdit* edit3_ = nullptr;
  QRadioButton* radioButton1_ = nullptr;
  QRadioButton* radioButton2_ = nullptr;
  QRadioButton* radioButton3_ = nullptr;
  QCheckBox* checkBox7_ = nullptr;
  QCheckBox* checkBox8_ = nullptr;
  QPushButton* bitBtn1_ = nullptr;
};

}  // namespace quillet
