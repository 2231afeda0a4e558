// Program options that the files and conversion code read; the options dialog sets them.
#pragma once

#include <cstdint>
#include <string>

namespace quillet {

struct ProgramOptions {
  int32_t maxFileSizeKb = 512;        // "Max, Кб": size limit of files to open
  bool saveLast = false;              // "Сохранять предыдущий"
  std::string saveLastAdd = "_before";  // "Имя +" (UTF-8)
  int32_t konvType = 0;               // "Конвертация": 0 automatic, 1 ask, 2 never
  bool diapRem = false;               // "Запоминать": the block range is kept between runs
  bool diapClr = false;               // "Выделять": the range fields on a yellow background
  bool operator==(const ProgramOptions&) const = default;
};

}  // namespace quillet
