#include "platform/qt/memo_widget.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>

#include "platform/qt/qt_edit_control.h"
#include "platform/qt/qt_platform.h"

namespace quillet {

using quillet::qt::CleanEditorText;
using quillet::qt::HasForeignChars;
using quillet::qt::NeedsCleaning;
using quillet::qt::ReplaceForeignChars;

MemoWidget::MemoWidget(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("Memo1");
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The selection stays visible when the focus goes elsewhere.
  QPalette pal = palette();
  pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
  pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
               pal.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(pal);
  edit_ = std::make_unique<QtEditControl>(*this);
}

MemoWidget::~MemoWidget() {
  // The adapter goes first so that nothing is reported while the document is torn down.
  edit_.reset();
}

void MemoWidget::keyPressEvent(QKeyEvent* event) {
  // The text model knows one kind of line break: Shift+Enter breaks the line as Enter does.
  if (event->matches(QKeySequence::InsertLineSeparator)) {
    QKeyEvent plain(event->type(), Qt::Key_Return, Qt::NoModifier, event->nativeScanCode(),
                    event->nativeVirtualKey(), event->nativeModifiers(), QStringLiteral("\r"),
                    event->isAutoRepeat(), event->count());
    QPlainTextEdit::keyPressEvent(&plain);
    event->setAccepted(plain.isAccepted());
    return;
  }
  if (!event->text().isEmpty() && HasForeignChars(event->text())) {
    QKeyEvent clean(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                    event->nativeVirtualKey(), event->nativeModifiers(),
                    ReplaceForeignChars(event->text()), event->isAutoRepeat(), event->count());
    QtEditControl::CleanInsert guard(*edit_);
    QPlainTextEdit::keyPressEvent(&clean);
    event->setAccepted(clean.isAccepted());
    return;
  }
  QtEditControl::CleanInsert guard(*edit_);
  QPlainTextEdit::keyPressEvent(event);
}

void MemoWidget::keyReleaseEvent(QKeyEvent* event) {
  QPlainTextEdit::keyReleaseEvent(event);
  emit KeyUp();
}

void MemoWidget::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  emit MouseUp();
}

void MemoWidget::inputMethodEvent(QInputMethodEvent* event) {
  if (NeedsCleaning(event->commitString())) {
    QInputMethodEvent clean(event->preeditString(), event->attributes());
    clean.setCommitString(CleanEditorText(event->commitString()), event->replacementStart(),
                          event->replacementLength());
    QtEditControl::CleanInsert guard(*edit_);
    QPlainTextEdit::inputMethodEvent(&clean);
    event->setAccepted(clean.isAccepted());
    return;
  }
  QtEditControl::CleanInsert guard(*edit_);
  QPlainTextEdit::inputMethodEvent(event);
}

bool MemoWidget::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && source->hasText();
}

void MemoWidget::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText() || isReadOnly()) return;
  QMimeData clean;
  clean.setText(CleanEditorText(source->text()));
  QtEditControl::CleanInsert guard(*edit_);
  QPlainTextEdit::insertFromMimeData(&clean);
}

QMimeData* MemoWidget::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return nullptr;
  // The document's own plain-text export turns no-break spaces into blanks; the raw
  // selection keeps every character.
  QString text = cursor.selectedText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  auto* data = new QMimeData;
  data->setText(text);
  return data;
}

}  // namespace quillet
