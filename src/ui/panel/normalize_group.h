// The "Нормализация" group of the operations panel: what the normalization does, and its
// "Выполнить" button.
#pragma once

#include <QGroupBox>

#include "core/normalize.h"

class QCheckBox;
class QPushButton;

namespace quillet {

class TNormalizeGroup : public QGroupBox {
  Q_OBJECT

 public:
  // The stored options; their defaults are the check boxes' first states.
  using Options = NormalizeOptions;

  explicit TNormalizeGroup(QWidget* parent = nullptr);

  Options ReadOptions() const;
  // Puts loaded values into the check boxes, then refreshes the button.
  void LoadOptions(const Options& options);
  // While the operation runs its button is off; afterwards it follows the check boxes again.
  void SetRunning(bool running);

  QCheckBox* CheckBox13() const { return checkBox13_; }
  QCheckBox* CheckBox17() const { return checkBox17_; }
  QCheckBox* CheckBox18() const { return checkBox18_; }
  QPushButton* BitBtn1() const { return bitBtn1_; }

 signals:
  void NormalizeRequested();

 public slots:
  // The handler of all three check boxes: "Выполнить" is on exactly when one of them is ticked.
  void CheckBox13Click();
  void BitBtn1Click();

 private:
  QCheckBox* checkBox13_ = nullptr;
  QCheckBox* checkBox17_ = nullptr;
  QCheckBox* checkBox18_ = nullptr;
  QPushButton* bitBtn1_ = nullptr;
};

}  // namespace quillet
