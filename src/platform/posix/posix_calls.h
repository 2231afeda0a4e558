// The system calls behind saving a file, one virtual each, so that a test can make any of
// them fail. PosixCalls itself calls the system; every call answers as the system call does,
// with errno set on failure.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace quillet {

class PosixCalls {
 public:
  virtual ~PosixCalls() = default;

  virtual int Open(const char* path, int flags, mode_t mode);
  virtual int Close(int fd);
  virtual ssize_t Read(int fd, void* buf, size_t size);
  virtual ssize_t Write(int fd, const void* buf, size_t size);
  virtual int Fsync(int fd);
  virtual int Ftruncate(int fd, off_t length);
  virtual int Fstat(int fd, struct stat* st);
  virtual int Fchmod(int fd, mode_t mode);
  virtual int Fchown(int fd, uid_t uid, gid_t gid);
  virtual int Stat(const char* path, struct stat* st);
  virtual int Lstat(const char* path, struct stat* st);
  // The link's content; -1 with errno on failure.
  virtual ssize_t Readlink(const char* path, char* buf, size_t size);
  // access() with the effective ids.
  virtual int Access(const char* path, int mode);
  virtual int Rename(const char* from, const char* to);
  virtual int Link(const char* from, const char* to);
  virtual int Unlink(const char* path);
  // Extended attributes (ACLs among them) of a path, links not followed past path itself.
  virtual ssize_t ListXattr(const char* path, char* list, size_t size);
  virtual ssize_t GetXattr(const char* path, const char* name, void* value, size_t size);
  virtual int FsetXattr(int fd, const char* name, const void* value, size_t size);
  // The names in a folder (without "." and ".."); -1 with errno when it cannot be read.
  virtual int ListFolder(const char* path, std::vector<std::string>& names);
  // A random number for temporary names.
  virtual unsigned Random();
};

// The calls of the running system, shared by every user that does not bring its own.
PosixCalls& SystemCalls();

}  // namespace quillet
