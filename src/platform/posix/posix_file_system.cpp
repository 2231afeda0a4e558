#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/posix/posix_save.h"

namespace quillet {

namespace {

// Closes a descriptor on every path unless released.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now and answers what close answered.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd >= 0 ? ::close(fd) : 0;
  }

 private:
  int fd_;
};

}  // namespace

std::string PosixFileSystem::AbsolutePath(const std::string& path) const {
  if (path.empty() || path[0] == '/') return path;
  std::string cwd(PATH_MAX, '\0');
  while (::getcwd(cwd.data(), cwd.size()) == nullptr) {
    if (errno != ERANGE || cwd.size() > (size_t{1} << 20)) return path;
    cwd.resize(cwd.size() * 2);
  }
  cwd.resize(std::strlen(cwd.c_str()));
  std::string rest = path;
  while (rest.size() >= 2 && rest[0] == '.' && rest[1] == '/') rest.erase(0, 2);
  return cwd == "/" ? "/" + rest : cwd + "/" + rest;
}

FileStat PosixFileSystem::Stat(const std::string& path) const {
  FileStat st;
  struct stat s {};
  if (path.empty() || ::stat(path.c_str(), &s) != 0) return st;
  if (S_ISREG(s.st_mode)) {
    st.kind = FileKind::Regular;
    st.size = static_cast<int64_t>(s.st_size);
  } else if (S_ISDIR(s.st_mode)) {
    st.kind = FileKind::Folder;
  } else {
    st.kind = FileKind::Other;
  }
  return st;
}

ReadStatus PosixFileSystem::ReadFile(const std::string& path, int64_t maxBytes, std::string& out) {
  out.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return ReadStatus::CannotOpen;
  Fd file(fd);
  if (maxBytes <= 0) return ReadStatus::Ok;

  // Room for what the file holds now; a file that grows meanwhile gets more room as it comes.
  struct stat s {};
  int64_t expected = 0;
  if (::fstat(fd, &s) == 0 && S_ISREG(s.st_mode)) expected = static_cast<int64_t>(s.st_size);
  int64_t room = expected < maxBytes ? expected : maxBytes;
  if (room < 65536 && maxBytes > room) room = maxBytes < 65536 ? maxBytes : 65536;
  out.resize(static_cast<size_t>(room));

  int64_t got = 0;
  for (;;) {
    if (got == static_cast<int64_t>(out.size())) {
      if (got >= maxBytes) break;
      int64_t more = got < (int64_t{1} << 20) ? (int64_t{1} << 20) : got;
      if (more > maxBytes - got) more = maxBytes - got;
      out.resize(static_cast<size_t>(got + more));
    }
    const size_t want = out.size() - static_cast<size_t>(got);
    const ssize_t n = ::read(fd, out.data() + got, want > (size_t{1} << 30) ? (size_t{1} << 30) : want);
    if (n < 0) {
      if (errno == EINTR) continue;
      out.resize(static_cast<size_t>(got));
      return ReadStatus::ReadFailed;
    }
    if (n == 0) break;
    got += n;
  }
  out.resize(static_cast<size_t>(got));
  return ReadStatus::Ok;
}

bool PosixFileSystem::ReplaceFile(const std::string& path, std::string_view data, const std::string& keepOldAs,
                                  std::string& error) {
  return quillet::SaveFileSafely(calls_, path, data, keepOldAs, error);
}

}  // namespace quillet
