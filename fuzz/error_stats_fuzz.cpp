// The error statistics over arbitrary text: every count stays within the text's size.
#include "core/editor_lines.h"
#include "core/error_stats.h"
#include "fuzz_support.h"

using namespace quillet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fuzz::kMaxInput) return 0;
  fuzz::Input in(data, size);
  const int32_t minMs = in.Number(30000);
  const int32_t maxMs = in.Number(30000) * 100;
  testing::TestEditor t(in.EditorText());
  TReporter r;
  FUZZ_CHECK(CollectErrorStats(r, t.lines, minMs, maxMs));
  LinesUse use(t.lines);
  const int32_t n = t.lines.Count();
  for (int32_t count : {r.emptyBlocks, r.extraBlankLines, r.badTimeLines, r.overlaps, r.tooShort, r.tooLong,
                        r.gluedBlocks, r.timeAsText, r.textOutside, r.numberingErrors, r.blockCount,
                        r.maxTextLines}) {
    FUZZ_CHECK(count >= 0 && count <= n);
  }
  FUZZ_CHECK(r.maxLineLength >= 0 && r.maxLineLength <= static_cast<int32_t>(size));
  return 0;
}
