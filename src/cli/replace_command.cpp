// quillet-cli replace: "Заменить всё" of the replace dialog, on a file.
#include <string>

#include "cli/commands.h"
#include "cli/ops_common.h"
#include "core/replace.h"
#include "core/text_utils.h"
#include "platform/codepage.h"

namespace quillet::cli {

const char* const kReplaceUsage =
    "quillet-cli replace --what=TEXT [--with=TEXT] [--case] IN [-o OUT]\n"
    "  Replaces every occurrence of TEXT in IN, as the editor's \"Заменить всё\" does: letter\n"
    "  case is ignored (by the code page's letters) unless --case is given. TEXT is UTF-8; a\n"
    "  character Windows-1251 lacks is an error. Prints the number of replacements.\n"
    "  --what=TEXT             the text to find (taken as typed, blanks included)\n"
    "  --with=TEXT             the text to put in its place (empty: the occurrences are deleted)\n"
    "  --case                  letter case counts\n"
    "  -o OUT, --output=OUT    write the new text to OUT (may be IN) instead of standard output\n"
    "  Exit status: 0 written, 1 nothing to replace (TEXT empty, equal to the replacement or\n"
    "  not found), 2 bad arguments, unreadable input or a failed write.";

namespace {

// UTF-8 to Windows-1251, refusing what the code page cannot hold.
bool ToAnsiStrict(const std::string& utf8, std::string& ansi) {
  return cp1251::FromUtf8(utf8, ansi) && cp1251::ToUtf8(ansi) == utf8;
}

}  // namespace

int RunReplace(const Args& args) {
  OpsArgParser parser;
  std::string what, with;
  bool whatGiven = false, caseSensitive = false;
  parser.Text("what", &what, &whatGiven);
  parser.Text("with", &with);
  parser.Flag("case", &caseSensitive);
  OpsArgs common;
  std::string error;
  if (!parser.Parse(args, common, error)) return UsageError("replace", error);
  if (!whatGiven) return UsageError("replace", "--what=TEXT is required");
  std::string ansiWhat, ansiWith;
  if (!ToAnsiStrict(what, ansiWhat)) {
    return UsageError("replace", "--what holds a character that Windows-1251 lacks, or is not UTF-8");
  }
  if (!ToAnsiStrict(with, ansiWith)) {
    return UsageError("replace", "--with holds a character that Windows-1251 lacks, or is not UTF-8");
  }

  OpsSession session("replace", common);
  if (!session.Load()) return kExitUsage;
  FullUndo undo;
  int count = 0;
  if (!ReplaceAllInEditor(session.GetEditor(), ansiWhat, ansiWith, caseSensitive, undo, &count)) {
    session.Note("nothing to replace in '" + common.in + "'; nothing written");
    return kExitFound;
  }
  session.Note("replacements: " + Dec(count));
  return session.Finish();
}

}  // namespace quillet::cli
