// Generated subtitle texts for the benchmarks.
#pragma once

#include <algorithm>
#include <chrono>
#include <string>

#include "core/text_utils.h"
#include "platform/codepage.h"

namespace quillet::bench {

// An SRT text of `blocks` blocks, Windows-1251, CR LF: one or two Cyrillic text lines per block,
// about 86 characters a block, so 100 000 blocks are about 8.6 M characters.
inline std::string GenerateSrt(int blocks) {
  static const char* const kLines[] = {
      "Я думаю, нам пора идти дальше.",
      "Ты слышал, что сказал капитан?",
      "Никогда не видел ничего подобного!",
      "Подожди меня у старого моста.",
  };
  std::string lines[4];
  for (int i = 0; i < 4; ++i) lines[i] = cp1251::FromUtf8Lenient(kLines[i]);
  std::string text;
  text.reserve(static_cast<size_t>(blocks) * 90);
  auto code = [](int ms) {
    return IntToStrZ(ms / 3600000, 2) + ":" + IntToStrZ(ms / 60000 % 60, 2) + ":" +
           IntToStrZ(ms / 1000 % 60, 2) + "," + IntToStrZ(ms % 1000, 3);
  };
  for (int b = 0; b < blocks; ++b) {
    const int start = b * 3000 + 500;
    text += std::to_string(b + 1) + "\r\n";
    text += code(start) + " --> " + code(start + 2400) + "\r\n";
    text += lines[b % 4] + "\r\n";
    if (b % 3 == 0) text += lines[(b + 1) % 4] + "\r\n";
    text += "\r\n";
  }
  return text;
}

// Milliseconds of wall time spent in fn, as the best of `repeat` runs.
template <typename Fn>
double BestMs(int repeat, Fn&& fn) {
  double best = 1e300;
  for (int i = 0; i < repeat; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    fn();
    const std::chrono::duration<double, std::milli> d = std::chrono::steady_clock::now() - t0;
    if (d.count() < best) best = d.count();
  }
  return best;
}

// The same, with prepare run untimed before each run.
template <typename Prepare, typename Fn>
double BestMsAfter(int repeat, Prepare&& prepare, Fn&& fn) {
  double best = 1e300;
  for (int i = 0; i < repeat; ++i) {
    prepare();
    best = std::min(best, BestMs(1, fn));
  }
  return best;
}

}  // namespace quillet::bench
