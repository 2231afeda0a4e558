#include "cli/ops_common.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/time_shift.h"
#include "core/time_stretch.h"

namespace quillet::cli {

namespace {

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool ParseWholeNumber(std::string_view text, int min, int max, int& value) {
  if (text.empty() || text.size() > 10) return false;
  int64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v < min || v > max) return false;
  value = static_cast<int>(v);
  return true;
}

// A message line as one line of output: the CR of a CR LF inside it is dropped.
std::string OneLine(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

void OpsArgParser::Flag(const char* name, bool* target, bool value) { flags_.push_back({name, target, value}); }

void OpsArgParser::Number(const char* name, int* target, int min, int max) {
  numbers_.push_back({name, target, min, max});
}

void OpsArgParser::Text(const char* name, std::string* target, bool* given) {
  texts_.push_back({name, target, given});
}

bool OpsArgParser::Parse(const Args& args, OpsArgs& common, std::string& error) const {
  bool optionsDone = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsDone && arg == "--") {
      optionsDone = true;
      continue;
    }
    if (!optionsDone && (arg == "-o" || arg == "--output")) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = arg + " needs a file name";
        return false;
      }
      common.out = args[++i];
      continue;
    }
    if (!optionsDone && arg.compare(0, 9, "--output=") == 0) {
      if (arg.size() == 9) {
        error = "--output= needs a file name";
        return false;
      }
      common.out = arg.substr(9);
      continue;
    }
    if (optionsDone || arg.empty() || arg[0] != '-' || arg == "-") {
      if (!common.in.empty()) {
        error = "only one input file may be given ('" + common.in + "' and '" + arg + "')";
        return false;
      }
      common.in = arg;
      continue;
    }
    if (arg == "--yes") {
      common.yes = true;
      continue;
    }
    const std::string_view body = arg.compare(0, 2, "--") == 0 ? std::string_view(arg).substr(2) : std::string_view();
    const size_t eq = body.find('=');
    const std::string_view name = body.substr(0, eq);
    bool known = false;
    for (const auto& f : flags_) {
      if (eq == std::string_view::npos && name == f.name) {
        *f.target = f.value;
        known = true;
      }
    }
    for (const auto& n : numbers_) {
      if (name != n.name) continue;
      known = true;
      const std::string_view value = eq == std::string_view::npos ? std::string_view() : body.substr(eq + 1);
      if (!ParseWholeNumber(value, n.min, n.max, *n.target)) {
        error = "--" + n.name + " needs a whole number from " + std::to_string(n.min) + " to " +
                std::to_string(n.max) + " (got '" + arg + "')";
        return false;
      }
    }
    for (const auto& t : texts_) {
      if (name != t.name) continue;
      known = true;
      if (eq == std::string_view::npos) {
        error = "--" + t.name + " needs a text (--" + t.name + "=TEXT)";
        return false;
      }
      *t.target = std::string(body.substr(eq + 1));
      if (t.given) *t.given = true;
    }
    if (!known) {
      error = "unknown option '" + arg + "'";
      return false;
    }
  }
  if (common.in.empty()) {
    error = "no input file given";
    return false;
  }
  return true;
}

Answer OpsPrompt::Ask(MsgKind, Buttons buttons, const std::string& text) {
  if (buttons == Buttons::Ok) {
    PrintErr(OneLine(text));
    ++printed;
    lastPrinted = text;
    if (text == kMsgBlockRangeError || text == kMsgShiftAmountError || text == kMsgStretchRateError) {
      inputError = true;
    }
    return Answer::Ok;
  }
  // The summary that follows a Yes goes to the message window, which prints it.
  if (EndsWith(text, " Применить изменения?")) return Answer::Yes;
  PrintErr(OneLine(text));
  ++printed;
  lastPrinted = text;
  if (yes_) return Answer::Yes;
  PrintErr(prefix_ + "answered Cancel; give --yes to go on anyway");
  warningRefused = true;
  return Answer::Cancel;
}

void OpsSink::ShowMess(const std::string& text, MsgKind, bool again) {
  if (again) return;
  PrintErr(OneLine(text));
  ++printed;
}

void OpsSink::SetMessLikeLast(const std::string& text, MsgKind kind) {
  if (prompt_.printed > 0 && text == prompt_.lastPrinted) return;
  ShowMess(text, kind, false);
}

OpsSession::OpsSession(const std::string& command, const OpsArgs& args)
    : prefix_("quillet-cli " + command + ": "), args_(args), prompt_(prefix_, args.yes) {
  edit_.SetChangeHandler([this] {
    ++changes_;
    context_.lines().MarkStale();
    context_.format().MarkNeedsDetection();
  });
}

bool OpsSession::Load() {
  std::string text, error;
  if (!CheckOutputTarget(args_.out, error) || !ReadInputText(args_.in, text, error)) {
    PrintErr(prefix_ + error);
    return false;
  }
  edit_.SetText(text);
  changes_ = 0;
  return true;
}

void OpsSession::Note(const std::string& text) const { PrintErr(prefix_ + text); }

int OpsSession::Finish() {
  if (changes_ == 0) {
    if (prompt_.inputError) return kExitUsage;
    if (prompt_.printed == 0 && sink_.printed == 0) Note("nothing to do in '" + args_.in + "'; nothing written");
    return kExitFound;
  }
  std::string error;
  if (!WriteOutputText(args_.out, edit_.Text(), error)) {
    Note(error);
    return kExitUsage;
  }
  return kExitOk;
}

int UsageError(const std::string& command, const std::string& error) {
  PrintErr("quillet-cli " + command + ": " + error + " (see quillet-cli " + command + " --help)");
  return kExitUsage;
}

}  // namespace quillet::cli
