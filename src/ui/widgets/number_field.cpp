#include "ui/widgets/number_field.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "core/number_field_rules.h"

namespace quillet {

namespace {

int16_t To16(int value) {
  return static_cast<int16_t>(std::clamp<int>(value, std::numeric_limits<int16_t>::min(),
                                              std::numeric_limits<int16_t>::max()));
}

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setArrowType(arrow);
  b->setAutoRepeat(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->setFixedSize(16, 11);
  b->setIconSize(QSize(7, 5));
  return b;
}

}  // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  up_ = MakeArrow(Qt::UpArrow, this);
  down_ = MakeArrow(Qt::DownArrow, this);
  box->addWidget(up_);
  box->addWidget(down_);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void TUpDown::Store(int value) {
  const int16_t v = To16(std::clamp<int>(value, std::min(min_, max_), std::max(min_, max_)));
  if (v == position_) return;
  position_ = v;
  emit PositionChanged(position_);
}

void TUpDown::SetMin(int value) { SetRange(value, max_); }
void TUpDown::SetMax(int value) { SetRange(min_, value); }

void TUpDown::SetRange(int min, int max) {
  min_ = To16(min);
  max_ = To16(max);
  const int16_t before = position_;
  Store(position_);
  if (position_ != before) ShowInAssociate();
}

void TUpDown::SetPosition(int value) {
  Store(value);
  ShowInAssociate();
}

void TUpDown::Step(int delta) {
  SyncFromAssociate();
  SetPosition(position_ + delta);
}

void TUpDown::SetAssociate(QLineEdit* edit) {
  if (associateLink_) disconnect(associateLink_);
  associate_ = edit;
  if (!edit) return;
  associateLink_ = connect(edit, &QLineEdit::textChanged, this, [this] { SyncFromAssociate(); });
  ShowInAssociate();
}

void TUpDown::SyncFromAssociate() {
  if (!associate_) return;
  bool ok = false;
  const int value = associate_->text().toInt(&ok);
  if (ok && value >= min_ && value <= max_) Store(value);
}

void TUpDown::ShowInAssociate() {
  if (!associate_) return;
  const QString text = QString::number(position_);
  if (associate_->text() != text) associate_->setText(text);
}

TNumberEdit::TNumberEdit(const QString& editName, const QString& upDownName, int min, int max,
                         int position, QWidget* parent, int maxLen)
    : QWidget(parent), maxLen_(maxLen) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(editName);
  const int digitWidth = edit_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  edit_->setFixedWidth(digitWidth * std::clamp(maxLen, 1, 10) + 12);
  upDown_ = new TUpDown(this);
  upDown_->setObjectName(upDownName);
  row->addWidget(edit_);
  row->addWidget(upDown_);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

  edit_->installEventFilter(this);
  connect(edit_, &QLineEdit::textChanged, this, &TNumberEdit::EditChange);
  upDown_->SetRange(min, max);
  upDown_->SetAssociate(edit_);
  upDown_->SetPosition(position);
  // The text may already read the position, so SetPosition wrote nothing: clean it anyway.
  EditChange();
}

int TNumberEdit::Position() const { return upDown_->Position(); }
void TNumberEdit::SetPosition(int value) { upDown_->SetPosition(value); }
int TNumberEdit::Min() const { return upDown_->Min(); }
int TNumberEdit::Max() const { return upDown_->Max(); }

void TNumberEdit::SetHint(const QString& hint) {
  edit_->setToolTip(hint);
  upDown_->setToolTip(hint);
}

bool TNumberEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_ || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
    if (!edit_->isReadOnly()) upDown_->Step(key->key() == Qt::Key_Up ? 1 : -1);
    return true;
  }
  // Only keys that type a character are filtered; editing keys and shortcuts pass.
  const QString text = key->text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;
  if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  const char32_t code = text.toUcs4().value(0);
  const KeyFilterResult r = FilterEditKey(static_cast<int>(edit_->text().size()),
                                          edit_->hasSelectedText(), code, maxLen_);
  if (r.beep) Sound(beep_);
  return r.key == 0;
}

void TNumberEdit::EditChange() {
  const QString current = edit_->text();
  const ClampResult r = ClampEditNumber(current.toStdString(), maxLen_,
                                        NumberLimits{upDown_->Min(), upDown_->Max()});
  const QString clean = QString::fromStdString(r.text);
  if (clean == current) {
    emit Changed();
    return;
  }
  // Keep the caret behind the same digits it stood behind.
  const int cursor = edit_->cursorPosition();
  int digitsBefore = 0;
  for (int i = 0; i < cursor && i < current.size(); ++i) {
    if (current.at(i) >= QLatin1Char('0') && current.at(i) <= QLatin1Char('9')) ++digitsBefore;
  }
  if (r.beep) Sound(beep_);
  edit_->setText(clean);  // raises textChanged again, which passes and reports the change
  edit_->setCursorPosition(std::min<int>(digitsBefore, static_cast<int>(clean.size())));
}

}  // namespace quillet
