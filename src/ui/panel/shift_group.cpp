#include "ui/panel/shift_group.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/number_field.h"
#include "ui/widgets/widget_utils.h"

namespace quillet {

namespace {

// A bold plus (green) or minus (red) sign, so that the two "Время" buttons differ at a glance.
QIcon SignIcon(bool plus) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  const QColor color = plus ? QColor(0, 128, 0) : QColor(192, 0, 0);
  p.fillRect(2, 6, 12, 4, color);
  if (plus) p.fillRect(6, 2, 4, 12, color);
  p.end();
  return QIcon(pixmap);
}

}  // namespace

TShiftGroup::TShiftGroup(QWidget* parent) : QGroupBox(QStringLiteral("Смещение тайминга"), parent) {
  setObjectName(QStringLiteral("GroupBox1"));
  auto* caption = new QLabel(QStringLiteral("Время смещения:"), this);
  auto* secLabel = new QLabel(QStringLiteral("Sec"), this);
  edit1_ = new TNumberEdit(QStringLiteral("Edit1"), QStringLiteral("UpDown1"), 0, 32000, 0, this);
  edit1_->SetHint(QStringLiteral("Секунды"));
  auto* msecLabel = new QLabel(QStringLiteral("mSec"), this);
  edit2_ = new TNumberEdit(QStringLiteral("Edit2"), QStringLiteral("UpDown2"), 0, 999, 0, this);
  edit2_->SetHint(QStringLiteral("Миллисекунды (1000 ms = 1 sec)"));
  secLabel->setBuddy(edit1_->Edit());
  msecLabel->setBuddy(edit2_->Edit());
  bitBtn2_ = NewButton(this, "BitBtn2", QStringLiteral("Время"),
                       QStringLiteral("Прибавить время смещения к времени заданных блоков"));
  bitBtn2_->setIcon(SignIcon(true));
  bitBtn3_ = NewButton(this, "BitBtn3", QStringLiteral("Время"),
                       QStringLiteral("Отнять время смещения от времени заданных блоков"));
  bitBtn3_->setIcon(SignIcon(false));
  MakeCompact(bitBtn2_);
  MakeCompact(bitBtn3_);

  auto* column = NewGroupColumn(this);
  column->addWidget(caption);
  auto* amount = new QHBoxLayout;
  amount->setSpacing(3);
  amount->addWidget(secLabel);
  amount->addWidget(edit1_);
  amount->addSpacing(6);
  amount->addWidget(msecLabel);
  amount->addWidget(edit2_);
  amount->addStretch(1);
  column->addLayout(amount);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(3);
  buttons->addWidget(bitBtn2_);
  buttons->addWidget(bitBtn3_);
  column->addLayout(buttons);

  connect(bitBtn2_, &QPushButton::clicked, this, &TShiftGroup::BitBtn2Click);
  connect(bitBtn3_, &QPushButton::clicked, this, &TShiftGroup::BitBtn3Click);
}

void TShiftGroup::SetBeep(const BeepFn& beep) {
  edit1_->SetBeep(beep);
  edit2_->SetBeep(beep);
}

int TShiftGroup::Seconds() const { return edit1_->Position(); }
int TShiftGroup::Milliseconds() const { return edit2_->Position(); }

void TShiftGroup::BitBtn2Click() { emit ShiftAddRequested(); }
void TShiftGroup::BitBtn3Click() { emit ShiftSubtractRequested(); }

}  // namespace quillet
