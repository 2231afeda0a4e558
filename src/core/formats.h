// Subtitle formats of the editor text: detection of SRT, ASS and SSA, and the current format
// kept up to date lazily while the user types.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/editor_host.h"
#include "platform/prompt.h"

namespace quillet {

class IMessageSink;

class EditorLines;
struct Editor;

enum class TextFormat : uint8_t { Unknown = 0, Srt = 1, Ass = 2, Ssa = 3 };

// "srt", "ass", "ssa" or "SRT", "ASS", "SSA"; "???" for anything else.
std::string FormatName(TextFormat format, bool lowerCase);

// The three detection rules; Unknown when none matched.
TextFormat DetectFormatOf(std::string_view text);

class TextFormatTracker {
 public:
  // host hears the name after every updating detection (the "Текущий формат:" label).
  TextFormatTracker(EditorLines& lines, EditorHost& host) : lines_(lines), host_(host) {}

  // With update, also sets the current format, clears the needs-detection flag and rewrites
  // the label; a text once seen as SRT stays SRT until it is emptied or becomes ASS or SSA.
  TextFormat DetectTextFormat(std::string_view text, bool update);
  // Detects again when the text changed since the last detection; answers the current format.
  TextFormat GetTextFormat();

  void MarkNeedsDetection() { needsDetection_ = true; }
  bool NeedsDetection() const { return needsDetection_; }
  TextFormat Current() const { return current_; }

 private:
  EditorLines& lines_;
  TextFormat current_ = TextFormat::Unknown;
  bool needsDetection_ = true;
  EditorHost& host_;
};

// ---- ASS and SSA to SRT ------------------------------------------------------------------

// A number field of an ASS time: the piece as a decimal number written with at least width
// digits ("0" gives "00" for width 2). False when the piece is no number or the number needs
// more than width digits.
bool PadNumber(std::string_view piece, int width, std::string& out);

// Reads the next time of an event line from 1-based position p: the fields are found by the
// separators ",", ":", ":", ".", "," alone. Writes hh:mm:ss,mmm and leaves p on the closing
// comma, so that a second call reads the end time. False when a field is missing or bad.
bool ConvertAssTime(int& p, std::string_view line, std::string& out);

// "\N" or "\n", a line break of an event's text, at 0-based i.
bool IsAssBreakAt(std::string_view s, size_t i);

// The text of an event line: everything after its ninth comma; empty with fewer commas.
std::string_view AssEventText(std::string_view line);

// The text of an event line (everything after its ninth comma) without override tags and with
// its "\N" and "\n" breaks as CR LF. Empty when the line has fewer than nine commas.
std::string CleanAssText(std::string_view line);

struct SrtConversion {
  std::string srt;   // the SRT text, Windows-1251
  int blocks = 0;    // blocks written
  int errors = 0;    // event lines left out
};

// Every "Dialogue" event of an ASS or SSA text as a numbered SRT block.
SrtConversion ConvertAssEvents(std::string_view text);

// "Конвертация из ass в srt: Блоков добавлено: N, ошибок при конвертации: M" and its kind
// (a warning when an event was left out).
std::string ConvertReportText(const std::string& sourceName, const SrtConversion& result);
MsgKind ConvertReportKind(const SrtConversion& result);

// The conversion as the editor runs it: the SRT text, with the report in the message window.
// sourceName is "ass" or "ssa".
std::string ConvertToSrt(std::string_view text, const std::string& sourceName, IMessageSink& messages);

// The "Выполнить" command of the conversion group: converts the editor text into target (only
// SRT is a target) as one undoable edit, then tells the host (the document forgets its consent
// to a non-srt extension there).
void ConvertEditorText(Editor& editor, TextFormat target);

}  // namespace quillet
