// quillet-cli convert: an ASS or SSA file as SRT, converted as the editor's "Выполнить" does.
#include <string>

#include "cli/commands.h"
#include "core/constants.h"
#include "core/formats.h"
#include "core/text_utils.h"

namespace quillet::cli {

const char* const kConvertUsage =
    "quillet-cli convert IN [-o OUT]\n"
    "  Converts the ASS or SSA subtitles of IN into SRT, as the editor's conversion does: every\n"
    "  \"Dialogue\" event becomes a numbered block without override tags. The report\n"
    "  (\"Конвертация из ... в srt: ...\") goes to standard error, the SRT text (Windows-1251,\n"
    "  CR LF) to OUT or to standard output. IN is read as the editor reads a file (UTF-16,\n"
    "  UTF-8 or Windows-1251), without the editor's size limit but below 2 GiB; IN may be -\n"
    "  for standard input.\n"
    "  -o OUT, --output=OUT   write the SRT text to OUT (replaced only once it is complete; a\n"
    "                         regular file or a new name, or - for standard output)\n"
    "  Exit status: 0 converted, 1 IN is already SRT, of no known format or has no event that\n"
    "  could be converted (nothing is written), 2 unreadable input, a refused output, a failed\n"
    "  write or bad arguments.";

namespace {

const std::string kPrefix = "quillet-cli convert: ";

int Usage(const std::string& error) {
  PrintErr(kPrefix + error + " (see quillet-cli convert --help)");
  return kExitUsage;
}

}  // namespace

int RunConvert(const Args& args) {
  std::string in, out;
  bool optionsDone = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsDone && arg == "--") {
      optionsDone = true;
    } else if (!optionsDone && (arg == "-o" || arg == "--output")) {
      if (i + 1 >= args.size() || args[i + 1].empty()) return Usage(arg + " needs a file name");
      out = args[++i];
    } else if (!optionsDone && arg.rfind("--output=", 0) == 0) {
      out = arg.substr(9);
      if (out.empty()) return Usage("--output= needs a file name");
    } else if (!optionsDone && arg.size() > 1 && arg[0] == '-') {
      return Usage("unknown option '" + arg + "'");
    } else if (in.empty() && !arg.empty()) {
      in = arg;
    } else {
      return Usage(arg.empty() ? std::string("an empty file name") : "only one input file may be given");
    }
  }
  if (in.empty()) return Usage("no input file given");

  std::string text, error;
  if (!CheckOutputTarget(out, error) || !ReadInputText(in, text, error)) {
    PrintErr(kPrefix + error);
    return kExitUsage;
  }

  // The editor's answers when there is nothing to convert.
  const TextFormat format = RightTrimmedLength(text) < 10 ? TextFormat::Unknown : DetectFormatOf(text);
  if (format == TextFormat::Unknown) {
    PrintErr("Формат текста не удалось определить. Невозможно выполнить конвертацию!");
    return kExitFound;
  }
  if (format == TextFormat::Srt) {
    PrintErr(std::string("Текст уже имеет формат субтитров ") + FormatName(format, false) + MsgOperationCancelled);
    return kExitFound;
  }

  SrtConversion result = ConvertAssEvents(text);
  text.clear();
  text.shrink_to_fit();
  PrintErr(ConvertReportText(FormatName(format, true), result));
  // Not one event became a block: an empty SRT text is no result.
  if (result.blocks == 0) {
    PrintErr(kPrefix + "no block was converted; nothing written");
    return kExitFound;
  }
  if (!WriteOutputText(out, result.srt, error)) {
    PrintErr(kPrefix + error);
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace quillet::cli
