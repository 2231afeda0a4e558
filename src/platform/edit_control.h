// The multi-line editor as the program's routines see it: the model of a standard edit control.
//
// Text is Windows-1251 with CR LF line ends; character indexes are 0-based and count a line
// break as two characters; lines are 0-based. Text put in with CR LF, lone LF or lone CR shows
// those as line breaks and reads back with CR LF. Characters the code page lacks arrive as "?".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillet {

// One look of a text control: colours as 0x00BBGGRR, or 0xFF000000 + n for the system colour n
// (5 window, 8 window text, 30 menu bar); height negative = character height in pixels.
struct TextLook {
  uint32_t fontColor = 0xFF000008;
  uint32_t backColor = 0xFF000005;
  uint8_t charset = 1;
  int32_t height = -13;
  uint8_t pitch = 0;
  int32_t size = 8;
  uint8_t style = 0;  // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
  std::string fontName = "Lucida Console";  // UTF-8
};

enum FontStyleBits : uint8_t { kStyleBold = 1, kStyleItalic = 2, kStyleUnderline = 4, kStyleStrikeOut = 8 };

class IEditControl {
 public:
  virtual ~IEditControl() = default;

  // Whole text. Setting it clears the undo history.
  virtual std::string Text() const = 0;
  virtual void SetText(std::string_view ansi) = 0;
  // Length of Text() without building it.
  virtual int TextLength() const = 0;

  // Lines: LineCount() is at least 1 (an empty text has one empty line); a text that ends with
  // a line break has an empty last line.
  virtual int LineCount() const = 0;
  virtual std::string LineText(int line) const = 0;
  // The line that holds a character index (an index past the end gives the last line).
  virtual int LineFromChar(int index) const = 0;
  // Character index of a line's first character; line -1 means the caret's line. A line past
  // the last gives -1.
  virtual int LineIndex(int line) const = 0;

  // Selection: start and length; the caret stands at its end.
  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  virtual std::string SelText() const = 0;
  // Selects length characters from start (clamped to the text; the caret goes to the end).
  virtual void SetSel(int start, int length) = 0;
  // Replaces the selection (or inserts at the caret); the caret ends after the new text.
  // undoable: as one undo step; otherwise the undo history is cleared.
  virtual void ReplaceSel(std::string_view ansi, bool undoable) = 0;
  virtual void ScrollCaret() = 0;

  virtual bool CanUndo() const = 0;
  virtual void Undo() = 0;
  virtual void ClearUndo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;

  // View: first visible line, scrolling by lines, the vertical position of a character
  // relative to the top of the first visible line (negative above it), the client height.
  virtual int FirstVisibleLine() const = 0;
  virtual void LineScroll(int lines) = 0;
  virtual int PosFromCharY(int index) const = 0;
  virtual int ClientHeight() const = 0;

  virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool readOnly) = 0;
  virtual void SetLook(const TextLook& look) = 0;

  virtual bool CanFocus() const = 0;
  virtual void SetFocus() = 0;

  // Brackets a group of changes so that the screen is redrawn once.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;

  // Called after every change of the text.
  void SetChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
  // Called right before the program itself changes the text (set, replace, undo, cut, paste),
  // so that a reader of the old text can keep a copy.
  void SetBeforeChangeHandler(std::function<void()> handler) { onBeforeChange_ = std::move(handler); }

 protected:
  void NotifyChange() {
    if (onChange_) onChange_();
  }
  void NotifyBeforeChange() {
    if (onBeforeChange_) onBeforeChange_();
  }

 private:
  std::function<void()> onChange_;
  std::function<void()> onBeforeChange_;
};

}  // namespace quillet
