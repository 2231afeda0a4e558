#include "cli/cli_common.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

#include "platform/line_breaks.h"

namespace quillet::cli {

bool ReadInputText(const std::string& path, std::string& ansiText, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read '" + path + "': " + std::strerror(errno);
    return false;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = "cannot read '" + path + "'";
    return false;
  }
  ansiText = ToCrLf(bytes);
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
