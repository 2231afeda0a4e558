#include "core/go_dialog.h"

#include "core/block_scanner.h"
#include "core/editor_routines.h"
#include "core/text_utils.h"
#include "core/time_codes.h"

namespace quillet {

GoInfo GoPositionInfo(Editor& editor) {
  GoInfo info;
  LinesUse use(editor.lines);
  const int count = editor.lines.Count();
  const int caretLine = GetMemoCaret(editor.edit).line;
  if (count == 0) {
    info.line = "0";
    info.block = "-";
    info.blockNumber = "-";
    return info;
  }
  const int total = caretLine == count ? count + 1 : count;
  info.line = Dec(caretLine + 1) + "/" + Dec(total);
  if (editor.format.GetTextFormat() != TextFormat::Srt) {
    info.block = "- (not srt)";
    info.blockNumber = "-";
    return info;
  }
  const BlockAtLine b = GetBlockNumber(editor.lines, caretLine);
  info.blockGroup = true;
  info.block = b.total > 0 ? Dec(b.ordinal) + "/" + Dec(b.total) : std::string("-");
  info.setStatus = true;
  if (b.number >= 0) {
    info.blockNumber = Dec(b.number);
    info.status1 = "Блок №: " + Dec(b.number);
    if (b.startTime >= 0) info.status2 = "Время: " + FormatTimeCodeEx(b.startTime, true);
  } else {
    info.blockNumber = b.total == 0 ? "?" : "-";
  }
  return info;
}

FramePos SetFrmPos(int screenWidth, int screenHeight, int left, int top, int width, bool keepPosition) {
  FramePos pos{left, top};
  if (keepPosition) {
    const int rightmost = screenWidth - screenWidth / 4;
    if (left > rightmost) {
      pos.left = rightmost;
    } else if (left < 0 && width / 4 > left + width) {
      pos.left = width / 4 - width;
    }
    return pos;
  }
  pos.left = static_cast<int>((screenWidth - width) / 1.5);
  if (pos.left < 0) pos.left = 0;
  pos.top = screenHeight / 12;
  return pos;
}

std::string GoTimeCaption(int32_t pickerMs, bool withSeconds) {
  return "Время: " + FormatTimeCodeEx(DateTimeToMs(MsToDateTime(pickerMs)), withSeconds);
}

}  // namespace quillet
