#include "platform/qt/qt_edit_control.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <limits>

#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_platform.h"

namespace quillet {

using quillet::qt::AnsiToQString;
using quillet::qt::IsEditorChar;
using quillet::qt::DocumentToAnsi;

namespace {

int ClampToInt(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max()));
}

// A document character that must not stay: outside the code page, or a line separator
// (the block separator itself is how the document holds a line break).
bool NeedsFix(char16_t c) { return c != QChar::ParagraphSeparator && !IsEditorChar(c); }

}  // namespace

// A change the program makes: the before-change call first, then the change with the
// document's own signals held back, then exactly one change call.
class QtEditControl::ProgramChange {
 public:
  explicit ProgramChange(QtEditControl& edit) : edit_(edit) {
    edit_.NotifyBeforeChange();
    ++edit_.programDepth_;
  }
  ~ProgramChange() {
    if (--edit_.programDepth_ == 0) {
      edit_.changePending_ = false;
      edit_.NotifyChange();
    }
  }
  ProgramChange(const ProgramChange&) = delete;
  ProgramChange& operator=(const ProgramChange&) = delete;

 private:
  QtEditControl& edit_;
};

QtEditControl::QtEditControl(MemoWidget& memo) : memo_(memo), doc_(memo.document()) {
  connect(doc_, &QTextDocument::contentsChange, this, &QtEditControl::OnContentsChange);
  connect(doc_, &QTextDocument::contentsChanged, this, &QtEditControl::OnContentsChanged);
}

QtEditControl::~QtEditControl() = default;

// --- notifications -------------------------------------------------------------------------

void QtEditControl::OnContentsChange(int position, int removed, int added) {
  ++revision_;
  if (removed == 0 && added == 0) return;
  if (programDepth_ > 0) return;
  changePending_ = true;
  if (cleanDepth_ > 0 || added <= 0) return;
  // Text that came in some other way than through the widget's input paths: look at what
  // was added, and only at that.
  const int end = std::min(position + added, doc_->characterCount() - 1);
  QTextCursor range(doc_);
  range.setPosition(std::max(0, position));
  range.setPosition(std::max(0, end), QTextCursor::KeepAnchor);
  const QString text = range.selectedText();
  for (QChar c : text) {
    if (NeedsFix(c.unicode())) {
      QueueCleanup(range.selectionStart(), range.selectionEnd());
      break;
    }
  }
}

void QtEditControl::OnContentsChanged() {
  if (programDepth_ > 0 || !changePending_) return;
  changePending_ = false;
  NotifyChange();
}

void QtEditControl::QueueCleanup(int from, int to) {
  cleanupFrom_ = cleanupFrom_ < 0 ? from : std::min(cleanupFrom_, from);
  cleanupTo_ = std::max(cleanupTo_, to);
  if (cleanupQueued_) return;
  cleanupQueued_ = true;
  // Not from inside the document's own signal: the change that brought the characters has
  // to finish first. The fix joins that change's undo step.
  QTimer::singleShot(0, this, &QtEditControl::RunCleanup);
}

void QtEditControl::RunCleanup() {
  cleanupQueued_ = false;
  const int last = doc_->characterCount() - 1;
  const int from = std::clamp(cleanupFrom_, 0, last);
  const int to = std::clamp(cleanupTo_, from, last);
  cleanupFrom_ = cleanupTo_ = -1;
  if (to <= from) return;
  QTextCursor range(doc_);
  range.setPosition(from);
  range.setPosition(to, QTextCursor::KeepAnchor);
  const QString text = range.selectedText();
  bool joined = false;
  QTextCursor fix(doc_);
  // From the end backwards, so that the positions still to do stay valid.
  for (qsizetype i = text.size() - 1; i >= 0; --i) {
    const char16_t c = text.at(i).unicode();
    if (!NeedsFix(c)) continue;
    qsizetype start = i;
    if (QChar::isLowSurrogate(c) && i > 0 && QChar::isHighSurrogate(text.at(i - 1).unicode())) {
      start = i - 1;
    }
    if (!joined) {
      fix.joinPreviousEditBlock();
      joined = true;
    }
    fix.setPosition(from + static_cast<int>(start));
    fix.setPosition(from + static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
    CleanInsert guard(*this);
    fix.insertText(c == QChar::LineSeparator ? QStringLiteral("\n") : QStringLiteral("?"));
    i = start;
  }
  if (joined) fix.endEditBlock();
}

// --- index mapping ---------------------------------------------------------------------------

QTextBlock QtEditControl::BlockOfLine(int line) const {
  if (line < 0 || line >= doc_->blockCount()) return {};
  if (cachedRevision_ == revision_ && cachedLine_ >= 0 && cachedBlock_.isValid()) {
    if (line == cachedLine_) return cachedBlock_;
    if (line == cachedLine_ + 1) {
      cachedBlock_ = cachedBlock_.next();
      cachedLine_ = line;
      return cachedBlock_;
    }
    if (line == cachedLine_ - 1) {
      cachedBlock_ = cachedBlock_.previous();
      cachedLine_ = line;
      return cachedBlock_;
    }
  }
  cachedBlock_ = doc_->findBlockByNumber(line);
  cachedLine_ = line;
  cachedRevision_ = revision_;
  return cachedBlock_;
}

// Start index of a block: its position plus one for the LF of every break before it.
static int StartIndex(const QTextBlock& block) { return block.position() + block.blockNumber(); }

QTextBlock QtEditControl::BlockOfIndex(int index) const {
  // The block read last, or its neighbour, answers most questions of a walk.
  if (cachedRevision_ == revision_ && cachedLine_ >= 0 && cachedBlock_.isValid()) {
    const int start = StartIndex(cachedBlock_);
    const int end = start + cachedBlock_.length() + 1;  // past its CR LF
    if (index >= start && (index < end || !cachedBlock_.next().isValid())) return cachedBlock_;
  }
  int lo = 0;
  int hi = doc_->blockCount() - 1;
  while (lo < hi) {
    const int mid = lo + (hi - lo + 1) / 2;
    if (StartIndex(doc_->findBlockByNumber(mid)) <= index) lo = mid;
    else hi = mid - 1;
  }
  return BlockOfLine(lo);
}

int QtEditControl::DocPosFromIndex(int index) const {
  index = std::clamp(index, 0, TextLength());
  const QTextBlock block = BlockOfIndex(index);
  // An index on the CR or the LF of a break stands at the end of its line.
  const int column = std::min(index - StartIndex(block), block.length() - 1);
  return block.position() + column;
}

int QtEditControl::IndexFromDocPos(int position) const {
  position = std::clamp(position, 0, doc_->characterCount() - 1);
  return position + doc_->findBlock(position).blockNumber();
}

// --- text ------------------------------------------------------------------------------------

std::string QtEditControl::Text() const {
  if (textRevision_ != revision_) {
    cachedText_ = DocumentToAnsi(doc_->toRawText());
    textRevision_ = revision_;
  }
  return cachedText_;
}

void QtEditControl::SetText(std::string_view ansi) {
  ProgramChange change(*this);
  const QString text = AnsiToQString(ansi, true);
  memo_.setPlainText(text);
  QTextCursor start(doc_);
  memo_.setTextCursor(start);
  memo_.verticalScrollBar()->setValue(0);
  memo_.horizontalScrollBar()->setValue(0);
}

int QtEditControl::TextLength() const {
  return doc_->characterCount() - 1 + doc_->blockCount() - 1;
}

int QtEditControl::LineCount() const { return doc_->blockCount(); }

std::string QtEditControl::LineText(int line) const {
  const QTextBlock block = BlockOfLine(line);
  if (!block.isValid()) return {};
  return DocumentToAnsi(block.text());
}

int QtEditControl::LineFromChar(int index) const {
  if (index < 0) index = SelStart();
  return BlockOfIndex(std::min(index, TextLength())).blockNumber();
}

int QtEditControl::LineIndex(int line) const {
  if (line == -1) {
    const int64_t end = static_cast<int64_t>(SelStart()) + SelLength();
    line = LineFromChar(ClampToInt(end));
  }
  const QTextBlock block = BlockOfLine(line);
  return block.isValid() ? StartIndex(block) : -1;
}

// --- selection -------------------------------------------------------------------------------

int QtEditControl::SelStart() const { return IndexFromDocPos(memo_.textCursor().selectionStart()); }

int QtEditControl::SelLength() const {
  const QTextCursor cursor = memo_.textCursor();
  return IndexFromDocPos(cursor.selectionEnd()) - IndexFromDocPos(cursor.selectionStart());
}

std::string QtEditControl::SelText() const {
  return DocumentToAnsi(memo_.textCursor().selectedText());
}

template <typename F>
void QtEditControl::KeepingView(F&& change) {
  QScrollBar* v = memo_.verticalScrollBar();
  QScrollBar* h = memo_.horizontalScrollBar();
  const int top = v->value();
  const int left = h->value();
  change();
  v->setValue(top);
  h->setValue(left);
}

void QtEditControl::SetSel(int start, int length) {
  const int n = TextLength();
  const int64_t from = std::clamp<int64_t>(start, 0, n);
  const int64_t to = std::clamp<int64_t>(from + std::max(length, 0), from, n);
  QTextCursor cursor(doc_);
  cursor.setPosition(DocPosFromIndex(static_cast<int>(from)));
  cursor.setPosition(DocPosFromIndex(static_cast<int>(to)), QTextCursor::KeepAnchor);
  // Selecting does not scroll; ScrollCaret does.
  KeepingView([&] { memo_.setTextCursor(cursor); });
}

void QtEditControl::ReplaceSel(std::string_view ansi, bool undoable) {
  ProgramChange change(*this);
  const QString text = AnsiToQString(ansi, true);
  QTextCursor cursor = memo_.textCursor();
  if (undoable) {
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
  } else {
    doc_->setUndoRedoEnabled(false);  // also forgets the history
    cursor.insertText(text);
    doc_->setUndoRedoEnabled(true);
  }
  memo_.setTextCursor(cursor);
  memo_.ensureCursorVisible();
}

void QtEditControl::ScrollCaret() { memo_.ensureCursorVisible(); }

// --- undo and the clipboard --------------------------------------------------------------------

bool QtEditControl::CanUndo() const { return doc_->isUndoAvailable(); }

void QtEditControl::Undo() {
  if (!CanUndo()) return;
  ProgramChange change(*this);
  memo_.undo();
}

void QtEditControl::ClearUndo() { doc_->clearUndoRedoStacks(); }

void QtEditControl::Cut() {
  if (ReadOnly() || SelLength() == 0) return;
  ProgramChange change(*this);
  memo_.cut();
}

void QtEditControl::Copy() {
  if (SelLength() > 0) memo_.copy();
}

void QtEditControl::Paste() {
  if (ReadOnly()) return;
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return;
  ProgramChange change(*this);
  memo_.paste();
}

// --- view ------------------------------------------------------------------------------------

int QtEditControl::FirstVisibleLine() const {
  // Without word wrap the vertical scroll bar counts lines.
  return memo_.verticalScrollBar()->value();
}

void QtEditControl::LineScroll(int lines) {
  QScrollBar* v = memo_.verticalScrollBar();
  const int64_t target = static_cast<int64_t>(v->value()) + lines;
  v->setValue(static_cast<int>(std::clamp<int64_t>(target, v->minimum(), v->maximum())));
}

int QtEditControl::LineHeight() const {
  QTextBlock block = memo_.document()->findBlockByNumber(FirstVisibleLine());
  if (block.isValid()) {
    doc_->documentLayout()->blockBoundingRect(block);  // lays the block out when it is not yet
    const QTextLayout* layout = block.layout();
    if (layout != nullptr && layout->lineCount() > 0) {
      const qreal h = layout->lineAt(0).height();
      if (h >= 1) return qRound(h);
    }
  }
  return std::max(1, memo_.fontMetrics().height());
}

int QtEditControl::PosFromCharY(int index) const {
  const int line = LineFromChar(std::max(index, 0));
  const int64_t y = static_cast<int64_t>(line - FirstVisibleLine()) * LineHeight();
  return ClampToInt(y);
}

int QtEditControl::ClientHeight() const { return memo_.viewport()->height(); }

// --- state -----------------------------------------------------------------------------------

bool QtEditControl::ReadOnly() const { return memo_.isReadOnly(); }

void QtEditControl::SetReadOnly(bool readOnly) {
  memo_.setReadOnly(readOnly);
  // A read-only editor still has its caret and keyboard selection, as the position fields
  // of the status bar follow them.
  if (readOnly) memo_.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void QtEditControl::SetLook(const TextLook& look) {
  look_ = look;
  const QPalette system = QApplication::palette(&memo_);
  QPalette palette = memo_.palette();
  quillet::qt::ApplyLookColors(look, system, palette);
  memo_.setPalette(palette);
  memo_.setFont(quillet::qt::FontFromLook(look, QApplication::font(&memo_)));
}

bool QtEditControl::CanFocus() const {
  return memo_.isEnabled() && memo_.isVisible() && memo_.focusPolicy() != Qt::NoFocus;
}

void QtEditControl::SetFocus() {
  if (CanFocus()) memo_.setFocus(Qt::OtherFocusReason);
}

void QtEditControl::BeginUpdate() {
  if (updateDepth_++ == 0) memo_.setUpdatesEnabled(false);
}

void QtEditControl::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0) memo_.setUpdatesEnabled(true);
}

}  // namespace quillet
