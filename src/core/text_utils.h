// Small routines on Windows-1251 text: search and comparison with the one letter-case table,
// trimming, numbers as text and the Russian wording of a duration.
//
// Positions are 1-based; a search answers 0 when nothing is found; a start position of 0
// counts as 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// The opposite-case table: built once before any search (the first use builds it too).
void BuildCaseTable();
unsigned char OppositeCase(unsigned char c);
inline bool SameCharNoCase(unsigned char a, unsigned char b) { return a == b || a == OppositeCase(b); }

int PosFrom(std::string_view sub, std::string_view s, int from);
int PosTextFrom(std::string_view sub, std::string_view s, int from);
int PosBack(std::string_view sub, std::string_view s, int from);
int PosTextBack(std::string_view sub, std::string_view s, int from);
int PosTextIn(std::string_view sub, std::string_view s, int from, int limit);
int PosCR(std::string_view s, int from);
int PosCharFrom(char c, std::string_view s, int from);
int LineStartOf(std::string_view s, int pos);

bool SameTextSp(std::string_view a, std::string_view b);  // without regard to case
bool SameStrSp(std::string_view a, std::string_view b);   // exact
bool SameStrCase(std::string_view a, std::string_view b, bool caseSensitive);
int PosCase(std::string_view sub, std::string_view s, bool caseSensitive);
bool CompareCharsSp(std::string_view a, std::string_view b, int n, bool ignoreCase);
int LeadingDigits(std::string_view buffer, int n);

inline bool IsBlankChar(unsigned char c) { return c <= 32; }
int RightTrimmedLength(std::string_view s);
void TrimRightSp(std::string& s);
inline std::string_view RightTrimmed(std::string_view s) { return s.substr(0, RightTrimmedLength(s)); }
bool TrimInPlace(std::string& s);
std::string EmptyIfBlank(std::string_view s);
// Both ends trimmed of characters of code 32 or below.
std::string_view TrimmedView(std::string_view s);
void ReverseStr(std::string& s);
inline bool IsBlankLine(std::string_view s) { return RightTrimmedLength(s) == 0; }

std::string IntToStrZ(int64_t value, int width);
// Fixed-point text of value, "." as separator; false with one of the two failure texts in s.
bool FloatToStrSp(std::string& s, uint16_t intDigits, uint16_t decimals, long double value);

// Date-time values are days as a floating number; only the time of day is used here.
int DateTimeToMs(double dt);
double MsToDateTime(int ms);
std::string DurationToText(double dt);  // UTF-8
int32_t MakeLongSp(uint16_t high, uint16_t low);

// UTF-8 decimal text of a number (messages are UTF-8; digits are the same in both).
std::string Dec(int64_t value);

}  // namespace quillet
