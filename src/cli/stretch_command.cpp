#include "cli/commands.h"

namespace quillet::cli {

const char* const kStretchUsage = "quillet-cli stretch ... (not available yet)";

int RunStretch(const Args&) {
  PrintErr("quillet-cli: the stretch command is not available yet");
  return kExitUsage;
}

}  // namespace quillet::cli
