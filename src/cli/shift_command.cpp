// quillet-cli shift: the "Смещение тайминга" group with the block range Start and End.
#include <string>

#include "cli/commands.h"
#include "cli/ops_common.h"
#include "core/time_shift.h"

namespace quillet::cli {

const char* const kShiftUsage =
    "quillet-cli shift (--add|--subtract) --sec=S --msec=MS --start=N --end=N [--yes] IN [-o OUT]\n"
    "  Moves both time codes of every block whose number lies from --start to --end later\n"
    "  (--add) or earlier (--subtract) by S seconds and MS milliseconds, as the editor's time\n"
    "  shift does.\n"
    "  --sec=S                 0 to 32000, default 0 (\"Sec\")\n"
    "  --msec=MS               0 to 999, default 0 (\"mSec\")\n"
    "  --start=N, --end=N      block numbers as written in the text, 0 to 32000, default 0;\n"
    "                          End must be greater than Start\n"
    "  --yes                   apply after a warning (the structure warning, or blocks that\n"
    "                          could not be moved below 0); otherwise it is answered Cancel\n"
    "  -o OUT, --output=OUT    write the new text to OUT (may be IN) instead of standard output\n"
    "  Exit status: 0 written, 1 nothing written (no block to shift, cancelled, a warning\n"
    "  refused), 2 a range or amount error, bad arguments, unreadable input or a failed write.";

int RunShift(const Args& args) {
  bool add = false, subtract = false;
  int seconds = 0, milliseconds = 0, start = 0, end = 0;  // the panel's defaults
  OpsArgParser parser;
  parser.Flag("add", &add);
  parser.Flag("subtract", &subtract);
  parser.Number("sec", &seconds, 0, 32000);
  parser.Number("msec", &milliseconds, 0, 999);
  parser.Number("start", &start, 0, 32000);
  parser.Number("end", &end, 0, 32000);
  OpsArgs common;
  std::string error;
  if (!parser.Parse(args, common, error)) return UsageError("shift", error);
  if (add == subtract) return UsageError("shift", "give one of --add and --subtract");

  OpsSession session("shift", common);
  if (!session.Load()) return kExitUsage;
  ShiftTiming(session.GetEditor(), add, start, end, seconds, milliseconds);
  return session.Finish();
}

}  // namespace quillet::cli
