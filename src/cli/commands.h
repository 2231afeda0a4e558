// The commands of quillet-cli; each answers the exit status.
#pragma once

#include "cli/cli_common.h"

namespace quillet::cli {

struct Command {
  const char* name;
  int (*run)(const Args& args);
  const char* usage;  // the synopsis and options, for --help
};

// The table of commands.
const std::vector<Command>& Commands();

// One file per command (check_command.cpp, convert_command.cpp, ...).
int RunCheck(const Args& args);
int RunConvert(const Args& args);
int RunNormalize(const Args& args);
int RunShift(const Args& args);
int RunStretch(const Args& args);
int RunMirror(const Args& args);
int RunReport(const Args& args);
int RunReplace(const Args& args);
extern const char* const kCheckUsage;
extern const char* const kConvertUsage;
extern const char* const kNormalizeUsage;
extern const char* const kShiftUsage;
extern const char* const kStretchUsage;
extern const char* const kMirrorUsage;
extern const char* const kReportUsage;
extern const char* const kReplaceUsage;

}  // namespace quillet::cli
