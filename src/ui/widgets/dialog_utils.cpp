#include "ui/widgets/dialog_utils.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <QScreen>

#include "platform/qt/qt_platform.h"

namespace quillet {

void AddOkCancelRow(QDialog* dialog, QBoxLayout* layout, QPushButton*& ok, const char* okName,
                    QPushButton** cancel, const char* cancelName) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  ok = new QPushButton(QString::fromUtf8(qt::CaptionOk), dialog);
  ok->setObjectName(QLatin1String(okName));
  ok->setDefault(true);
  row->addWidget(ok);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  if (cancel != nullptr) {
    *cancel = new QPushButton(QString::fromUtf8(qt::CaptionCancel), dialog);
    (*cancel)->setObjectName(QLatin1String(cancelName));
    row->addWidget(*cancel);
    QObject::connect(*cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  }
  layout->addLayout(row);
}

void CenterOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window->frameSize().isValid() ? window->frameSize() : window->size();
  window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void ShowLook(QWidget* control, const TextLook& look) {
  QPalette palette = control->palette();
  qt::ApplyLookColors(look, QApplication::palette(control), palette);
  control->setPalette(palette);
  control->setFont(qt::FontFromLook(look, QApplication::font(control)));
}

void TakeFont(TextLook& sample, const TextLook& font) {
  const uint32_t fontColor = sample.fontColor, backColor = sample.backColor;
  sample = font;
  sample.fontColor = fontColor;
  sample.backColor = backColor;
}

}  // namespace quillet
