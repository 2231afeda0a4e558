// Normalization over arbitrary text with the options set from the input: normalizing the
// result again changes nothing.
#include "core/normalize.h"
#include "fuzz_support.h"

using namespace quillet;

namespace {

std::string Normalized(const std::string& text, bool fromMenu, const NormalizeOptions& options) {
  fuzz::YesEditor t(text);
  DoNormallize(t.editor, fromMenu, options);
  return t.edit.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fuzz::kMaxInput) return 0;
  fuzz::Input in(data, size);
  const unsigned flags = in.Byte();
  const NormalizeOptions options{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0};
  const bool fromMenu = flags & 8;
  const std::string once = Normalized(in.EditorText(), fromMenu, options);
  FUZZ_CHECK(Normalized(once, fromMenu, options) == once);
  return 0;
}
