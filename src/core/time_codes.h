// SRT time codes: the one lenient reader of time-code digits and the short formatter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// Reads hours, minutes, seconds and three millisecond digits from 1-based pos; answers the
// time in ms or -1 and leaves pos just behind what it read.
int32_t ReadTimeCode(std::string_view text, int& pos);

// h:mm or h:mm:ss (milliseconds dropped); empty for a negative value.
std::string FormatTimeCodeEx(int32_t ms, bool withSeconds);

}  // namespace quillet
