// An edit control without a window: the text model of the editor held in memory.
//
// Serves the command-line tool, which runs the editor's operations on a file, and is the base
// of the tests' fake editor. It follows the same rules as the editor widget's adapter.
#pragma once

#include <string>
#include <vector>

#include "platform/edit_control.h"

namespace quillet {

class IClipboard;

class MemoryEditControl : public IEditControl {
 public:
  explicit MemoryEditControl(IClipboard* clipboard = nullptr) : clipboard_(clipboard) {}

  std::string Text() const override { return text_; }
  void SetText(std::string_view ansi) override;
  int TextLength() const override { return static_cast<int>(text_.size()); }

  int LineCount() const override;
  std::string LineText(int line) const override;
  int LineFromChar(int index) const override;
  int LineIndex(int line) const override;

  int SelStart() const override { return selStart_; }
  int SelLength() const override { return selLength_; }
  std::string SelText() const override { return text_.substr(selStart_, selLength_); }
  void SetSel(int start, int length) override;
  void ReplaceSel(std::string_view ansi, bool undoable) override;
  void ScrollCaret() override;

  bool CanUndo() const override { return !undo_.empty(); }
  void Undo() override;
  void ClearUndo() override { undo_.clear(); }
  void Cut() override;
  void Copy() override;
  void Paste() override;

  int FirstVisibleLine() const override { return firstVisible_; }
  void LineScroll(int lines) override;
  int PosFromCharY(int index) const override;
  int ClientHeight() const override { return visibleLines_ * kLineHeight; }

  bool ReadOnly() const override { return readOnly_; }
  void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
  void SetLook(const TextLook& look) override { look_ = look; }
  const TextLook& Look() const { return look_; }

  bool CanFocus() const override { return canFocus_; }
  void SetFocus() override {
    if (canFocus_) focused_ = true;
  }
  void BeginUpdate() override { ++updateDepth_; }
  void EndUpdate() override {
    if (updateDepth_ > 0) --updateDepth_;
  }

  // View geometry of the window-less editor: how many lines fit on the screen.
  static constexpr int kLineHeight = 16;
  void SetVisibleLines(int lines) { visibleLines_ = lines < 1 ? 1 : lines; ClampScroll(); }
  int VisibleLines() const { return visibleLines_; }
  void SetCanFocus(bool can) { canFocus_ = can; }
  bool Focused() const { return focused_; }
  void ClearFocus() { focused_ = false; }
  int UpdateDepth() const { return updateDepth_; }

 private:
  struct UndoStep {
    std::string text;
    int selStart;
    int selLength;
  };
  void Replace(std::string_view normalized);
  void RebuildLineStarts() const;
  void ClampScroll();
  int MaxFirstVisible() const;

  std::string text_;
  mutable std::vector<int> lineStarts_{0};
  mutable bool lineStartsStale_ = false;
  int selStart_ = 0;
  int selLength_ = 0;
  std::vector<UndoStep> undo_;
  int firstVisible_ = 0;
  int visibleLines_ = 30;
  bool readOnly_ = false;
  bool canFocus_ = true;
  bool focused_ = false;
  int updateDepth_ = 0;
  TextLook look_;
  IClipboard* clipboard_;
};

}  // namespace quillet
