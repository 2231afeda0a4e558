#include "core/find_err.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <utility>

#include "core/block_scanner.h"
#include "core/constants.h"
#include "core/editor_routines.h"
#include "core/text_utils.h"
#include "core/time_codes.h"
#include "platform/codepage.h"

namespace quillet {
namespace {

// The message texts. The two sentences that start with "П" share one phrase, and the
// no-errors sentences share one tail.
const std::string kBadTime = "Некорректно задано время";
const std::string kEmptyBlock = "Пустой блок (текст отсутствует)";
const std::string kStartBeforePrevEnd =
    "Начальное время блока меньше конечного времени предыдущего блока";
const std::string kEndBeforeStart = "Конечное время блока меньше его начального времени";
const std::string kSpan = "ромежуток между начальным и конечным временем блока";
const std::string kTimeAsText =
    "Нарушение структуры субтитров. В качестве текста задано время в формате srt";
const std::string kGlued =
    ". Возможно, у вас склеены два соседних блока (блоки должны быть отделены друг от друга "
    "пустой строкой)";
const std::string kOutside = "Нарушение структуры субтитров. Текст вне блоков";
const std::string kNoErrorsTail = "шибок не найдено.";
const std::string kRenumberNotice =
    "Замечно нарушение упорядоченности нумерации блоков (не является ошибкой) - рекомендуется "
    "выполнить ренумерацию (необязательно).";
const std::string kScanFailed = "Сбой программы в процессе поиска ошибок! Поиск остановлен";

int32_t ClampToInt32(int64_t v) {
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

}  // namespace

std::vector<std::string> SplitForbiddenItems(std::string_view list) {
  std::vector<std::string> items;
  size_t start = 0;
  for (;;) {
    const size_t comma = list.find(',', start);
    const std::string_view piece =
        TrimmedView(list.substr(start, comma == std::string_view::npos ? std::string_view::npos
                                                                        : comma - start));
    if (!piece.empty()) items.emplace_back(piece);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return items;
}

FindErrButtonStates FindErrButtons(const FindErrSettings& s, bool enable, int lineCount, int caretLine,
                                   bool canContinue) {
  const bool specialRule = s.specialOn && !TrimmedView(s.specialList).empty();
  const bool anyRule = s.minDurationOn || s.overlapsOn || s.maxLinesOn || specialRule || s.numberingOn ||
                       s.structureOn || s.emptyBlocksOn;
  FindErrButtonStates states;
  states.fromStart = anyRule && enable && lineCount > 1;
  states.fromCaret = states.fromStart && caretLine >= 1 && caretLine < lineCount;
  states.next = states.fromStart && canContinue;
  return states;
}

TFindErr::TFindErr(Editor& editor) : editor_(editor) {
  const FindErrSettings defaults;
  specialList = defaults.specialList;
  ResetState(true);
  settingsDirty = true;
}

TFindErr::~TFindErr() {
  snapshot.clear();
  snapshot.shrink_to_fit();
}

void TFindErr::ResetState(bool clearSnapshot) {
  textChanged = false;
  if (clearSnapshot) {
    snapshot.clear();
    snapshot.shrink_to_fit();
  }
  lineText.clear();
  message.clear();
  skipped = 0;
  prevNumber = blockNumberLine = startTime = endTime = prevEndTime = current = -1;
  inBlock = false;
  lineInBlock = -1;
  numberingSequential = true;
  orderNoticeBlocked = false;
  lastBlockNumberLine = -1;
  outsideReported = false;
  tooManyReported = false;
  canContinue = false;
  editor_.host.FindErrNextEnabled(false);
}

void TFindErr::LoadSettings() {
  const FindErrSettings s = editor_.host.ReadFindErrSettings();
  minDurationOn = s.minDurationOn;
  minDuration = s.minDuration;
  maxDurationOn = s.maxDurationOn;
  maxDuration = ClampToInt32(static_cast<int64_t>(s.maxDurationSec) * 1000);
  overlapsOn = s.overlapsOn;
  maxLinesOn = s.maxLinesOn;
  maxLines = s.maxLines;
  specialOn = s.specialOn;
  specialList = s.specialList;
  structureOn = s.structureOn;
  emptyBlocksOn = s.emptyBlocksOn;
  numberingOn = s.numberingOn;
  settingsDirty = false;
}

bool TFindErr::RegisterError(bool ok, const std::string* text) {
  if (ok) return false;
  if (mode_ > 0 && current < mode_) {
    message.clear();
    ++skipped;
    return false;
  }
  found_ = true;
  if (text) message = *text;
  return true;
}

bool TFindErr::CheckSpecialChars() {
  if (!specialOn) return false;
  for (const auto& item : items_) {
    if (PosTextFrom(item, lineText, 1) == 0) continue;
    const bool reported = RegisterError(false, nullptr);
    message = std::string("В тексте найден запрещённый вами ") +
              (item.size() > 1 ? "набор символов" : "символ") + " \"" + cp1251::ToUtf8(item) + "\"";
    return reported;
  }
  return false;
}

bool TFindErr::CheckTimeLine(std::string_view line, bool probe) {
  if (probe) return ProbeTimeLine(line);
  std::string kept = std::move(message);
  message = kBadTime;
  const bool ok = quillet::CheckTimeLine(line, prevEndTime, startTime, endTime);
  if (ok) message = std::move(kept);
  return ok;
}

bool TFindErr::NextLine(int n) {
  ++current;
  if (current < n) {
    lineText = editor_.lines.Get(current);
    TrimRightSp(lineText);
    snapshot[current] = lineText;
    return true;
  }
  current = -1;
  lineText.clear();
  return false;
}

bool TFindErr::ApplyLineRules(int n) {
  // Blank line: closes the block and any run of text outside blocks.
  if (lineText.empty()) {
    outsideReported = false;
    tooManyReported = false;
    if (inBlock) {
      inBlock = false;
      lastBlockNumberLine = blockNumberLine;
      if (emptyBlocksOn && RegisterError(lineInBlock > 1, kEmptyBlock)) return true;
    }
    return false;
  }

  if (inBlock) {
    ++lineInBlock;
    if (lineInBlock == 1) {
      const bool ok = CheckTimeLine(lineText, false);
      if (RegisterError(ok, nullptr)) return true;
      if (!ok) return false;
      const int64_t start = startTime;
      const int64_t end = endTime;
      const int64_t d = end - start;
      if (overlapsOn) {
        if (RegisterError(prevEndTime <= startTime, kStartBeforePrevEnd)) return true;
        if (RegisterError(startTime <= endTime, kEndBeforeStart)) return true;
      }
      if (minDurationOn) {
        std::string text;
        if (d == 0) {
          text = "П" + kSpan + " имеет нулевую длину";
        } else if (d < 0) {
          text = "П" + kSpan + " имеет отрицательное значение (начальное время превышает конечное)";
        } else {
          text = "Слишком маленький п" + kSpan + ". Промежуток составляет всего " + Dec(d) +
                 " миллисекунд";
        }
        if (RegisterError(start + minDuration <= end, text)) return true;
      }
      if (maxDurationOn && RegisterError(d <= maxDuration, nullptr)) {
        std::string seconds;
        std::string s;
        if (FloatToStrSp(s, 0, 2, static_cast<long double>(d) / 1000)) seconds = " (" + s + " сек)";
        message = "Слишком большой промежуток между начальным и конечным временем блока. "
                  "Промежуток составляет " +
                  Dec(d) + " миллисекунд" + seconds;
        return true;
      }
      return false;  // no check of special characters on a time line
    }

    // A text line.
    if (structureOn && CheckTimeLine(lineText, true)) {
      std::string text = kTimeAsText;
      if (lineInBlock > 3) {
        text += kGlued;
        if (maxLinesOn && static_cast<int64_t>(lineInBlock) >= static_cast<int64_t>(maxLines) + 2) {
          tooManyReported = true;  // the glued block is not reported again for its length
        }
      }
      if (RegisterError(false, text)) return true;
    }
    if (maxLinesOn && !tooManyReported) {
      const bool ok = static_cast<int64_t>(lineInBlock) < static_cast<int64_t>(maxLines) + 2;
      if (RegisterError(ok, "Число строк текста больше, чем разрешено вашими настройками поиска "
                            "ошибок (превышает " +
                                Dec(maxLines) + ")")) {
        tooManyReported = true;
        return true;
      }
    }
    return CheckSpecialChars();
  }

  // Outside a block: a block starts here, or this is text outside blocks.
  const int32_t k = StrToBlockNumber(lineText);
  if (k != -1 && current + 1 < n && HasTimeArrow(editor_.lines.Get(current + 1))) {
    if (prevNumber >= 0) numberingSequential = numberingSequential && static_cast<int64_t>(k) - 1 == prevNumber;
    const bool notGreater = k <= prevNumber;
    prevNumber = k;
    blockNumberLine = current;
    lineInBlock = 0;
    inBlock = true;
    if (numberingOn) {
      if (RegisterError(!notGreater, "Некорректная нумерация блоков - номер текущего блока (" +
                                         Dec(k) + ") меньше или равен номеру предыдущего блока")) {
        return true;
      }
    } else if (notGreater) {
      orderNoticeBlocked = true;
    }
    return false;  // no check of special characters on a number line
  }
  orderNoticeBlocked = true;
  if (RegisterError(!(structureOn && !outsideReported), kOutside)) {
    outsideReported = true;
    return true;
  }
  return CheckSpecialChars();
}

void TFindErr::ShowError() {
  IEditControl& edit = editor_.edit;
  const int line = current;
  const int index = edit.LineIndex(line);
  edit.SetSel(index < 0 ? edit.TextLength() : index, 0);
  // Keep the block (or the block just closed) in view when it starts close above the error.
  int top = line;
  if (inBlock && blockNumberLine >= 0 && line - blockNumberLine < 12) top = blockNumberLine;
  if (lastBlockNumberLine >= 0 && line - lastBlockNumberLine < 12) top = lastBlockNumberLine;
  SetMemoTopLine(edit, top);
  editor_.host.SetStatus();
  message = "Ошибка! Строка " + Dec(static_cast<int64_t>(line) + 1) +
            (inBlock ? " Блок №" + Dec(prevNumber) : std::string()) + ". " + message + ".";
  editor_.messages.ShowMess(message, MsgKind::Error, false);
  editor_.FocusEditor();
}

void TFindErr::ShowEnd(int calledMode) {
  message.clear();
  if (skipped > 0 && calledMode != 0) {
    message = " Пропущено ошибок: " + Dec(skipped) + ".";
    if (calledMode < 0) {
      message = "Новых о" + kNoErrorsTail + message;
    } else {
      message = "От строки " + Dec(static_cast<int64_t>(calledMode) + 1) + " до конца текста о" +
                kNoErrorsTail + message;
    }
  } else {
    message = "О" + kNoErrorsTail;
    if (!numberingSequential && !orderNoticeBlocked) message += CRLF + kRenumberNotice;
  }
  message = "Сканирование завершено. " + message;
  editor_.messages.ShowMess(message, MsgKind::Information, false);
}

bool TFindErr::Scan(int mode) {
  const int calledMode = mode;
  bool result = false;
  bool failed = false;
  EditorLines& lines = editor_.lines;
  lines.BeginLinesUse();
  try {
    if (settingsDirty) LoadSettings();
    if (specialOn) items_ = SplitForbiddenItems(specialList);
    if (mode >= 0) ResetState(false);
    const int n = lines.Count();
    // An empty text holds one empty entry: nothing to search either.
    if (n == 0 || lines.LinesCount() == 0 || mode >= n) {
      ResetState(true);
      editor_.prompt.Beep();
    } else {
      if (mode < 0) {
        if (textChanged) {
          mode = ResyncWithText();
        } else if (current < 0) {
          // Nothing stopped: a continued search has no place to go on from.
          ResetState(false);
          mode = 0;
        } else {
          mode = current + 1;
          ++skipped;  // the error shown last is passed over
        }
      }
      mode_ = mode;
      found_ = false;
      if (static_cast<int>(snapshot.size()) != n) snapshot.resize(n);
      while (NextLine(n)) {
        if (ApplyLineRules(n)) break;
      }
      if (found_) {
        ShowError();
        result = true;
      } else {
        ShowEnd(calledMode);
      }
    }
  } catch (const std::exception&) {
    failed = true;
  }
  items_.clear();
  canContinue = current >= 0 && current + 1 < lines.Count();
  lines.EndLinesUse();
  editor_.host.FindErrNextEnabled(canContinue);
  if (failed) {
    editor_.prompt.Ask(MsgKind::Error, Buttons::Ok, kScanFailed + MsgContactDeveloper);
    return false;
  }
  return result;
}

int TFindErr::ResyncWithText() {
  if (!textChanged) return -1;
  EditorLines& lines = editor_.lines;
  const int count = lines.Count();
  if (current < 1 || count < 3) {
    ResetState(false);
    return 0;
  }
  const int limit = std::min(static_cast<int>(snapshot.size()), current + 1);
  int i = 0;
  int j = 0;
  bool skipA = true;
  bool skipB = true;
  std::string a;
  while (j < limit && i < count) {
    a = lines.Get(i);
    TrimRightSp(a);
    current = i;
    while (skipA && a.empty() && i + 1 < count) {
      ++i;
      a = lines.Get(i);
      TrimRightSp(a);
      current = i;
    }
    skipA = a.empty();
    while (skipB && snapshot[j].empty() && j + 1 < limit) ++j;
    skipB = snapshot[j].empty();
    if (skipA != skipB || !SameTextSp(a, snapshot[j])) {
      ResetState(false);
      return i;
    }
    ++i;
    ++j;
  }
  if (current > count - 1) current = count - 1;
  if (static_cast<int>(snapshot.size()) != count) snapshot.resize(count);
  for (int k = 0; k <= current; ++k) {
    snapshot[k] = lines.Get(k);
    TrimRightSp(snapshot[k]);
  }
  textChanged = false;
  return -1;
}

}  // namespace quillet
