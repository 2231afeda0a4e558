#include "core/status_texts.h"

#include "core/block_scanner.h"
#include "core/editor_routines.h"
#include "core/text_utils.h"
#include "core/time_codes.h"

namespace quillet {

StatusTexts ComputeStatusTexts(EditorLines& lines, bool withBlock) {
  StatusTexts s;
  const CaretPos caret = GetMemoCaret(lines.Edit());
  s.position = std::to_string(caret.line + 1) + "/" + std::to_string(caret.column + 1);
  if (!withBlock) return s;
  int32_t startTime = -1;
  const int32_t number = GetCurBlockNumber(lines, startTime);
  if (number >= 0) s.block = "Блок №: " + std::to_string(number);
  if (startTime >= 0) s.time = "Время: " + FormatTimeCodeEx(startTime, true);
  return s;
}

}  // namespace quillet
