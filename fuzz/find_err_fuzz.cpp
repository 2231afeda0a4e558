// The error search scan over arbitrary text with the rules set from the input: from the top
// and then onward, each error found stands on a line of the text and after the one before.
#include "core/find_err.h"
#include "fuzz_support.h"

using namespace quillet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fuzz::kMaxInput) return 0;
  fuzz::Input in(data, size);
  const unsigned rules = in.Byte() | in.Byte() << 8;
  FindErrSettings s;
  s.minDurationOn = rules & 1;
  s.maxDurationOn = rules & 2;
  s.overlapsOn = rules & 4;
  s.maxLinesOn = rules & 8;
  s.specialOn = rules & 16;
  s.structureOn = rules & 32;
  s.emptyBlocksOn = rules & 64;
  s.numberingOn = rules & 128;
  s.minDuration = in.Number(30000);
  s.maxDurationSec = in.Number(600);
  s.maxLines = in.Number(10);
  fuzz::YesEditor t(in.EditorText());
  t.host.findErr = s;
  TFindErr engine(t.editor);
  const int lines = t.edit.LineCount();
  int last = -1;
  bool found = engine.FindFromStart();
  for (int stops = 0; found && stops < 10000; ++stops) {
    const int line = t.edit.LineFromChar(t.edit.SelStart());
    FUZZ_CHECK(line >= 0 && line < lines);
    FUZZ_CHECK(line > last || stops == 0);
    last = line;
    found = engine.FindNext();
  }
  return 0;
}
