// The file system of a POSIX system.
#pragma once

#include <sys/types.h>

#include "platform/file_system.h"

namespace quillet {

class PosixFileSystem : public IFileSystem {
 public:
  std::string AbsolutePath(const std::string& path) const override;
  FileStat Stat(const std::string& path) const override;
  ReadStatus ReadFile(const std::string& path, int64_t maxBytes, std::string& out) override;
  bool ReplaceFile(const std::string& path, std::string_view data, const std::string& keepOldAs,
                   std::string& error) override;

 protected:
  // The system calls a replace goes through, one place each so that a test can make one fail
  // (a full disk, a failing flush). Each answers as the system call does, with errno set.
  virtual ssize_t WriteSome(int fd, const char* data, size_t size);
  virtual int SyncFile(int fd);
  virtual int RenameFile(const char* from, const char* to);
};

}  // namespace quillet
