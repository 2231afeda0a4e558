#include "ui/widgets/button_look.h"

#include <QAbstractButton>
#include <QPalette>

namespace quillet {

bool BitBtnActive(const QAbstractButton* button) {
  return button != nullptr && button->font().bold() && button->cursor().shape() == Qt::PointingHandCursor;
}

void SetBitBtnActive(QAbstractButton* button, bool active) {
  if (button == nullptr || BitBtnActive(button) == active) return;
  QFont font = button->font();
  font.setBold(active);
  button->setFont(font);
  // The text colours come from the application's palette, so that a change of the desktop
  // theme reaches both looks.
  const QPalette app = QPalette();
  QPalette palette = button->palette();
  const QColor text = active ? app.color(QPalette::Active, QPalette::WindowText)
                             : app.color(QPalette::Disabled, QPalette::WindowText);
  palette.setColor(QPalette::Active, QPalette::ButtonText, text);
  palette.setColor(QPalette::Inactive, QPalette::ButtonText, text);
  button->setPalette(palette);
  if (active) {
    button->setCursor(Qt::PointingHandCursor);
  } else {
    button->unsetCursor();
  }
}

}  // namespace quillet
