#include "ui/dialogs/dialog_parts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "platform/codepage.h"

namespace quillet {

void TToolDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) emit OpenChanged(true);
}

void TToolDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (event->spontaneous()) return;
  Closed();
  emit OpenChanged(false);
}

void SetDialogWindowStyle(QDialog* dialog, const QString& caption, bool onTop) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (onTop) flags |= Qt::WindowStaysOnTopHint;
  dialog->setWindowFlags(flags);
  dialog->setWindowTitle(caption);
  if (dialog->layout()) dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* NewDialogButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) button->setToolTip(hint);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QGroupBox* NewDirectionGroup(QWidget* parent, QRadioButton*& up, QRadioButton*& down) {
  auto* group = new QGroupBox(QStringLiteral("Направление"), parent);
  group->setObjectName(QStringLiteral("GroupBox1"));
  up = new QRadioButton(QStringLiteral("Вверх"), group);
  up->setObjectName(QStringLiteral("RadioButton1"));
  down = new QRadioButton(QStringLiteral("Вниз"), group);
  down->setObjectName(QStringLiteral("RadioButton2"));
  down->setChecked(true);
  auto* row = new QHBoxLayout(group);
  row->addWidget(up);
  row->addWidget(down);
  return group;
}

std::string FieldAnsi(const QLineEdit* edit) {
  return cp1251::FromUtf8Lenient(edit->text().toStdString());
}

QString AnsiToQString(const std::string& ansi) { return QString::fromStdString(cp1251::ToUtf8(ansi)); }

}  // namespace quillet
