#include "ui/panel/convert_group.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/widget_utils.h"

namespace quillet {

TConvertGroup::TConvertGroup(QWidget* parent) : QGroupBox(QStringLiteral("Конвертирование"), parent) {
  setObjectName(QStringLiteral("GroupBox5"));
  auto* current = new QLabel(QStringLiteral("Текущий формат:"), this);
  label9_ = new QLabel(QStringLiteral("???"), this);
  label9_->setObjectName(QStringLiteral("Label9"));
  QFont bold = label9_->font();
  bold.setBold(true);
  label9_->setFont(bold);
  label9_->setTextFormat(Qt::PlainText);
  auto* target = new QLabel(QStringLiteral("Преобразовать в:"), this);
  comboBox2_ = new QComboBox(this);
  comboBox2_->setObjectName(QStringLiteral("ComboBox2"));
  comboBox2_->addItem(QStringLiteral("SRT"));
  comboBox2_->setCurrentIndex(0);
  target->setBuddy(comboBox2_);
  bitBtn6_ = NewButton(this, "BitBtn6", QStringLiteral("Выполнить"), QString());
  button1_ = NewButton(this, "Button1", QStringLiteral("Обн."),
                       QStringLiteral("Переопределить текущий формат субтитров"));
  MakeCompact(bitBtn6_);
  MakeCompact(button1_);

  auto* column = NewGroupColumn(this);
  auto* grid = NewGroupGrid();
  grid->addWidget(current, 0, 0);
  grid->addWidget(label9_, 0, 1);
  grid->addWidget(target, 1, 0);
  grid->addWidget(comboBox2_, 1, 1);
  grid->setColumnStretch(1, 1);
  column->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(3);
  buttons->addWidget(bitBtn6_, 3);
  buttons->addWidget(button1_, 2);
  column->addLayout(buttons);

  connect(bitBtn6_, &QPushButton::clicked, this, &TConvertGroup::BitBtn6Click);
  connect(button1_, &QPushButton::clicked, this, &TConvertGroup::Button1Click);
}

QString TConvertGroup::FormatText() const { return label9_->text(); }

void TConvertGroup::SetFormatText(const QString& text) { label9_->setText(text); }

void TConvertGroup::SetFormat(TextFormat format) {
  SetFormatText(QString::fromStdString(FormatName(format, false)));
}

void TConvertGroup::BitBtn6Click() { emit ConvertRequested(); }
void TConvertGroup::Button1Click() { emit RefreshRequested(); }

}  // namespace quillet
