// Format detection: the tracker of the editor, which reads only the head of a long text,
// answers as the detection over the whole text does.
#include "core/formats.h"
#include "fuzz_support.h"

using namespace quillet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fuzz::kMaxInput) return 0;
  fuzz::Input in(data, size);
  testing::TestEditor t(in.EditorText());
  const TextFormat whole = DetectFormatOf(t.edit.Text());
  FUZZ_CHECK(t.format.GetTextFormat() == whole);
  FUZZ_CHECK(FormatName(whole, true).size() == 3);
  return 0;
}
