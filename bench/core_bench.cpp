// Figures of the text core over a generated 100 000-block text: the time-code reader per time
// line, the line list per megabyte, and the block of a line near the end.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_text.h"
#include "core/block_scanner.h"
#include "core/editor_lines.h"
#include "core/time_codes.h"
#include "platform/memory_edit_control.h"

using namespace quillet;

int main() {
  BuildCaseTable();
  const std::string text = bench::GenerateSrt(100000);
  MemoryEditControl edit;
  edit.SetText(text);
  EditorLines lines(edit);
  edit.SetChangeHandler([&] { lines.MarkStale(); });
  std::printf("text: %zu characters, %d lines\n", text.size(), edit.LineCount());

  std::vector<std::string> timeLines;
  {
    LinesUse use(lines);
    for (int i = 0; i < lines.Count(); ++i) {
      if (HasTimeArrow(lines.Get(i))) timeLines.push_back(lines.Get(i));
    }
  }
  long long sink = 0;
  const double readMs = bench::BestMs(5, [&] {
    for (const auto& l : timeLines) {
      int pos = 1;
      sink += ReadTimeCode(l, pos);
      sink += ReadTimeCode(l, pos);
    }
  });
  std::printf("ReadTimeCode: %.1f ns per time line (two codes)\n", readMs * 1e6 / timeLines.size());

  const double rebuildMs = bench::BestMs(5, [&] {
    LinesUse use(lines);
    lines.RebuildLines();
  });
  std::printf("RebuildLines: %.2f ms per MB (%.1f ms for the text)\n",
              rebuildMs / (text.size() / 1048576.0), rebuildMs);

  const int nearEnd = edit.LineCount() - 10;
  BlockAtLine r;
  const double blockMs = bench::BestMs(5, [&] { r = GetBlockNumber(lines, nearEnd); });
  std::printf("GetBlockNumber near the end: %.1f ms (block %d of %d)\n", blockMs, r.number, r.total);
  return sink == 42 ? 1 : 0;
}
