#include "ui/main/message_pane.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/qt/qt_platform.h"
#include "session/message_window.h"
#include "ui/widgets/dialog_utils.h"

namespace quillet {

namespace {

// Watches the window the pane lives in: after a resize the pane draws itself anew.
class RepaintOnResize : public QObject {
 public:
  RepaintOnResize(QObject* parent, QTextEdit* pane) : QObject(parent), pane_(pane) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) pane_->viewport()->update();
    return false;
  }

 private:
  QTextEdit* pane_;
};

}  // namespace

TMessagePane::TMessagePane(QWidget* parent, QVBoxLayout* parentLayout) : QObject(parent) {
  splitter1_ = new QSplitter(Qt::Vertical, parent);
  splitter1_->setObjectName("Splitter1");
  splitter1_->setChildrenCollapsible(false);
  splitter1_->setHandleWidth(4);
  parentLayout->addWidget(splitter1_);

  panel3_ = new QWidget(splitter1_);
  panel3_->setObjectName("Panel3");
  panel3Layout_ = new QVBoxLayout(panel3_);
  panel3Layout_->setContentsMargins(0, 0, 0, 0);

  panel4_ = new QWidget(splitter1_);
  panel4_->setObjectName("Panel4");
  auto* panel4Layout = new QVBoxLayout(panel4_);
  panel4Layout->setContentsMargins(0, 0, 0, 0);
  richEdit1_ = new QTextEdit(panel4_);
  richEdit1_->setObjectName("RichEdit1");
  richEdit1_->setReadOnly(true);
  richEdit1_->setAcceptRichText(false);
  richEdit1_->setContextMenuPolicy(Qt::CustomContextMenu);
  // The pane may be dragged down to a few pixels (the splitter's own rule stops it).
  richEdit1_->setMinimumHeight(1);
  panel4_->setMinimumHeight(1);
  panel4Layout->addWidget(richEdit1_);

  splitter1_->addWidget(panel3_);
  splitter1_->addWidget(panel4_);
  splitter1_->setStretchFactor(0, 1);
  splitter1_->setStretchFactor(1, 0);
  connect(splitter1_, &QSplitter::splitterMoved, this, [this] {
    const int index = splitter1_->indexOf(panel4_);
    Splitter1Moved(splitter1_->sizes().value(index));
  });
  SetStartHeight(0);
  panel4_->setMaximumHeight(MaxPaneHeight(ScreenHeight()));
  parent->window()->installEventFilter(new RepaintOnResize(this, richEdit1_));
}

int TMessagePane::ScreenHeight() const {
  const QScreen* s = splitter1_->screen();
  if (s == nullptr) s = QGuiApplication::primaryScreen();
  return s != nullptr ? s->geometry().height() : 768;
}

void TMessagePane::SetStartHeight(int stored) { paneHeight_ = StartPaneHeight(stored, ScreenHeight()); }

void TMessagePane::SetPaneHeight(int height) {
  paneHeight_ = height;
  ApplyPaneHeight();
}

bool TMessagePane::Splitter1Moved(int proposedHeight) {
  if (AcceptPaneHeight(paneHeight_, proposedHeight, ScreenHeight())) {
    paneHeight_ = proposedHeight;
    return true;
  }
  ApplyPaneHeight();
  return false;
}

void TMessagePane::ApplyPaneHeight() {
  if (panel4_->isHidden()) return;
  const QList<int> sizes = splitter1_->sizes();
  int total = 0;
  for (int s : sizes) total += s;
  if (total <= 0) total = splitter1_->height();
  const int pane = std::min(paneHeight_, std::max(0, total - 1));
  QList<int> wanted;
  for (int i = 0; i < splitter1_->count(); ++i) {
    wanted << (splitter1_->widget(i) == panel4_ ? pane : total - pane);
  }
  splitter1_->setSizes(wanted);
}

void TMessagePane::ApplyLook(const TextLook& look) {
  richEdit1_->setUpdatesEnabled(false);
  ShowLook(richEdit1_, look);
  // The text takes the new look when it is set anew.
  richEdit1_->setPlainText(richEdit1_->toPlainText());
  richEdit1_->setUpdatesEnabled(true);
}

void TMessagePane::SetPaneVisible(bool visible) { richEdit1_->setVisible(visible); }

void TMessagePane::SetPanel4Visible(bool visible) {
  panel4_->setVisible(visible);
  if (visible) ApplyPaneHeight();
}

void TMessagePane::PlacePanel4(bool onTop) {
  splitter1_->insertWidget(onTop ? 0 : 1, panel4_);
  splitter1_->setStretchFactor(splitter1_->indexOf(panel3_), 1);
  splitter1_->setStretchFactor(splitter1_->indexOf(panel4_), 0);
  ApplyPaneHeight();
}

void TMessagePane::MovePane(QWidget* target) {
  if (target == nullptr) target = panel4_;
  if (richEdit1_->parentWidget() == target) return;
  if (target->layout() == nullptr) {
    auto* layout = new QVBoxLayout(target);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  const bool visible = !richEdit1_->isHidden();
  richEdit1_->setParent(target);
  target->layout()->addWidget(richEdit1_);
  richEdit1_->setVisible(visible);
}

void TMessagePane::SetPaneText(const std::string& utf8Text) { richEdit1_->setPlainText(QString::fromStdString(utf8Text)); }

void TMessagePane::CopyTo(IClipboard& clipboard) {
  if (richEdit1_->toPlainText().isEmpty()) return;
  richEdit1_->setUpdatesEnabled(false);
  clipboard.SetText(qt::QStringToAnsi(richEdit1_->toPlainText(), true));
  QTextCursor cursor = richEdit1_->textCursor();
  cursor.clearSelection();
  richEdit1_->setTextCursor(cursor);
  richEdit1_->setUpdatesEnabled(true);
}

}  // namespace quillet
