#include "ui/main/menu_hint.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace quillet {

namespace {

constexpr const char* kHintProperty = "quilletHint";

}  // namespace

QString HintOf(const QAction* action) {
  return action ? action->property(kHintProperty).toString() : QString();
}

void SetHint(QAction* action, const QString& hint) {
  action->setProperty(kHintProperty, hint);
  action->setToolTip(hint);
}

TMenuItemHint::TMenuItemHint(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint), cursor_([] { return QCursor::pos(); }) {
  setObjectName("MenuHint");
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setPalette(QToolTip::palette());
  setFont(QToolTip::font());

  showTimer_.setSingleShot(true);
  showTimer_.setInterval(kHintPause);
  hideTimer_.setSingleShot(true);
  hideTimer_.setInterval(1);  // until the first show
  connect(&showTimer_, &QTimer::timeout, this, &TMenuItemHint::ShowHintStep);
  connect(&hideTimer_, &QTimer::timeout, this, &TMenuItemHint::HideHintStep);
}

TMenuItemHint::~TMenuItemHint() {
  showTimer_.stop();
  hideTimer_.stop();
  hide();
}

void TMenuItemHint::DoActivateHint(QAction* item) {
  hide();
  hideTimer_.stop();
  if (item == nullptr || HintOf(item).isEmpty()) {
    current_ = nullptr;
    showTimer_.stop();
    return;
  }
  current_ = item;
  showTimer_.start();
  hideTimer_.start();
}

void TMenuItemHint::ShowHintStep() {
  showTimer_.stop();  // it fires once
  if (current_ == nullptr) return;
  const QString text = HintOf(current_);
  const QSize textSize = fontMetrics().boundingRect(QRect(), Qt::AlignLeft | Qt::TextExpandTabs, text).size();
  QRect rect(cursor_() + QPoint(kCursorOffset, kCursorOffset), textSize + QSize(6, 4));
  // Kept on the screen of the cursor, as any hint window is.
  if (const QScreen* screen = QGuiApplication::screenAt(cursor_())) {
    const QRect area = screen->availableGeometry();
    if (rect.right() > area.right()) rect.moveRight(area.right());
    if (rect.bottom() > area.bottom()) rect.moveBottom(area.bottom());
    if (rect.left() < area.left()) rect.moveLeft(area.left());
    if (rect.top() < area.top()) rect.moveTop(area.top());
  }
  if (firstShow_) {
    // From now on a hint stays for the hide pause; before the first show the hide timer
    // only ended the selection of the item.
    firstShow_ = false;
    hideTimer_.setInterval(kHintHidePause);
    hideTimer_.start();
  }
  text_ = text;
  setGeometry(rect);
  show();
  update();
}

void TMenuItemHint::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::ToolTipBase));
  p.setPen(palette().color(QPalette::ToolTipText));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.drawText(TextRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, text_);
}

void TMenuItemHint::HideHintStep() {
  hideTimer_.stop();
  hide();
}

}  // namespace quillet
