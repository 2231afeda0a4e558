// The number fields of the panels: a single-line edit that takes digits only, and an up-down
// control beside it that holds the value between Min and Max.
#pragma once

#include <QWidget>

#include "ui/widgets/widget_utils.h"

class QLineEdit;
class QToolButton;

namespace quillet {

// Two arrow buttons that step a position between Min and Max (16-bit signed, as the standard
// up-down control). With an associated edit the position is shown there as plain digits (no
// thousands separators) and follows the edit's text whenever it holds a number in the range.
class TUpDown : public QWidget {
  Q_OBJECT

 public:
  explicit TUpDown(QWidget* parent = nullptr);

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // Values outside the 16-bit range are cut to it; the position is kept within Min..Max.
  void SetMin(int value);
  void SetMax(int value);
  void SetRange(int min, int max);
  // Clamped to Min..Max; the associated edit shows the new position.
  void SetPosition(int value);

  QLineEdit* Associate() const { return associate_; }
  void SetAssociate(QLineEdit* edit);

  // One press of an arrow (+1 up, -1 down), as also the Up and Down keys in the edit.
  void Step(int delta);

  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 signals:
  void PositionChanged(int position);

 private:
  void SyncFromAssociate();
  void ShowInAssociate();
  void Store(int value);

  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  QLineEdit* associate_ = nullptr;
  QMetaObject::Connection associateLink_;
  int16_t min_ = 0;
  int16_t max_ = 100;
  int16_t position_ = 0;
};

// An edit named editName with its up-down named upDownName. Typed characters go through
// FilterEditKey (digits and control keys only, at most maxLen characters); every change of the
// text goes through ClampEditNumber, so the field never holds anything but a number within
// Min..Max. Refused keys and corrected text beep.
class TNumberEdit : public QWidget {
  Q_OBJECT

 public:
  TNumberEdit(const QString& editName, const QString& upDownName, int min, int max, int position,
              QWidget* parent = nullptr, int maxLen = 5);

  QLineEdit* Edit() const { return edit_; }
  TUpDown* UpDown() const { return upDown_; }

  int Position() const;
  void SetPosition(int value);
  int Min() const;
  int Max() const;
  int MaxLen() const { return maxLen_; }

  // The tool tip of the edit and of the up-down.
  void SetHint(const QString& hint);
  void SetBeep(BeepFn beep) { beep_ = std::move(beep); }

 signals:
  // The text changed and is clean: digits within Min..Max.
  void Changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void EditChange();

  QLineEdit* edit_ = nullptr;
  TUpDown* upDown_ = nullptr;
  int maxLen_ = 5;
  BeepFn beep_;
};

}  // namespace quillet
