// Subtitle formats of the editor text: detection of SRT, ASS and SSA, and the current format
// kept up to date lazily while the user types.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillet {

class EditorLines;

enum class TextFormat : uint8_t { Unknown = 0, Srt = 1, Ass = 2, Ssa = 3 };

// "srt", "ass", "ssa" or "SRT", "ASS", "SSA"; "???" for anything else.
std::string FormatName(TextFormat format, bool lowerCase);

// The three detection rules; Unknown when none matched.
TextFormat DetectFormatOf(std::string_view text);

class TextFormatTracker {
 public:
  explicit TextFormatTracker(EditorLines& lines) : lines_(lines) {}

  // With update, also sets the current format, clears the needs-detection flag and rewrites
  // the label; a text once seen as SRT stays SRT until it is emptied or becomes ASS or SSA.
  TextFormat DetectTextFormat(std::string_view text, bool update);
  // Detects again when the text changed since the last detection; answers the current format.
  TextFormat GetTextFormat();

  void MarkNeedsDetection() { needsDetection_ = true; }
  bool NeedsDetection() const { return needsDetection_; }
  TextFormat Current() const { return current_; }

  // Called with the upper-case name after every updating detection (the "Текущий формат:" label).
  void SetLabelHandler(std::function<void(const std::string&)> handler) { onLabel_ = std::move(handler); }

 private:
  EditorLines& lines_;
  TextFormat current_ = TextFormat::Unknown;
  bool needsDetection_ = true;
  std::function<void(const std::string&)> onLabel_;
};

}  // namespace quillet
