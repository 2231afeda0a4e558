// quillet-cli normalize: the normalization of the "Нормализация" group with its check boxes.
#include <string>

#include "cli/commands.h"
#include "cli/ops_common.h"
#include "core/normalize.h"

namespace quillet::cli {

const char* const kNormalizeUsage =
    "quillet-cli normalize [--no-renumber] [--no-right-blanks] [--surplus-lines] [--yes] IN [-o OUT]\n"
    "  Normalizes IN as the editor's \"Нормализация\" group does: renumbers the blocks in their\n"
    "  order, removes blanks at the right end of lines and, when asked, surplus empty lines.\n"
    "  --no-renumber           leave the block numbers (\"Перенумерация\" off)\n"
    "  --no-right-blanks       leave blanks at line ends (\"Пробелы справа\" off)\n"
    "  --surplus-lines         remove surplus empty lines (\"Лишние строки\" on)\n"
    "  --yes                   go on after the structure warning (otherwise it is answered Cancel)\n"
    "  -o OUT, --output=OUT    write the new text to OUT (may be IN) instead of standard output\n"
    "  The report or the cancel message goes to standard error; the new text (Windows-1251,\n"
    "  CR LF) to OUT or standard output.\n"
    "  Exit status: 0 written, 1 nothing written (nothing to do, cancelled, a warning refused),\n"
    "  2 bad arguments, unreadable input or a failed write.";

int RunNormalize(const Args& args) {
  NormalizeOptions options;  // the group's defaults
  OpsArgParser parser;
  parser.Flag("no-renumber", &options.renumber, false);
  parser.Flag("no-right-blanks", &options.rightBlanks, false);
  parser.Flag("surplus-lines", &options.surplusLines, true);
  OpsArgs common;
  std::string error;
  if (!parser.Parse(args, common, error)) return UsageError("normalize", error);
  // "Выполнить" is off while no box is ticked.
  if (!NormalizeRunEnabled(options)) return UsageError("normalize", "every part of the normalization is off");

  OpsSession session("normalize", common);
  if (!session.Load()) return kExitUsage;
  DoNormallize(session.GetEditor(), false, options);
  return session.Finish();
}

}  // namespace quillet::cli
