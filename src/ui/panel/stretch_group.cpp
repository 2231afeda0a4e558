#include "ui/panel/stretch_group.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/number_field.h"
#include "ui/widgets/widget_utils.h"

namespace quillet {

TStretchGroup::TStretchGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("Растяжение тайминга"), parent) {
  setObjectName(QStringLiteral("GroupBox4"));
  const Options d;
  auto* caption = new QLabel(QStringLiteral("Время растяжения 1/sec:"), this);
  edit5_ = new TNumberEdit(QStringLiteral("Edit5"), QStringLiteral("UpDown5"), 0, 30000, 0, this);
  caption->setBuddy(edit5_->Edit());
  radioButton1_ = new QRadioButton(QStringLiteral("ms"), this);
  radioButton1_->setObjectName(QStringLiteral("RadioButton1"));
  radioButton2_ = new QRadioButton(QStringLiteral("0,01ms"), this);
  radioButton2_->setObjectName(QStringLiteral("RadioButton2"));
  auto* units = new QButtonGroup(this);
  units->addButton(radioButton1_);
  units->addButton(radioButton2_);
  (d.unitMs ? radioButton1_ : radioButton2_)->setChecked(true);
  checkBox3_ = NewCheckBox(this, "CheckBox3", QStringLiteral("От начала"),
                           QStringLiteral("Если включено, расчёт времени растяжения будет осуществляться относительно времени 0:00:00, иначе относительно времени первого из растягиваемых блоков"), d.fromStart);
  checkBox1_ = NewCheckBox(this, "CheckBox1", QStringLiteral("Смещать конечные"),
                           QStringLiteral("Если включено, все блоки после конечного растянутого блока будут смещены на такое же время, как и он"), d.moveEnds);
  checkBox2_ = NewCheckBox(this, "CheckBox2", QStringLiteral("Растягивать длительн."),
                           QStringLiteral("Если включено, длительность отображения субтитров так же будет подвергаться растяженнию"), d.stretchDurations);
  bitBtn4_ = NewButton(this, "BitBtn4", QStringLiteral("<> Раст."), QString());
  bitBtn5_ = NewButton(this, "BitBtn5", QStringLiteral(">< Сжать"), QString());
  MakeCompact(bitBtn4_);
  MakeCompact(bitBtn5_);

  auto* column = NewGroupColumn(this);
  column->addWidget(caption);
  auto* rate = new QHBoxLayout;
  rate->setSpacing(4);
  rate->addWidget(edit5_);
  rate->addWidget(radioButton1_);
  rate->addWidget(radioButton2_);
  rate->addStretch(1);
  column->addLayout(rate);
  column->addWidget(checkBox3_);
  column->addWidget(checkBox1_);
  column->addWidget(checkBox2_);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(3);
  buttons->addWidget(bitBtn4_);
  buttons->addWidget(bitBtn5_);
  column->addLayout(buttons);

  connect(bitBtn4_, &QPushButton::clicked, this, &TStretchGroup::BitBtn4Click);
  connect(bitBtn5_, &QPushButton::clicked, this, &TStretchGroup::BitBtn5Click);
}

void TStretchGroup::SetBeep(const BeepFn& beep) { edit5_->SetBeep(beep); }

int TStretchGroup::Rate() const { return edit5_->Position(); }

TStretchGroup::Options TStretchGroup::ReadOptions() const {
  return {radioButton1_->isChecked(), checkBox3_->isChecked(), checkBox1_->isChecked(),
          checkBox2_->isChecked()};
}

void TStretchGroup::LoadOptions(const Options& options) {
  (options.unitMs ? radioButton1_ : radioButton2_)->setChecked(true);
  checkBox3_->setChecked(options.fromStart);
  checkBox1_->setChecked(options.moveEnds);
  checkBox2_->setChecked(options.stretchDurations);
}

void TStretchGroup::BitBtn4Click() { emit StretchRequested(); }
void TStretchGroup::BitBtn5Click() { emit CompressRequested(); }

}  // namespace quillet
