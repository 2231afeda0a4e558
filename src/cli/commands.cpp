#include "cli/commands.h"

namespace quillet::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"check", RunCheck, kCheckUsage},
      {"convert", RunConvert, kConvertUsage},
      {"normalize", RunNormalize, kNormalizeUsage},
      {"shift", RunShift, kShiftUsage},
      {"stretch", RunStretch, kStretchUsage},
      {"mirror", RunMirror, kMirrorUsage},
      {"report", RunReport, kReportUsage},
      {"replace", RunReplace, kReplaceUsage},
  };
  return commands;
}

}  // namespace quillet::cli
