#include "cli/commands.h"

namespace quillet::cli {

const char* const kNormalizeUsage = "quillet-cli normalize ... (not available yet)";

int RunNormalize(const Args&) {
  PrintErr("quillet-cli: the normalize command is not available yet");
  return kExitUsage;
}

}  // namespace quillet::cli
