#include "cli/commands.h"

namespace quillet::cli {

const char* const kMirrorUsage = "quillet-cli mirror ... (not available yet)";

int RunMirror(const Args&) {
  PrintErr("quillet-cli: the mirror command is not available yet");
  return kExitUsage;
}

}  // namespace quillet::cli
