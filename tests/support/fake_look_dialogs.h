// Scripted stand-ins for the font and colour dialogs: each records what it was preset with and
// answers with the next scripted choice (or Cancel when the script has run out).
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "platform/look_dialogs.h"

namespace quillet::testing {

class FakeLookDialogs : public IFontDialog, public IColorDialog {
 public:
  struct FontShown {
    TextLook preset;
    bool ansiOnly;
  };

  // The user picks a font: the look's name, character set, height, pitch, size and style.
  void ChooseFontAs(const TextLook& font) { fonts_.push_back(font); }
  void CancelFont() { fonts_.push_back(std::nullopt); }
  void ChooseColorAs(uint32_t value) { colors_.push_back(value); }
  void CancelColor() { colors_.push_back(std::nullopt); }

  bool ChooseFont(TextLook& look, bool ansiOnly) override {
    fontShown.push_back({look, ansiOnly});
    if (fonts_.empty()) return false;
    const std::optional<TextLook> next = fonts_.front();
    fonts_.pop_front();
    if (!next) return false;
    const uint32_t fontColor = look.fontColor, backColor = look.backColor;
    look = *next;
    look.fontColor = fontColor;
    look.backColor = backColor;
    return true;
  }

  bool ChooseColor(uint32_t& value) override {
    colorShown.push_back(value);
    if (colors_.empty()) return false;
    const std::optional<uint32_t> next = colors_.front();
    colors_.pop_front();
    if (!next) return false;
    value = *next;
    return true;
  }

  std::vector<FontShown> fontShown;
  std::vector<uint32_t> colorShown;

 private:
  std::deque<std::optional<TextLook>> fonts_;
  std::deque<std::optional<uint32_t>> colors_;
};

}  // namespace quillet::testing
