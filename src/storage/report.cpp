#include "storage/report.h"

#include "core/constants.h"
#include "core/error_stats.h"
#include "core/find_err_settings.h"
#include "core/text_utils.h"
#include "core/time_codes.h"
#include "storage/file_names.h"
#include "storage/file_text.h"

namespace quillet {
namespace {

const std::string I2 = Indent2;
const std::string I8 = Indent8;
const std::string I12 = Indent12;
const std::string Sub = std::string(Indent12) + Indent5;

// The folder of a file without its closing "/" (the root stays "/").
std::string FolderOf(const std::string& file) {
  std::string folder = ExtractFilePath(file);
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

void AddSrtInfo(std::vector<std::string>& out, EditorLines& lines, int32_t minDurationMs, int32_t maxDurationSec) {
  out.push_back("");
  out.push_back(I8 + "SRT Info:");
  TReporter r;
  if (!CollectErrorStats(r, lines, minDurationMs, MaxDurationMs(maxDurationSec))) return;
  out.push_back(I12 + "Блоков: " + Dec(r.blockCount));
  if (!(r.minNumber == 1 && r.maxNumber == r.blockCount)) {
    out.push_back(I12 + "Нумерация блоков min/max: " + Dec(r.minNumber) + "/" + Dec(r.maxNumber));
  }
  if (r.earliestTime < 0 || r.latestTime < 0) {
    out.push_back(I12 + "Время: ???");
  } else {
    out.push_back(I12 + "Время: " + FormatTimeCodeEx(r.earliestTime, true) + " - " + FormatTimeCodeEx(r.latestTime, true));
    // The "c" before "ть" is the Latin letter, as the program has always written it.
    out.push_back(I12 + "Min длительно" "c" "ть: " + Dec(r.shortestDuration) + " миллисекунд");
    out.push_back(I12 + "Max длительно" "c" "ть: " + Dec(r.longestDuration) + " миллисекунд");
  }
  out.push_back(I12 + "Число строк текста в блоке, max: " + Dec(r.maxTextLines));
  out.push_back(I12 + "Наибльшая длина строки текста, символов: " + Dec(r.maxLineLength));
  out.push_back(I12 + "Наибльший размер текста в блоке, символов: " + Dec(r.maxBlockChars));
  if (r.trailingBlanks >= 1 || r.extraBlankLines >= 1 || !r.numberingOrdered) {
    out.push_back("");
    out.push_back(I12 + "Нормализация: Не помешает");
    if (r.trailingBlanks > 0) out.push_back(Sub + "Лишних пробелов: " + Dec(r.trailingBlanks));
    if (r.extraBlankLines > 0) out.push_back(Sub + "Лишних строк: " + Dec(r.extraBlankLines));
    if (!r.numberingOrdered) out.push_back(Sub + "Нарушение упорядоченности нумерации блоков: Имеется");
  }
  out.push_back("");
  if (r.errorCount == 0) {
    out.push_back(I12 + "Ошибки: Не обнаружено");
    return;
  }
  out.push_back(I12 + "Ошибки: найдено " + Dec(r.errorCount));
  const std::pair<std::string, int32_t> errors[] = {
      {"Некорректное время: ", r.badTimeLines},
      {"Текст вне блоков: ", r.textOutside},
      {"Склеенность блоков: ", r.gluedBlocks},
      {"Srt время вместо текста: ", r.timeAsText},
      {"Пересечение времени: ", r.overlaps},
      {"Длительность меньше [" + Dec(minDurationMs) + " ms]: ", r.tooShort},
      {"Длительность больше [" + Dec(maxDurationSec) + " sec]: ", r.tooLong},
      {"Пересечение нумерации блоков: ", r.numberingErrors},
      {"Блок без текста: ", r.emptyBlocks},
  };
  for (const auto& [label, count] : errors) {
    if (count > 0) out.push_back(Sub + label + Dec(count));
  }
}

}  // namespace

std::vector<std::string> BuildReport(EditorLines& lines, TextFormatTracker& format, const std::string& openedFile,
                                     int32_t minDurationMs, int32_t maxDurationSec) {
  std::vector<std::string> out;
  if (!openedFile.empty()) {
    out.push_back(I2 + "Файл: " + ExtractFileName(openedFile));
    out.push_back(I2 + "Путь: " + FolderOf(openedFile));
    out.push_back("");
  }
  out.push_back(I2 + "Текст:");
  const int len = lines.CachedTextLength();
  std::string size = FormatFileSize(len, 2);
  if (len >= 1024) size += " (" + Dec(len) + " байт)";
  out.push_back(I8 + "Размер: " + size);
  if (len <= 0) return out;
  out.push_back(I8 + "Строк: " + Dec(lines.CachedLineCount()));
  const TextFormat textFormat = format.GetTextFormat();
  out.push_back(I8 + "Формат субтитров: " + FormatName(textFormat, false));
  if (textFormat == TextFormat::Srt) AddSrtInfo(out, lines, minDurationMs, maxDurationSec);
  return out;
}

std::string JoinReport(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  return text;
}

}  // namespace quillet
