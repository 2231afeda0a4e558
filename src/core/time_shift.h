// The time shift of a range of blocks.
#pragma once

#include <cstdint>
#include <string>

#include "core/editor.h"

namespace quillet {

// Error texts of the timing inputs (UTF-8).
inline constexpr const char* kMsgBlockRangeError =
    "Ошибка! Неправильно задан диапазон блоков для коррекции тайминга! Задайте начальный и конечный "
    "номера блоков в полях ввода \"Start\" и \"End\" соответственно (например 1 и 1000)";
inline constexpr const char* kMsgShiftAmountError =
    "Ошибка! Не задана величина вермени семщения для коррекции тайминга! Задайте величину смещения в "
    "строках ввода \"Sec\" (секунды) и \"mSec\" (миллисекунды; 1000ms = 1Sec)";

// True when last > first; otherwise shows the range error box (OK) and answers false.
bool CheckBlockRange(Editor& editor, int first, int last);

// seconds × 1000 + milliseconds when that is above 0 (and fits a time); otherwise shows the
// amount error box (OK) and answers -1.
int32_t ComposeShift(Editor& editor, int seconds, int milliseconds);

// The time shift: adds (add) or subtracts the amount seconds × 1000 + milliseconds to both time
// codes of every block numbered first to last (the numbers written in the text). Shows the
// input errors, the structure pre-check, the outcome box and, after Yes, replaces the text and
// records the summary in the message window.
void ShiftTiming(Editor& editor, bool add, int first, int last, int seconds, int milliseconds);

}  // namespace quillet
