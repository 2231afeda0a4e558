// Reading a file as the editor's text: the size checks, the messages and the decoding.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/prompt.h"
#include "storage/text_decoding.h"

namespace quillet {

// The bytes of a file as Windows-1251 text (DecodeBytes): UTF-16, UTF-8 with its mark or
// without one are converted, characters the code page lacks becoming "?"; anything else is
// taken as it is. Line ends stay as they are.
std::string DecodeFileBytes(std::string bytes);

// DecodeFileBytes, then every line break as CR LF: the text as the editor holds it.
std::string DecodeFileText(std::string bytes);

// "512 байт", "600 Кб", "1.5 Мб", "2 Гб" (UTF-8), with at most decimals places.
std::string FormatFileSize(int64_t size, int decimals);

// The editor's file read: checks, questions and errors in modal boxes, and the decoded text
// with CR LF line ends. maxFileSizeKb is the "Max, Кб" option. On false, text is empty. info,
// when given, receives the encoding read and the count of characters replaced.
bool GetTextFromFile(IFileSystem& fs, IPrompt& prompt, const std::string& fileName, int32_t maxFileSizeKb,
                     std::string& text, TextReadInfo* info = nullptr);

}  // namespace quillet
