// The file system as the storage code sees it. Paths are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

enum class FileKind { Missing, Regular, Folder, Other };

struct FileStat {
  FileKind kind = FileKind::Missing;
  int64_t size = 0;
};

enum class ReadStatus { Ok, CannotOpen, ReadFailed };

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;

  // The path made absolute against the current folder (no links resolved); empty stays empty.
  virtual std::string AbsolutePath(const std::string& path) const = 0;

  // What the path names (links followed). Devices, pipes and sockets are Other.
  virtual FileStat Stat(const std::string& path) const = 0;

  // Reads at most maxBytes from the start of a file into out. out holds exactly the bytes that
  // arrived, also when the file is shorter than expected (the caller compares). ReadFailed
  // when the system reported an error while reading.
  virtual ReadStatus ReadFile(const std::string& path, int64_t maxBytes, std::string& out) = 0;

  // Makes data the whole content of path without ever leaving a part of it there, keeping
  // what makes the file the user's (owner, group, mode, attributes, hard and symbolic links);
  // a file the user may not write is refused. When keepOldAs is not empty and path exists,
  // the old content stays on under that name, replacing a file of that name only once the new
  // text is safely on the disk; not being able to keep it does not stop the write. On failure
  // path and keepOldAs are as they were and error holds the system's text.
  virtual bool ReplaceFile(const std::string& path, std::string_view data, const std::string& keepOldAs,
                           std::string& error) = 0;
};

}  // namespace quillet
