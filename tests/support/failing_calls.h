// System calls of which one, chosen by its number in the order of calling, fails once.
#pragma once

#include <cerrno>

#include "platform/posix/posix_calls.h"

namespace quillet::testing {

class FailingCalls : public PosixCalls {
 public:
  // Call number failAt (from 1) fails with err; 0 fails none. count numbers the calls made.
  int failAt = 0;
  int err = EIO;
  int count = 0;
  // Whether the chosen call was reached.
  bool Failed() const { return failAt != 0 && count >= failAt; }
  // A folder that access() answers as not writable (empty: none).
  std::string readOnlyFolder;

  int Open(const char* p, int f, mode_t m) override { return Fault() ? -1 : PosixCalls::Open(p, f, m); }
  int Close(int fd) override {
    if (Fault()) {
      PosixCalls::Close(fd);  // the descriptor is gone either way
      return -1;
    }
    return PosixCalls::Close(fd);
  }
  ssize_t Read(int fd, void* b, size_t n) override { return Fault() ? -1 : PosixCalls::Read(fd, b, n); }
  ssize_t Write(int fd, const void* b, size_t n) override { return Fault() ? -1 : PosixCalls::Write(fd, b, n); }
  int Fsync(int fd) override { return Fault() ? -1 : PosixCalls::Fsync(fd); }
  int Ftruncate(int fd, off_t n) override { return Fault() ? -1 : PosixCalls::Ftruncate(fd, n); }
  int Fstat(int fd, struct stat* s) override { return Fault() ? -1 : PosixCalls::Fstat(fd, s); }
  int Fchmod(int fd, mode_t m) override { return Fault() ? -1 : PosixCalls::Fchmod(fd, m); }
  int Fchown(int fd, uid_t u, gid_t g) override { return Fault() ? -1 : PosixCalls::Fchown(fd, u, g); }
  int Stat(const char* p, struct stat* s) override { return Fault() ? -1 : PosixCalls::Stat(p, s); }
  int Lstat(const char* p, struct stat* s) override { return Fault() ? -1 : PosixCalls::Lstat(p, s); }
  ssize_t Readlink(const char* p, char* b, size_t n) override { return Fault() ? -1 : PosixCalls::Readlink(p, b, n); }
  int Access(const char* p, int m) override {
    if (Fault()) return -1;
    if (!readOnlyFolder.empty() && readOnlyFolder == p) {
      errno = EACCES;
      return -1;
    }
    return PosixCalls::Access(p, m);
  }
  int Rename(const char* a, const char* b) override { return Fault() ? -1 : PosixCalls::Rename(a, b); }
  int Link(const char* a, const char* b) override { return Fault() ? -1 : PosixCalls::Link(a, b); }
  int Unlink(const char* p) override { return Fault() ? -1 : PosixCalls::Unlink(p); }
  ssize_t ListXattr(const char* p, char* l, size_t n) override { return Fault() ? -1 : PosixCalls::ListXattr(p, l, n); }
  ssize_t GetXattr(const char* p, const char* k, void* v, size_t n) override {
    return Fault() ? -1 : PosixCalls::GetXattr(p, k, v, n);
  }
  int FsetXattr(int fd, const char* k, const void* v, size_t n) override {
    return Fault() ? -1 : PosixCalls::FsetXattr(fd, k, v, n);
  }
  int ListFolder(const char* p, std::vector<std::string>& names) override {
    return Fault() ? -1 : PosixCalls::ListFolder(p, names);
  }

 private:
  bool Fault() {
    if (++count != failAt) return false;
    errno = err;
    return true;
  }
};

}  // namespace quillet::testing
