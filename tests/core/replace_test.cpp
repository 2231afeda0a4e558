#include "core/replace.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/find_row.h"
#include "core/go_dialog.h"
#include "core/ops_test_support.h"

namespace quillet {
namespace {

using namespace testing;

ReplaceDialogValues Fields(std::string what, std::string with = "", bool down = true, std::string memWhat = "",
                           std::string memWith = "") {
  ReplaceDialogValues v;
  v.what = std::move(what);
  v.with = std::move(with);
  v.down = down;
  v.memWhat = std::move(memWhat);
  v.memWith = std::move(memWith);
  return v;
}

TEST(ReplaceAllText, LeftToRightWithoutOverlapsByTheLetterCaseTable) {
  struct Case {
    const char* name;
    std::string text, what, with;
    bool caseSensitive;
    int count;
    std::string out;  // unchanged when count is 0
  } cases[] = {
      {"ignoring case", "Aa aA", "aa", "b", false, 2, "b b"},
      {"case counts", "Aa aa", "aa", "b", true, 1, "Aa b"},
      {"no overlaps", "aaaa", "aa", "a", false, 2, "aa"},
      {"longer replacement, at both ends", "xaxa", "x", "yyy", false, 2, "yyyayyya"},
      {"deletion", "a-b-c", "-", "", false, 2, "abc"},
      {"Cyrillic letters fold too", Ansi("Ёж ёж ЕЖ"), Ansi("ёж"), Ansi("кот"), false, 2, Ansi("кот кот ЕЖ")},
      {"nothing found", "abc", "x", "y", false, 0, "untouched"},
      {"empty what", "abc", "", "y", false, 0, "untouched"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string out = "untouched";
    EXPECT_EQ(ReplaceAllText(c.text, c.what, c.with, c.caseSensitive, out), c.count);
    EXPECT_EQ(out, c.out);
  }
}

TEST(ReplaceAllInEditor, OneUndoableEditOrTheBeep) {
  struct Case {
    const char* name;
    std::string what, with;
    bool caseSensitive;
    bool done;
    std::string after;
  } cases[] = {
      {"every occurrence", "ab", "X", false, true, "X X-X\r\n"},
      {"case counts", "ab", "X", true, true, "X AB-X\r\n"},
      {"with equal to what: the beep", "ab", "ab", false, false, "ab AB-ab\r\n"},
      {"with differing only in case still replaces", "ab", "AB", false, true, "AB AB-AB\r\n"},
      {"empty what: the beep", "", "x", false, false, "ab AB-ab\r\n"},
      {"nothing to replace: the beep", "zz", "x", false, false, "ab AB-ab\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestEditor te("ab AB-ab\r\n");
    FullUndo undo;
    int count = -1;
    EXPECT_EQ(ReplaceAllInEditor(te.editor, c.what, c.with, c.caseSensitive, undo, &count), c.done);
    EXPECT_EQ(te.edit.Text(), c.after);
    EXPECT_EQ(te.prompt.beeps, c.done ? 0 : 1);
    EXPECT_EQ(undo.Has(), c.done);
    if (!c.done) continue;
    EXPECT_EQ(undo.Snapshot(), "ab AB-ab\r\n");
    EXPECT_EQ(te.edit.UpdateDepth(), 0);
    te.edit.Undo();
    EXPECT_EQ(te.edit.Text(), "ab AB-ab\r\n");
    EXPECT_FALSE(te.edit.CanUndo());
  }
}

TEST(ReplaceDialog, ReplaceMovesOnAndFullUndoPutsTheFirstTextBack) {
  const std::string original = "a b a b a";
  TestEditor te(original);
  ReplaceDialogValues v = Fields("a", "ab");
  FullUndo undo;
  // The selection is not "a": only the next one is found.
  ReplaceAndFindNext(te.editor, v, undo);
  EXPECT_EQ(std::make_tuple(te.edit.Text(), te.edit.SelStart(), undo.Has()), std::make_tuple(original, 0, false));
  // Replacing downward moves on to the next "a" that was there before.
  ReplaceAndFindNext(te.editor, v, undo);
  EXPECT_EQ(std::make_tuple(te.edit.Text(), te.edit.SelStart(), undo.Snapshot()),
            std::make_tuple(std::string("ab b a b a"), 5, original));
  ReplaceAndFindNext(te.editor, v, undo);
  EXPECT_EQ(std::make_tuple(te.edit.Text(), te.edit.SelStart()), std::make_tuple(std::string("ab b ab b a"), 10));
  // A manual edit, then "Полная отмена": refused first, then done.
  te.edit.SetSel(0, 0);
  te.edit.ReplaceSel("!", true);
  te.prompt.Script({Answer::No, Answer::Yes});
  EXPECT_FALSE(RunFullUndo(te.editor, undo));
  EXPECT_EQ(te.edit.Text(), "!ab b ab b a");
  EXPECT_TRUE(RunFullUndo(te.editor, undo));
  EXPECT_EQ(std::make_tuple(te.edit.Text(), undo.Has()), std::make_tuple(original, false));
  EXPECT_EQ(LastAsked(te.prompt), Asked(kFullUndoQuestion, MsgKind::Warning, Buttons::YesNo));
  // The editor's undo brings the replaced text back.
  te.edit.Undo();
  EXPECT_EQ(te.edit.Text(), "!ab b ab b a");
  // Without a snapshot there is nothing to ask.
  EXPECT_FALSE(RunFullUndo(te.editor, undo));
  EXPECT_EQ(te.prompt.questions.size(), 2u);
}

TEST(ReplaceDialog, UpwardReplacementsAndTheBeeps) {
  TestEditor te("a b a");
  ReplaceDialogValues v = Fields("a", "ab", false);
  FullUndo undo;
  te.edit.SetSel(4, 1);
  ReplaceAndFindNext(te.editor, v, undo);
  // The caret went back before the replacement, so the search goes on to the "a" above.
  EXPECT_EQ(std::make_tuple(te.edit.Text(), te.edit.SelStart(), te.edit.SelLength()),
            std::make_tuple(std::string("a b ab"), 0, 1));
  ReplaceAndFindNext(te.editor, v, undo);
  EXPECT_EQ(te.edit.Text(), "ab b ab");

  TestEditor empty("abc");
  ReplaceAndFindNext(empty.editor, Fields(""), undo);
  ReplaceDialogFindNext(empty.editor, Fields("  "));
  EXPECT_EQ(empty.prompt.beeps, 2);
  // A blank "Что:" that is not empty replaces a blank selection, then beeps at the search.
  TestEditor blank("x  y");
  blank.edit.SetSel(1, 2);
  ReplaceAndFindNext(blank.editor, Fields("  ", "-"), undo);
  EXPECT_EQ(std::make_pair(blank.edit.Text(), blank.prompt.beeps), std::make_pair(std::string("x-y"), 1));
}

TEST(FindRow, ReplaceKeepsNoSnapshotAndGoesOn) {
  TestEditor te("a b a");
  TFindRow row(te.editor);
  FindRowValues v{"A", "c", false};
  row.Button14Click(v);  // nothing selected: finds the first
  EXPECT_EQ(std::make_pair(te.edit.Text(), te.edit.SelStart()), std::make_pair(std::string("a b a"), 0));
  row.Button14Click(v);
  EXPECT_EQ(std::make_pair(te.edit.Text(), te.edit.SelStart()), std::make_pair(std::string("c b a"), 4));
  row.Button14Click({"A", "c", true});  // case counts: "a" is not "A"
  EXPECT_EQ(te.edit.Text(), "c b a");
  row.Button14Click({"", "c", false});
  EXPECT_EQ(te.prompt.beeps, 2);  // the case-sensitive search found nothing, then the empty text
}

TEST(ReplaceDialog, ButtonRules) {
  using B = ReplaceButtons;
  struct Case {
    const char* name;
    ReplaceDialogValues v;
    B on;
  } cases[] = {
      {"all empty", {}, {false, false, false, false, false, false, false}},
      {"what only", Fields("a"), {true, true, true, true, true, true, false}},
      {"with equal to what", Fields("a", "a"), {true, false, false, true, true, true, false}},
      {"with differs in case only", Fields("a", "A"), {true, true, true, true, true, true, false}},
      {"with only", Fields("", "b"), {false, false, false, true, true, true, false}},
      {"fields equal to the memory", Fields("a", "b", true, "a", "b"),
       {true, true, true, true, false, false, false}},
      {"a memory to put in", Fields("a", "", true, "", "m"), {true, true, true, true, true, true, true}},
  };
  for (const auto& c : cases) {
    const B b = ReplaceButtonsFor(c.v);
    EXPECT_EQ(std::make_tuple(b.findNext, b.replace, b.replaceAll, b.clear, b.exchange, b.remember, b.insert),
              std::make_tuple(c.on.findNext, c.on.replace, c.on.replaceAll, c.on.clear, c.on.exchange, c.on.remember,
                              c.on.insert))
        << c.name;
  }

  ReplaceDialogValues v = Fields("new", " ", true, "old", "");
  ExchangeWithMemory(v);
  EXPECT_EQ(std::make_tuple(v.what, v.with, v.memWhat, v.memWith),
            std::make_tuple(std::string("old"), std::string(), std::string("new"), std::string()));
}

TEST(ReplaceDialog, SelectionRules) {
  struct Case {
    const char* name;
    int selStart, selLength;
    const char* what;
    bool caseSensitive;
    bool selButton;
  } cases[] = {
      {"a word", 0, 3, "x", false, true},
      {"equal to what, ignoring case", 0, 3, "ONE", false, false},
      {"equal but for case, case counts", 0, 3, "ONE", true, true},
      {"blank", 3, 1, "x", false, false},
      {"nothing selected", 2, 0, "x", false, false},
      {"across a line break", 4, 6, "x", false, false},
  };
  for (const auto& c : cases) {
    TestEditor te("one two\r\nthree");
    te.edit.SetSel(c.selStart, c.selLength);
    EXPECT_EQ(SelButtonEnabled(te.edit, c.what, c.caseSensitive), c.selButton) << c.name;
  }

  EXPECT_EQ(FindTextFromSelection("two\r\nthree", "old"), "two");
  EXPECT_EQ(FindTextFromSelection("\r\nthree", "old"), "old");
  EXPECT_EQ(FindTextFromSelection(" \t", "old"), "old");
  EXPECT_EQ(FindTextFromSelection(" word ", "old"), " word ");
}

TEST(GoDialog, PositionDisplay) {
  const std::string srt = Lines({"text above", "", "1", "00:00:01,000 --> 00:00:02,000", "a", "", "5",
                                 "00:01:05,000 --> 00:01:06,000", "b", "c", "d", "e", ""});
  struct Case {
    const char* name;
    std::string text;
    int caretLine;
    GoInfo info;
  } cases[] = {
      {"above the first block", srt, 0, {"1/13", "0/2", "-", true, true, "", ""}},
      {"in block 5", srt, 8, {"9/13", "2/2", "5", true, true, "Блок №: 5", "Время: 0:01:05"}},
      {"the empty last line", srt, 12, {"13/13", "2/2", "5", true, true, "Блок №: 5", "Время: 0:01:05"}},
      {"SRT without blocks", Lines({"x", "1", "00:00:01,000 --> 00:00:02,000"}), 0,
       {"1/3", "-", "?", true, true, "", ""}},
      {"not SRT", Lines({"plain", "text"}), 1, {"2/2", "- (not srt)", "-", false, false, "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestEditor te(c.text);
    te.edit.SetSel(te.edit.LineIndex(c.caretLine), 0);
    const GoInfo i = GoPositionInfo(te.editor);
    EXPECT_EQ(std::make_tuple(i.line, i.block, i.blockNumber, i.blockGroup, i.setStatus, i.status1, i.status2),
              std::make_tuple(c.info.line, c.info.block, c.info.blockNumber, c.info.blockGroup, c.info.setStatus,
                              c.info.status1, c.info.status2));
  }
}

TEST(GoDialog, PlaceOnTheScreenAndTimeCaption) {
  struct Case {
    const char* name;
    int left, top;
    bool keep;
    FramePos pos;
  } cases[] = {
      {"kept", 100, 50, true, {100, 50}},
      {"kept, far to the right: pulled back to three quarters", 1700, 50, true, {1200, 50}},
      {"kept, mostly off to the left: a quarter stays", -350, 50, true, {-300, 50}},
      {"kept, a quarter already on the screen", -300, 50, true, {-300, 50}},
      {"not kept: the fixed place", 1700, 900, false, {(1600 - 400) * 2 / 3, 1200 / 12}},
  };
  for (const auto& c : cases) {
    const FramePos p = SetFrmPos(1600, 1200, c.left, c.top, 400, c.keep);
    EXPECT_EQ(std::make_pair(p.left, p.top), std::make_pair(c.pos.left, c.pos.top)) << c.name;
  }
  EXPECT_EQ(SetFrmPos(300, 1200, 0, 0, 400, false).left, 0);

  EXPECT_EQ(GoTimeCaption((3600 + 2 * 60 + 3) * 1000, true), "Время: 1:02:03");
  EXPECT_EQ(GoTimeCaption((3600 + 2 * 60 + 3) * 1000, false), "Время: 1:02");
}

}  // namespace
}  // namespace quillet
