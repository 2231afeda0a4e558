// quillet-cli report: the "Отчёт" command of the "Текст" menu, printed.
#include <string>

#include "cli/commands.h"
#include "cli/rule_options.h"
#include "core/editor_lines.h"
#include "core/formats.h"
#include "platform/memory_edit_control.h"
#include "platform/posix/posix_file_system.h"
#include "storage/report.h"

namespace quillet::cli {

const char* const kReportUsage =
    "quillet-cli report [RULE OPTIONS] FILE\n"
    "  Prints the report of FILE as the editor's \"Отчёт\" window shows it: file, size, lines,\n"
    "  subtitle format and, for SRT text, the block statistics, normalization hints and errors.\n"
    "  RULE OPTIONS are those of quillet-cli check; the report counts with the values of\n"
    "  --min-duration=MS (500) and --max-duration=SEC (20), whether or not those rules are on.\n"
    "  Exit status: 0 printed, 2 unreadable file or bad arguments.";

int RunReport(const Args& args) {
  const std::string prefix = "quillet-cli report: ";
  FindErrSettings settings;
  std::string file, error;
  const auto option = [&settings](const std::string& arg, std::string& error) {
    if (const auto taken = ParseRuleOption(arg, settings, error)) return *taken;
    error = "unknown option '" + arg + "'";
    return false;
  };
  if (!ParseOptionsAndFile(args, "report", file, option, error)) {
    PrintErr(prefix + error);
    return kExitUsage;
  }
  std::string text;
  if (!ReadInputText(file, text, error)) {
    PrintErr(prefix + error);
    return kExitUsage;
  }

  MemoryEditControl edit;
  EditorHost host;
  EditorLines lines(edit);
  TextFormatTracker format(lines, host);
  edit.SetText(text);
  lines.MarkStale();
  const std::string opened = PosixFileSystem().AbsolutePath(file);
  for (const std::string& line : BuildReport(lines, format, opened, settings.minDuration, settings.maxDurationSec)) {
    PrintOut(line);
  }
  return kExitOk;
}

}  // namespace quillet::cli
