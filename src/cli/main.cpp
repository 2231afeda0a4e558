// quillet-cli: the editor's operations for scripts and batch jobs.
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "core/text_utils.h"

using namespace quillet::cli;

namespace {

void PrintHelp() {
  PrintOut("Usage: quillet-cli COMMAND [OPTIONS] FILE");
  PrintOut("");
  PrintOut("Runs the subtitle editor's operations on a file. Input is read as the editor reads it;");
  PrintOut("messages are printed as the editor shows them (UTF-8).");
  PrintOut("Exit status: 0 done, 1 errors found or nothing written, 2 bad arguments or input.");
  for (const auto& c : Commands()) {
    PrintOut("");
    PrintOut(c.usage);
  }
}

}  // namespace

int main(int argc, char** argv) {
  quillet::BuildCaseTable();
  if (argc < 2) {
    PrintHelp();
    return kExitUsage;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintHelp();
    return kExitOk;
  }
  Args args(argv + 2, argv + argc);
  for (const auto& c : Commands()) {
    if (name == c.name) {
      for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
          PrintOut(c.usage);
          return kExitOk;
        }
      }
      return c.run(args);
    }
  }
  PrintErr("quillet-cli: unknown command '" + name + "' (see quillet-cli --help)");
  return kExitUsage;
}
