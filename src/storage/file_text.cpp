#include "storage/file_text.h"

#include "core/text_utils.h"
#include "platform/line_breaks.h"
#include "storage/file_names.h"

namespace quillet {
namespace {

const std::string DQ = "\"";

}  // namespace

std::string DecodeFileBytes(std::string bytes) { return DecodeBytes(std::move(bytes)).text; }

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

bool GetTextFromFile(IFileSystem& fs, IPrompt& prompt, const std::string& fileName, int32_t maxFileSizeKb,
                     std::string& text, TextReadInfo* info) {
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
  DecodedText decoded = DecodeBytes(std::move(bytes));
  text = ToCrLf(decoded.text);
  if (info) *info = decoded.info;
  return true;
}

}  // namespace quillet
