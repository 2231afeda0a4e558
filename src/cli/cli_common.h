// Shared parts of the command-line tool's commands.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillet::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFound = 1;   // errors shown, nothing written, or the operation cancelled
inline constexpr int kExitUsage = 2;   // bad arguments, unreadable input, input errors

// Arguments of one command (without the program and command names).
using Args = std::vector<std::string>;

// Inputs of 2 GiB or more are refused: positions and line offsets in the text are 32-bit.
inline constexpr int64_t kMaxInputBytes = int64_t{1} << 31;

// The name that stands for standard input (as IN) and standard output (as OUT).
inline constexpr const char* kStandardStream = "-";

// Reads a file, or standard input for "-", as the editor would hold it after opening it:
// decoded to Windows-1251, line breaks as CR LF. The editor's warning about characters the
// code page lacks goes to standard error. False with a message naming the problem.
bool ReadInputText(const std::string& path, std::string& ansiText, std::string& error);

// Whether the commands may write to path: standard output (empty or "-"), a regular file or
// a new name. A folder, a named pipe, a device or a socket is refused before any work is
// done (a pipe without a reader would keep the command waiting for ever). False with a
// message naming the problem.
bool CheckOutputTarget(const std::string& path, std::string& error);

// Writes text as a save does (Windows-1251 bytes as they stand): to standard output when
// path is empty or "-", otherwise into path, which is replaced only once the text is complete
// on the disk. False with a message naming the problem.
bool WriteOutputText(const std::string& path, const std::string& ansiText, std::string& error);

// Prints a UTF-8 line to standard output / standard error.
void PrintOut(const std::string& utf8Line);
void PrintErr(const std::string& utf8Line);

}  // namespace quillet::cli
