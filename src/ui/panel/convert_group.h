// The "Конвертирование" group of the operations panel: the current format of the text, the
// target format and the buttons that convert and re-detect.
#pragma once

#include <QGroupBox>

#include "core/formats.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace quillet {

class TConvertGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit TConvertGroup(QWidget* parent = nullptr);

  QString FormatText() const;

  QLabel* Label9() const { return label9_; }
  QComboBox* ComboBox2() const { return comboBox2_; }
  QPushButton* BitBtn6() const { return bitBtn6_; }
  QPushButton* Button1() const { return button1_; }

 signals:
  void ConvertRequested();
  void RefreshRequested();

 public slots:
  // The current-format label.
  void SetFormatText(const QString& text);
  // The upper-case name of a format ("???" for an unknown one).
  void SetFormat(TextFormat format);
  void BitBtn6Click();
  void Button1Click();

 private:
  QLabel* label9_ = nullptr;
  QComboBox* comboBox2_ = nullptr;
  QPushButton* bitBtn6_ = nullptr;
  QPushButton* button1_ = nullptr;
};

}  // namespace quillet
