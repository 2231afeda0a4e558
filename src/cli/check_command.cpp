// quillet-cli check: the error search run over a file as the user would run it: "Сначала"
// (or "Поз." on a chosen line), then ">" for as long as it stays enabled.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "core/editor.h"
#include "core/find_err.h"
#include "platform/codepage.h"
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

// A whole number from min to max, digits only.
std::optional<int32_t> ParseNumber(std::string_view text, int32_t min, int32_t max) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < min || value > max) return std::nullopt;
  return static_cast<int32_t>(value);
}

struct CheckArgs {
  FindErrSettings settings;
  int fromLine = 0;  // 1-based; 0 from the top
  std::string file;
};

// Parses the arguments; false with the problem in error.
bool ParseArgs(const Args& args, CheckArgs& out, std::string& error) {
  struct NumberOption {
    const char* name;
    bool FindErrSettings::*on;
    int32_t FindErrSettings::*value;
    int32_t min;
    int32_t max;
  };
  const NumberOption numbers[] = {
      {"min-duration", &FindErrSettings::minDurationOn, &FindErrSettings::minDuration, 1, 10000},
      {"max-duration", &FindErrSettings::maxDurationOn, &FindErrSettings::maxDurationSec, 1, 10000},
      {"max-lines", &FindErrSettings::maxLinesOn, &FindErrSettings::maxLines, 0, 32767},
  };
  struct SwitchOption {
    const char* name;
    bool FindErrSettings::*on;
  };
  const SwitchOption switches[] = {
      {"overlaps", &FindErrSettings::overlapsOn},
      {"structure", &FindErrSettings::structureOn},
      {"empty-blocks", &FindErrSettings::emptyBlocksOn},
      {"numbering", &FindErrSettings::numberingOn},
      {"special", &FindErrSettings::specialOn},
      {"min-duration", &FindErrSettings::minDurationOn},
      {"max-duration", &FindErrSettings::maxDurationOn},
      {"max-lines", &FindErrSettings::maxLinesOn},
  };
  bool optionsDone = false;
  for (const std::string& arg : args) {
    if (optionsDone || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      if (arg.size() > 1 && arg[0] == '-' && !optionsDone) {
        error = "unknown option '" + arg + "'";
        return false;
      }
      if (!out.file.empty()) {
        error = "only one FILE may be given ('" + out.file + "' and '" + arg + "')";
        return false;
      }
      out.file = arg;
      continue;
    }
    if (arg == "--") {
      optionsDone = true;
      continue;
    }
    const std::string_view body = std::string_view(arg).substr(2);
    const size_t eq = body.find('=');
    const std::string_view name = body.substr(0, eq);
    const bool hasValue = eq != std::string_view::npos;
    const std::string_view value = hasValue ? body.substr(eq + 1) : std::string_view();

    if (hasValue) {
      if (name == "from-line") {
        const auto n = ParseNumber(value, 1, INT32_MAX);
        if (!n) {
          error = "--from-line needs a line number from 1 (got '" + std::string(value) + "')";
          return false;
        }
        out.fromLine = *n;
        continue;
      }
      if (name == "special") {
        std::string ansi;
        if (!cp1251::FromUtf8(value, ansi) && !value.empty()) {
          error = "--special: the list is not valid UTF-8";
          return false;
        }
        out.settings.specialOn = true;
        out.settings.specialList = ansi;
        continue;
      }
      bool known = false;
      for (const auto& o : numbers) {
        if (name != o.name) continue;
        const auto n = ParseNumber(value, o.min, o.max);
        if (!n) {
          error = "--" + std::string(o.name) + " must be a whole number from " + std::to_string(o.min) +
                  " to " + std::to_string(o.max) + " (got '" + std::string(value) + "')";
          return false;
        }
        out.settings.*o.on = true;
        out.settings.*o.value = *n;
        known = true;
      }
      if (!known) {
        error = "unknown option '" + arg + "'";
        return false;
      }
      continue;
    }

    bool known = false;
    for (const auto& o : switches) {
      if (name == o.name) {
        out.settings.*o.on = true;
        known = true;
      } else if (name.size() > 3 && name.substr(0, 3) == "no-" && name.substr(3) == o.name) {
        out.settings.*o.on = false;
        known = true;
      }
    }
    if (!known) {
      error = name == "from-line" ? "--from-line needs a value (--from-line=N)"
                                  : "unknown option '" + arg + "'";
      return false;
    }
  }
  if (out.file.empty()) {
    error = "no FILE given (see quillet-cli check --help)";
    return false;
  }
  return true;
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
