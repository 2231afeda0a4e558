#include "cli/cli_common.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <utility>

#include "platform/line_breaks.h"
#include "platform/posix/posix_file_system.h"
#include "storage/file_names.h"
#include "storage/text_decoding.h"

namespace quillet::cli {
namespace {

std::string SystemReason(int err) { return std::strerror(err != 0 ? err : EIO); }

std::string TooLarge(const std::string& path, const std::string& size) {
  return "cannot read '" + path + "': it holds " + size + " bytes; inputs must be smaller than 2 GiB (" +
         std::to_string(kMaxInputBytes) + " bytes)";
}

bool ReadStandardInput(std::string& bytes, std::string& error) {
  char chunk[65536];
  for (;;) {
    const size_t n = std::fread(chunk, 1, sizeof chunk, stdin);
    bytes.append(chunk, n);
    if (static_cast<int64_t>(bytes.size()) >= kMaxInputBytes) {
      error = TooLarge("-", "at least " + std::to_string(kMaxInputBytes));
      return false;
    }
    if (n < sizeof chunk) break;
  }
  if (std::ferror(stdin)) {
    error = "cannot read standard input: " + SystemReason(errno);
    return false;
  }
  return true;
}

// A plain file up to the length it had when looked up; a file whose length the system does not
// tell (those under /proc show 0) up to its end.
bool ReadPlainFile(const std::string& path, std::string& bytes, std::string& error) {
  PosixFileSystem fs;
  errno = 0;
  const FileStat st = fs.Stat(path);
  switch (st.kind) {
    case FileKind::Missing:
      error = "cannot read '" + path + "': " + SystemReason(errno);  // no such file, a name too long, ...
      return false;
    case FileKind::Folder:
      error = "cannot read '" + path + "': it is a folder";
      return false;
    case FileKind::Other:
      error = "cannot read '" + path + "': not a plain file (give '-' to read standard input)";
      return false;
    case FileKind::Regular:
      break;
  }
  if (st.size >= kMaxInputBytes) {
    error = TooLarge(path, std::to_string(st.size));
    return false;
  }
  errno = 0;
  switch (fs.ReadFile(path, st.size > 0 ? st.size : kMaxInputBytes, bytes)) {
    case ReadStatus::CannotOpen:
      error = "cannot open '" + path + "': " + SystemReason(errno);
      return false;
    case ReadStatus::ReadFailed:
      error = "cannot read '" + path + "': " + SystemReason(errno);
      return false;
    case ReadStatus::Ok:
      break;
  }
  if (st.size == 0 && static_cast<int64_t>(bytes.size()) >= kMaxInputBytes) {
    error = TooLarge(path, "at least " + std::to_string(kMaxInputBytes));
    return false;
  }
  if (static_cast<int64_t>(bytes.size()) < st.size) {
    error = "cannot read '" + path + "': the file ended early (it shrank while being read)";
    return false;
  }
  return true;
}

}  // namespace

bool ReadInputText(const std::string& path, std::string& ansiText, std::string& error) {
  // The editor's decoding, without its size limit.
  std::string bytes;
  if (!(path == kStandardStream ? ReadStandardInput(bytes, error) : ReadPlainFile(path, bytes, error))) return false;
  DecodedText decoded = DecodeBytes(std::move(bytes));
  if (decoded.info.replaced > 0) {
    PrintErr(ReplacedCharsMessage(path == kStandardStream ? path : ExtractFileName(path), decoded.info.replaced));
  }
  ansiText = ToCrLf(decoded.text);
  return true;
}

bool CheckOutputTarget(const std::string& path, std::string& error) {
  if (path.empty() || path == kStandardStream) return true;
  PosixFileSystem fs;
  switch (fs.Stat(path).kind) {
    case FileKind::Missing:  // a new name; a path that cannot be made fails when written
    case FileKind::Regular:
      return true;
    case FileKind::Folder:
      error = "cannot write '" + path + "': it is a folder";
      return false;
    case FileKind::Other:
      break;
  }
  error = "cannot write '" + path + "': not a regular file (a pipe, a device or a socket); give a file name, or "
          "'-' for standard output";
  return false;
}

bool WriteOutputText(const std::string& path, const std::string& ansiText, std::string& error) {
  if (path.empty() || path == kStandardStream) {
    std::cout.write(ansiText.data(), static_cast<std::streamsize>(ansiText.size()));
    std::cout.flush();
    if (!std::cout) {
      error = "cannot write to standard output";
      return false;
    }
    return true;
  }
  // Looked at again just before the write: what was a new name may have become a pipe since.
  if (!CheckOutputTarget(path, error)) return false;
  // OUT may be IN itself: it is replaced only once the new text is complete on the disk.
  PosixFileSystem fs;
  std::string reason;
  if (!fs.ReplaceFile(path, ansiText, std::string(), reason)) {
    error = "cannot write '" + path + "': " + reason;
    return false;
  }
  return true;
}

void PrintOut(const std::string& line) { std::cout << line << '\n'; }
void PrintErr(const std::string& line) { std::cerr << line << '\n'; }

}  // namespace quillet::cli
