// The commands of quillet-cli; each answers the exit status.
#pragma once

#include "cli/cli_common.h"

namespace quillet::cli {

struct Command {
  const char* name;
  int (*run)(const Args& args);
  const char* usage;  // the synopsis and options, for --help
};

// The table of commands, filled by the command files.
const std::vector<Command>& Commands();

}  // namespace quillet::cli
