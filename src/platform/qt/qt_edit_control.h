// The edit-control model over the editor widget (see platform/edit_control.h).
//
// The document holds one block per line; a model index counts each line break as two
// characters, so the index of a document position is the position plus the number of its
// block. Lengths and line counts come from the document in constant time, index and position
// map onto each other by a binary search over the blocks, and the last block read is kept so
// that a walk over all lines steps from block to block.
#pragma once

#include <QObject>
#include <QTextBlock>

#include <cstdint>
#include <string>

#include "platform/edit_control.h"

class QTextDocument;

namespace quillet {

class MemoWidget;

class QtEditControl : public QObject, public IEditControl {
 public:
  explicit QtEditControl(MemoWidget& memo);
  ~QtEditControl() override;

  std::string Text() const override;
  void SetText(std::string_view ansi) override;
  int TextLength() const override;

  int LineCount() const override;
  std::string LineText(int line) const override;
  int LineFromChar(int index) const override;
  int LineIndex(int line) const override;

  int SelStart() const override;
  int SelLength() const override;
  std::string SelText() const override;
  void SetSel(int start, int length) override;
  void ReplaceSel(std::string_view ansi, bool undoable) override;
  void ScrollCaret() override;

  bool CanUndo() const override;
  void Undo() override;
  void ClearUndo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;

  int FirstVisibleLine() const override;
  void LineScroll(int lines) override;
  int PosFromCharY(int index) const override;
  int ClientHeight() const override;

  bool ReadOnly() const override;
  void SetReadOnly(bool readOnly) override;
  void SetLook(const TextLook& look) override;
  const TextLook& Look() const { return look_; }

  bool CanFocus() const override;
  void SetFocus() override;
  void BeginUpdate() override;
  void EndUpdate() override;

  MemoWidget& Widget() const { return memo_; }
  // Height of one line on the screen, in pixels.
  int LineHeight() const;

  // Text the widget is about to insert that is already clean: its change needs no check.
  class CleanInsert {
   public:
    explicit CleanInsert(QtEditControl& edit) : edit_(edit) { ++edit_.cleanDepth_; }
    ~CleanInsert() { --edit_.cleanDepth_; }
    CleanInsert(const CleanInsert&) = delete;
    CleanInsert& operator=(const CleanInsert&) = delete;

   private:
    QtEditControl& edit_;
  };

 private:
  class ProgramChange;

  void OnContentsChange(int position, int removed, int added);
  void OnContentsChanged();
  void QueueCleanup(int from, int to);
  void RunCleanup();

  QTextBlock BlockOfLine(int line) const;
  QTextBlock BlockOfIndex(int index) const;
  int DocPosFromIndex(int index) const;
  int IndexFromDocPos(int position) const;
  // Runs a change of the selection without letting the widget scroll.
  template <typename F>
  void KeepingView(F&& change);

  MemoWidget& memo_;
  QTextDocument* doc_;
  TextLook look_;
  int programDepth_ = 0;   // inside a change the program makes: one notification at its end
  int cleanDepth_ = 0;     // inserting text that is already clean
  bool changePending_ = false;
  int updateDepth_ = 0;
  uint64_t revision_ = 0;  // counts document changes; invalidates the cached block
  mutable QTextBlock cachedBlock_;
  mutable int cachedLine_ = -1;
  mutable uint64_t cachedRevision_ = 0;
  // The whole text as last read, while the document has not changed since: repeated searches,
  // go-to walks and scans over an unchanged text do not convert the document again.
  mutable std::string cachedText_;
  mutable uint64_t textRevision_ = ~uint64_t{0};
  int cleanupFrom_ = -1;
  int cleanupTo_ = -1;
  bool cleanupQueued_ = false;
};

}  // namespace quillet
