#include "platform/posix/posix_calls.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <random>

namespace quillet {

int PosixCalls::Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
int PosixCalls::Close(int fd) { return ::close(fd); }
ssize_t PosixCalls::Read(int fd, void* buf, size_t size) { return ::read(fd, buf, size); }
ssize_t PosixCalls::Write(int fd, const void* buf, size_t size) { return ::write(fd, buf, size); }
int PosixCalls::Fsync(int fd) { return ::fsync(fd); }
int PosixCalls::Ftruncate(int fd, off_t length) { return ::ftruncate(fd, length); }
int PosixCalls::Fstat(int fd, struct stat* st) { return ::fstat(fd, st); }
int PosixCalls::Fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int PosixCalls::Fchown(int fd, uid_t uid, gid_t gid) { return ::fchown(fd, uid, gid); }
int PosixCalls::Stat(const char* path, struct stat* st) { return ::stat(path, st); }
int PosixCalls::Lstat(const char* path, struct stat* st) { return ::lstat(path, st); }
ssize_t PosixCalls::Readlink(const char* path, char* buf, size_t size) { return ::readlink(path, buf, size); }
int PosixCalls::Access(const char* path, int mode) { return ::faccessat(AT_FDCWD, path, mode, AT_EACCESS); }
int PosixCalls::Rename(const char* from, const char* to) { return ::rename(from, to); }
int PosixCalls::Link(const char* from, const char* to) { return ::link(from, to); }
int PosixCalls::Unlink(const char* path) { return ::unlink(path); }

ssize_t PosixCalls::ListXattr(const char* path, char* list, size_t size) { return ::llistxattr(path, list, size); }
ssize_t PosixCalls::GetXattr(const char* path, const char* name, void* value, size_t size) {
  return ::lgetxattr(path, name, value, size);
}
int PosixCalls::FsetXattr(int fd, const char* name, const void* value, size_t size) {
  return ::fsetxattr(fd, name, value, size, 0);
}

int PosixCalls::ListFolder(const char* path, std::vector<std::string>& names) {
  names.clear();
  DIR* dir = ::opendir(path);
  if (dir == nullptr) return -1;
  while (const dirent* e = ::readdir(dir)) {
    if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) names.emplace_back(e->d_name);
  }
  ::closedir(dir);
  return 0;
}

unsigned PosixCalls::Random() {
  thread_local std::mt19937 engine(std::random_device{}() ^ static_cast<unsigned>(::getpid()) ^
                                   static_cast<unsigned>(std::time(nullptr)));
  return static_cast<unsigned>(engine());
}

PosixCalls& SystemCalls() {
  static PosixCalls calls;
  return calls;
}

}  // namespace quillet
