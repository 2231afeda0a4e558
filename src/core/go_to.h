// The go-to engine: moves of the caret to the first or last line, to a line by its number, to
// the previous or next block, to a block by its number and to a time.
//
// Each move looks for a target line of the shared line list (0-based; the count is the list's
// raw entry count, with the empty entry after a final line break) or explains why there is
// none. The front ends, the editing group of the panel and the go-to dialog, then place the
// caret or report. Messages are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/editor.h"

namespace quillet {

// The busy mark of the button that started a move (its tag). A move started from a button
// whose mark is set does nothing and reports nothing; otherwise the mark is set while the move
// runs and cleared afterwards, on every path.
struct GoBusyTag {
  int tag = 0;
};

// Where a search for a block or a time looks.
enum class GoMode : int { FromTop = 0, Before = 1, After = 2 };

// First line (0) / last line (count - 1). With fewer than two lines: the beep, false, and
// nothing to report.
bool GoFirstLine(Editor& editor, GoBusyTag& sender, int& line);
bool GoLastLine(Editor& editor, GoBusyTag& sender, int& line);

// Whether line (0-based) exists; otherwise the message names it 1-based.
bool CheckLinePosition(EditorLines& lines, int line, std::string& message);

// The line before line (in/out): in block mode the start of the nearest block at or above it.
bool GetPrevCanStr(EditorLines& lines, int& line, bool blockMode, std::string& message);
// The start of the caret's block, or of the previous one when the caret stands at the start
// of a line.
bool GoPrevBlock(Editor& editor, GoBusyTag& sender, int& line, std::string& message);
// The start of the next block below the caret's line.
bool GoNextBlock(Editor& editor, GoBusyTag& sender, int& line, std::string& message);

// The nearest block start at or above line / at or below start; -1 when there is none.
int FindBlockBackward(EditorLines& lines, int line);
int FindBlockForward(EditorLines& lines, int start);

// The block numbered number: the first from the top, the last before the caret or the first
// after it.
bool FindBlockByNumber(Editor& editor, GoBusyTag& sender, int32_t number, int& line, GoMode mode,
                       std::string& message);

// The line whose start time is time (whole seconds, or whole minutes without withSeconds), or
// with nearest the line whose time is nearest to it (the later one of two equally near).
bool FindTime(Editor& editor, GoBusyTag& sender, int32_t time, int& line, GoMode mode, bool nearest,
              bool withSeconds, std::string& message);

// The start time of a line in a text of the given format: SRT the first time code of the line;
// ASS and SSA the start of a "Dialogue:" event line. Without milliseconds the time is cut to
// whole seconds, without seconds to whole minutes.
bool ParseLineStartTime(std::string_view line, TextFormat format, int32_t& time, bool withSeconds,
                        bool withMilliseconds);

// The time a time picker's value asks for: whole seconds, or whole minutes without seconds.
int32_t GoTimeValue(int32_t pickerMs, bool withSeconds);

// The successful end of a move from the panel: caret to the start of line, line scrolled to the
// top, the status refreshed, the editor focused.
void GoToLine(Editor& editor, int line);
// The failure end: "Невозможно выполнить переход! " + message + "." in the message window when
// showErrors is on and there is a message, else the beep; then the editor gets the focus.
void ShowGoError(Editor& editor, const std::string& message, bool showErrors);
// The text the message window shows for a failed move.
std::string GoErrorText(const std::string& message);
// The report of a failed move without moving the focus: the message window or the beep.
void TellGoError(Editor& editor, const std::string& message, bool showErrors);

// One move as a front end asks for it.
enum class GoMove { FirstLine, LastLine, Line, PrevBlock, NextBlock, Block, Time };
struct GoRequest {
  GoMove move = GoMove::FirstLine;
  int32_t value = 0;  // Line: the 1-based line number; Block: the block number; Time: the picker's ms
  GoMode mode = GoMode::FromTop;
  bool nearest = false;
  bool withSeconds = false;
};
// Runs the move: true with the target line, or false with the message (empty when there is
// nothing to report: a busy button, or the first or last line of a one-line text).
bool RunGoMove(Editor& editor, GoBusyTag& sender, const GoRequest& request, int& line, std::string& message);

// The values of the editing group's go-to section, as its controls hold them.
struct EditGroupGoValues {
  int line = 1;            // "поз:" (Edit11), 1 to 32767
  int block = 0;           // "№:" (Edit17), 0 to 32767
  int32_t time = 0;        // the time picker's time of day in ms, whole seconds
  bool nearest = false;    // "Ближ."
  bool seconds = false;    // "Cек"
  bool showErrors = true;  // "Ошибки"
  bool sectionVisible = true;
};

// The go-to section of the editing group: its buttons' handlers and their busy marks. The panel
// calls a handler with the values its controls hold at the click.
class TEditGroupGo {
 public:
  explicit TEditGroupGo(Editor& editor) : editor_(editor) {}

  void Button22Click(const EditGroupGoValues& v);  // "н"
  void Button23Click(const EditGroupGoValues& v);  // "к"
  void Button24Click(const EditGroupGoValues& v);  // "поз:"
  void Button30Click(const EditGroupGoValues& v);  // "<" previous block
  void Button31Click(const EditGroupGoValues& v);  // ">" next block
  void Button32Click(const EditGroupGoValues& v);  // "№:"
  void Button9Click(const EditGroupGoValues& v);   // "T"
  void Button10Click(const EditGroupGoValues& v);  // "<" previous time
  void Button11Click(const EditGroupGoValues& v);  // ">" next time
  void GoTimeStr(const EditGroupGoValues& v, GoMode mode, GoBusyTag& sender);

  GoBusyTag button22, button23, button30, button31, button32, button9, button10, button11;

 private:
  void Run(GoBusyTag& sender, const GoRequest& request, const EditGroupGoValues& v);
  Editor& editor_;
};

}  // namespace quillet
