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
  PrintOut("IN may be - for standard input and OUT - for standard output; inputs must be smaller");
  PrintOut("than 2 GiB, and OUT a regular file or a new name.");
  PrintOut("Exit status: 0 done, 1 errors found or nothing written, 2 bad arguments or input.");
  PrintOut("");
  PrintOut("quillet-cli --version prints the version.");
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
  if (name == "--version") {
    PrintOut(std::string("quillet-cli ") + QUILLET_VERSION);
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
