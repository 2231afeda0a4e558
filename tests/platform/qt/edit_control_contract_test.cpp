// One set of rules for both editors: the in-memory one (the command-line tool's and the tests'
// fake) and the adapter over the editor widget. Every case runs against both.
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "platform/memory_edit_control.h"
#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_edit_control.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using quillet::testing::Ansi;
using quillet::testing::FakeClipboard;

struct MemoryTarget {
  FakeClipboard clipboard;
  MemoryEditControl edit{&clipboard};
  MemoryTarget() { edit.SetVisibleLines(20); }
  IEditControl& Edit() { return edit; }
  IClipboard& Clipboard() { return clipboard; }
  void ClearClipboard() { clipboard.Clear(); }
  int VisibleLines() { return edit.VisibleLines(); }
};

struct QtTarget {
  QtClipboard clipboard;
  MemoWidget memo;
  QtTarget() {
    memo.resize(420, 20 * 16 + 40);
    memo.show();
    QApplication::processEvents();
    QApplication::clipboard()->clear();
  }
  IEditControl& Edit() { return memo.Edit(); }
  IClipboard& Clipboard() { return clipboard; }
  void ClearClipboard() { QApplication::clipboard()->clear(); }
  // Lines that fit on the screen: what the scroll bar steps by a page.
  int VisibleLines() { return memo.verticalScrollBar()->pageStep(); }
};

template <typename T>
class EditControlContract : public ::testing::Test {
 protected:
  T target;
  IEditControl& e = target.Edit();
  int changes = 0;
  int beforeChanges = 0;
  void SetUp() override {
    e.SetChangeHandler([this] { ++changes; });
    e.SetBeforeChangeHandler([this] { ++beforeChanges; });
  }
  void ResetCounts() { changes = beforeChanges = 0; }
  // The text and the selection (start, length).
  std::tuple<std::string, int, int> State() { return {e.Text(), e.SelStart(), e.SelLength()}; }
};

using Targets = ::testing::Types<MemoryTarget, QtTarget>;
class TargetNames {
 public:
  template <typename T>
  static std::string GetName(int) {
    return std::is_same_v<T, MemoryTarget> ? "Memory" : "Qt";
  }
};
TYPED_TEST_SUITE(EditControlContract, Targets, TargetNames);

TYPED_TEST(EditControlContract, EveryKindOfBreakReadsBackAsCrLf) {
  struct Case { std::string in; std::string text; int lines; };
  const Case cases[] = {
      {"", "", 1},           {"a\r\n", "a\r\n", 2},                 {"a\nb", "a\r\nb", 2},
      {"a\rb", "a\r\nb", 2}, {"a\r\r\nb", "a\r\n\r\nb", 3}, {"x\n\r", "x\r\n\r\n", 3},
  };
  for (const Case& c : cases) {
    this->e.SetText(c.in);
    EXPECT_EQ(std::tuple(this->e.Text(), this->e.TextLength(), this->e.LineCount()),
              std::tuple(c.text, static_cast<int>(c.text.size()), c.lines))
        << c.in;
  }
}

TYPED_TEST(EditControlContract, EveryByteButTheBreaksSurvives) {
  // The whole code page, 0x98 (undefined in it), the no-break space and NUL included.
  std::string all;
  for (int b = 0; b < 256; ++b) {
    if (b != '\r' && b != '\n') all += static_cast<char>(b);
  }
  const std::string text = all + "\r\n" + all;
  this->e.SetText(text);
  this->e.SetSel(0, this->e.TextLength());
  EXPECT_EQ(std::tuple(this->e.Text(), this->e.LineText(0), this->e.LineText(1), this->e.SelText()),
            std::tuple(text, all, all, text));
}

TYPED_TEST(EditControlContract, LinesAndIndexesCountABreakAsTwo) {
  // ab CR LF cd CR LF CR LF ef: breaks at 2-3, 6-7, 8-9; length 12.
  this->e.SetText("ab\r\ncd\r\n\r\nef");
  ASSERT_EQ(this->e.TextLength(), 12);
  const std::pair<int, int> lineOfChar[] = {{0, 0}, {2, 0}, {3, 0},  {4, 1},  {7, 1},
                                            {8, 2}, {9, 2}, {10, 3}, {13, 3}, {INT_MAX, 3}};
  for (auto [index, line] : lineOfChar) EXPECT_EQ(this->e.LineFromChar(index), line) << index;
  const std::pair<int, int> indexOfLine[] = {{0, 0},   {1, 4},   {2, 8},        {3, 10},
                                             {4, -1},  {-2, -1}, {INT_MAX, -1}, {INT_MIN, -1}};
  for (auto [line, index] : indexOfLine) EXPECT_EQ(this->e.LineIndex(line), index) << line;
  // Read forwards, then backwards: the same lines.
  const std::pair<int, std::string> lineText[] = {{0, "ab"}, {1, "cd"}, {2, ""},   {3, "ef"}, {4, ""},
                                                  {-1, ""},  {3, "ef"}, {1, "cd"}, {0, "ab"}};
  for (const auto& [line, text] : lineText) EXPECT_EQ(this->e.LineText(line), text) << line;

  // -1: the selection's start for the line of a character, its end for the caret's line.
  this->e.SetSel(5, 4);
  EXPECT_EQ(std::tuple(this->e.LineFromChar(-1), this->e.LineIndex(-1)), std::tuple(1, 8));
}

TYPED_TEST(EditControlContract, SelectionIsClampedAndNeverSplitsABreak) {
  this->e.SetText("ab\r\ncd\r\n\r\nef");
  struct Case { int start, length, selStart, selLength; std::string selText; };
  const Case cases[] = {
      {-5, 2, 0, 2, "ab"},        {3, 2, 2, 3, "\r\nc"}, {7, 1, 6, 2, "\r\n"},  {0, -1, 0, 0, ""},
      {10, INT_MAX, 10, 2, "ef"}, {INT_MAX, INT_MAX, 12, 0, ""},  {INT_MIN, INT_MAX, 0, 12, "ab\r\ncd\r\n\r\nef"},
      {3, 0, 2, 0, ""},  // inside a break: before it
      {2, 1, 2, 0, ""},  // the end inside a break goes back too
  };
  for (const Case& c : cases) {
    this->e.SetSel(c.start, c.length);
    EXPECT_EQ(std::tuple(this->e.SelStart(), this->e.SelLength(), this->e.SelText()),
              std::tuple(c.selStart, c.selLength, c.selText))
        << c.start << "," << c.length;
  }
}

TYPED_TEST(EditControlContract, ReplaceSelIsOneUndoStepAndTheCaretFollowsTheText) {
  IEditControl& e = this->e;
  e.SetText("one\r\ntwo");
  EXPECT_FALSE(e.CanUndo());
  e.SetSel(5, 3);
  e.ReplaceSel("2\n2", true);
  EXPECT_EQ(this->State(), std::tuple("one\r\n2\r\n2", 9, 0));
  ASSERT_TRUE(e.CanUndo());
  e.Undo();
  // Behind the text the undo put back, nothing selected.
  EXPECT_EQ(this->State(), std::tuple("one\r\ntwo", 8, 0));
  EXPECT_FALSE(e.CanUndo());

  // An insertion at the caret: its undo leaves the caret where the text went in.
  e.SetSel(3, 0);
  e.ReplaceSel("!", true);
  e.SetSel(0, 1);
  e.ReplaceSel("O", true);
  EXPECT_EQ(e.Text(), "One!\r\ntwo");
  e.Undo();
  EXPECT_EQ(e.Text(), "one!\r\ntwo");
  e.Undo();
  EXPECT_EQ(std::tuple(e.Text(), e.SelStart(), e.CanUndo()), std::tuple("one\r\ntwo", 3, false));
}

TYPED_TEST(EditControlContract, WhatForgetsTheUndoHistory) {
  const std::function<void(IEditControl&)> forgetters[] = {
      [](IEditControl& e) { e.ReplaceSel("x", false); },
      [](IEditControl& e) { e.SetText("new"); },
      [](IEditControl& e) { e.ClearUndo(); },
  };
  for (const auto& forget : forgetters) {
    this->e.SetText("abc");
    this->e.SetSel(1, 1);
    this->e.ReplaceSel("B", true);
    ASSERT_TRUE(this->e.CanUndo());
    const std::string before = this->e.Text();
    forget(this->e);
    EXPECT_FALSE(this->e.CanUndo());
    const std::string after = this->e.Text();
    this->e.Undo();  // nothing to undo: nothing changes
    EXPECT_EQ(this->e.Text(), after) << before;
  }
}

TYPED_TEST(EditControlContract, CutCopyAndPasteGoThroughTheClipboard) {
  IEditControl& e = this->e;
  IClipboard& clip = this->target.Clipboard();
  // The no-break space and Cyrillic survive the trip.
  const std::string hello = Ansi("привет\xC2\xA0мир"), all = hello + "\r\nworld";
  const int n = static_cast<int>(hello.size());
  e.SetText(all);
  e.SetSel(0, n);
  e.Copy();
  EXPECT_EQ(std::tuple(clip.Text(), e.Text(), e.CanUndo()), std::tuple(hello, all, false));

  e.SetSel(n, 7);
  e.Cut();
  EXPECT_EQ(std::tuple(clip.Text(), e.Text(), e.CanUndo()), std::tuple("\r\nworld", hello, true));
  e.Undo();
  EXPECT_EQ(e.Text(), all);
  clip.SetText("a\r\nb");
  e.SetSel(0, n);
  e.Paste();
  EXPECT_EQ(this->State(), std::tuple("a\r\nb\r\nworld", 4, 0));
  e.SetText(all);

  // Copy and cut with nothing selected leave the clipboard alone.
  e.SetSel(2, 0);
  e.Copy();
  e.Cut();
  EXPECT_EQ(std::tuple(clip.Text(), e.Text()), std::tuple("a\r\nb", all));

  // Nothing on the clipboard: paste does nothing.
  this->target.ClearClipboard();
  EXPECT_FALSE(clip.HasText());
  this->ResetCounts();
  e.Paste();
  EXPECT_EQ(std::tuple(e.Text(), this->changes), std::tuple(all, 0));
}

TYPED_TEST(EditControlContract, ReadOnlyStopsCutAndPasteButNotTheProgram) {
  IEditControl& e = this->e;
  e.SetText("abc");
  this->target.Clipboard().SetText("zz");
  e.SetReadOnly(true);
  EXPECT_TRUE(e.ReadOnly());
  e.SetSel(0, 1);
  e.Cut();
  e.Paste();
  EXPECT_EQ(std::tuple(e.Text(), this->target.Clipboard().Text()), std::tuple("abc", "zz"));
  // The program still changes the text.
  e.ReplaceSel("A", true);
  const std::string replaced = e.Text();
  e.Undo();
  EXPECT_EQ(std::tuple(replaced, e.Text()), std::tuple("Abc", "abc"));
  e.SetReadOnly(false);
  e.SetSel(0, 1);
  e.Paste();
  EXPECT_EQ(e.Text(), "zzbc");
}

TYPED_TEST(EditControlContract, ScrollingStopsAtBothEnds) {
  IEditControl& e = this->e;
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  text += "last";
  e.SetText(text);
  const int visible = this->target.VisibleLines();
  ASSERT_GT(visible, 2);
  const int maxFirst = e.LineCount() - visible;

  const std::pair<int, int> scrolls[] = {{-5, 0}, {10, 10}, {-3, 7}, {INT_MAX, maxFirst}, {-1, maxFirst - 1}, {INT_MIN, 0}};
  for (auto [by, first] : scrolls) {
    e.LineScroll(by);
    EXPECT_EQ(e.FirstVisibleLine(), first) << by;
  }

  // Vertical positions are counted from the top of the first visible line.
  e.LineScroll(50);
  ASSERT_EQ(e.FirstVisibleLine(), 50);
  const int h = e.PosFromCharY(e.LineIndex(51));
  EXPECT_GT(h, 0);
  EXPECT_EQ(std::tuple(e.PosFromCharY(e.LineIndex(50) + 2), e.PosFromCharY(e.LineIndex(53)),
                       e.PosFromCharY(e.LineIndex(48))),
            std::tuple(0, 3 * h, -2 * h));
  EXPECT_GE(e.ClientHeight() / h, visible);
  EXPECT_LE(e.ClientHeight() / h, visible + 1);

  // Selecting does not scroll; ScrollCaret brings the caret into view, moving as little as
  // it must.
  e.SetSel(0, 0);
  EXPECT_EQ(e.FirstVisibleLine(), 50);
  e.ScrollCaret();
  EXPECT_EQ(e.FirstVisibleLine(), 0);
  e.SetSel(e.LineIndex(100), 0);
  e.ScrollCaret();
  EXPECT_GE(e.FirstVisibleLine(), 100 - visible);
  EXPECT_LE(e.FirstVisibleLine(), 100 - visible + 2);

  // Setting the text goes back to the top.
  e.SetText(text);
  EXPECT_EQ(std::tuple(e.FirstVisibleLine(), e.SelStart()), std::tuple(0, 0));
}

TYPED_TEST(EditControlContract, EveryProgramChangeIsAnnouncedOnceBeforeAndOnceAfter) {
  IEditControl& e = this->e;
  using Prepare = std::function<void(IEditControl&, IClipboard&)>;
  using Act = std::function<void(IEditControl&)>;
  // Each change announced once before and once after, or not at all.
  struct Case { const char* what; Prepare prepare; Act act; bool announced; };
  const auto none = [](IEditControl&, IClipboard&) {};
  const auto selectB = [](IEditControl& e, IClipboard&) { e.SetSel(1, 1); };
  const Case cases[] = {
      {"set text", none, [](IEditControl& e) { e.SetText("xyz\r\nuvw"); }, true},
      {"replace", selectB, [](IEditControl& e) { e.ReplaceSel("B", true); }, true},
      {"undo", [](IEditControl& e, IClipboard&) { e.ReplaceSel("q", true); }, [](IEditControl& e) { e.Undo(); }, true},
      {"undo with nothing to undo", none, [](IEditControl& e) { e.Undo(); }, false},
      {"cut", selectB, [](IEditControl& e) { e.Cut(); }, true},
      {"cut without selection", none, [](IEditControl& e) { e.Cut(); }, false},
      {"copy", selectB, [](IEditControl& e) { e.Copy(); }, false},
      {"paste", [](IEditControl&, IClipboard& c) { c.SetText("p"); }, [](IEditControl& e) { e.Paste(); }, true},
      {"read-only", none, [](IEditControl& e) { e.SetReadOnly(true); e.SetReadOnly(false); }, false},
      {"look", none, [](IEditControl& e) { TextLook look; look.size = 14; e.SetLook(look); }, false},
  };
  for (const Case& c : cases) {
    e.SetText("abc\r\ndef");
    c.prepare(e, this->target.Clipboard());
    this->ResetCounts();
    c.act(e);
    const int n = c.announced ? 1 : 0;
    EXPECT_EQ(std::tuple(this->beforeChanges, this->changes), std::tuple(n, n)) << c.what;
  }
}

TYPED_TEST(EditControlContract, TheNotificationSeesTheNewText) {
  IEditControl& e = this->e;
  std::string seenBefore, seenAfter;
  e.SetBeforeChangeHandler([&] { seenBefore = e.Text(); });
  e.SetChangeHandler([&] { seenAfter = e.Text() + "|" + std::to_string(e.SelStart()); });
  e.SetText("abc");
  EXPECT_EQ(seenAfter, "abc|0");
  e.SetSel(3, 0);
  e.ReplaceSel("\r\nd", true);
  EXPECT_EQ(seenBefore, "abc");
  EXPECT_EQ(seenAfter, "abc\r\nd|6");
}

}  // namespace
}  // namespace quillet
