// The rules of the error search as set on its panel.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace quillet {

struct FindErrSettings {
  bool minDurationOn = true;     // "Длит <, ms"
  int32_t minDuration = 500;     // ms
  bool maxDurationOn = false;    // "Длит >, sec"
  int32_t maxDurationSec = 20;   // seconds as on the panel
  bool overlapsOn = true;        // "Пересечения времени"
  bool maxLinesOn = false;       // "Строк >"
  int32_t maxLines = 2;
  bool specialOn = false;        // "Спец символы"
  std::string specialList = "[,],{,},<i>,/,\\";  // Windows-1251
  bool structureOn = true;       // "Ошибки структуры"
  bool emptyBlocksOn = false;    // "Пустые блоки"
  bool numberingOn = false;      // "Пересечения блоков"
};

// The "Длит >, sec" value in milliseconds, as the checks count with it (kept within 32 bits).
inline int32_t MaxDurationMs(int32_t seconds) {
  return static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(seconds) * 1000,
                                                  std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace quillet
