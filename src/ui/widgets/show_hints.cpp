#include "ui/widgets/show_hints.h"

#include <QVariant>
#include <QWidget>

namespace quillet {

namespace {

constexpr const char* kShowHints = "quilletShowHints";

}  // namespace

void SetWindowShowHints(QWidget* window, bool show) {
  if (window != nullptr) window->setProperty(kShowHints, show);
}

bool WindowShowsHints(const QWidget* window) {
  const QVariant value = window != nullptr ? window->property(kShowHints) : QVariant();
  return !value.isValid() || value.toBool();
}

bool HintAllowed(const QObject* target) {
  for (const QObject* o = target; o != nullptr; o = o->parent()) {
    if (!o->isWidgetType()) continue;
    const auto* w = static_cast<const QWidget*>(o);
    const QVariant value = w->property(kShowHints);
    if (value.isValid()) return value.toBool();
    if (w->isWindow() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip) return true;
  }
  return true;
}

}  // namespace quillet
