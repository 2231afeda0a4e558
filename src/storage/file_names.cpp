#include "storage/file_names.h"

#include "core/text_utils.h"
#include "platform/codepage.h"

namespace quillet {
namespace {

size_t NameStart(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

// 0-based position of the extension's dot, or npos.
size_t ExtDot(std::string_view path) {
  const size_t start = NameStart(path);
  const size_t dot = path.rfind('.');
  return dot == std::string_view::npos || dot < start ? std::string_view::npos : dot;
}

}  // namespace

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string ExtractFileExt(std::string_view path) {
  const size_t dot = ExtDot(path);
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const size_t dot = ExtDot(path);
  std::string s(dot == std::string_view::npos ? path : path.substr(0, dot));
  s += ext;
  return s;
}

std::string ExtractBaseName(std::string_view path) {
  const size_t start = NameStart(path);
  const size_t dot = ExtDot(path);
  return std::string(path.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
}

bool SameFileName(std::string_view a, std::string_view b) {
  if (a == b) return true;
  // Letters of the code page compare without case; a name with other characters only as it is.
  std::string ansiA, ansiB;
  if (!cp1251::FromUtf8(a, ansiA) || !cp1251::FromUtf8(b, ansiB)) return false;
  if (cp1251::ToUtf8(ansiA) != a || cp1251::ToUtf8(ansiB) != b) return false;
  return SameTextSp(ansiA, ansiB);
}

}  // namespace quillet
