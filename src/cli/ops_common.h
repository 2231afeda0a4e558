// What the commands of the whole-text operations share: their arguments and an editor in
// memory whose prompts and message window print to standard error.
#pragma once

#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "core/editor.h"
#include "platform/memory_edit_control.h"

namespace quillet::cli {

// The arguments every operation command takes: IN, -o OUT and --yes.
struct OpsArgs {
  std::string in;
  std::string out;  // empty: standard output
  bool yes = false;
};

// Parses the command's own options as declared, and the common ones.
class OpsArgParser {
 public:
  // --name sets *target to value.
  void Flag(const char* name, bool* target, bool value = true);
  // --name=N, a whole number from min to max.
  void Number(const char* name, int* target, int min, int max);
  // --name=TEXT sets *target to TEXT (which may be empty) and *given, when given, to true.
  void Text(const char* name, std::string* target, bool* given = nullptr);
  // False with the problem in error.
  bool Parse(const Args& args, OpsArgs& common, std::string& error) const;

 private:
  struct FlagOption {
    std::string name;
    bool* target;
    bool value;
  };
  struct NumberOption {
    std::string name;
    int* target;
    int min;
    int max;
  };
  struct TextOption {
    std::string name;
    std::string* target;
    bool* given;
  };
  std::vector<FlagOption> flags_;
  std::vector<NumberOption> numbers_;
  std::vector<TextOption> texts_;
};

// Modal boxes answered for the user. The plain confirmation of a clean outcome (a question
// ending in " Применить изменения?") is answered Yes: running the command is the request. A
// warning question is printed and answered Yes with --yes, Cancel without it. Boxes with only
// OK are printed.
class OpsPrompt : public IPrompt {
 public:
  OpsPrompt(std::string prefix, bool yes) : prefix_(std::move(prefix)), yes_(yes) {}
  Answer Ask(MsgKind kind, Buttons buttons, const std::string& utf8Text) override;
  void Beep() override { ++beeps; }

  int beeps = 0;
  int printed = 0;
  bool inputError = false;    // an error box about the inputs (range, amount, rate)
  bool warningRefused = false;
  std::string lastPrinted;    // the text of the last box printed

 private:
  std::string prefix_;
  bool yes_;
};

// The message window: every message on its own line of standard error. An outcome that a box
// has just told (SetMessLikeLast with the text of the last printed box) is not printed twice.
class OpsSink : public IMessageSink {
 public:
  explicit OpsSink(const OpsPrompt& prompt) : prompt_(prompt) {}
  void ShowMess(const std::string& utf8Text, MsgKind kind, bool again) override;
  void SetMessLikeLast(const std::string& utf8Text, MsgKind kind) override;
  void ClearMess() override {}
  int printed = 0;

 private:
  const OpsPrompt& prompt_;
};

// One run of an operation over a file, as the editor would run it.
class OpsSession {
 public:
  OpsSession(const std::string& command, const OpsArgs& args);
  OpsSession(const OpsSession&) = delete;
  OpsSession& operator=(const OpsSession&) = delete;

  // Reads IN into the editor; false (the problem printed) when it cannot be read.
  bool Load();
  Editor& GetEditor() { return context_.editor(); }
  // Prints a line of the tool's own (prefixed with the command's name) to standard error.
  void Note(const std::string& utf8Text) const;
  // After the operation ran: writes the new text when the operation replaced it and answers
  // the exit status: 0 written, 2 an input error box or a failed write, 1 anything else
  // (nothing to do, a cancel message, a refused warning, an error box of the operation).
  int Finish();

 private:
  std::string prefix_;
  OpsArgs args_;
  MemoryEditControl edit_;
  OpsPrompt prompt_;
  OpsSink sink_{prompt_};
  EditorHost host_;
  EditorContext context_{edit_, prompt_, sink_, host_};
  int changes_ = 0;
};

// Prints a bad-arguments line for command and answers the usage exit status.
int UsageError(const std::string& command, const std::string& error);

}  // namespace quillet::cli
