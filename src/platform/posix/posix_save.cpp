#include "platform/posix/posix_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace quillet {
namespace {

constexpr size_t kNameMax = 255;     // the longest file name ext4 and most others allow
constexpr size_t kRandomChars = 6;
constexpr int kMaxLinkHops = 40;     // as the kernel's own limit
constexpr int kNameTries = 100;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

// FNV-1a: the same path always gives the same temporary names.
uint32_t PathSum(const std::string& path) {
  uint32_t h = 2166136261u;
  for (unsigned char c : path) h = (h ^ c) * 16777619u;
  return h;
}

// The system temporary folder, for the copy of a file whose own folder is not writable.
std::string SystemTempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  return tmp != nullptr && tmp[0] == '/' ? std::string(tmp) : std::string("/tmp");
}

// One save: the calls, the text and the first error met.
class Saver {
 public:
  Saver(PosixCalls& calls, std::string_view data) : c_(calls), data_(data) {}

  bool Run(const std::string& path, const std::string& keepOldAs);
  int Error() const { return error_; }

 private:
  enum class Outcome { Done, Failed, WriteInPlace };

  bool Fail(int err) {
    if (error_ == 0) error_ = err != 0 ? err : EIO;
    return false;
  }
  bool ResolveLinks(const std::string& path, std::string& target);
  bool WriteDevice(const std::string& target);
  Outcome ReplaceByRename(const std::string& keepOldAs);
  bool WriteInPlace(const std::string& keepOldAs);
  bool WriteAll(int fd, std::string_view bytes);
  bool ReadAll(const std::string& path, std::string& bytes);
  int CreateTemp(const std::string& prefix, std::string& name);
  bool CopyAttributes(int fd);
  bool MakeSecondName(std::string& name);
  bool WriteCopy(const std::string& prefix, const std::string& bytes, std::string& name);
  bool SyncFolder(const std::string& folder);
  bool CloseFile(int fd);
  bool PutBack(const std::string& bytes);
  void KeepOrDrop(const std::string& copy, const std::string& keepOldAs);
  void RemoveLeftovers(const std::string& folder);
  bool IsTargetItself(const std::string& path);

  PosixCalls& c_;
  std::string_view data_;
  int error_ = 0;
  std::string target_, folder_;
  bool exists_ = false;
  struct stat old_ {};
};

bool Saver::ResolveLinks(const std::string& path, std::string& target) {
  std::string cur = path;
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (c_.Lstat(cur.c_str(), &st) != 0) {
      if (errno != ENOENT) return Fail(errno);
      target = cur;  // a new file, or the missing file of a dangling link
      return true;
    }
    if (!S_ISLNK(st.st_mode)) {
      target = cur;
      return true;
    }
    if (hops >= kMaxLinkHops) return Fail(ELOOP);
    std::string link(st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : 4096, '\0');
    const ssize_t n = c_.Readlink(cur.c_str(), link.data(), link.size());
    if (n < 0) return Fail(errno);
    if (static_cast<size_t>(n) >= link.size()) return Fail(ENAMETOOLONG);  // changed meanwhile
    link.resize(static_cast<size_t>(n));
    cur = !link.empty() && link[0] == '/' ? link : InFolder(FolderOf(cur), link);
  }
}

bool Saver::CloseFile(int fd) { return c_.Close(fd) == 0 || Fail(errno); }

bool Saver::WriteAll(int fd, std::string_view bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = c_.Write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Fail(errno);
    if (n == 0) return Fail(ENOSPC);
    done += static_cast<size_t>(n);
  }
  return true;
}

bool Saver::ReadAll(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = c_.Open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY, 0);
  if (fd < 0) return Fail(errno);
  char buf[65536];
  for (;;) {
    const ssize_t n = c_.Read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      Fail(errno);
      c_.Close(fd);
      return false;
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<size_t>(n));
  }
  return CloseFile(fd);
}

// Devices and pipes have no content to keep: they are written as they are.
bool Saver::WriteDevice(const std::string& target) {
  const int fd = c_.Open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0);
  if (fd < 0) return Fail(errno);
  if (!WriteAll(fd, data_)) {
    c_.Close(fd);
    return false;
  }
  return CloseFile(fd);
}

int Saver::CreateTemp(const std::string& prefix, std::string& name) {
  static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < kNameTries; ++attempt) {
    name = prefix;
    for (size_t i = 0; i < kRandomChars; ++i) name += kChars[c_.Random() % (sizeof kChars - 1)];
    const int fd = c_.Open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd >= 0 || errno != EEXIST) {
      if (fd < 0) Fail(errno);
      return fd;
    }
  }
  Fail(EEXIST);
  return -1;
}

// The extended attributes of the target (its ACLs among them) onto the new file. False when
// one of them cannot be carried over: the file is then better written in place.
bool Saver::CopyAttributes(int fd) {
  const ssize_t size = c_.ListXattr(target_.c_str(), nullptr, 0);
  if (size < 0) return errno == ENOTSUP || errno == ENOSYS;
  if (size == 0) return true;
  std::vector<char> names(static_cast<size_t>(size) + 1, '\0');  // the last name ends for certain
  const ssize_t got = c_.ListXattr(target_.c_str(), names.data(), names.size() - 1);
  if (got < 0) return false;
  std::vector<char> value;
  for (size_t i = 0; i < static_cast<size_t>(got);) {
    const char* name = names.data() + i;
    i += std::strlen(name) + 1;
    const ssize_t len = c_.GetXattr(target_.c_str(), name, nullptr, 0);
    if (len < 0) return false;
    value.resize(static_cast<size_t>(len));
    const ssize_t read = c_.GetXattr(target_.c_str(), name, value.data(), value.size());
    if (read < 0 || c_.FsetXattr(fd, name, value.data(), static_cast<size_t>(read)) != 0) return false;
  }
  return true;
}

// A flushed file holding bytes, with the target's mode, under a new temporary name.
bool Saver::WriteCopy(const std::string& prefix, const std::string& bytes, std::string& name) {
  const int fd = CreateTemp(prefix, name);
  if (fd < 0) return false;
  if (!WriteAll(fd, bytes) || c_.Fchmod(fd, old_.st_mode & 07777) != 0 || c_.Fsync(fd) != 0) {
    Fail(errno);
    c_.Close(fd);
    c_.Unlink(name.c_str());
    return false;
  }
  if (!CloseFile(fd)) {
    c_.Unlink(name.c_str());
    return false;
  }
  return true;
}

// A second name for the old file beside it, so that it can be put back or kept: a hard link,
// or a flushed copy where the file system has none.
bool Saver::MakeSecondName(std::string& name) {
  const std::string prefix = SaveTempPrefix(folder_, target_);
  for (int attempt = 0; attempt < kNameTries; ++attempt) {
    name = prefix;
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (size_t i = 0; i < kRandomChars; ++i) name += kChars[c_.Random() % (sizeof kChars - 1)];
    if (c_.Link(target_.c_str(), name.c_str()) == 0) return true;
    if (errno != EEXIST) break;
  }
  std::string bytes;
  return ReadAll(target_, bytes) && WriteCopy(prefix, bytes, name);
}

// Flushes a folder's entries. File systems that cannot do that for a folder say EINVAL;
// a folder that may not be opened for reading cannot be flushed by this user.
bool Saver::SyncFolder(const std::string& folder) {
  const int fd = c_.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0) return errno == EACCES || Fail(errno);
  const bool ok = c_.Fsync(fd) == 0 || errno == EINVAL || Fail(errno);
  c_.Close(fd);
  return ok;
}

bool Saver::IsTargetItself(const std::string& path) {
  struct stat st {};
  return c_.Stat(path.c_str(), &st) == 0 && st.st_dev == old_.st_dev && st.st_ino == old_.st_ino;
}

// The old content under keepOldAs (replacing an older one at once), or gone.
void Saver::KeepOrDrop(const std::string& copy, const std::string& keepOldAs) {
  if (!keepOldAs.empty() && c_.Rename(copy.c_str(), keepOldAs.c_str()) == 0) {
    const int err = error_;
    SyncFolder(FolderOf(keepOldAs));  // the new text is safe by now: this only helps the copy
    error_ = err;
    return;
  }
  c_.Unlink(copy.c_str());
}

Saver::Outcome Saver::ReplaceByRename(const std::string& keepOldAs) {
  std::string temp;
  const int fd = CreateTemp(SaveTempPrefix(folder_, target_), temp);
  if (fd < 0) return Outcome::Failed;
  // The temporary file goes on every path that does not end in the rename.
  auto drop = [&](Outcome outcome, int err) {
    if (outcome == Outcome::Failed) Fail(err);
    c_.Close(fd);
    c_.Unlink(temp.c_str());
    return outcome;
  };

  mode_t mode;
  if (exists_) {
    // The same owner, group and attributes, or the file is written in place.
    struct stat now {};
    if (c_.Fstat(fd, &now) != 0) return drop(Outcome::Failed, errno);
    if ((now.st_uid != old_.st_uid || now.st_gid != old_.st_gid) && c_.Fchown(fd, old_.st_uid, old_.st_gid) != 0)
      return drop(Outcome::WriteInPlace, 0);
    if (!CopyAttributes(fd)) return drop(Outcome::WriteInPlace, 0);
    mode = old_.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (c_.Fchmod(fd, mode) != 0) return drop(Outcome::Failed, errno);
  if (!WriteAll(fd, data_)) return drop(Outcome::Failed, 0);
  if (c_.Fsync(fd) != 0) return drop(Outcome::Failed, errno);
  if (!CloseFile(fd)) {
    c_.Unlink(temp.c_str());
    return Outcome::Failed;
  }

  std::string second;
  if (exists_ && !MakeSecondName(second)) {
    c_.Unlink(temp.c_str());
    return Outcome::Failed;
  }
  if (c_.Rename(temp.c_str(), target_.c_str()) != 0) {
    Fail(errno);
    if (!second.empty()) c_.Unlink(second.c_str());
    c_.Unlink(temp.c_str());
    return Outcome::Failed;
  }
  if (!SyncFolder(folder_)) {
    // Not known to be on the disk: the old state comes back and the save fails.
    if (exists_) c_.Rename(second.c_str(), target_.c_str());
    else c_.Unlink(target_.c_str());
    const int err = error_;
    SyncFolder(folder_);
    error_ = err;
    return Outcome::Failed;
  }
  if (!second.empty()) KeepOrDrop(second, keepOldAs);
  return Outcome::Done;
}

bool Saver::PutBack(const std::string& bytes) {
  const int fd = c_.Open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY, 0);
  if (fd < 0) return false;
  const int err = error_;
  const bool ok = WriteAll(fd, bytes) && c_.Ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
                  c_.Fsync(fd) == 0;
  const bool closed = c_.Close(fd) == 0;
  error_ = err;
  return ok && closed;
}

bool Saver::WriteInPlace(const std::string& keepOldAs) {
  // A flushed copy first: beside the file when its folder takes new names, else in the
  // system's temporary folder.
  std::string old;
  if (!ReadAll(target_, old)) return false;
  const bool folderWritable = c_.Access(folder_.c_str(), W_OK | X_OK) == 0;
  const std::string copyFolder = folderWritable ? folder_ : SystemTempFolder();
  std::string copy;
  if (!WriteCopy(SaveTempPrefix(copyFolder, target_), old, copy)) return false;
  if (!SyncFolder(copyFolder)) {
    c_.Unlink(copy.c_str());
    return false;
  }

  const int fd = c_.Open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY, 0);
  if (fd < 0) {
    Fail(errno);
    c_.Unlink(copy.c_str());
    return false;
  }
  bool ok = WriteAll(fd, data_);
  if (ok && c_.Ftruncate(fd, static_cast<off_t>(data_.size())) != 0) ok = Fail(errno);
  if (ok && c_.Fsync(fd) != 0) ok = Fail(errno);
  if (!ok) c_.Close(fd);
  else ok = CloseFile(fd);
  if (!ok) {
    // The copy stays when even putting the old text back failed.
    if (PutBack(old)) c_.Unlink(copy.c_str());
    return false;
  }
  KeepOrDrop(copy, keepOldAs);
  return true;
}

// Temporary files of this target that an earlier save left behind when it crashed.
void Saver::RemoveLeftovers(const std::string& folder) {
  const std::string prefix = NameOf(SaveTempPrefix(folder, target_));
  std::vector<std::string> names;
  if (c_.ListFolder(folder.c_str(), names) != 0) return;
  for (const std::string& name : names) {
    if (name.size() != prefix.size() + kRandomChars || name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string path = InFolder(folder, name);
    struct stat st {};
    if (c_.Lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) c_.Unlink(path.c_str());
  }
}

bool Saver::Run(const std::string& path, const std::string& keepOldAs) {
  if (path.empty()) return Fail(ENOENT);
  if (!ResolveLinks(path, target_)) return false;
  folder_ = FolderOf(target_);
  exists_ = c_.Stat(target_.c_str(), &old_) == 0;
  if (!exists_ && errno != ENOENT) return Fail(errno);
  if (exists_) {
    if (S_ISDIR(old_.st_mode)) return Fail(EISDIR);
    if (!S_ISREG(old_.st_mode)) return WriteDevice(target_);
    // A file the user may not write is refused, never replaced.
    if (c_.Access(target_.c_str(), W_OK) != 0) return Fail(errno);
  }
  // A document that is a link to its own previous-version name has no other version to keep.
  const std::string keep = exists_ && !keepOldAs.empty() && !IsTargetItself(keepOldAs) ? keepOldAs : std::string();

  Outcome outcome = Outcome::WriteInPlace;
  if (!exists_ || (old_.st_nlink == 1 && c_.Access(folder_.c_str(), W_OK | X_OK) == 0)) {
    outcome = ReplaceByRename(keep);
  }
  if (outcome == Outcome::Failed) return false;
  if (outcome == Outcome::WriteInPlace && !WriteInPlace(keep)) return false;
  RemoveLeftovers(folder_);
  if (exists_) RemoveLeftovers(SystemTempFolder());
  return true;
}

}  // namespace

std::string SaveTempPrefix(const std::string& folder, const std::string& target) {
  char sum[16];
  std::snprintf(sum, sizeof sum, "%08x", PathSum(target));
  // "." + head + "~" + 8 hex digits + "." + the random characters.
  const size_t room = kNameMax - 1 - 1 - 8 - 1 - kRandomChars;
  std::string head = NameOf(target);
  if (head.size() > room) {
    size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(head[cut]) & 0xC0) == 0x80) --cut;  // whole UTF-8 characters
    head.resize(cut);
  }
  return InFolder(folder, "." + head + "~" + sum + ".");
}

bool SaveFileSafely(PosixCalls& calls, const std::string& path, std::string_view data, const std::string& keepOldAs,
                    std::string& error) {
  error.clear();
  Saver saver(calls, data);
  if (saver.Run(path, keepOldAs)) return true;
  error = std::strerror(saver.Error() != 0 ? saver.Error() : EIO);
  return false;
}

}  // namespace quillet
