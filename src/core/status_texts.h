// The three position fields of the status bar: the caret as line/column, the caret's block and
// that block's start time.
#pragma once

#include <string>

#include "core/editor_lines.h"

namespace quillet {

struct StatusTexts {
  std::string position;  // "12/5"
  std::string block;     // "Блок №: 7", or empty outside a block
  std::string time;      // "Время: 0:01:05", or empty without a readable time
  std::string document;  // the fourth field: the open file's encoding, "Изменён" while unsaved
};

// Reads only the caret's line and the few lines above it, never the whole text. With
// withBlock false the block fields stay empty (the caller leaves them as they are).
StatusTexts ComputeStatusTexts(EditorLines& lines, bool withBlock = true);

}  // namespace quillet
