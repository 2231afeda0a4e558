#include "cli/cli_common.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <utility>

#include "platform/posix/posix_file_system.h"
#include "storage/file_text.h"

namespace quillet::cli {

bool ParseOptionsAndFile(const Args& args, const std::string& command, std::string& file,
                         const std::function<bool(const std::string& arg, std::string& error)>& option,
                         std::string& error) {
  bool optionsDone = false;
  for (const std::string& arg : args) {
    if (optionsDone || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      if (arg.size() > 1 && arg[0] == '-' && !optionsDone) {
        error = "unknown option '" + arg + "'";
        return false;
      }
      if (!file.empty()) {
        error = "only one FILE may be given ('" + file + "' and '" + arg + "')";
        return false;
      }
      file = arg;
      continue;
    }
    if (arg == "--") {
      optionsDone = true;
      continue;
    }
    if (!option(arg, error)) return false;
  }
  if (file.empty()) {
    error = "no FILE given (see quillet-cli " + command + " --help)";
    return false;
  }
  return true;
}

bool ReadInputText(const std::string& path, std::string& ansiText, std::string& error) {
  // The editor's decoding, without its size limit.
  PosixFileSystem fs;
  std::string bytes;
  switch (ReadWholeFile(fs, path, bytes)) {
    case FileReadResult::Ok:
      break;
    case FileReadResult::Missing:
      error = "cannot read '" + path + "': " +
              (fs.Stat(path).kind == FileKind::Missing ? "no such file" : "not a plain file");
      return false;
    case FileReadResult::CannotOpen:
      error = "cannot open '" + path + "': " + std::strerror(errno);
      return false;
    case FileReadResult::ReadFailed:
      error = "cannot read '" + path + "': the read failed or ended early";
      return false;
  }
  ansiText = DecodeFileText(std::move(bytes));
  return true;
}

bool WriteOutputText(const std::string& path, const std::string& ansiText, std::string& error) {
  if (path.empty()) {
    std::cout.write(ansiText.data(), static_cast<std::streamsize>(ansiText.size()));
    std::cout.flush();
    if (!std::cout) {
      error = "cannot write to standard output";
      return false;
    }
    return true;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(ansiText.data(), static_cast<std::streamsize>(ansiText.size()));
  out.close();
  if (!out) {
    error = "cannot write '" + path + "'";
    return false;
  }
  return true;
}

void PrintOut(const std::string& line) { std::cout << line << '\n'; }
void PrintErr(const std::string& line) { std::cerr << line << '\n'; }

}  // namespace quillet::cli
