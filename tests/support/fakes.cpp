#include "support/fakes.h"

#include "platform/codepage.h"

namespace quillet::testing {

Answer ScriptedPrompt::Ask(MsgKind kind, Buttons buttons, const std::string& text) {
  questions.push_back({kind, buttons, text});
  if (!answers_.empty()) {
    Answer a = answers_.front();
    answers_.pop_front();
    return a;
  }
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoYesToAll: return Answer::No;
    default: return Answer::Cancel;
  }
}

TestEditor::TestEditor() {
  edit.SetChangeHandler([this] {
    ++changes;
    lines.MarkStale();
    format.MarkNeedsDetection();
  });
}

std::string Ansi(std::string_view utf8) { return cp1251::FromUtf8Lenient(utf8); }
std::string Utf8(std::string_view ansi) { return cp1251::ToUtf8(ansi); }

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char16_t c : text) {
    const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
    out += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return out;
}

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  bool first = true;
  for (auto l : lines) {
    if (!first) text += "\r\n";
    text += l;
    first = false;
  }
  return text;
}

}  // namespace quillet::testing
