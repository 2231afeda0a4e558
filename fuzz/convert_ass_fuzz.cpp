// ASS/SSA to SRT: every event line of arbitrary text is converted as the editor does it, and
// - no character of an event's text is lost unless it is a tag, a break or a blank;
// - no block holds an empty line, so one event never makes more than one block;
// - the counts add up, and the SRT text is read back as SRT where it has a block.
#include <vector>

#include "core/block_scanner.h"
#include "core/formats.h"
#include "core/text_utils.h"
#include "fuzz_support.h"

using namespace quillet;

namespace {

// The characters of an event's text that must reach the SRT text: after the ninth comma,
// without the breaks at either end, without tag groups (a "{" to the next "}", and a last
// group that closes the text runs from its "{" to the end), breaks and blanks.
std::string Kept(std::string_view line) {
  std::string_view text = AssEventText(line);
  while (text.size() >= 2 && IsAssBreakAt(text, text.size() - 2)) text.remove_suffix(2);
  while (IsAssBreakAt(text, 0)) text.remove_prefix(2);
  std::string plain(text);
  if (!plain.empty() && plain.back() == '}') {
    const size_t open = plain.rfind('{');
    if (open != std::string::npos) plain.erase(open);
  }
  std::string untagged;
  for (size_t i = 0; i < plain.size(); ++i) {
    if (plain[i] == '{') {
      const size_t close = plain.find('}', i);
      if (close != std::string::npos) {
        i = close;
        continue;
      }
    }
    untagged += plain[i];
  }
  std::string kept;
  for (size_t i = 0; i < untagged.size(); ++i) {
    if (IsAssBreakAt(untagged, i)) ++i;
    else if (static_cast<unsigned char>(untagged[i]) > ' ') kept += untagged[i];
  }
  return kept;
}

// Whether every character of part stands in whole in the same order.
bool IsSubsequence(std::string_view part, std::string_view whole) {
  size_t j = 0;
  for (char c : whole) {
    if (j < part.size() && part[j] == c) ++j;
  }
  return j == part.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fuzz::kMaxInput) return 0;
  const std::string text = fuzz::Input(data, size).EditorText();
  const SrtConversion r = ConvertAssEvents(text);
  FUZZ_CHECK(r.blocks >= 0 && r.errors >= 0);

  // Each block: number, time line, text lines none of which is blank, one empty line.
  std::vector<std::string_view> lines;
  for (size_t from = 0; from < r.srt.size();) {
    const size_t end = r.srt.find("\r\n", from);
    FUZZ_CHECK(end != std::string::npos);
    lines.push_back(std::string_view(r.srt).substr(from, end - from));
    from = end + 2;
  }
  int blocks = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    ++blocks;
    FUZZ_CHECK(StrToBlockNumber(lines[i]) == blocks);
    FUZZ_CHECK(i + 2 < lines.size() && HasTimeArrow(lines[i + 1]));
    i += 2;
    FUZZ_CHECK(RightTrimmedLength(lines[i]) > 0);
    while (i < lines.size() && !lines[i].empty()) {
      FUZZ_CHECK(RightTrimmedLength(lines[i]) > 0);
      ++i;
    }
    FUZZ_CHECK(i < lines.size());
  }
  FUZZ_CHECK(blocks == r.blocks);

  // Every event's text, line by line, keeps its characters.
  for (size_t from = 0; from <= text.size();) {
    size_t end = text.find("\r\n", from);
    if (end == std::string::npos) end = text.size();
    const std::string_view line = TrimmedView(std::string_view(text).substr(from, end - from));
    const std::string body = CleanAssText(line);
    const std::string kept = Kept(line);
    FUZZ_CHECK(IsSubsequence(kept, body));
    from = end + 2;
  }
  return 0;
}
