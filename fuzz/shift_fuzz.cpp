// The time shift of a block range over arbitrary text with the amounts set from the input:
// only time lines change, so the text keeps its number of lines.
#include "core/time_shift.h"
#include "fuzz_support.h"

using namespace quillet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fuzz::kMaxInput) return 0;
  fuzz::Input in(data, size);
  const bool add = in.Byte() & 1;
  const int first = in.Number(32000), last = in.Number(32000);
  const int seconds = in.Number(86400), ms = in.Number(999);
  const std::string text = in.EditorText();
  fuzz::YesEditor t(text);
  ShiftTiming(t.editor, add, first, last, seconds, ms);
  const std::string shifted = t.edit.Text();
  if (shifted != text) FUZZ_CHECK(fuzz::CountLines(shifted) == fuzz::CountLines(fuzz::WithClosingBreak(text)));
  return 0;
}
