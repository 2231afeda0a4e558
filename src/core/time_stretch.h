// The time stretch and compress of a range of blocks: each block moves by an amount that grows
// with its distance in time from an origin, so many milliseconds (or hundredths of one) per
// second.
#pragma once

#include <cstdint>

#include "core/editor.h"

namespace quillet {

// Error text of a rate of 0 (UTF-8).
inline constexpr const char* kMsgStretchRateError =
    "Ошибка! Не задана величина растяжения-сжатия времени для коррекции тайминга! Задайте в поле "
    "\"Время растяжения\", на сколько миллисекунд или сотых долей миллисекунды в секунду нужно "
    "увеличивать или уменьшать тайминг.";

// The inputs of one run as the "Растяжение тайминга" group and the range fields hold them.
struct StretchInput {
  bool stretch = true;      // "<> Раст." (later); false: ">< Сжать" (earlier)
  int rate = 0;             // the rate field's position, 0 to 30000
  bool hundredths = false;  // unit "0,01ms"; false: "ms"
  bool fromStart = true;    // "От начала": origin 0:00:00,000, else the first block of the range
  bool follow = true;       // "Смещать конечные": blocks after the range follow its last block
  bool durations = false;   // "Растягивать длительн.": display durations are stretched too
  int first = 0;            // Start
  int last = 0;             // End
};

// distance × rate / divisor, the product in 64 bits, truncated toward zero.
int64_t StretchAmount(int64_t distance, int32_t rate, int32_t divisor);

// The operation: input errors, the structure pre-check, the walk, the outcome box and, after
// Yes, the new text and the summary in the message window.
void StretchTiming(Editor& editor, const StretchInput& input);

}  // namespace quillet
