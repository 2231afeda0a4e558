// The report of the "Текст" menu ("Отчёт"): which file the text belongs to, its size, lines
// and subtitle format, and for SRT text the block statistics, the hints for normalization and
// the error counts. Built from the current text every time; the report window and
// "quillet-cli report" show it as it is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/editor_lines.h"
#include "core/formats.h"

namespace quillet {

// The report's lines (UTF-8) in order. openedFile is the document's file (UTF-8 path, empty
// without one); minDurationMs and maxDurationSec are the error search panel's "Длит <, ms" and
// "Длит >, sec" values as they stand, whether or not their checks are on.
std::vector<std::string> BuildReport(EditorLines& lines, TextFormatTracker& format, const std::string& openedFile,
                                     int32_t minDurationMs, int32_t maxDurationSec);

// The lines joined with line feeds, as the report window shows them.
std::string JoinReport(const std::vector<std::string>& lines);

}  // namespace quillet
