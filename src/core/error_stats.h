// Error statistics of the whole text: one pass that counts every kind of error without
// stopping and without looking at the search options.
#pragma once

#include <cstdint>
#include <string>

namespace quillet {

class EditorLines;

struct TReporter {
  int32_t minDuration = 0;   // ms, the panel's value whether or not its check is on
  int32_t maxDuration = 0;   // ms
  std::string lineText;
  int32_t prevNumber = -1;
  int32_t blockNumberLine = -1;
  int32_t startTime = -1;
  int32_t endTime = -1;
  int32_t prevEndTime = -1;
  int32_t current = 0;
  bool inBlock = false;
  int32_t lineInBlock = -1;
  int32_t blockChars = 0;
  int32_t trailingBlanks = 0;
  int32_t emptyBlocks = 0;
  int32_t extraBlankLines = 0;
  int32_t badTimeLines = 0;
  int32_t overlaps = 0;
  int32_t tooShort = 0;
  int32_t tooLong = 0;
  int32_t shortestDuration = 0;
  int32_t longestDuration = 0;
  bool firstTimed = true;
  int32_t gluedBlocks = 0;
  int32_t timeAsText = 0;
  int32_t textOutside = 0;
  int32_t maxTextLines = 0;
  int32_t maxLineLength = 0;
  int32_t maxBlockChars = 0;
  int32_t minNumber = -1;
  int32_t maxNumber = -1;
  int32_t numberingErrors = 0;
  int32_t earliestTime = -1;
  int32_t latestTime = -1;
  int32_t errorCount = 0;
  bool numberingOrdered = true;
  int32_t blockCount = 0;
};

// Fills a fresh reporter from the whole text of lines; the durations come from the error
// search panel (least display time in ms, greatest in ms). False when it failed.
bool CollectErrorStats(TReporter& reporter, EditorLines& lines, int32_t minDurationMs,
                       int32_t maxDurationMs);

}  // namespace quillet
