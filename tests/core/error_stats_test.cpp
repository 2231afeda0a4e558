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

TReporter Collect(const std::string& text, int32_t minMs = 500, int32_t maxMs = 20000) {
  TestEditor t(text);
  TReporter r;
  EXPECT_TRUE(CollectErrorStats(r, t.lines, minMs, maxMs));
  EXPECT_EQ(t.lines.UseCount(), 0);
  return r;
}

TEST(CollectErrorStats, FiguresOfACleanText) {
  const TReporter r = Collect(Lines({"", "1", "00:00:01,000 --> 00:00:02,000  ", Ansi("Привет  "),
                                     Ansi("мир"), "", "", "2", "00:00:03,000 --> 00:00:05,500",
                                     Ansi("Текст"), ""}));
  EXPECT_EQ(r.errorCount, 0);
  EXPECT_EQ(r.blockCount, 2);
  EXPECT_EQ(r.minNumber, 1);
  EXPECT_EQ(r.maxNumber, 2);
  EXPECT_EQ(r.maxTextLines, 2);
  EXPECT_EQ(r.maxLineLength, 6);  // one byte per Cyrillic letter
  EXPECT_EQ(r.maxBlockChars, 9);
  EXPECT_EQ(r.shortestDuration, 1000);
  EXPECT_EQ(r.longestDuration, 2500);
  EXPECT_EQ(r.earliestTime, 1000);
  EXPECT_EQ(r.latestTime, 5500);
  EXPECT_EQ(r.trailingBlanks, 4);
  EXPECT_EQ(r.extraBlankLines, 2);  // the top line and the second blank between the blocks
  EXPECT_TRUE(r.numberingOrdered);
  EXPECT_FALSE(r.firstTimed);
  EXPECT_EQ(r.minDuration, 500);
  EXPECT_EQ(r.maxDuration, 20000);
}

TEST(CollectErrorStats, AnEmptyTextKeepsTheInitialValues) {
  const TReporter r = Collect("", 100, 7000);
  EXPECT_EQ(std::make_tuple(r.minDuration, r.maxDuration, r.minNumber, r.maxNumber, r.earliestTime, r.latestTime),
            std::make_tuple(100, 7000, -1, -1, -1, -1));
  EXPECT_TRUE(r.firstTimed && r.numberingOrdered);
  EXPECT_EQ(r.errorCount + r.blockCount + r.extraBlankLines, 0);
}

// Which counter a text raises; every other error counter stays 0.
struct CounterCase {
  const char* name;
  std::string text;
  int32_t TReporter::*counter;
  int32_t expected;
  int32_t blocks;
};

TEST(CollectErrorStats, EachKindOfErrorHasItsCounter) {
  const std::string t1 = "00:00:01,000 --> 00:00:02,000";
  const std::string t2 = "00:00:03,000 --> 00:00:04,000";
  const std::string t3 = "00:00:05,000 --> 00:00:06,000";
  const CounterCase cases[] = {
      {"glued as third text line", Lines({"1", t1, "a", "", "2", t2, "b", "3", t3, "c"}),
       &TReporter::gluedBlocks, 1, 2},
      {"time as second text line", Lines({"1", t1, "a", "", "2", t2, "3", t3, "c"}),
       &TReporter::timeAsText, 1, 2},
      {"time as first text line", Lines({"1", t1, t2, "", "2", t3, "x"}), &TReporter::timeAsText, 1, 2},
      {"two-digit milliseconds", Lines({"1", "00:00:01,00 --> 00:00:02,000", "a"}),
       &TReporter::badTimeLines, 1, 1},
      {"text after the end time", Lines({"1", t1 + " x", "a"}), &TReporter::badTimeLines, 1, 1},
      {"arrow at 12", Lines({"1", "0:00:01,000 --> 00:00:02,000", "a"}), &TReporter::badTimeLines, 1, 1},
      {"dot before milliseconds", Lines({"1", "00:00:01.000 --> 00:00:02,000", "a"}),
       &TReporter::badTimeLines, 1, 1},
      {"overlap", Lines({"1", t2, "a", "", "2", t1, "b"}), &TReporter::overlaps, 1, 2},
      {"too short", Lines({"1", "00:00:01,000 --> 00:00:01,499", "a"}), &TReporter::tooShort, 1, 1},
      {"too long", Lines({"1", "00:00:01,000 --> 00:00:21,001", "a"}), &TReporter::tooLong, 1, 1},
      {"two runs outside", Lines({"x", "y", "", "z", "", "1", t1, "a"}), &TReporter::textOutside, 2, 1},
      {"number not greater", Lines({"2", t1, "a", "", "2", t2, "b"}), &TReporter::numberingErrors, 1, 2},
      {"empty block", Lines({"1", t1, "", "2", t2, "b"}), &TReporter::emptyBlocks, 1, 2},
  };
  int32_t TReporter::*const all[] = {&TReporter::gluedBlocks, &TReporter::timeAsText,
                                      &TReporter::badTimeLines, &TReporter::overlaps,
                                      &TReporter::tooShort,     &TReporter::tooLong,
                                      &TReporter::textOutside,  &TReporter::numberingErrors,
                                      &TReporter::emptyBlocks};
  for (const auto& c : cases) {
    const TReporter r = Collect(c.text);
    for (auto m : all) EXPECT_EQ(r.*m, m == c.counter ? c.expected : 0) << c.name;
    EXPECT_EQ(r.errorCount, c.expected) << c.name;
    EXPECT_EQ(r.blockCount, c.blocks) << c.name;
  }
}

TEST(CollectErrorStats, TimeLinesWithReadableCodesMoveTheTimeRangeEvenWhenBad) {
  const TReporter r = Collect(Lines({"1", "00:00:02,000 --> 00:00:01,000 x", "a", "", "2",
                                     "00:00:03,00 --> 00:01:00,000", "b"}));
  EXPECT_EQ(r.badTimeLines, 2);
  EXPECT_EQ(r.earliestTime, 1000);  // the smaller code of the first line
  EXPECT_EQ(r.latestTime, 2000);    // the second line could not be read
  EXPECT_TRUE(r.firstTimed);        // durations only from good lines
}

TEST(CollectErrorStats, EndBeforeStartIsAShortBlockWithANegativeDuration) {
  const TReporter r = Collect(Lines({"1", "00:00:05,000 --> 00:00:01,000", "a"}));
  EXPECT_EQ(std::make_tuple(r.tooShort, r.overlaps, r.shortestDuration, r.longestDuration),
            std::make_tuple(1, 0, -4000, -4000));
}

TEST(CollectErrorStats, NumberingOrderedRule) {
  const std::string t = "00:00:01,000 --> 00:00:02,000";
  const std::string u = "00:00:03,000 --> 00:00:04,000";
  const std::string v = "00:00:05,000 --> 00:00:06,000";
  struct Case {
    std::string text;
    bool ordered;
    int32_t numberingErrors;
  } cases[] = {
      {Lines({"1", t, "a", "", "2", u, "b", "", "3", v, "c"}), true, 0},
      {Lines({"1", t, "a", "", "2", u, "b", "", "5", v, "c"}), true, 0},  // a gap alone
      {Lines({"1", t, "a", "", "3", u, "b", "", "2", v, "c"}), false, 1},
      // A decrease next to glued blocks does not count against the order.
      {Lines({"3", t, "a", "", "2", u, "b", "4", v, "c"}), true, 1},
  };
  for (const auto& c : cases) {
    const TReporter r = Collect(c.text);
    EXPECT_EQ(r.numberingOrdered, c.ordered) << c.text;
    EXPECT_EQ(r.numberingErrors, c.numberingErrors) << c.text;
  }
}

TEST(CollectErrorStats, GluedBlockIsNotCountedAsABlock) {
  const std::string t = "00:00:01,000 --> 00:00:02,000";
  const TReporter r = Collect(Lines({"1", t, "a", "", "2", "00:00:03,000 --> 00:00:04,000", "b",
                                     "3", "00:00:05,000 --> 00:00:06,000", "c", ""}));
  EXPECT_EQ(r.gluedBlocks + r.timeAsText, 1);
  EXPECT_EQ(r.blockCount, 2);
  EXPECT_EQ(r.maxNumber, 2);
  EXPECT_EQ(r.maxTextLines, 4);
}

TEST(CollectErrorStats, TheEmptyEntryAfterAFinalBreakDoesNotCloseTheLastBlock) {
  const std::string t = "00:00:01,000 --> 00:00:02,000";
  EXPECT_EQ(Collect(Lines({"1", t, ""})).emptyBlocks, 0);
  EXPECT_EQ(Collect(Lines({"1", t, "", ""})).emptyBlocks, 1);
}

TEST(CollectErrorStats, HugeLimitsAndTimesDoNotWrapAround) {
  // The least duration at the top of the range: every block is too short, none wraps to fine.
  const TReporter r = Collect(Lines({"1", "99:59:59,000 --> 99:59:59,999", "a"}), INT32_MAX, INT32_MAX);
  EXPECT_EQ(r.tooShort, 1);
  EXPECT_EQ(r.tooLong, 0);
  // Hours beyond the 32-bit range: an unreadable time line.
  const TReporter big = Collect(Lines({"1", "99999999999:00:00,000 --> 00:00:01,000", "a"}));
  EXPECT_EQ(big.badTimeLines, 1);
  EXPECT_EQ(big.earliestTime, -1);
}

TEST(CollectErrorStats, BadInputIsCountedWithoutTrouble) {
  const std::string longLine(100000, static_cast<char>(0xFF));  // "я"
  const TReporter r = Collect(Lines({"1", "00:00:01,000 --> 00:00:02,000", longLine, "", longLine}));
  EXPECT_EQ(r.maxLineLength, 100000);
  EXPECT_EQ(r.textOutside, 1);
  const TReporter nul = Collect(std::string(1000, '\0'));
  EXPECT_EQ(nul.errorCount, 0);
  EXPECT_EQ(nul.trailingBlanks, 1000);
  EXPECT_EQ(nul.extraBlankLines, 1);
  const TReporter one = Collect("7");  // a number line with no time line after it
  EXPECT_EQ(one.textOutside, 1);
  EXPECT_EQ(one.blockCount, 0);
}

}  // namespace
}  // namespace quillet
