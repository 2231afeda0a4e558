#include "platform/qt/qt_look_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QScreen>

#include "platform/qt/qt_platform.h"

namespace quillet {

bool QtLookDialogs::ChooseFont(TextLook& look, bool ansiOnly) {
  // Qt's font dialog cannot be limited to the fonts of one code page: every font is offered
  // (fonts without Cyrillic letters show the program's texts with a fallback font).
  (void)ansiOnly;
  QFontDialog dialog(parent_);
  dialog.setObjectName(QString::fromLatin1(kFontDialogName));
  dialog.setOption(QFontDialog::DontUseNativeDialog, true);
  dialog.setCurrentFont(qt::FontFromLook(look, QApplication::font()));
  if (beforeFont_) beforeFont_(dialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QScreen* screen = parent_ != nullptr ? parent_->screen() : QGuiApplication::primaryScreen();
  qt::ReadLookFromFont(dialog.selectedFont(), screen != nullptr ? screen->logicalDotsPerInchY() : 96.0, look);
  return true;
}

bool QtLookDialogs::ChooseColor(uint32_t& value) {
  QColorDialog dialog(parent_);
  dialog.setObjectName(QString::fromLatin1(kColorDialogName));
  dialog.setOption(QColorDialog::DontUseNativeDialog, true);
  dialog.setCurrentColor(qt::ColorFromValue(value, QApplication::palette()));
  if (beforeColor_) beforeColor_(dialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QColor chosen = dialog.selectedColor();
  if (!chosen.isValid()) return false;
  value = static_cast<uint32_t>(chosen.red()) | static_cast<uint32_t>(chosen.green()) << 8 |
          static_cast<uint32_t>(chosen.blue()) << 16;
  return true;
}

}  // namespace quillet
