#include "cli/commands.h"

namespace quillet::cli {

const char* const kConvertUsage = "quillet-cli convert ... (not available yet)";

int RunConvert(const Args&) {
  PrintErr("quillet-cli: the convert command is not available yet");
  return kExitUsage;
}

}  // namespace quillet::cli
