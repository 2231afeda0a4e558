// The file system of a POSIX system.
#pragma once

#include "platform/file_system.h"
#include "platform/posix/posix_calls.h"

namespace quillet {

class PosixFileSystem : public IFileSystem {
 public:
  // calls: the system calls a save goes through (a test brings calls that fail).
  explicit PosixFileSystem(quillet::PosixCalls& calls = quillet::SystemCalls()) : calls_(calls) {}

  std::string AbsolutePath(const std::string& path) const override;
  FileStat Stat(const std::string& path) const override;
  ReadStatus ReadFile(const std::string& path, int64_t maxBytes, std::string& out) override;
  bool ReplaceFile(const std::string& path, std::string_view data, const std::string& keepOldAs,
                   std::string& error) override;

 private:
  quillet::PosixCalls& calls_;
};

}  // namespace quillet
