#include "ui/panel/panel_logic.h"

namespace quillet {

QStringList OperationItems() {
  // The captions are the program's own, spelling included.
  return {QStringLiteral("Нет операции"),      QStringLiteral("Реадктирование"),
          QStringLiteral("Нормализация"),      QStringLiteral("Поиск ошибок"),
          QStringLiteral("Смещение тайминга"), QStringLiteral("Растяжене тайминга"),
          QStringLiteral("Конвертирование")};
}

int ChooseOperationIndex(const QStringList& items, int index, const QString& name) {
  if (!name.isEmpty()) {
    for (int i = 0; i < items.size(); ++i) {
      if (items[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    }
  }
  return index >= 0 && index < items.size() ? index : 0;
}

bool OperationListTag::Change(int currentIndex) {
  if (currentIndex == tag_) return false;
  // A change without the focus (the wheel over the list) is applied but leaves the mark alone,
  // so that the mark keeps telling whether the list has the focus.
  if (tag_ != kNoFocus) tag_ = currentIndex;
  return true;
}

}  // namespace quillet
