// How the program recognises the SRT block structure in the editor's lines.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/editor_lines.h"

namespace quillet {

// Value of a number line (ASCII digits only after right-trimming, fitting 32 bits), else -1.
int32_t StrToBlockNumber(std::string_view line);
// " --> " at position 12 or later.
bool HasTimeArrow(std::string_view line);
// Line i is a number line, first or after a blank line, and followed by a time line.
bool IsBlockStart(const EditorLines& lines, int i);

struct BlockAtLine {
  int total = 0;        // blocks in the whole text
  int number = -1;      // number of the last block starting at or above the line
  int32_t startTime = -1;
  int ordinal = 0;      // how many blocks start at or above the line
};
BlockAtLine GetBlockNumber(EditorLines& lines, int line);

// Number of the caret's block, looking at most five lines up; -1 when none.
int32_t GetCurBlockNumber(EditorLines& lines, int32_t& startTime);

}  // namespace quillet
