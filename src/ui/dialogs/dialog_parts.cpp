#include "ui/dialogs/dialog_parts.h"

#include <QDialog>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

#include "platform/codepage.h"

namespace quillet {

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

std::string FieldAnsi(const QLineEdit* edit) {
  return cp1251::FromUtf8Lenient(edit->text().toStdString());
}

QString AnsiToQString(const std::string& ansi) { return QString::fromStdString(cp1251::ToUtf8(ansi)); }

}  // namespace quillet
