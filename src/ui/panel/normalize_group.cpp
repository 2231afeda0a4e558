#include "ui/panel/normalize_group.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/widget_utils.h"

namespace quillet {

TNormalizeGroup::TNormalizeGroup(QWidget* parent) : QGroupBox(QStringLiteral("Нормализация"), parent) {
  setObjectName(QStringLiteral("GroupBox2"));
  const Options d;
  checkBox13_ = NewCheckBox(this, "CheckBox13", QStringLiteral("Перенумерация"),
                            QStringLiteral("Блоки будут перенумерованы в соответствии с их порядком в тексте"), d.renumber);
  checkBox17_ = NewCheckBox(this, "CheckBox17", QStringLiteral("Пробелы справа"),
                            QStringLiteral("Пробелы с правой стороны строк в тексте будут удалены"), d.rightBlanks);
  checkBox18_ = NewCheckBox(this, "CheckBox18", QStringLiteral("Лишние строки"),
                            QStringLiteral("Лишние пустые строки будут удалены"), d.surplusLines);
  bitBtn1_ = NewButton(this, "BitBtn1", QStringLiteral("Выполнить"), QString());
  MakeCompact(bitBtn1_);

  auto* column = NewGroupColumn(this);
  column->addWidget(checkBox13_);
  column->addWidget(checkBox17_);
  column->addWidget(checkBox18_);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(bitBtn1_, 2);
  row->addStretch(1);
  column->addLayout(row);

  for (QCheckBox* box : {checkBox13_, checkBox17_, checkBox18_}) {
    connect(box, &QCheckBox::toggled, this, &TNormalizeGroup::CheckBox13Click);
  }
  connect(bitBtn1_, &QPushButton::clicked, this, &TNormalizeGroup::BitBtn1Click);
  CheckBox13Click();
}

TNormalizeGroup::Options TNormalizeGroup::ReadOptions() const {
  return {checkBox13_->isChecked(), checkBox17_->isChecked(), checkBox18_->isChecked()};
}

void TNormalizeGroup::LoadOptions(const Options& options) {
  {
    const QSignalBlocker b13(checkBox13_), b17(checkBox17_), b18(checkBox18_);
    checkBox13_->setChecked(options.renumber);
    checkBox17_->setChecked(options.rightBlanks);
    checkBox18_->setChecked(options.surplusLines);
  }
  CheckBox13Click();
}

void TNormalizeGroup::SetRunning(bool running) {
  if (running) {
    bitBtn1_->setEnabled(false);
  } else {
    CheckBox13Click();
  }
}

void TNormalizeGroup::CheckBox13Click() {
  bitBtn1_->setEnabled(checkBox13_->isChecked() || checkBox17_->isChecked() ||
                       checkBox18_->isChecked());
}

void TNormalizeGroup::BitBtn1Click() { emit NormalizeRequested(); }

}  // namespace quillet
