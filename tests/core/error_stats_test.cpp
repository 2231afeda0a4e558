#include "core/error_stats.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::Lines;
using testing::TestEditor;

const std::string T1 = "00:00:01,000 --> 00:00:02,000";
const std::string T2 = "00:00:03,000 --> 00:00:04,000";
const std::string T3 = "00:00:05,000 --> 00:00:06,000";

TReporter Collect(const std::string& text, int32_t minMs = 500, int32_t maxMs = 20000) {
  TestEditor t(text);
  TReporter r;
  EXPECT_TRUE(CollectErrorStats(r, t.lines, minMs, maxMs));
  EXPECT_EQ(t.lines.UseCount(), 0);
  return r;
}

TEST(CollectErrorStats, FiguresOfACleanText) {
  const TReporter r = Collect(Lines({"", "1", "00:00:01,000 --> 00:00:02,000  ", Ansi("Привет  "), Ansi("мир"), "",
                                     "", "2", "00:00:03,000 --> 00:00:05,500", Ansi("Текст"), ""}));
  // One byte per Cyrillic letter; the extra blank lines are the top line and the second blank
  // between the blocks.
  EXPECT_EQ(std::tie(r.errorCount, r.blockCount, r.minNumber, r.maxNumber, r.maxTextLines, r.maxLineLength,
                     r.maxBlockChars, r.trailingBlanks, r.extraBlankLines),
            std::make_tuple(0, 2, 1, 2, 2, 6, 9, 4, 2));
  EXPECT_EQ(std::tie(r.shortestDuration, r.longestDuration, r.earliestTime, r.latestTime, r.minDuration,
                     r.maxDuration),
            std::make_tuple(1000, 2500, 1000, 5500, 500, 20000));
  EXPECT_TRUE(r.numberingOrdered);
  EXPECT_FALSE(r.firstTimed);

  const TReporter empty = Collect("", 100, 7000);  // the initial values stay
  EXPECT_EQ(std::tie(empty.minDuration, empty.maxDuration, empty.minNumber, empty.maxNumber, empty.earliestTime,
                     empty.latestTime, empty.errorCount, empty.blockCount, empty.extraBlankLines),
            std::make_tuple(100, 7000, -1, -1, -1, -1, 0, 0, 0));
  EXPECT_TRUE(empty.firstTimed && empty.numberingOrdered);
}

TEST(CollectErrorStats, EachKindOfErrorHasItsCounter) {
  // Which counter a text raises; every other error counter stays 0.
  struct Case { const char* name; std::string text; int32_t TReporter::*counter; int32_t expected, blocks; };
  const Case cases[] = {
      {"glued as third text line", Lines({"1", T1, "a", "", "2", T2, "b", "3", T3, "c"}), &TReporter::gluedBlocks, 1,
       2},
      {"time as second text line", Lines({"1", T1, "a", "", "2", T2, "3", T3, "c"}), &TReporter::timeAsText, 1, 2},
      {"time as first text line", Lines({"1", T1, T2, "", "2", T3, "x"}), &TReporter::timeAsText, 1, 2},
      {"bad time line", Lines({"1", T1 + " x", "a"}), &TReporter::badTimeLines, 1, 1},
      {"overlap", Lines({"1", T2, "a", "", "2", T1, "b"}), &TReporter::overlaps, 1, 2},
      {"too short", Lines({"1", "00:00:01,000 --> 00:00:01,499", "a"}), &TReporter::tooShort, 1, 1},
      {"too long", Lines({"1", "00:00:01,000 --> 00:00:21,001", "a"}), &TReporter::tooLong, 1, 1},
      {"exactly the minimum", Lines({"1", "00:00:01,000 --> 00:00:01,500", "a"}), &TReporter::tooShort, 0, 1},
      {"exactly the maximum", Lines({"1", "00:00:01,000 --> 00:00:21,000", "a"}), &TReporter::tooLong, 0, 1},
      {"start exactly at the previous end", Lines({"1", T1, "a", "", "2", "00:00:02,000 --> 00:00:03,000", "b"}),
       &TReporter::overlaps, 0, 2},
      {"two runs outside", Lines({"x", "y", "", "z", "", "1", T1, "a"}), &TReporter::textOutside, 2, 1},
      {"number not greater", Lines({"2", T1, "a", "", "2", T2, "b"}), &TReporter::numberingErrors, 1, 2},
      {"empty block", Lines({"1", T1, "", "2", T2, "b"}), &TReporter::emptyBlocks, 1, 2},
      {"no empty block before a final break", Lines({"1", T1, ""}), &TReporter::emptyBlocks, 0, 1},
      {"empty last block", Lines({"1", T1, "", ""}), &TReporter::emptyBlocks, 1, 1},
  };
  int32_t TReporter::*const all[] = {&TReporter::gluedBlocks, &TReporter::timeAsText, &TReporter::badTimeLines,
                                      &TReporter::overlaps,    &TReporter::tooShort,   &TReporter::tooLong,
                                      &TReporter::textOutside, &TReporter::numberingErrors, &TReporter::emptyBlocks};
  for (const auto& c : cases) {
    const TReporter r = Collect(c.text);
    for (auto m : all) EXPECT_EQ(r.*m, m == c.counter ? c.expected : 0) << c.name;
    EXPECT_EQ(r.errorCount, c.expected) << c.name;
    EXPECT_EQ(r.blockCount, c.blocks) << c.name;
  }
}

TEST(CollectErrorStats, TimesAndDurations) {
  // Time lines with readable codes move the time range even when bad; durations come only
  // from good lines.
  const TReporter bad = Collect(Lines({"1", "00:00:02,000 --> 00:00:01,000 x", "a", "", "2",
                                       "00:00:03,00 --> 00:01:00,000", "b"}));
  EXPECT_EQ(std::tie(bad.badTimeLines, bad.earliestTime, bad.latestTime), std::make_tuple(2, 1000, 2000));
  EXPECT_TRUE(bad.firstTimed);
  // End before start: a short block with a negative duration, no overlap.
  const TReporter negative = Collect(Lines({"1", "00:00:05,000 --> 00:00:01,000", "a"}));
  EXPECT_EQ(std::tie(negative.tooShort, negative.overlaps, negative.shortestDuration, negative.longestDuration),
            std::make_tuple(1, 0, -4000, -4000));
  // The least duration at the top of the range: the block is too short, none wraps to fine.
  const TReporter huge = Collect(Lines({"1", "99:59:59,000 --> 99:59:59,999", "a"}), INT32_MAX, INT32_MAX);
  EXPECT_EQ(std::tie(huge.tooShort, huge.tooLong), std::make_tuple(1, 0));
  // Hours beyond the 32-bit range: an unreadable time line.
  const TReporter big = Collect(Lines({"1", "99999999999:00:00,000 --> 00:00:01,000", "a"}));
  EXPECT_EQ(std::tie(big.badTimeLines, big.earliestTime), std::make_tuple(1, -1));
}

TEST(CollectErrorStats, NumberingAndGluedBlocks) {
  struct Case { std::string text; bool ordered; int32_t numberingErrors; } cases[] = {
      {Lines({"1", T1, "a", "", "2", T2, "b", "", "3", T3, "c"}), true, 0},
      {Lines({"1", T1, "a", "", "2", T2, "b", "", "5", T3, "c"}), true, 0},  // a gap alone
      {Lines({"1", T1, "a", "", "3", T2, "b", "", "2", T3, "c"}), false, 1},
      {Lines({"0", T1, "a", "", "0", T2, "b"}), false, 1},  // a repeat after block 0
      {Lines({"0", T1, "a", "", "1", T2, "b"}), true, 0},
      // A decrease next to glued blocks does not count against the order.
      {Lines({"3", T1, "a", "", "2", T2, "b", "4", T3, "c"}), true, 1},
  };
  for (const auto& c : cases) {
    const TReporter r = Collect(c.text);
    EXPECT_EQ(std::tie(r.numberingOrdered, r.numberingErrors), std::tie(c.ordered, c.numberingErrors)) << c.text;
  }
  // A glued block is not counted as a block: its lines belong to the block before.
  const TReporter glued = Collect(Lines({"1", T1, "a", "", "2", T2, "b", "3", T3, "c", ""}));
  EXPECT_EQ(std::tie(glued.gluedBlocks, glued.blockCount, glued.maxNumber, glued.maxTextLines),
            std::make_tuple(1, 2, 2, 4));
}

TEST(CollectErrorStats, BadInputIsCountedWithoutTrouble) {
  const std::string longLine(100000, static_cast<char>(0xFF));  // "я"
  const TReporter r = Collect(Lines({"1", T1, longLine, "", longLine}));
  EXPECT_EQ(std::tie(r.maxLineLength, r.textOutside), std::make_tuple(100000, 1));
  const TReporter nul = Collect(std::string(1000, '\0'));
  EXPECT_EQ(std::tie(nul.errorCount, nul.trailingBlanks, nul.extraBlankLines), std::make_tuple(0, 1000, 1));
  const TReporter one = Collect("7");  // a number line with no time line after it
  EXPECT_EQ(std::tie(one.textOutside, one.blockCount), std::make_tuple(1, 0));
}

}  // namespace
}  // namespace quillet
