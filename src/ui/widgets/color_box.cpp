#include "ui/widgets/color_box.h"

#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include "core/font_appearance.h"
#include "platform/look_dialogs.h"
#include "platform/qt/qt_platform.h"

namespace quillet {

namespace {

constexpr QSize kSwatch(16, 12);

QIcon Swatch(const QColor& color) {
  QPixmap pixmap(kSwatch);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.setBrush(color);
  painter.drawRect(0, 0, kSwatch.width() - 1, kSwatch.height() - 1);
  return QIcon(pixmap);
}

}  // namespace

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent), entries_(ColorListEntries()) {
  setIconSize(kSwatch);
  setMaxVisibleItems(16);
  for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
    addItem(QString());
    ShowEntry(i);
  }
  chosen_ = 0;
  connect(this, &QComboBox::activated, this, [this](int index) { Choose(index, listClosing_); });
}

TColorBox* NewColorBox(QWidget* parent, const char* name, IColorDialog& dialog) {
  auto* box = new TColorBox(parent);
  box->setObjectName(QLatin1String(name));
  box->SetColorDialog(&dialog);
  return box;
}

void TColorBox::ShowEntry(int index) {
  const ColorEntry& entry = entries_[static_cast<size_t>(index)];
  setItemText(index, QString::fromStdString(entry.name));
  setItemIcon(index, Swatch(qt::ColorFromValue(entry.value, palette())));
  setItemData(index, static_cast<qulonglong>(entry.value));
}

uint32_t TColorBox::Selected() const {
  const int index = currentIndex();
  return index >= 0 ? entries_[static_cast<size_t>(index)].value : 0;
}

void TColorBox::SetSelected(uint32_t value) {
  int index = FindColorEntry(entries_, value, kCustomColorIndex + 1);
  if (index < 0) {
    index = kCustomColorIndex;
    entries_[kCustomColorIndex].value = value;
    ShowEntry(kCustomColorIndex);
  }
  chosen_ = index;
  setCurrentIndex(index);
}

void TColorBox::TranslateColorNames(bool byName) {
  quillet::TranslateColorNames(entries_, byName);
  for (int i = 0; i < static_cast<int>(entries_.size()); ++i) setItemText(i, QString::fromStdString(entries_[i].name));
  if (!byName) SetSelected(ClWindow);
}

void TColorBox::hidePopup() {
  // Picking an item closes the list and then activates the item, in one go; a list closed
  // without a pick leaves nothing to activate.
  listClosing_ = true;
  QComboBox::hidePopup();
  QTimer::singleShot(0, this, [this] { listClosing_ = false; });
}

void TColorBox::Choose(int index, bool fromList) {
  listClosing_ = false;
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  if (index == kCustomColorIndex && fromList && dialog_ != nullptr) {
    uint32_t value = entries_[kCustomColorIndex].value;
    if (!dialog_->ChooseColor(value)) {
      // Cancelled: the colour chosen before stays.
      setCurrentIndex(chosen_);
      return;
    }
    entries_[kCustomColorIndex].value = value;
    ShowEntry(kCustomColorIndex);
  }
  chosen_ = index;
  emit ColorChanged(entries_[static_cast<size_t>(index)].value);
}

}  // namespace quillet
