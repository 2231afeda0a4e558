// quillet-cli mirror: the "Отразить" command of the "Текст" menu.
#include <string>

#include "cli/commands.h"
#include "cli/ops_common.h"
#include "core/mirror.h"

namespace quillet::cli {

const char* const kMirrorUsage =
    "quillet-cli mirror [--yes] IN [-o OUT]\n"
    "  Reverses the characters of every text line of every block of IN, as the editor's\n"
    "  \"Отразить\" does; number lines, time lines and text outside blocks stay as they are.\n"
    "  --yes                   go on after the structure warning (otherwise it is answered Cancel)\n"
    "  -o OUT, --output=OUT    write the new text to OUT (may be IN) instead of standard output\n"
    "  Exit status: 0 written, 1 nothing written (nothing to mirror, a warning refused),\n"
    "  2 bad arguments, unreadable input or a failed write.";

int RunMirror(const Args& args) {
  OpsArgParser parser;
  OpsArgs common;
  std::string error;
  if (!parser.Parse(args, common, error)) return UsageError("mirror", error);

  OpsSession session("mirror", common);
  if (!session.Load()) return kExitUsage;
  Reflect(session.GetEditor());
  return session.Finish();
}

}  // namespace quillet::cli
