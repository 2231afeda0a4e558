#include "ui/widgets/widget_utils.h"

#include <QApplication>
#include <QGridLayout>
#include <QVBoxLayout>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include "ui/widgets/number_field.h"

namespace quillet {

void SystemBeep() { QApplication::beep(); }

QFont FixedPitchFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (QFontInfo(font).fixedPitch()) return font;
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::isFixedPitch(family)) continue;
    font.setFamily(family);
    if (QFontInfo(font).fixedPitch()) return font;
  }
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

void Sound(const BeepFn& beep) {
  if (beep) {
    beep();
  } else {
    SystemBeep();
  }
}

void SetEditPairEnabled(bool enabled, QWidget* edit, TUpDown* upDown) {
  if (upDown) {
    upDown->setEnabled(enabled);
    if (QLineEdit* associate = upDown->Associate()) edit = associate;
  }
  if (edit) edit->setEnabled(enabled);
}

namespace {

// The first maxLen characters, never ending inside a surrogate pair.
QString LeftChars(const QString& text, int maxLen) {
  if (maxLen < 0) maxLen = 0;
  if (text.size() <= maxLen) return text;
  qsizetype n = maxLen;
  if (n > 0 && text.at(n - 1).isHighSurrogate()) --n;
  return text.left(n);
}

}  // namespace

bool LimitEditLength(int maxLen, QWidget* control, const BeepFn& beep) {
  QLineEdit* edit = qobject_cast<QLineEdit*>(control);
  if (!edit) {
    auto* combo = qobject_cast<QComboBox*>(control);
    if (!combo || !combo->isEditable()) return false;
    edit = combo->lineEdit();
    if (!edit) return false;
  }
  const QString text = edit->text();
  const QString cut = LeftChars(text, maxLen);
  if (cut.size() == text.size()) return false;
  edit->setText(cut);
  Sound(beep);
  return true;
}

namespace {

template <typename Fn>
void ForChildrenLastFirst(QWidget* container, Fn fn) {
  if (!container) return;
  const QObjectList& children = container->children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    auto* w = qobject_cast<QWidget*>(*it);
    if (w && !w->isWindow()) fn(w);
  }
}

}  // namespace

void SetChildrenVisibleBelow(QWidget* container, bool visible, int top) {
  ForChildrenLastFirst(container, [&](QWidget* w) {
    if (w->y() >= top) w->setVisible(visible);
  });
}

void SetChildrenEnabled(QWidget* container, bool enabled) {
  ForChildrenLastFirst(container, [&](QWidget* w) { w->setEnabled(enabled); });
}

void PlaceSideBySide(QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4, QWidget* c5) {
  QWidget* chain[] = {c1, c2, c3, c4, c5};
  for (int i = 1; i < 5; ++i) {
    QWidget* prev = chain[i - 1];
    QWidget* cur = chain[i];
    if (!prev || !cur) return;
    cur->move(prev->x() + prev->width() - 1, cur->y());
  }
}

QCheckBox* NewCheckBox(QWidget* parent, const char* name, const QString& caption,
                       const QString& hint, bool checked) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setToolTip(hint);
  box->setChecked(checked);
  return box;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption,
                       const QString& hint) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

void MakeCompact(QPushButton* button) {
  const int textWidth = button->fontMetrics().horizontalAdvance(button->text());
  const int iconWidth = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
  button->setMinimumWidth(textWidth + iconWidth + 14);
  QSizePolicy policy = button->sizePolicy();
  policy.setHorizontalPolicy(QSizePolicy::Ignored);
  button->setSizePolicy(policy);
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  if (name) label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

QVBoxLayout* NewGroupColumn(QWidget* group) {
  auto* column = new QVBoxLayout(group);
  column->setContentsMargins(6, 4, 6, 6);
  column->setSpacing(3);
  return column;
}

QGridLayout* NewGroupGrid() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(3);
  return grid;
}

QFrame* NewDivider(QWidget* parent, const char* name) {
  auto* line = new QFrame(parent);
  line->setObjectName(QString::fromLatin1(name));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace quillet
