#include "core/go_to.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/editor_routines.h"
#include "core/ops_test_support.h"

namespace quillet {
namespace {

using namespace testing;

// Lines:  0 "1", 1 time, 2 "a", 3 "", 4 "2", 5 time, 6 "b", 7 "", 8 "2" (the number again),
// 9 time, 10 "c", 11 "7" (glued to the block above), 12 time, 13 "", 14 "9" (no time line
// after it), 15 "no arrow", 16 "", 17 "0", 18 time, 19 "d", 20 (after the final line break).
const std::string kBlocks = Lines({"1", "00:00:01,000 --> 00:00:02,000", "a", "", "2", "00:01:05,000 --> 00:01:06,000",
                                   "b", "", "2", "00:02:00,500 --> 00:02:01,000", "c", "7",
                                   "00:03:00,000 --> 00:03:01,000", "", "9", "no arrow", "", "0",
                                   "00:04:30,000 --> 00:04:31,000", "d", ""});

struct Go {
  explicit Go(const std::string& text) : te(text) {}
  void Caret(int line, int column) { te.edit.SetSel(te.edit.LineIndex(line) + column, 0); }
  int SelStart() const { return te.edit.SelStart(); }
  TestEditor te;
  GoBusyTag tag;
};

// ok, line (only when ok), message.
using Outcome = std::tuple<bool, int, std::string>;
Outcome Result(bool ok, int line, const std::string& message) { return {ok, ok ? line : -1, message}; }

TEST(GoTo, FirstAndLastLineNeedTwoLines) {
  struct Case {
    const char* name;
    std::string text;
    Outcome first, last;
    int beeps;
  } cases[] = {
      {"three lines", Lines({"a", "b", "c"}), {true, 0, ""}, {true, 2, ""}, 0},
      {"a final break counts its empty line", "a\r\n", {true, 0, ""}, {true, 1, ""}, 0},
      {"one line: the beep and no message", "abc", {false, -1, ""}, {false, -1, ""}, 2},
      {"empty text", "", {false, -1, ""}, {false, -1, ""}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Go g(c.text);
    int line = -1;
    const bool first = GoFirstLine(g.te.editor, g.tag, line);
    EXPECT_EQ(Result(first, line, ""), c.first);
    line = -1;
    const bool last = GoLastLine(g.te.editor, g.tag, line);
    EXPECT_EQ(Result(last, line, ""), c.last);
    EXPECT_EQ(g.te.prompt.beeps, c.beeps);
    EXPECT_EQ(g.tag.tag, 0);
  }
}

TEST(GoTo, LinePositionBlocksBackwardAndForward) {
  struct Case {
    const char* name;
    int caretLine, caretColumn;
    Outcome prev, next;
  } cases[] = {
      {"start of the text", 0, 0, {false, -1, "Предыдущей строки не существует"}, {true, 4, ""}},
      {"inside the first number line", 0, 1, {true, 0, ""}, {true, 4, ""}},
      {"text line of block 2", 6, 1, {true, 4, ""}, {true, 8, ""}},
      {"start of block 2's number line: the block before", 4, 0, {true, 0, ""}, {true, 8, ""}},
      {"the blank line right before a block", 7, 0, {true, 4, ""}, {true, 8, ""}},
      {"a glued number line is no block start", 12, 3, {true, 8, ""}, {true, 17, ""}},
      {"a number line without a time line is no block start", 15, 2, {true, 8, ""}, {true, 17, ""}},
      {"the last block", 19, 1, {true, 17, ""}, {false, -1, "Следующего блока не найдено"}},
      {"the empty last line", 20, 0, {true, 17, ""}, {false, -1, "Следующей строки не существует"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Go g(kBlocks);
    g.Caret(c.caretLine, c.caretColumn);
    const int before = g.SelStart();
    int line = -1;
    std::string message;
    const bool prev = GoPrevBlock(g.te.editor, g.tag, line, message);
    EXPECT_EQ(Result(prev, line, message), c.prev);
    line = -1;
    message.clear();
    const bool next = GoNextBlock(g.te.editor, g.tag, line, message);
    EXPECT_EQ(Result(next, line, message), c.next);
    // The engine only finds the line: the caret stays until a front end moves it.
    EXPECT_EQ(g.SelStart(), before);
  }

  Go one("abc");
  int line = 5;
  std::string message;
  EXPECT_FALSE(GetPrevCanStr(one.te.lines, line, true, message));
  EXPECT_EQ(message, "Предыдущей строки не существует");
  Go noBlock(Lines({"text", "more", "1"}));
  noBlock.Caret(2, 1);
  message.clear();
  EXPECT_FALSE(GoPrevBlock(noBlock.te.editor, noBlock.tag, line, message));
  EXPECT_EQ(message, "Предыдущего блока не найдено");

  Go g(kBlocks);
  message.clear();
  EXPECT_TRUE(CheckLinePosition(g.te.lines, 0, message));
  EXPECT_TRUE(CheckLinePosition(g.te.lines, 20, message));
  EXPECT_FALSE(CheckLinePosition(g.te.lines, 21, message));
  EXPECT_EQ(message, "Строки с заданной позицией (22) не существует");
}

TEST(GoTo, BlockByNumberInItsThreeModes) {
  struct Case {
    const char* name;
    int number;
    GoMode mode;
    int caretLine, caretColumn;
    Outcome result;
  } cases[] = {
      {"from the top", 2, GoMode::FromTop, 19, 0, {true, 4, ""}},
      {"block number 0", 0, GoMode::FromTop, 0, 0, {true, 17, ""}},
      {"a glued block is not found", 7, GoMode::FromTop, 0, 0, {false, -1, "Блока с номером \"7\" не найдено"}},
      {"no time line, no block", 9, GoMode::FromTop, 0, 0, {false, -1, "Блока с номером \"9\" не найдено"}},
      {"before the caret: the later of two", 2, GoMode::Before, 19, 0, {true, 8, ""}},
      {"before the caret: the caret's own number line counts", 2, GoMode::Before, 8, 1, {true, 8, ""}},
      {"before the caret: at column 0 the caret's line does not", 2, GoMode::Before, 8, 0, {true, 4, ""}},
      {"before the caret: line 0 is before line 1", 1, GoMode::Before, 1, 0, {true, 0, ""}},
      {"before the caret: at the very start", 1, GoMode::Before, 0, 0,
       {false, -1, "Предыдущей строки не существует"}},
      {"before the caret: none", 0, GoMode::Before, 10, 0, {false, -1, "Предыдущего блока с номером \"0\" не найдено"}},
      {"after the caret", 2, GoMode::After, 4, 0, {true, 8, ""}},
      {"after the caret: from the blank line above", 2, GoMode::After, 3, 0, {true, 4, ""}},
      {"after the caret: none", 1, GoMode::After, 0, 0, {false, -1, "Следующего блока с номером \"1\" не найдено"}},
      {"after the caret: a glued block right below is no block", 7, GoMode::After, 10, 0,
       {false, -1, "Следующего блока с номером \"7\" не найдено"}},
      {"after the caret: the last line", 1, GoMode::After, 20, 0, {false, -1, "Следующей строки не существует"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Go g(kBlocks);
    g.Caret(c.caretLine, c.caretColumn);
    int line = -1;
    std::string message;
    const bool ok = FindBlockByNumber(g.te.editor, g.tag, c.number, line, c.mode, message);
    EXPECT_EQ(Result(ok, line, message), c.result);
  }
}

// Blocks at 0:00:10, 0:01:05,400, 0:01:05,900 and 0:02:01; their time lines are 1, 5, 9, 13.
const std::string kTimes = Lines({"1", "00:00:10,000 --> 00:00:11,000", "a", "", "2", "00:01:05,400 --> 00:01:06,000",
                                  "b", "", "3", "00:01:05,900 --> 00:01:07,000", "c", "", "4",
                                  "00:02:01,000 --> 00:02:02,000", "d", ""});

int32_t Ms(int h, int m, int s) { return (h * 3600 + m * 60 + s) * 1000; }

TEST(GoTo, TimeExactNearestAndWithoutSeconds) {
  struct Case {
    const char* name;
    int32_t picker;
    GoMode mode;
    bool nearest, seconds;
    int caretLine;
    Outcome result;
  } cases[] = {
      {"seconds count; milliseconds do not", Ms(0, 1, 5), GoMode::FromTop, false, true, 0, {true, 5, ""}},
      {"without seconds the first in the minute wins", Ms(0, 1, 30), GoMode::FromTop, false, false, 0, {true, 5, ""}},
      {"before the caret: the last one up to it", Ms(0, 1, 5), GoMode::Before, false, true, 12, {true, 9, ""}},
      {"after the caret", Ms(0, 1, 5), GoMode::After, false, true, 5, {true, 9, ""}},
      {"not found, with seconds", Ms(0, 1, 6), GoMode::FromTop, false, true, 0,
       {false, -1, "Времени \"0:01:06\" не найдено"}},
      {"not found, in minutes, before the caret", Ms(1, 3, 0), GoMode::Before, false, false, 12,
       {false, -1, "Предыдущего времени \"1:03\" не найдено"}},
      {"not found, after the caret", Ms(0, 0, 10), GoMode::After, false, true, 1,
       {false, -1, "Следующего времени \"0:00:10\" не найдено"}},
      {"nearest: all later, the first", Ms(0, 0, 1), GoMode::FromTop, true, true, 0, {true, 1, ""}},
      {"nearest: equally near, the last of them", Ms(0, 1, 33), GoMode::FromTop, true, true, 0, {true, 13, ""}},
      {"nearest: after the caret, equal times", Ms(0, 0, 1), GoMode::After, true, true, 4, {true, 9, ""}},
      {"nearest: before the caret looks no further", Ms(0, 1, 59), GoMode::Before, true, true, 10, {true, 9, ""}},
      {"nearest with nothing to choose from", Ms(0, 0, 1), GoMode::After, true, true, 13,
       {false, -1, "Следующего времени \"0:00:01\" не найдено. Ближайшего к нему времени не найдено"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Go g(kTimes);
    g.Caret(c.caretLine, 0);
    int line = -1;
    std::string message;
    const bool ok = RunGoMove(g.te.editor, g.tag, {GoMove::Time, c.picker, c.mode, c.nearest, c.seconds}, line, message);
    EXPECT_EQ(Result(ok, line, message), c.result);
  }
}

TEST(GoTo, LineStartTimesByFormat) {
  struct Case {
    const char* name;
    std::string line;
    TextFormat format;
    bool seconds, milliseconds;
    int32_t time;  // -1: no time
  } cases[] = {
      {"SRT time line", "00:01:02,345 --> 00:01:04,000", TextFormat::Srt, true, true, 62345},
      {"SRT, whole seconds", "00:01:02,345 --> 00:01:04,000", TextFormat::Srt, true, false, 62000},
      {"SRT, whole minutes", "00:01:02,345 --> 00:01:04,000", TextFormat::Srt, false, true, 60000},
      {"SRT: the arrow is not needed", "x 1:2:3,004", TextFormat::Srt, true, true, 3723004},
      {"SRT: text", "Привет", TextFormat::Srt, true, true, -1},
      {"ASS event", "Dialogue: 0,1:02:03.45,1:02:05.00,Default,,0,0,0,,Hi", TextFormat::Ass, true, true, 3723450},
      {"ASS, any letter case, without milliseconds", "dialogue: 0,0:00:05.50,x", TextFormat::Ass, true, false, 5000},
      {"ASS: a one-digit fraction is tenths, as the conversion reads it", "Dialogue: 0,0:00:01.5,0:00:02.00,x",
       TextFormat::Ass, true, true, 1500},
      {"SSA event lines read like ASS ones", "Dialogue: Marked=0,0:01:05.00,0:01:06.00,x", TextFormat::Ssa, false,
       false, 60000},
      {"ASS: no Dialogue", "Comment: 0,0:00:05.50,0:00:06.00,x", TextFormat::Ass, true, true, -1},
      {"ASS: a field that is no number", "Dialogue: 0,0:0a:05.50,0:00:06.00,x", TextFormat::Ass, true, true, -1},
      {"ASS: no comma after the hundredths", "Dialogue: 0,0:00:05.50", TextFormat::Ass, true, true, -1},
      {"unknown format", "00:01:02,345 --> 00:01:04,000", TextFormat::Unknown, true, true, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int32_t time = -1;
    const bool ok = ParseLineStartTime(c.line, c.format, time, c.seconds, c.milliseconds);
    EXPECT_EQ(ok ? time : -1, c.time);
  }

  // A whole script: the search reads its event lines.
  const std::string ass = Lines({"[Script Info]", "[Events]", "Format: Layer, Start, End, Style, Text",
                                 "Dialogue: 0,0:00:05.50,0:00:06.00,Default,,0,0,0,,a",
                                 "Dialogue: 0,0:01:05.00,0:01:06.00,Default,,0,0,0,,b"});
  Go g(ass);
  int line = -1;
  std::string message;
  EXPECT_TRUE(FindTime(g.te.editor, g.tag, Ms(0, 1, 5), line, GoMode::FromTop, false, true, message));
  EXPECT_EQ(line, 4);
  // A text of no known format has no times.
  Go plain(Lines({"00:01:05,000 is not SRT", "x"}));
  EXPECT_FALSE(FindTime(plain.te.editor, plain.tag, Ms(0, 1, 5), line, GoMode::FromTop, true, true, message));
  EXPECT_EQ(message, "Времени \"0:01:05\" не найдено. Ближайшего к нему времени не найдено");
}

TEST(GoTo, ABusyButtonDoesNothingAndAFailureClearsTheMark) {
  Go g(kBlocks);
  g.Caret(6, 0);
  g.tag.tag = 1;
  int line = -1;
  std::string message;
  for (const GoRequest& r : {GoRequest{GoMove::FirstLine}, GoRequest{GoMove::LastLine}, GoRequest{GoMove::PrevBlock},
                             GoRequest{GoMove::NextBlock}, GoRequest{GoMove::Block, 2},
                             GoRequest{GoMove::Time, Ms(0, 1, 5), GoMode::FromTop, true, true}}) {
    EXPECT_FALSE(RunGoMove(g.te.editor, g.tag, r, line, message));
    EXPECT_EQ(std::make_tuple(line, message, g.tag.tag), std::make_tuple(-1, std::string(), 1));
  }
  EXPECT_EQ(g.te.prompt.beeps, 0);

  // An unexpected failure is told, and the mark is cleared.
  FailingEditor f(kBlocks, 19, false);
  GoBusyTag tag;
  EXPECT_FALSE(FindBlockByNumber(f.editor, tag, 5, line, GoMode::FromTop, message));
  EXPECT_EQ(std::make_pair(message, tag.tag), std::make_pair(std::string("Сбой программы при поиске блока для перехода"), 0));
  EXPECT_FALSE(FindTime(f.editor, tag, 5000, line, GoMode::FromTop, false, true, message));
  EXPECT_EQ(std::make_pair(message, tag.tag), std::make_pair(std::string("Сбой программы при поиске времени для перехода"), 0));
}

TEST(EditGroupGo, MovesEndInTheCaretOrAReport) {
  struct Case {
    const char* name;
    void (TEditGroupGo::*click)(const EditGroupGoValues&);
    EditGroupGoValues values;
    int caretLine;
    int line;                 // the line the caret goes to; -1: it stays
    std::string message;      // in the message window
    int beeps;
  } cases[] = {
      {"н", &TEditGroupGo::Button22Click, {}, 6, 0, "", 0},
      {"к", &TEditGroupGo::Button23Click, {}, 6, 20, "", 0},
      {"поз: 1 is line 0", &TEditGroupGo::Button24Click, {.line = 1}, 6, 0, "", 0},
      {"поз: past the end", &TEditGroupGo::Button24Click, {.line = 40}, 6, -1,
       "Невозможно выполнить переход! Строки с заданной позицией (40) не существует.", 0},
      {"поз: past the end without Ошибки", &TEditGroupGo::Button24Click, {.line = 40, .showErrors = false}, 6, -1, "", 1},
      {"<", &TEditGroupGo::Button30Click, {}, 6, 4, "", 0},
      {">", &TEditGroupGo::Button31Click, {}, 6, 8, "", 0},
      {"№:", &TEditGroupGo::Button32Click, {.block = 2}, 19, 4, "", 0},
      {"№: not found", &TEditGroupGo::Button32Click, {.block = 5}, 19, -1,
       "Невозможно выполнить переход! Блока с номером \"5\" не найдено.", 0},
      {"T: the time line", &TEditGroupGo::Button9Click, {.time = Ms(0, 1, 5), .seconds = true}, 0, 5, "", 0},
      {"< time, in minutes", &TEditGroupGo::Button10Click, {.time = Ms(0, 0, 59)}, 19, 1, "", 0},
      {"> time, nearest", &TEditGroupGo::Button11Click, {.time = Ms(0, 0, 1), .nearest = true}, 6, 9, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Go g(kBlocks);
    g.te.edit.SetVisibleLines(5);
    g.Caret(c.caretLine, 1);
    const int before = g.SelStart();
    g.te.edit.ClearFocus();
    TEditGroupGo group(g.te.editor);
    (group.*c.click)(c.values);
    if (c.line >= 0) {
      EXPECT_EQ(std::make_tuple(g.SelStart(), g.te.edit.SelLength(), g.te.host.statusRefreshes),
                std::make_tuple(g.te.edit.LineIndex(c.line), 0, 1));
      EXPECT_EQ(g.te.edit.FirstVisibleLine(), std::min(c.line, g.te.edit.LineCount() - 5));
    } else {
      EXPECT_EQ(std::make_pair(g.SelStart(), g.te.host.statusRefreshes), std::make_pair(before, 0));
    }
    EXPECT_TRUE(g.te.edit.Focused());
    std::vector<Said> said;
    if (!c.message.empty()) said.emplace_back(c.message, MsgKind::Warning, false);
    EXPECT_EQ(Messages(g.te.messages), said);
    EXPECT_EQ(g.te.prompt.beeps, c.beeps);
  }

  // First line of a one-line text: the beep only, even with "Ошибки".
  Go one("abc");
  TEditGroupGo group(one.te.editor);
  group.Button22Click({});
  EXPECT_EQ(std::make_tuple(one.te.prompt.beeps, one.te.messages.messages.size()), std::make_tuple(1, size_t{0}));
  // A busy button does nothing at all.
  Go busy(kBlocks);
  TEditGroupGo busyGroup(busy.te.editor);
  busyGroup.button31.tag = 1;
  busyGroup.Button31Click({});
  EXPECT_EQ(std::make_tuple(busy.SelStart(), busy.te.prompt.beeps, busy.te.host.statusRefreshes), std::make_tuple(0, 0, 0));
}

TEST(GoTo, PickerTimeInWholeSecondsOrMinutes) {
  EXPECT_EQ(GoTimeValue(Ms(1, 2, 3) + 600, true), Ms(1, 2, 4));
  EXPECT_EQ(GoTimeValue(Ms(1, 2, 59), false), Ms(1, 2, 0));
  EXPECT_EQ(GoTimeValue(0, false), 0);
}

}  // namespace
}  // namespace quillet

namespace quillet {
namespace {

// A walk past the first few dozen lines reads the rest of the text at once: the answers are
// the same on either side of that point, also while a reader's snapshot differs from the
// editor.
TEST(GoTo, LongWalksOverTheWholeText) {
  std::string text;
  for (int b = 1; b <= 60; ++b) {
    text += std::to_string(b) + "\r\n00:00:" + (b < 10 ? "0" : "") + std::to_string(b % 60) +
            ",000 --> 00:00:59,000\r\ntext\r\n\r\n";
  }
  Go g(text);
  int line = -1;
  std::string message;
  for (int number : {1, 12, 13, 60}) {
    ASSERT_TRUE(FindBlockByNumber(g.te.editor, g.tag, number, line, GoMode::FromTop, message)) << number;
    EXPECT_EQ(line, (number - 1) * 4) << number;
  }
  EXPECT_EQ(FindBlockBackward(g.te.lines, 239), 236);
  EXPECT_EQ(FindBlockForward(g.te.lines, 1), 4);
  ASSERT_TRUE(FindTime(g.te.editor, g.tag, 59000, line, GoMode::FromTop, false, true, message));
  EXPECT_EQ(line, 58 * 4 + 1);

  // Inside a bracket the list keeps the text it saw, though the editor changes.
  LinesUse use(g.te.lines);
  (void)g.te.lines.Count();
  g.te.edit.SetSel(0, 0);
  g.te.edit.ReplaceSel("x\r\n", true);
  ASSERT_TRUE(FindBlockByNumber(g.te.editor, g.tag, 50, line, GoMode::FromTop, message));
  EXPECT_EQ(line, 49 * 4);
}

}  // namespace
}  // namespace quillet
