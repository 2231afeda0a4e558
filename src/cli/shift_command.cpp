#include "cli/commands.h"

namespace quillet::cli {

const char* const kShiftUsage = "quillet-cli shift ... (not available yet)";

int RunShift(const Args&) {
  PrintErr("quillet-cli: the shift command is not available yet");
  return kExitUsage;
}

}  // namespace quillet::cli
