// Stored settings for the round-trip tests: every value of the table set to something other
// than its default, and each value shown as text so that two sets compare row by row.
#pragma once

#include <string>
#include <type_traits>
#include <variant>

#include "storage/settings.h"
#include "support/fakes.h"

namespace quillet::testing {

// The value of a row's target as text (the range and the bounds by their fields).
inline std::string ShowValue(const SettingRow& row, const StoredSettings& values) {
  StoredSettings s = values;
  if (row.rule == SettingRule::RangeMemory) return std::to_string(s.rangeStart) + "-" + std::to_string(s.rangeEnd);
  return std::visit(
      [&s](auto accessor) -> std::string {
        using A = decltype(accessor);
        if constexpr (std::is_same_v<A, std::monostate>) {
          return "?";
        } else {
          const auto& v = accessor(s);
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, std::string>) {
            return "'" + v + "'";
          } else if constexpr (std::is_same_v<V, TFontAppearance>) {
            const auto packed = v.Pack();
            std::string hex;
            for (uint8_t b : packed) hex += std::to_string(b) + ",";
            return hex;
          } else {
            return std::to_string(static_cast<int64_t>(v));
          }
        }
      },
      row.target);
}

// Every value of the table away from its default, valid for a screen of 1920 x 1080.
inline StoredSettings NonDefaultSettings() {
  StoredSettings s;
  int n = 0;
  for (const SettingRow& row : SettingsTable()) {
    ++n;
    std::visit(
        [&](auto accessor) {
          using A = decltype(accessor);
          if constexpr (!std::is_same_v<A, std::monostate>) {
            auto& v = accessor(s);
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::string>) {
              const bool ansi = row.rule == SettingRule::AnsiText || row.rule == SettingRule::AnsiBlankEmpty;
              v = ansi ? Ansi("текст «") + row.name + Ansi("» ") : "/путь/" + std::string(row.name);
            } else if constexpr (std::is_same_v<V, bool>) {
              v = !v;
            } else if constexpr (std::is_same_v<V, uint8_t>) {
              v = static_cast<uint8_t>((v + 1 + n) % 5);
            } else if constexpr (std::is_same_v<V, uint16_t>) {
              v = static_cast<uint16_t>(v + 7 + n);
            } else if constexpr (std::is_same_v<V, int32_t>) {
              v = 1000 + n;
            } else if constexpr (std::is_same_v<V, TFontAppearance>) {
              v.fontColor ^= 0x00123456u + n;
              v.backColor = 0x00FFFFFFu - n;
              v.charset = 204;
              v.height = -16;
              v.pitch = 2;
              v.size = 12;
              v.style = kStyleBold | kStyleItalic;
            }
          }
        },
        row.target);
  }
  s.showHints = false;  // its two rows flipped it twice
  s.messWinMode = 1;
  s.messWinLastMode = 0;
  s.options.saveLastAdd = "_old";
  s.options.konvType = 2;
  s.rangeStart = 3;
  s.rangeEnd = 32000;
  s.window = {700, 900, -100, 20, kWindowMaximized};
  s.messPaneHeight = 200;
  s.showPanel = false;       // so that "Panels_Visbled" is read: it is never written and stays true
  s.panelsVisbled = true;
  return s;
}

}  // namespace quillet::testing
