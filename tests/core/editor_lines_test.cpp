#include "core/editor_lines.h"

#include <gtest/gtest.h>

#include "core/block_scanner.h"
#include "core/editor_routines.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Lines;
using testing::TestEditor;

TEST(EditorLines, EntriesCountsAndTheTrailingBreak) {
  struct Case {
    const char* text;
    int count;
    int linesCount;
    bool trailing;
  };
  const Case cases[] = {
      {"", 1, 0, true},
      {"a", 1, 1, false},
      {"a\r\nb", 2, 2, false},
      {"a\r\nb\r\n", 3, 2, true},
      {"\r\n\r\n", 3, 2, true},
  };
  for (const auto& c : cases) {
    for (bool copied : {false, true}) {
      TestEditor t(c.text);
      LinesUse use(t.lines);
      if (copied) t.lines.RebuildLines();
      EXPECT_EQ(t.lines.Count(), c.count) << c.text << copied;
      EXPECT_EQ(t.lines.LinesCount(), c.linesCount) << c.text << copied;
      EXPECT_EQ(t.lines.TrailingBreak(), c.trailing) << c.text << copied;
      EXPECT_EQ(t.lines.CachedLineCount(), c.linesCount) << c.text << copied;
      EXPECT_EQ(t.lines.CachedTextLength(), static_cast<int>(std::string(c.text).size()));
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

TEST(EditorLines, AReaderKeepsItsSnapshotWhileTheEditorChanges) {
  TestEditor t(Lines({"one", "two", "three"}));
  t.lines.BeginLinesUse();
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

TEST(EditorLines, EndWithoutBeginStaysAtZero) {
  TestEditor t("a");
  t.lines.EndLinesUse();
  EXPECT_EQ(t.lines.UseCount(), 0);
  t.lines.BeginLinesUse();
  EXPECT_EQ(t.lines.UseCount(), 1);
}

TEST(BlockScanner, LineTests) {
  EXPECT_EQ(StrToBlockNumber("12"), 12);
  EXPECT_EQ(StrToBlockNumber("12 \t"), 12);
  EXPECT_EQ(StrToBlockNumber(" 12"), -1);
  EXPECT_EQ(StrToBlockNumber("0"), 0);
  EXPECT_EQ(StrToBlockNumber("2147483647"), 2147483647);
  EXPECT_EQ(StrToBlockNumber("2147483648"), -1);
  EXPECT_EQ(StrToBlockNumber("12345678901"), -1);
  EXPECT_EQ(StrToBlockNumber("12a"), -1);
  EXPECT_EQ(StrToBlockNumber(""), -1);
  EXPECT_EQ(StrToBlockNumber("7."), -1);
  EXPECT_TRUE(HasTimeArrow("00:00:01,000 --> 00:00:02,000"));
  EXPECT_TRUE(HasTimeArrow("0:00:01,000 --> 0:00:02,000"));   // arrow at 12
  EXPECT_FALSE(HasTimeArrow("0:0:01,000 --> 0:00:02,000"));   // arrow at 11
  EXPECT_FALSE(HasTimeArrow("00:00:01,000 -> 00:00:02,000"));
}

const std::string kTwoBlocks = Lines({"", "", "1", "00:00:01,000 --> 00:00:02,000", "Раз", "",
                                      "2", "00:01:05,500 --> 00:01:07,000", "Два", "три", "четыре",
                                      "пять", ""});

TEST(BlockScanner, BlockStartsAndBlockOfALine) {
  TestEditor t(kTwoBlocks);
  LinesUse use(t.lines);
  EXPECT_TRUE(IsBlockStart(t.lines, 2));  // after leading blank lines
  EXPECT_TRUE(IsBlockStart(t.lines, 6));
  EXPECT_FALSE(IsBlockStart(t.lines, 3));
  BlockAtLine above = GetBlockNumber(t.lines, 1);
  EXPECT_EQ(above.total, 2);
  EXPECT_EQ(above.number, -1);
  EXPECT_EQ(above.ordinal, 0);
  EXPECT_EQ(above.startTime, -1);
  BlockAtLine second = GetBlockNumber(t.lines, 9);
  EXPECT_EQ(second.total, 2);
  EXPECT_EQ(second.number, 2);
  EXPECT_EQ(second.ordinal, 2);
  EXPECT_EQ(second.startTime, 65500);
}

TEST(BlockScanner, GluedBlocksCountOnce) {
  TestEditor t(Lines({"1", "00:00:01,000 --> 00:00:02,000", "a", "2",
                      "00:00:03,000 --> 00:00:04,000", "b"}));
  EXPECT_EQ(GetBlockNumber(t.lines, 5).total, 1);
  TestEditor first(Lines({"1", "0:0:01,000 --> 0:00:02,000", "a"}));
  EXPECT_EQ(GetBlockNumber(first.lines, 2).total, 0);
}

TEST(BlockScanner, CaretBlockLooksFiveLinesUp) {
  TestEditor t(kTwoBlocks);
  struct Case {
    int caretLine;
    int32_t number;
    int32_t start;
  };
  const Case cases[] = {{0, -1, -1}, {2, 1, 1000}, {3, 1, 1000}, {4, 1, 1000}, {5, 1, 1000},
                        {6, 2, 65500}, {9, 2, 65500}, {10, 2, 65500}, {11, -1, -1}, {12, -1, -1}};
  for (const auto& c : cases) {
    SetMemoCaretLine(t.edit, c.caretLine);
    int32_t start = 0;
    EXPECT_EQ(GetCurBlockNumber(t.lines, start), c.number) << c.caretLine;
    EXPECT_EQ(start, c.start) << c.caretLine;
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
  t.edit.SetSel(302, 0);
  CaretPos p = GetMemoCaret(t.edit);
  EXPECT_EQ(p.line, 50);
  EXPECT_EQ(p.column, 2);
  t.edit.SetSel(300, 9);  // the caret stands at the end of the selection
  p = GetMemoCaret(t.edit);
  EXPECT_EQ(p.line, 51);
  EXPECT_EQ(p.column, 3);
  EXPECT_FALSE(IsMemoLineInView(t.edit, 49, -1));
  EXPECT_TRUE(IsMemoLineInView(t.edit, 50, -1));
  EXPECT_TRUE(IsMemoLineInView(t.edit, 60, -1));
  EXPECT_FALSE(IsMemoLineInView(t.edit, 61, -1));
}

}  // namespace
}  // namespace quillet
