// The time stretch and compress of a block range over arbitrary text with every option set
// from the input: only time lines change, so the text keeps its number of lines.
#include "core/time_stretch.h"
#include "fuzz_support.h"

using namespace quillet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fuzz::kMaxInput) return 0;
  fuzz::Input in(data, size);
  const unsigned flags = in.Byte();
  StretchInput s;
  s.stretch = flags & 1;
  s.hundredths = flags & 2;
  s.fromStart = flags & 4;
  s.follow = flags & 8;
  s.durations = flags & 16;
  s.rate = in.Number(30000);
  s.first = in.Number(32000);
  s.last = in.Number(32000);
  const std::string text = in.EditorText();
  fuzz::YesEditor t(text);
  StretchTiming(t.editor, s);
  const std::string stretched = t.edit.Text();
  if (stretched != text) FUZZ_CHECK(fuzz::CountLines(stretched) == fuzz::CountLines(fuzz::WithClosingBreak(text)));
  return 0;
}
