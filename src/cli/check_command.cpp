#include "cli/commands.h"

namespace quillet::cli {

const char* const kCheckUsage = "quillet-cli check ... (not available yet)";

int RunCheck(const Args&) {
  PrintErr("quillet-cli: the check command is not available yet");
  return kExitUsage;
}

}  // namespace quillet::cli
