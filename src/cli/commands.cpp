#include "cli/commands.h"

namespace quillet::cli {

// Each command lives in a file of its own; new commands are added to this table.
const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {};
  return commands;
}

}  // namespace quillet::cli
