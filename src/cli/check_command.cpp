// quillet-cli check: the error search run over a file as the user would run it: "Сначала"
// (or "Поз." on a chosen line), then ">" for as long as it stays enabled.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "cli/rule_options.h"
#include "core/editor.h"
#include "core/find_err.h"
#include "platform/memory_edit_control.h"

namespace quillet::cli {

const char* const kCheckUsage =
    "quillet-cli check [RULE OPTIONS] [--from-line=N] FILE\n"
    "  Searches FILE for errors as the editor's error search does (\"Сначала\", then \">\" for\n"
    "  as long as it is enabled) and prints every message it shows, one per line.\n"
    "  --from-line=N                      start at line N (1-based) as \"Поз.\" does; errors above\n"
    "                                     it are passed over and counted\n"
    "  --min-duration[=MS]                \"Длит <, ms\", least display time 1..10000 (on, 500)\n"
    "  --no-min-duration\n"
    "  --max-duration[=SEC]               \"Длит >, sec\", greatest display time 1..10000 (off, 20)\n"
    "  --no-max-duration\n"
    "  --overlaps, --no-overlaps          \"Пересечения времени\" (on)\n"
    "  --max-lines[=N]                    \"Строк >\", most text lines of a block 0..32767 (off, 2)\n"
    "  --no-max-lines\n"
    "  --special[=LIST]                   \"Спец символы\", comma-separated characters and words\n"
    "                                     (off, \"[,],{,},<i>,/,\\\")\n"
    "  --no-special\n"
    "  --structure, --no-structure        \"Ошибки структуры\" (on)\n"
    "  --empty-blocks, --no-empty-blocks  \"Пустые блоки\" (off)\n"
    "  --numbering, --no-numbering        \"Пересечения блоков\" (off)\n"
    "  Exit status: 0 no error shown, 1 errors shown, 2 unreadable file or bad arguments.";

namespace {

const std::string kPrefix = "quillet-cli check: ";

// The panel as the options set it.
class CheckHost : public EditorHost {
 public:
  explicit CheckHost(const FindErrSettings& settings) : settings_(settings) {}
  FindErrSettings ReadFindErrSettings() const override { return settings_; }
  void FindErrNextEnabled(bool enabled) override { nextEnabled = enabled; }
  bool nextEnabled = false;

 private:
  FindErrSettings settings_;
};

// Modal boxes have no one to answer them: their text goes to standard error.
class CheckPrompt : public IPrompt {
 public:
  Answer Ask(MsgKind, Buttons buttons, const std::string& text) override {
    PrintErr(text);
    ++boxes;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
  void Beep() override { ++beeps; }
  int boxes = 0;
  int beeps = 0;
};

// The message window: every message on its own line, a line break inside it as one.
class PrintingSink : public IMessageSink {
 public:
  void ShowMess(const std::string& text, MsgKind kind, bool again) override {
    if (again) return;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      out += text[i];
    }
    PrintOut(out);
    if (kind == MsgKind::Error) ++errors;
  }
  void SetMessLikeLast(const std::string& text, MsgKind kind) override { ShowMess(text, kind, false); }
  void ClearMess() override {}
  int errors = 0;
};

struct CheckArgs {
  FindErrSettings settings;
  int fromLine = 0;  // 1-based; 0 from the top
  std::string file;
};

// Parses the arguments; false with the problem in error.
bool ParseArgs(const Args& args, CheckArgs& out, std::string& error) {
  const auto option = [&out](const std::string& arg, std::string& error) {
    const std::string_view body = std::string_view(arg).substr(2);
    const size_t eq = body.find('=');
    const std::string_view name = body.substr(0, eq);
    const bool hasValue = eq != std::string_view::npos;
    if (hasValue && name == "from-line") {
      const std::string_view value = body.substr(eq + 1);
      const auto n = ParseNumber(value, 1, INT32_MAX);
      if (!n) {
        error = "--from-line needs a line number from 1 (got '" + std::string(value) + "')";
        return false;
      }
      out.fromLine = *n;
      return true;
    }
    if (const auto taken = ParseRuleOption(arg, out.settings, error)) return *taken;
    error = !hasValue && name == "from-line" ? "--from-line needs a value (--from-line=N)"
                                             : "unknown option '" + arg + "'";
    return false;
  };
  return ParseOptionsAndFile(args, "check", out.file, option, error);
}

}  // namespace

int RunCheck(const Args& args) {
  CheckArgs parsed;
  std::string error;
  if (!ParseArgs(args, parsed, error)) {
    PrintErr(kPrefix + error);
    return kExitUsage;
  }
  std::string text;
  if (!ReadInputText(parsed.file, text, error)) {
    PrintErr(kPrefix + error);
    return kExitUsage;
  }

  MemoryEditControl edit;
  CheckPrompt prompt;
  PrintingSink sink;
  CheckHost host(parsed.settings);
  EditorContext context(edit, prompt, sink, host);
  EditorLines& lines = context.lines();
  edit.SetText(text);
  text.clear();
  text.shrink_to_fit();
  lines.MarkStale();

  TFindErr engine(context.editor());
  if (parsed.fromLine > 0) {
    engine.FindFromLine(parsed.fromLine - 1);
  } else {
    engine.FindFromStart();
  }
  if (prompt.beeps > 0 && prompt.boxes == 0) {
    if (edit.TextLength() == 0) {
      PrintErr(kPrefix + "'" + parsed.file + "' is empty: nothing to check");
      return kExitOk;
    }
    PrintErr(kPrefix + "--from-line=" + std::to_string(parsed.fromLine) + " is beyond the last line of '" +
             parsed.file + "' (" + std::to_string(lines.Count()) + " lines)");
    return kExitUsage;
  }
  while (engine.CanContinue() && host.nextEnabled && prompt.boxes == 0) engine.FindNext();
  if (prompt.boxes > 0) return kExitUsage;
  return sink.errors > 0 ? kExitFound : kExitOk;
}

}  // namespace quillet::cli
