// The error search: a resumable walk over the editor's lines that stops at the first line
// breaking one of the rules switched on in the "Поиск ошибок" group, puts the caret there and
// explains the fault in the message window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor.h"
#include "core/srt_lines.h"

namespace quillet {

// The forbidden items of a comma-separated list: pieces trimmed at both ends, empty ones
// dropped, in their order (Windows-1251).
std::vector<std::string> SplitForbiddenItems(std::string_view list);

// Which of the three buttons that start a search may be pressed: "Сначала" when some rule is on,
// enable is set and the text has more than one line; "Поз." also needs the caret below the
// first line, ">" the engine's go-ahead. "Длит >, sec" alone is not enough to search.
struct FindErrButtonStates {
  bool fromStart = false;  // "Сначала" (and the menu command with F7)
  bool next = false;       // ">"
  bool fromCaret = false;  // "Поз."
};
FindErrButtonStates FindErrButtons(const FindErrSettings& settings, bool enable, int lineCount, int caretLine,
                                   bool canContinue);

class TFindErr {
 public:
  // Create: the state is cleared with the snapshot, and the first scan reads the rules. The
  // editor's host hears whether ">" may go on (FindErrNextEnabled) at the end of every scan and
  // whenever the state is reset.
  explicit TFindErr(Editor& editor);
  // Destroy: releases the snapshot.
  ~TFindErr();
  TFindErr(const TFindErr&) = delete;
  TFindErr& operator=(const TFindErr&) = delete;

  // "Сначала" and F7: from the top.
  bool FindFromStart() { return Scan(0); }
  // ">": on after the last error shown.
  bool FindNext() { return Scan(-1); }
  // "Поз.": from a 0-based line; errors above it are passed over and counted.
  bool FindFromLine(int line) { return Scan(line < 0 ? 0 : line); }
  // mode 0 from the top, > 0 from that line, < 0 continue. True when an error was shown.
  bool Scan(int mode);

  // Forgets where the last scan stood; callers that replace the whole text pass true.
  void ResetState(bool clearSnapshot);
  // The editor's text changed: a continued scan first finds its place again.
  void OnTextChanged() { textChanged = true; }
  // A rule or limit changed: the next scan reads the rules again.
  void MarkSettingsDirty() { settingsDirty = true; }
  // Reads the rules through the host and clears the dirty mark.
  void LoadSettings();
  // After an edit: the line from which a continued scan must report again (the state is then
  // reset), or -1 when it may go on from current + 1.
  int ResyncWithText();

  // ---- what the last scan left ----
  bool CanContinue() const { return canContinue; }  // stopped on an error with lines after it
  int Current() const { return current; }           // the 0-based line it stopped at, or -1
  int Skipped() const { return skipped; }           // errors passed over by "Поз." or ">"
  bool SettingsDirty() const { return settingsDirty; }
  bool TextChanged() const { return textChanged; }
  // Each scanned line, right-trimmed, as it was when it was scanned.
  const std::vector<std::string>& Snapshot() const { return snapshot; }

 private:
  bool RegisterError(bool ok, const std::string* text);
  bool RegisterError(bool ok, const std::string& text) { return RegisterError(ok, &text); }
  bool CheckSpecialChars();
  // The member form works on the engine's own times and message.
  bool CheckTimeLine(std::string_view line, bool probe);
  bool NextLine(int n);
  // Applies the rules to the current line; true when the gate reported an error.
  bool ApplyLineRules(int n);
  void ShowError();
  void ShowEnd(int calledMode);

  Editor& editor_;
  std::vector<std::string> items_;  // forbidden items of the running scan
  int mode_ = 0;                    // start line of the running scan (> 0 passes over above it)
  bool found_ = false;

  // The rules as read at the start of a scan (maxDuration in ms).
  bool minDurationOn = true;
  int32_t minDuration = 500;
  bool maxDurationOn = false;
  int32_t maxDuration = 20000;
  bool overlapsOn = true;
  bool maxLinesOn = false;
  int32_t maxLines = 2;
  bool specialOn = false;
  std::string specialList;  // Windows-1251
  bool structureOn = true;
  bool emptyBlocksOn = false;
  bool numberingOn = false;

  bool settingsDirty = true;
  bool textChanged = false;

  // Scan state.
  std::vector<std::string> snapshot;
  bool canContinue = false;
  std::string lineText;  // the current line, right-trimmed (Windows-1251)
  std::string message;   // the current error text, then the final message (UTF-8)
  int skipped = 0;
  int32_t prevNumber = -1;
  int blockNumberLine = -1;
  int32_t startTime = -1;
  int32_t endTime = -1;
  int32_t prevEndTime = -1;
  int current = -1;
  bool inBlock = false;
  int lineInBlock = -1;
  bool numberingSequential = true;
  bool orderNoticeBlocked = false;
  int lastBlockNumberLine = -1;
  bool outsideReported = false;
  bool tooManyReported = false;
};

}  // namespace quillet
