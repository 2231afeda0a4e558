// The "Поиск ошибок" group of the operations panel: the rules of the error search with their
// limits, and the three buttons that start a search.
#pragma once

#include <QGroupBox>

#include "core/find_err_settings.h"
#include "ui/widgets/widget_utils.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quillet {

class TNumberEdit;

// What the group needs to know of the editor and the search engine, and whom it tells of its
// values. The panel provides it over the session; while the engine does not exist yet its
// answer is "cannot continue".
class IFindErrGroupHost {
 public:
  virtual ~IFindErrGroupHost() = default;
  virtual int LineCount() const = 0;     // the editor's cached line count
  virtual int CaretLine() const = 0;     // the caret's 0-based line
  virtual bool CanContinue() const = 0;  // the engine stopped on an error with lines after it
  // A rule or limit changed: these are the values now (the next scan reads them).
  virtual void SettingsChanged(const FindErrSettings& settings) = 0;
};

class TFindErrGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit TFindErrGroup(QWidget* parent = nullptr);

  // Not owned; may be null (the buttons then stay disabled).
  void SetHost(IFindErrGroupHost* host) { host_ = host; }
  void SetBeep(const BeepFn& beep);

  // The rules as they stand on the panel (the list in Windows-1251).
  FindErrSettings ReadSettings() const;
  // Puts loaded values into the controls, then runs the start-up handlers.
  void LoadSettings(const FindErrSettings& settings);
  // After the values were loaded: each number field's enabling follows its check box and the
  // buttons follow the options.
  void RunStartupHandlers();

  // The state of "Сначала" (the menu command F7 copies it).
  bool FromStartEnabled() const;
  // The engine switches ">" itself at the end of every scan and when it is reset.
  void SetNextEnabled(bool enabled);

  QCheckBox* CheckBox4() const { return checkBox4_; }
  QCheckBox* CheckBox12() const { return checkBox12_; }
  QCheckBox* CheckBox5() const { return checkBox5_; }
  QCheckBox* CheckBox9() const { return checkBox9_; }
  QCheckBox* CheckBox14() const { return checkBox14_; }
  QCheckBox* CheckBox11() const { return checkBox11_; }
  QCheckBox* CheckBox15() const { return checkBox15_; }
  QCheckBox* CheckBox16() const { return checkBox16_; }
  TNumberEdit* Field6() const { return edit6_; }    // Edit6 / UpDown6
  TNumberEdit* Field15() const { return edit15_; }  // Edit15 / UpDown13
  TNumberEdit* Field13() const { return edit13_; }  // Edit13 / UpDown12
  QLineEdit* Edit14() const { return edit14_; }
  QPushButton* Button5() const { return button5_; }
  QPushButton* Button12() const { return button12_; }
  QPushButton* Button13() const { return button13_; }

 signals:
  void FindFromStartRequested();
  void FindNextRequested();
  void FindFromLineRequested(int line);

 public slots:
  // Enables the three buttons when some rule is on, enable is set and the text has more than
  // one line; "Поз." also needs the caret below the first line, ">" the engine's go-ahead.
  void SetFindErrButs(bool enable);

  void CheckBox4Click();
  void CheckBox12Click();
  void CheckBox9Click();
  void CheckBox14Click();
  void CheckBox5Click();
  // The number fields clean and clamp their text themselves (their key filter is the
  // Edit6KeyPress rule); these only mark the settings dirty.
  void Edit6Change();
  void Edit15Change();
  void Edit13Change();
  void Edit14Change();
  void Button5Click();
  void Button12Click();
  void Button13Click();

 private:
  void MarkDirty();

  IFindErrGroupHost* host_ = nullptr;
  QCheckBox* checkBox4_ = nullptr;
  TNumberEdit* edit6_ = nullptr;
  QCheckBox* checkBox12_ = nullptr;
  TNumberEdit* edit15_ = nullptr;
  QCheckBox* checkBox5_ = nullptr;
  QCheckBox* checkBox9_ = nullptr;
  TNumberEdit* edit13_ = nullptr;
  QCheckBox* checkBox14_ = nullptr;
  QLineEdit* edit14_ = nullptr;
  QCheckBox* checkBox11_ = nullptr;
  QCheckBox* checkBox15_ = nullptr;
  QCheckBox* checkBox16_ = nullptr;
  QPushButton* button5_ = nullptr;
  QPushButton* button12_ = nullptr;
  QPushButton* button13_ = nullptr;
};

}  // namespace quillet
