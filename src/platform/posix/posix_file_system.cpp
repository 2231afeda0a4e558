#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace quillet {

namespace {

std::string ErrorText(int err) { return std::strerror(err); }

// The folder of a path ("." for a bare name) and its last component.
void SplitPath(const std::string& path, std::string& folder, std::string& name) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    folder = ".";
    name = path;
  } else {
    folder = slash == 0 ? "/" : path.substr(0, slash);
    name = path.substr(slash + 1);
  }
}

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

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

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

ssize_t PosixFileSystem::WriteSome(int fd, const char* data, size_t size) { return ::write(fd, data, size); }

int PosixFileSystem::SyncFile(int fd) { return ::fsync(fd); }

int PosixFileSystem::RenameFile(const char* from, const char* to) { return ::rename(from, to); }

bool PosixFileSystem::ReplaceFile(const std::string& path, std::string_view data, const std::string& keepOldAs,
                                  std::string& error) {
  error.clear();
  if (path.empty()) {
    error = ErrorText(ENOENT);
    return false;
  }
  // A link is followed: the file it names gets the new content and the link stays.
  std::string target = path;
  struct stat old {};
  bool exists = ::stat(path.c_str(), &old) == 0;
  if (exists) {
    if (S_ISDIR(old.st_mode)) {
      error = ErrorText(EISDIR);
      return false;
    }
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
      if (char* real = ::realpath(path.c_str(), nullptr)) {
        target = real;
        std::free(real);
      }
    }
  }

  // A device or a pipe is written as it is: there is no content to keep.
  if (exists && !S_ISREG(old.st_mode)) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
      error = ErrorText(errno);
      return false;
    }
    Fd file(fd);
    for (size_t done = 0; done < data.size();) {
      const ssize_t n = WriteSome(fd, data.data() + done, data.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        error = ErrorText(n < 0 ? errno : EIO);
        return false;
      }
      done += static_cast<size_t>(n);
    }
    if (file.Close() != 0) {
      error = ErrorText(errno);
      return false;
    }
    return true;
  }

  std::string folder, name;
  SplitPath(target, folder, name);
  std::string tempName = (folder == "/" ? "" : folder) + "/." + name + ".XXXXXX";
  std::vector<char> tempBuf(tempName.begin(), tempName.end());
  tempBuf.push_back('\0');
  const int fd = ::mkostemp(tempBuf.data(), O_CLOEXEC);
  if (fd < 0) {
    error = ErrorText(errno);
    return false;
  }
  const std::string temp(tempBuf.data());
  Fd file(fd);
  auto fail = [&](int err) {
    file.Close();
    ::unlink(temp.c_str());
    error = ErrorText(err);
    return false;
  };

  // The new file gets the old one's permissions (and owner, where allowed), or those of a new
  // file under the current umask.
  mode_t mode;
  if (exists) {
    mode = old.st_mode & 07777;
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Not the owner: the file becomes the writer's, as any new file would.
    }
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd, mode) != 0) return fail(errno);

  for (size_t done = 0; done < data.size();) {
    const ssize_t n = WriteSome(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(errno);
    if (n == 0) return fail(ENOSPC);
    done += static_cast<size_t>(n);
  }
  if (SyncFile(fd) != 0) return fail(errno);
  if (file.Close() != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    error = ErrorText(err);
    return false;
  }

  // The old version: a second name for the old file, so that the target never goes missing;
  // where links are not to be had, it is moved aside and moved back should the rest fail.
  bool movedAway = false;
  if (exists && !keepOldAs.empty()) {
    ::unlink(keepOldAs.c_str());
    if (::link(target.c_str(), keepOldAs.c_str()) != 0) {
      movedAway = ::rename(target.c_str(), keepOldAs.c_str()) == 0;
    }
  }
  if (RenameFile(temp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    if (movedAway) ::rename(keepOldAs.c_str(), target.c_str());
    ::unlink(temp.c_str());
    error = ErrorText(err);
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace quillet
