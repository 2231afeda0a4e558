#include "core/srt_lines.h"

#include "core/block_scanner.h"
#include "core/time_codes.h"

namespace quillet {

int32_t ParseBlockNumberLine(std::string_view line) { return StrToBlockNumber(line); }

int ParseTimeLine(std::string_view line, int32_t& startMs, int32_t& endMs) {
  int pos = 1;
  const int32_t s = ReadTimeCode(line, pos);
  if (s < 0) return 0;
  const int32_t e = ReadTimeCode(line, pos);
  if (e < 0) return 0;
  if (line.size() < 17 || !CompareCharsSp(" --> ", line.substr(12), 5, true)) return 0;
  startMs = s;
  endMs = e;
  return pos;
}

namespace {

// Reads both time codes of a line whose arrow stands at position 13; pos ends behind the
// end code.
bool ReadTimes(std::string_view line, int32_t& a, int32_t& b, int& pos) {
  if (PosFrom(" --> ", line, 13) != 13) return false;
  pos = 1;
  a = ReadTimeCode(line, pos);
  if (a < 0) return false;
  b = ReadTimeCode(line, pos);
  return b >= 0;
}

// Appends value with at least width digits.
void AppendPadded(std::string& out, int32_t value, int width) {
  char digits[12];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  for (int i = n; i < width; ++i) out += '0';
  while (n > 0) out += digits[--n];
}

}  // namespace

void AppendTimeCode(std::string& out, int32_t ms) {
  if (ms < 0) return;
  AppendPadded(out, ms / 3600000, 2);
  out += ':';
  AppendPadded(out, ms % 3600000 / 60000, 2);
  out += ':';
  AppendPadded(out, ms % 60000 / 1000, 2);
  out += ',';
  AppendPadded(out, ms % 1000, 3);
}

std::string FormatTimeCode(int32_t ms) {
  std::string s;
  AppendTimeCode(s, ms);
  return s;
}

void RebuildTimeLine(std::string& out, std::string_view oldLine, int p, int32_t startMs, int32_t endMs) {
  out.clear();
  AppendTimeCode(out, startMs);
  out += " --> ";
  AppendTimeCode(out, endMs);
  if (p > 0 && p < static_cast<int>(oldLine.size())) out += RightTrimmed(oldLine.substr(p));
}

bool IsTimeLineLayout(std::string_view line) {
  if (line.size() < 29) return false;
  auto at = [&](int pos, char c) { return line[pos - 1] == c; };
  return at(3, ':') && at(6, ':') && at(20, ':') && at(23, ':') && at(9, ',') && at(26, ',');
}

bool ProbeTimeLine(std::string_view line) {
  int32_t a = -1, b = -1;
  int pos = 1;
  return ReadTimes(line, a, b, pos);
}

bool CheckTimeLine(std::string_view line, int32_t& prevEndTime, int32_t& startTime,
                   int32_t& endTime, bool* timesRead) {
  if (timesRead) *timesRead = false;
  int32_t a = -1, b = -1;
  int pos = 1;
  if (!ReadTimes(line, a, b, pos)) return false;
  prevEndTime = endTime;
  startTime = a;
  endTime = b;
  if (timesRead) *timesRead = true;
  if (RightTrimmedLength(line) >= pos) return false;
  return IsTimeLineLayout(line);
}

}  // namespace quillet
