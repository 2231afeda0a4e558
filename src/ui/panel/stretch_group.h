// The "Растяжение тайминга" group of the operations panel: the stretch rate with its unit, the
// origin and follow options, and the stretch and compress buttons.
#pragma once

#include <QGroupBox>

#include "storage/settings.h"
#include "ui/widgets/widget_utils.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace quillet {

class TNumberEdit;

class TStretchGroup : public QGroupBox {
  Q_OBJECT

 public:
  // The stored options (the rate itself is not stored); their defaults are the controls' first
  // states.
  using Options = StretchOptions;

  explicit TStretchGroup(QWidget* parent = nullptr);
  void SetBeep(const BeepFn& beep);

  int Rate() const;  // the up-down's position
  Options ReadOptions() const;
  void LoadOptions(const Options& options);

  TNumberEdit* RateField() const { return edit5_; }  // Edit5 / UpDown5
  QRadioButton* RadioButton1() const { return radioButton1_; }
  QRadioButton* RadioButton2() const { return radioButton2_; }
  QCheckBox* CheckBox3() const { return checkBox3_; }
  QCheckBox* CheckBox1() const { return checkBox1_; }
  QCheckBox* CheckBox2() const { return checkBox2_; }
  QPushButton* BitBtn4() const { return bitBtn4_; }
  QPushButton* BitBtn5() const { return bitBtn5_; }

 signals:
  void StretchRequested();
  void CompressRequested();

 public slots:
  void BitBtn4Click();
  void BitBtn5Click();

 private:
  TNumberEdit* edit5_ = nullptr;
  QRadioButton* radioButton1_ = nullptr;
  QRadioButton* radioButton2_ = nullptr;
  QCheckBox* checkBox3_ = nullptr;
  QCheckBox* checkBox1_ = nullptr;
  QCheckBox* checkBox2_ = nullptr;
  QPushButton* bitBtn4_ = nullptr;
  QPushButton* bitBtn5_ = nullptr;
};

}  // namespace quillet
