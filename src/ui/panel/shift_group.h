// The "Смещение тайминга" group of the operations panel: the amount in seconds and
// milliseconds, and the buttons that add it to or subtract it from the blocks of the range.
#pragma once

#include <QGroupBox>

#include "ui/widgets/widget_utils.h"

class QPushButton;

namespace quillet {

class TNumberEdit;

class TShiftGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit TShiftGroup(QWidget* parent = nullptr);
  void SetBeep(const BeepFn& beep);

  // The up-downs' positions.
  int Seconds() const;
  int Milliseconds() const;

  TNumberEdit* SecField() const { return edit1_; }   // Edit1 / UpDown1
  TNumberEdit* MSecField() const { return edit2_; }  // Edit2 / UpDown2
  QPushButton* BitBtn2() const { return bitBtn2_; }
  QPushButton* BitBtn3() const { return bitBtn3_; }

 signals:
  void ShiftAddRequested();
  void ShiftSubtractRequested();

 public slots:
  void BitBtn2Click();
  void BitBtn3Click();

 private:
  TNumberEdit* edit1_ = nullptr;
  TNumberEdit* edit2_ = nullptr;
  QPushButton* bitBtn2_ = nullptr;
  QPushButton* bitBtn3_ = nullptr;
};

}  // namespace quillet
