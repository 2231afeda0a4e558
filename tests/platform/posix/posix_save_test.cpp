#include "platform/posix/posix_save.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "storage/temp_folder.h"

namespace quillet {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::TempFolder;
using Strings = std::vector<std::string>;

constexpr uid_t kNobody = 65534;

struct stat StatOf(const std::string& path) {
  struct stat s {};
  ::lstat(path.c_str(), &s);
  return s;
}

std::string Xattr(const std::string& path, const char* name) {
  char value[256];
  const ssize_t n = ::lgetxattr(path.c_str(), name, value, sizeof value);
  return n < 0 ? std::string("<none>") : std::string(value, static_cast<size_t>(n));
}

// An access ACL: the owner rw, user nobody r, the group r, others nothing.
std::string AccessAcl() {
  std::string acl;
  auto u32 = [&](uint32_t v) { acl.append(reinterpret_cast<const char*>(&v), 4); };
  auto entry = [&](uint16_t tag, uint16_t perm, uint32_t id) {
    acl.append(reinterpret_cast<const char*>(&tag), 2);
    acl.append(reinterpret_cast<const char*>(&perm), 2);
    u32(id);
  };
  u32(2);                            // version
  entry(0x01, 6, UINT32_MAX);        // owner
  entry(0x02, 4, kNobody);           // user nobody
  entry(0x04, 4, UINT32_MAX);        // group
  entry(0x10, 4, UINT32_MAX);        // mask
  entry(0x20, 0, UINT32_MAX);        // others
  return acl;
}

bool Save(const std::string& path, const std::string& data, const std::string& keep, std::string& error) {
  return SaveFileSafely(SystemCalls(), path, data, keep, error);
}

TEST(SaveFileSafely, KeepsOwnerModeAttributesAndAcl) {
  TempFolder dir;
  const std::string file = dir.Write("a.srt", "old");
  ::chmod(file.c_str(), 0640);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);  // another user's file
  }
  ASSERT_EQ(::setxattr(file.c_str(), "user.quillet", "kept", 4, 0), 0) << "user attributes on the test folder";
  const std::string acl = AccessAcl();
  ::setxattr(file.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0);  // where ACLs are on
  const std::string aclBefore = Xattr(file, "system.posix_acl_access");
  const struct stat before = StatOf(file);

  std::string error;
  ASSERT_TRUE(Save(file, "new", "", error)) << error;
  const struct stat after = StatOf(file);
  EXPECT_EQ(std::tuple(ReadBytes(file), after.st_mode & 07777, after.st_uid, after.st_gid),
            std::tuple("new", before.st_mode & 07777, before.st_uid, before.st_gid));
  EXPECT_EQ(Xattr(file, "user.quillet"), "kept");
  EXPECT_EQ(Xattr(file, "system.posix_acl_access"), aclBefore);
  EXPECT_EQ(dir.Names(), Strings{"a.srt"});
}

TEST(SaveFileSafely, Links) {
  TempFolder dir;
  std::string error;
  // Hard links stay one file.
  const std::string file = dir.Write("a.srt", "old");
  ASSERT_EQ(::link(file.c_str(), (dir / "b.srt").c_str()), 0);
  ASSERT_TRUE(Save(file, "new", dir / "a_before.srt", error)) << error;
  EXPECT_EQ(std::tuple(ReadBytes(dir / "b.srt"), StatOf(file).st_ino, StatOf(file).st_nlink, ReadBytes(dir / "a_before.srt")),
            std::tuple("new", StatOf(dir / "b.srt").st_ino, nlink_t{2}, "old"));

  // A symbolic link: the file it names gets the text, through a relative link too.
  ASSERT_EQ(::symlink("a.srt", (dir / "rel.srt").c_str()), 0);
  ASSERT_TRUE(Save(dir / "rel.srt", "via link", "", error)) << error;
  EXPECT_EQ(std::tuple(ReadBytes(file), S_ISLNK(StatOf(dir / "rel.srt").st_mode)), std::tuple("via link", true));

  // A dangling link gets its file; a looping one is refused and stays.
  ASSERT_EQ(::symlink("missing.srt", (dir / "dangling.srt").c_str()), 0);
  ASSERT_TRUE(Save(dir / "dangling.srt", "made", "", error)) << error;
  EXPECT_EQ(std::tuple(ReadBytes(dir / "missing.srt"), S_ISLNK(StatOf(dir / "dangling.srt").st_mode)),
            std::tuple("made", true));
  ASSERT_EQ(::symlink("loop2.srt", (dir / "loop1.srt").c_str()), 0);
  ASSERT_EQ(::symlink("loop1.srt", (dir / "loop2.srt").c_str()), 0);
  EXPECT_FALSE(Save(dir / "loop1.srt", "lost", "", error));
  EXPECT_EQ(std::tuple(error, S_ISLNK(StatOf(dir / "loop1.srt").st_mode)),
            std::tuple(std::strerror(ELOOP), true));

  // A document that is a link to its own previous-version name keeps its text.
  TempFolder own;
  own.Write("c_before.srt", "old");
  ASSERT_EQ(::symlink("c_before.srt", (own / "c.srt").c_str()), 0);
  ASSERT_TRUE(Save(own / "c.srt", "new", own / "c_before.srt", error)) << error;
  EXPECT_EQ(std::tuple(ReadBytes(own / "c.srt"), S_ISLNK(StatOf(own / "c.srt").st_mode), own.Names()),
            std::tuple("new", true, Strings{"c.srt", "c_before.srt"}));
}

TEST(SaveFileSafely, LongNamesAndLeftovers) {
  TempFolder dir;
  std::string error;
  // Names up to the limit: the temporary name still fits, also cut inside Cyrillic letters.
  for (const std::string& name : {std::string(255, 'x'), std::string(251, 'y') + ".srt",
                                  "z" + std::string(127 * 2, '\xD0')}) {
    const std::string file = dir / name;
    const std::string prefix = SaveTempPrefix(dir.Path(), file);
    EXPECT_LE(prefix.size() - dir.Path().size() - 1 + 6, 255u);
    EXPECT_TRUE(Save(file, "text", "", error)) << error;
  }
  // Leftovers of this file go after a save; another file's stay.
  TempFolder left;
  const std::string file = left.Write("a.srt", "old");
  const std::string mine = SaveTempPrefix(left.Path(), file) + "Ab12Cd";
  const std::string other = SaveTempPrefix(left.Path(), left / "b.srt") + "Ab12Cd";
  left.Write(mine.substr(left.Path().size() + 1), "crash");
  left.Write(other.substr(left.Path().size() + 1), "crash");
  ASSERT_TRUE(Save(file, "new", "", error)) << error;
  EXPECT_EQ(std::tuple(Exists(mine), Exists(other)), std::tuple(false, true));
}

// ---- as a user without the rights of root -------------------------------------------------

// Runs the named tests of this program again as user nobody (through setpriv or runuser),
// with TMPDIR set to a folder of that user's own. Skips with the reason when that cannot be.
void RunAsNobody(const std::string& filter) {
  std::string launcher;
  if (::access("/usr/bin/setpriv", X_OK) == 0) {
    launcher = "/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups --";
  } else if (::access("/usr/sbin/runuser", X_OK) == 0) {
    launcher = "/usr/sbin/runuser -u nobody --";
  } else {
    GTEST_SKIP() << "neither setpriv nor runuser is installed: the checks as a plain user did not run";
  }
  char exe[4096];
  const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
  ASSERT_GT(n, 0);
  exe[n] = '\0';
  const std::string command = launcher + " '" + exe + "' --gtest_filter='" + filter + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 126 || WEXITSTATUS(status) == 127) {
    GTEST_SKIP() << "user nobody cannot run " << exe << ": the checks as a plain user did not run";
  }
  EXPECT_EQ(WEXITSTATUS(status), 0) << command;
}

TEST(SaveFileSafelyAsUser, ProtectedFileAndReadOnlyFolder) {
  if (::geteuid() == 0) return RunAsNobody("SaveFileSafelyAsUser.*");
  TempFolder dir, tmp;
  ASSERT_EQ(::setenv("TMPDIR", tmp.Path().c_str(), 1), 0);
  std::string error;
  // A write-protected file in a writable folder is refused and stays.
  const std::string locked = dir.Write("locked.srt", "old");
  ::chmod(locked.c_str(), 0444);
  EXPECT_FALSE(Save(locked, "new", "", error));
  EXPECT_EQ(std::tuple(error, ReadBytes(locked), StatOf(locked).st_mode & 07777),
            std::tuple(std::strerror(EACCES), "old", 0444u));

  // A writable file in a folder that takes no new names is written in place, keeping a copy
  // in the temporary folder only while it writes; a new file there cannot be made.
  const std::string file = dir.Write("a.srt", "old");
  ::chmod(dir.Path().c_str(), 0555);
  EXPECT_TRUE(Save(file, "the new text", dir / "a_before.srt", error)) << error;
  EXPECT_FALSE(Save(dir / "new.srt", "new", "", error));
  EXPECT_EQ(std::tuple(ReadBytes(file), dir.Names(), tmp.Names(), error),
            std::tuple("the new text", Strings{"a.srt", "locked.srt"}, Strings{}, std::strerror(EACCES)));
  ::unsetenv("TMPDIR");
}

}  // namespace
}  // namespace quillet
