#include "core/whole_text_ops.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "core/constants.h"
#include "core/editor_routines.h"
#include "core/error_stats.h"
#include "core/text_utils.h"

namespace quillet {

namespace ops {

size_t ReserveFor(EditorLines& lines) {
  const int64_t length = lines.CachedTextLength();
  // Room for the closing line break and for time codes that grow by an hour digit.
  return static_cast<size_t>(length + length / 64 + 16);
}

}  // namespace ops

bool TryForStructErr(Editor& editor, std::string_view operationName, int level) {
  const TextFormat format = editor.format.GetTextFormat();
  if (format == TextFormat::Srt) {
    const FindErrSettings settings = editor.host.ReadFindErrSettings();
    TReporter reporter;
    if (!CollectErrorStats(reporter, editor.lines, settings.minDuration, MaxDurationMs(settings.maxDurationSec))) return true;
    std::string parts;
    auto part = [&parts](const char* label, int32_t count) {
      if (count <= 0) return;
      if (!parts.empty()) parts += ", ";
      parts += label;
      parts += Dec(count);
    };
    part("склееные блоки: ", reporter.gluedBlocks);
    part("время вместо текста: ", reporter.timeAsText);
    part("текст вне блоков: ", reporter.textOutside);
    if (level > 2) {
      part("пересечения нумерации блоков: ", reporter.numberingErrors);
      part("некорректное время: ", reporter.badTimeLines);
    }
    if (level == 4) part("пересечение времени: ", reporter.overlaps);
    if (parts.empty()) return true;
    const std::string question = "В тексте замечены структурные ошибки: " + parts +
                                 ". Рекомендуется их исправить прежде чем производить " +
                                 std::string(operationName) + MsgContinueAnyway;
    return editor.prompt.Ask(MsgKind::Warning, Buttons::YesCancel, question) == Answer::Yes;
  }
  if (editor.lines.CachedLineCount() > 2) {
    std::string question = "Текст не удалось распознать как субтитры формата srt";
    if (level == 0) {
      question += ". Воизбежание недоразумений рекомендуется отключить опцию перенумерции при нормализации";
    }
    question += MsgContinueAnyway;
    return editor.prompt.Ask(MsgKind::Warning, Buttons::YesCancel, question) == Answer::Yes;
  }
  return true;
}

void SetMemoTextSp(Editor& editor, const NewLines& lines) {
  IEditControl& edit = editor.edit;
  const int first = edit.FirstVisibleLine();
  const int caret = edit.SelStart();
  {
    ops::EditUpdate update(edit);
    edit.SetText(lines.Text());
    edit.SetSel(caret, 0);
    edit.ScrollCaret();
  }
  SetMemoTopLine(edit, first);
  editor.host.SetStatus();
}

void SetMemoTextSp(Editor& editor, const std::vector<std::string>* lines) {
  if (lines == nullptr) return;
  NewLines text;
  size_t bytes = 0;
  for (const auto& line : *lines) bytes += line.size() + 2;
  text.Reserve(bytes);
  for (const auto& line : *lines) text.Add(line);
  SetMemoTextSp(editor, text);
}

}  // namespace quillet
