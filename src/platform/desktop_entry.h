// The Exec line of desktop entries (".desktop" files, the desktop's description of an
// application): which program it runs, and the line this program writes for itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// A value of the string kind with its escapes undone ("\s", "\n", "\t", "\r", "\\").
std::string UnescapeDesktopValue(std::string_view value);

// The words of an Exec value as written in the file: its string escapes undone, then split at
// blanks, a word in double quotes taken whole with the "\" before a quote, "`", "$" or "\"
// removed. Field codes such as "%f" stay words of their own.
std::vector<std::string> SplitExecWords(std::string_view value);

// The program an Exec value runs (a path or a bare name, "%%" read as "%"): its first word, or
// the first after "env" and its NAME=value settings. Empty when there is none.
std::string ExecProgram(std::string_view value);
// Its program file name: after the last "/", cut before a "%" ("%%" is a percent sign),
// blanks trimmed.
std::string ExecProgramName(std::string_view value);

// The Exec value that runs the program at path with one file: the path (in double quotes with
// the escapes of both rules when it holds a blank or another character the rules reserve),
// then " %f".
std::string ExecValueFor(std::string_view programPath);

}  // namespace quillet
