#include "storage/file_text.h"

#include <cstring>

#include "core/text_utils.h"
#include "platform/codepage.h"
#include "platform/line_breaks.h"
#include "storage/file_names.h"

namespace quillet {
namespace {

const std::string DQ = "\"";

bool StartsWithUtf16Mark(std::string_view bytes) {
  return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
         static_cast<unsigned char>(bytes[1]) == 0xFE;
}

}  // namespace

std::string DecodeFileBytes(std::string bytes) {
  const size_t size = bytes.size();
  // UTF-16: a zero byte before the last byte, or the FF FE mark on an even length.
  const void* zero = size == 0 ? nullptr : std::memchr(bytes.data(), 0, size);
  const size_t p = zero ? static_cast<const char*>(zero) - bytes.data() + 1 : 0;
  if ((p > 0 && p < size) || (StartsWithUtf16Mark(bytes) && size % 2 == 0)) {
    const size_t n = size / 2;
    const size_t first = StartsWithUtf16Mark(bytes) ? 1 : 0;
    std::u16string units;
    units.resize(n - first);
    for (size_t i = first; i < n; ++i) {
      units[i - first] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                               (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    bytes = cp1251::FromUtf16(units);
  }
  // The UTF-8 mark. When the rest is not UTF-8 its bytes stay as they are and only the mark goes.
  if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
      static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF) {
    std::string decoded;
    if (cp1251::FromUtf8(std::string_view(bytes).substr(3), decoded)) return decoded;
    bytes.erase(0, 3);
  }
  return bytes;
}

std::string DecodeFileText(std::string bytes) { return ToCrLf(DecodeFileBytes(std::move(bytes))); }

std::string FormatFileSize(int64_t size, int decimals) {
  const uint16_t places = static_cast<uint16_t>(decimals < 0 ? 0 : decimals);
  const char* unit = nullptr;
  long double value = 0;
  if (size >= (int64_t{1} << 30)) {
    value = static_cast<long double>(size) / (int64_t{1} << 30);
    unit = " Гб";
  } else if (size >= (int64_t{1} << 20)) {
    value = static_cast<long double>(size) / (int64_t{1} << 20);
    unit = " Мб";
  } else if (size >= 1024) {
    value = static_cast<long double>(size) / 1024;
    unit = " Кб";
  } else {
    return IntToStrZ(size, 0) + " байт";
  }
  std::string s;
  if (FloatToStrSp(s, 0, places, value)) s += unit;
  return s;
}

FileReadResult ReadWholeFile(IFileSystem& fs, const std::string& path, std::string& bytes) {
  bytes.clear();
  const FileStat st = fs.Stat(path);
  if (st.kind != FileKind::Regular) return FileReadResult::Missing;
  switch (fs.ReadFile(path, st.size, bytes)) {
    case ReadStatus::CannotOpen:
      bytes.clear();
      return FileReadResult::CannotOpen;
    case ReadStatus::ReadFailed:
      bytes.clear();
      return FileReadResult::ReadFailed;
    case ReadStatus::Ok:
      break;
  }
  if (static_cast<int64_t>(bytes.size()) < st.size) {
    bytes.clear();
    return FileReadResult::ReadFailed;
  }
  return FileReadResult::Ok;
}

bool GetTextFromFile(IFileSystem& fs, IPrompt& prompt, const std::string& fileName, int32_t maxFileSizeKb,
                     std::string& text) {
  text.clear();
  const std::string name = ExtractFileName(fileName);
  const FileStat st = fs.Stat(fileName);
  if (st.kind != FileKind::Regular) {
    prompt.Ask(MsgKind::Warning, Buttons::Ok, "Файл " + name + " не найден!");
    return false;
  }

  const int64_t limit = static_cast<int64_t>(maxFileSizeKb) * 1024;
  if (st.size > limit) {
    std::string s = "Внимание! Файл " + DQ + name + DQ + " имеет слишком большой размер";
    const std::string sizeText = FormatFileSize(st.size, 1);
    if (!sizeText.empty()) s += " (" + sizeText + ")";
    if (st.size > 5 * limit) {
      prompt.Ask(MsgKind::Error, Buttons::Ok,
                 s + " и вряд ли является файлом субтитров. Загрузка отменена! (Чтобы изменить максимально "
                     "допустимый размер открываемых файлов, зайдите в меню " + DQ + "Настройки" + DQ + " > " +
                     DQ + "Программа" + DQ + " и задайте желаемое значение размера в поле " + DQ + "Max" + DQ +
                     ".)");
      return false;
    }
    if (prompt.Ask(MsgKind::Warning, Buttons::OkCancel,
                   s + " и возможно не является файлом субтитров. Всё равно хотите открыть файл?") != Answer::Ok) {
      return false;
    }
  }

  std::string bytes;
  const ReadStatus status = fs.ReadFile(fileName, st.size, bytes);
  if (status == ReadStatus::CannotOpen) {
    prompt.Ask(MsgKind::Error, Buttons::Ok, "Ошибка! Не удалось открыть файл " + DQ + name + DQ + "!");
    return false;
  }
  // Only what arrived counts; a file that shrank since it was looked up is a failed read.
  if (status != ReadStatus::Ok || static_cast<int64_t>(bytes.size()) < st.size) {
    prompt.Ask(MsgKind::Error, Buttons::Ok, "Ошибка при чтении из файла " + DQ + name + DQ + "!");
    return false;
  }
  text = DecodeFileText(std::move(bytes));
  return true;
}

}  // namespace quillet
