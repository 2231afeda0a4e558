// Parts of file names (UTF-8 paths with "/" between folders).
#pragma once

#include <string>
#include <string_view>

namespace quillet {

// The name with its extension, without its folder.
std::string ExtractFileName(std::string_view path);
// The folder with its closing "/", empty for a bare name.
std::string ExtractFilePath(std::string_view path);
// The extension with its dot (".srt"), from the last dot of the name; empty when the name has
// no dot. A name that ends with a dot has the extension ".".
std::string ExtractFileExt(std::string_view path);
// The path with its extension replaced by ext (or ext appended when it has none).
std::string ChangeFileExt(std::string_view path, std::string_view ext);
// The name without folder and extension.
std::string ExtractBaseName(std::string_view path);

// Two names the same without regard to letter case (Latin and Cyrillic letters).
bool SameFileName(std::string_view a, std::string_view b);

}  // namespace quillet
