// quillet-cli stretch: the "Растяжение тайминга" group with the block range Start and End.
#include <string>

#include "cli/commands.h"
#include "cli/ops_common.h"
#include "core/time_stretch.h"

namespace quillet::cli {

const char* const kStretchUsage =
    "quillet-cli stretch (--stretch|--compress) --rate=R [--hundredths] [--no-from-start]\n"
    "                    [--no-move-ends] [--durations] --start=N --end=N [--yes] IN [-o OUT]\n"
    "  Moves every block whose number lies from --start to --end later (--stretch) or earlier\n"
    "  (--compress) by R milliseconds per second of its distance in time from the origin, as\n"
    "  the editor's time stretch does.\n"
    "  --rate=R                0 to 30000, default 0 (\"Время растяжения 1/sec\")\n"
    "  --hundredths            R is in hundredths of a millisecond per second (\"0,01ms\")\n"
    "  --no-from-start         the origin is the first block of the range, not 0:00:00,000\n"
    "                          (\"От начала\" off)\n"
    "  --no-move-ends          leave the blocks after the range (\"Смещать конечные\" off)\n"
    "  --durations             stretch the display durations too (\"Растягивать длительн.\")\n"
    "  --start=N, --end=N      block numbers as written in the text, 0 to 32000, default 0;\n"
    "                          End must be greater than Start\n"
    "  --yes                   go on after the structure warning (otherwise it is answered Cancel)\n"
    "  -o OUT, --output=OUT    write the new text to OUT (may be IN) instead of standard output\n"
    "  Exit status: 0 written, 1 nothing written (no block to stretch, an overlap, a warning\n"
    "  refused), 2 a range or rate error, bad arguments, unreadable input or a failed write.";

int RunStretch(const Args& args) {
  bool stretch = false, compress = false;
  StretchInput input;  // the group's defaults
  OpsArgParser parser;
  parser.Flag("stretch", &stretch);
  parser.Flag("compress", &compress);
  parser.Number("rate", &input.rate, 0, 30000);
  parser.Flag("hundredths", &input.hundredths);
  parser.Flag("no-from-start", &input.fromStart, false);
  parser.Flag("no-move-ends", &input.follow, false);
  parser.Flag("durations", &input.durations);
  parser.Number("start", &input.first, 0, 32000);
  parser.Number("end", &input.last, 0, 32000);
  OpsArgs common;
  std::string error;
  if (!parser.Parse(args, common, error)) return UsageError("stretch", error);
  if (stretch == compress) return UsageError("stretch", "give one of --stretch and --compress");
  input.stretch = stretch;

  OpsSession session("stretch", common);
  if (!session.Load()) return kExitUsage;
  StretchTiming(session.GetEditor(), input);
  return session.Finish();
}

}  // namespace quillet::cli
