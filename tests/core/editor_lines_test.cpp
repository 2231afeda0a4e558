#include "core/editor_lines.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/block_scanner.h"
#include "core/edit_commands.h"
#include "core/editor_routines.h"
#include "core/status_texts.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Lines;
using testing::TestEditor;

TEST(EditorLines, EntriesCountsAndTheTrailingBreak) {
  struct Case { const char* text; int count, linesCount; bool trailing; };
  const Case cases[] = {
      {"", 1, 0, true}, {"a", 1, 1, false}, {"a\r\nb", 2, 2, false}, {"a\r\nb\r\n", 3, 2, true},
      {"\r\n\r\n", 3, 2, true},
  };
  for (const auto& c : cases) {
    for (bool copied : {false, true}) {
      SCOPED_TRACE(::testing::Message() << c.text << (copied ? " rebuilt" : ""));
      TestEditor t(c.text);
      LinesUse use(t.lines);
      if (copied) t.lines.RebuildLines();
      EXPECT_EQ(std::make_tuple(t.lines.Count(), t.lines.LinesCount(), t.lines.TrailingBreak(),
                                t.lines.CachedLineCount(), t.lines.CachedTextLength()),
                std::make_tuple(c.count, c.linesCount, c.trailing, c.linesCount,
                                static_cast<int>(std::string(c.text).size())));
    }
  }
}

TEST(EditorLines, UnixAndOldMacBreaksReadBackAsCrLf) {
  TestEditor t("1\n00:00:01,000 --> 00:00:02,000\rtext\r\n");
  EXPECT_EQ(t.edit.Text(), "1\r\n00:00:01,000 --> 00:00:02,000\r\ntext\r\n");
  LinesUse use(t.lines);
  EXPECT_EQ(t.lines.LinesCount(), 3);
  EXPECT_EQ(t.lines.Get(2), "text");
}

TEST(EditorLines, AnEditCopiesTheTextOnlyForAReaderInsideABracket) {
  // An edit control that counts the reads of its whole text.
  struct CountingEdit : testing::FakeEditControl {
    std::string Text() const override {
      ++reads;
      return FakeEditControl::Text();
    }
    mutable int reads = 0;
  };
  for (const int readers : {0, 1}) {
    CountingEdit edit;
    EditorLines lines(edit);
    edit.SetChangeHandler([&] { lines.MarkStale(); });
    edit.SetText(Lines({"one", "two"}));
    for (int i = 0; i < readers; ++i) lines.BeginLinesUse();
    edit.SetSel(0, 0);
    edit.ReplaceSel("x", true);  // a key typed
    EXPECT_EQ(std::make_pair(edit.reads, lines.Get(0)), std::make_pair(readers, std::string(readers ? "one" : "xone")))
        << readers;
  }
}

TEST(EditorLines, AReaderKeepsItsSnapshotWhileTheEditorChanges) {
  TestEditor t(Lines({"one", "two", "three"}));
  t.lines.EndLinesUse();  // an end without a begin stays at zero
  EXPECT_EQ(t.lines.UseCount(), 0);
  t.lines.BeginLinesUse();
  EXPECT_EQ(t.lines.UseCount(), 1);
  EXPECT_EQ(t.lines.Get(1), "two");
  t.edit.SetText("changed");
  EXPECT_EQ(t.lines.Count(), 3);
  EXPECT_EQ(t.lines.Get(1), "two");
  t.lines.BeginLinesUse();  // a nested reader sees the same text
  EXPECT_EQ(t.lines.Get(2), "three");
  t.lines.EndLinesUse();
  t.edit.SetSel(0, 0);
  t.edit.ReplaceSel("x", true);
  EXPECT_EQ(t.lines.Get(0), "one");
  t.lines.EndLinesUse();
  // The next reader sees the new text.
  LinesUse use(t.lines);
  EXPECT_EQ(t.lines.Count(), 1);
  EXPECT_EQ(t.lines.Get(0), "xchanged");
  EXPECT_EQ(t.lines.CachedTextLength(), 8);
}

TEST(BlockScanner, LineTests) {
  const std::pair<const char*, int32_t> numbers[] = {
      {"12", 12}, {"12 \t", 12}, {" 12", -1}, {"0", 0}, {"2147483647", 2147483647}, {"2147483648", -1},
      {"12345678901", -1}, {"12a", -1}, {"", -1}, {"7.", -1},
  };
  for (const auto& [line, number] : numbers) EXPECT_EQ(StrToBlockNumber(line), number) << line;
  EXPECT_TRUE(HasTimeArrow("00:00:01,000 --> 00:00:02,000"));
  EXPECT_TRUE(HasTimeArrow("0:00:01,000 --> 0:00:02,000"));   // arrow at 12
  EXPECT_FALSE(HasTimeArrow("0:0:01,000 --> 0:00:02,000"));   // arrow at 11
  EXPECT_FALSE(HasTimeArrow("00:00:01,000 -> 00:00:02,000"));
}

const std::string kTwoBlocks = Lines({"", "", "1", "00:00:01,000 --> 00:00:02,000", "Раз", "",
                                      "2", "00:01:05,500 --> 00:01:07,000", "Два", "три", "четыре",
                                      "пять", ""});

auto Fields(const BlockAtLine& b) { return std::make_tuple(b.total, b.number, b.ordinal, b.startTime); }

TEST(BlockScanner, BlockStartsAndBlockOfALine) {
  TestEditor t(kTwoBlocks);
  LinesUse use(t.lines);
  EXPECT_TRUE(IsBlockStart(t.lines, 2));  // after leading blank lines
  EXPECT_TRUE(IsBlockStart(t.lines, 6));
  EXPECT_FALSE(IsBlockStart(t.lines, 3));
  EXPECT_EQ(Fields(GetBlockNumber(t.lines, 1)), std::make_tuple(2, -1, 0, -1));  // above the first block
  EXPECT_EQ(Fields(GetBlockNumber(t.lines, 9)), std::make_tuple(2, 2, 2, 65500));

  TestEditor glued(Lines({"1", "00:00:01,000 --> 00:00:02,000", "a", "2", "00:00:03,000 --> 00:00:04,000", "b"}));
  EXPECT_EQ(GetBlockNumber(glued.lines, 5).total, 1);  // glued blocks count once
  TestEditor first(Lines({"1", "0:0:01,000 --> 0:00:02,000", "a"}));
  EXPECT_EQ(GetBlockNumber(first.lines, 2).total, 0);
}

TEST(BlockScanner, CaretBlockLooksFiveLinesUp) {
  // A number line after a blank line whose next line is text, or which is the last line.
  const std::string noTimeLine = Lines({"", "7", "text", "", "8"});
  struct Case { const std::string& text; int caretLine; int32_t number, start; };
  const Case cases[] = {{kTwoBlocks, 0, -1, -1},   {kTwoBlocks, 2, 1, 1000},    {kTwoBlocks, 3, 1, 1000},
                        {kTwoBlocks, 4, 1, 1000},  {kTwoBlocks, 5, 1, 1000},    {kTwoBlocks, 6, 2, 65500},
                        {kTwoBlocks, 9, 2, 65500}, {kTwoBlocks, 10, 2, 65500},  {kTwoBlocks, 11, -1, -1},
                        {kTwoBlocks, 12, -1, -1},  {noTimeLine, 1, -1, -1},     {noTimeLine, 2, -1, -1},
                        {noTimeLine, 4, -1, -1}};
  for (const auto& c : cases) {
    TestEditor t(c.text);
    SetMemoCaretLine(t.edit, c.caretLine);
    int32_t start = 0;
    EXPECT_EQ(GetCurBlockNumber(t.lines, start), c.number) << c.caretLine;
    EXPECT_EQ(start, c.start) << c.caretLine;
  }
}

TEST(StatusTexts, PositionBlockAndTimeOfTheCaret) {
  // Block 0 at time 0 is a block like any other; an unreadable time leaves the time field empty.
  const std::string text = Lines({"0", "00:00:00,000 --> 00:00:01,000", "a", "", "5", "xx:xx:xx,xxx --> xx:xx:xx,xxx",
                                  "b"});
  struct Case { int line, column; bool withBlock; StatusTexts want; } cases[] = {
      {0, 0, true, {"1/1", "Блок №: 0", "Время: 0:00:00", ""}},
      {2, 1, true, {"3/2", "Блок №: 0", "Время: 0:00:00", ""}},
      {2, 1, false, {"3/2", "", "", ""}},
      {5, 3, true, {"6/4", "Блок №: 5", "", ""}},
  };
  for (const auto& c : cases) {
    TestEditor t(text);
    t.edit.SetSel(t.edit.LineIndex(c.line) + c.column, 0);
    const StatusTexts s = ComputeStatusTexts(t.lines, c.withBlock);
    EXPECT_EQ(std::tie(s.position, s.block, s.time), std::tie(c.want.position, c.want.block, c.want.time)) << c.line;
  }
}

TEST(EditCommands, NeedASelectionOrText) {
  using Command = bool (*)(IEditControl&);
  struct Case { const char* name; Command command; const char* text; int selStart, selLength; bool done;
                const char* after; bool canUndo; const char* clipboard; };
  const Case cases[] = {
      {"cut, nothing selected", EditCut, "abc", 1, 0, false, "abc", false, "old"},
      {"cut, one character", EditCut, "abc", 1, 1, true, "ac", true, "b"},
      {"copy, nothing selected", EditCopy, "abc", 1, 0, false, "abc", false, "old"},
      {"copy, one character", EditCopy, "abc", 2, 1, true, "abc", false, "c"},
      {"delete, nothing selected", EditDelete, "abc", 3, 0, false, "abc", false, "old"},
      {"delete, one character", EditDelete, "abc", 0, 1, true, "bc", true, "old"},
      {"select all, empty text", EditSelectAll, "", 0, 0, false, "", false, "old"},
      {"select all, one character", EditSelectAll, "a", 0, 0, true, "a", false, "old"},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.clipboard.SetText("old");
    t.edit.SetSel(c.selStart, c.selLength);
    EXPECT_EQ(c.command(t.edit), c.done) << c.name;
    EXPECT_EQ(std::make_tuple(t.edit.Text(), t.edit.CanUndo(), t.clipboard.Text()),
              std::make_tuple(std::string(c.after), c.canUndo, std::string(c.clipboard))) << c.name;
  }
  // The menu entries: cut, copy and delete want a selection, select all some text not yet selected.
  struct Menu { const char* text; int selStart, selLength; bool cut, selectAll; } menus[] = {
      {"abc", 1, 0, false, true}, {"abc", 1, 1, true, true}, {"abc", 0, 3, true, false}, {"", 0, 0, false, false}};
  for (const auto& m : menus) {
    TestEditor t(m.text);
    t.edit.SetSel(m.selStart, m.selLength);
    const EditMenuState s = SetMenuEdit(t.edit, t.clipboard);
    EXPECT_EQ(std::make_tuple(s.cut, s.copy, s.del, s.selectAll, s.paste, s.undo),
              std::make_tuple(m.cut, m.cut, m.cut, m.selectAll, false, false)) << m.selStart << "+" << m.selLength;
  }
}

TEST(EditorRoutines, CaretScrollAndView) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\r\n";
  TestEditor t(text);
  t.edit.SetVisibleLines(10);
  EXPECT_EQ(SetMemoTopLine(t.edit, 40), 40);
  EXPECT_EQ(SetMemoTopLine(t.edit, 99), 91);  // as far as the editor scrolls
  SetMemoCaretLine(t.edit, 50);
  EXPECT_EQ(t.edit.SelStart(), 300);
  EXPECT_EQ(t.edit.FirstVisibleLine(), 50);
  auto caret = [&] { const CaretPos p = GetMemoCaret(t.edit); return std::make_pair(p.line, p.column); };
  t.edit.SetSel(302, 0);
  EXPECT_EQ(caret(), std::make_pair(50, 2));
  t.edit.SetSel(300, 9);  // the caret stands at the end of the selection
  EXPECT_EQ(caret(), std::make_pair(51, 3));
  for (const auto& [line, inView] : {std::pair{49, false}, {50, true}, {60, true}, {61, false}}) {
    EXPECT_EQ(IsMemoLineInView(t.edit, line, -1), inView) << line;
  }
}

}  // namespace
}  // namespace quillet
