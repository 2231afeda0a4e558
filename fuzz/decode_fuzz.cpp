// The decoding of a file's bytes into the editor's text: any bytes give a text whose every
// line break is CR LF, and a text already so decoded stays as it is when it reads as the code
// page again (Windows-1251 bytes may also happen to be valid UTF-8 or look like UTF-16).
#include "fuzz_support.h"
#include "storage/file_text.h"

using namespace quillet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fuzz::kMaxInput) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = DecodeFileText(bytes);
  FUZZ_CHECK(IsCrLfOnly(text));
  if (DecodeBytes(text).info.encoding == TextEncoding::Ansi1251 && text.compare(0, 3, "\xEF\xBB\xBF") != 0) {
    FUZZ_CHECK(DecodeFileText(text) == text);
  }
  return 0;
}
