// Runs the built quillet-cli as a separate process and collects what it printed.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "storage/temp_folder.h"

namespace cli_run {

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ReadAll(const std::string& path) { return quillet::testing::ReadBytes(path); }

inline std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// A path in the test's temporary folder, unique to this process.
inline std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "cli_test_" + std::to_string(getpid()) + "_" + name;
}

inline std::string WriteFile(const std::string& name, const std::string& bytes) {
  const std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

inline std::string Data(const std::string& name) {
  return std::string(QUILLET_TEST_DATA) + "/" + name;
}

// quillet-cli COMMAND ARGS... with standard input empty, or read from stdinPath when given.
inline Result Run(const std::string& command, const std::vector<std::string>& args,
                  const std::string& stdinPath = "/dev/null") {
  const std::string out = TempPath("stdout"), err = TempPath("stderr");
  std::string cmd = Quote(QUILLET_CLI_PATH) + " " + command;
  for (const auto& a : args) cmd += " " + Quote(a);
  cmd += " >" + Quote(out) + " 2>" + Quote(err) + " <" + Quote(stdinPath);
  const int raw = std::system(cmd.c_str());
  Result r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadAll(out);
  r.err = ReadAll(err);
  std::remove(out.c_str());
  std::remove(err.c_str());
  return r;
}

}  // namespace cli_run
