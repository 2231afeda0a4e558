// The mirror over arbitrary text: mirroring the result again gives the text back (with the
// closing line break every whole-text operation leaves).
#include "core/mirror.h"
#include "fuzz_support.h"

using namespace quillet;

namespace {

std::string Mirrored(const std::string& text) {
  fuzz::YesEditor t(text);
  Reflect(t.editor);
  return t.edit.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fuzz::kMaxInput) return 0;
  const std::string text = fuzz::Input(data, size).EditorText();
  const std::string once = Mirrored(text);
  if (once != text) FUZZ_CHECK(Mirrored(once) == fuzz::WithClosingBreak(text));
  return 0;
}
