// The look of a text control as the program keeps it: the editor in its two modes and the
// message pane each have one, stored as a 28-byte record beside a separate font name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/edit_control.h"

namespace quillet {

// Colour values: 0x00BBGGRR, or 0xFF000000 + n for the system colour n.
inline constexpr uint32_t ClWindow = 0xFF000005;
inline constexpr uint32_t ClWindowText = 0xFF000008;
inline constexpr uint32_t ClMenuBar = 0xFF00001E;
inline constexpr uint32_t ClNavy = 0x00800000;
inline constexpr uint32_t ClMessBack = 0x00FFEFBD;  // red BD, green EF, blue FF

inline constexpr const char* DefaultEditFontName = "Lucida Console";
inline constexpr const char* DefaultMessFontName = "MS Sans Serif";

struct TFontAppearance {
  uint32_t fontColor = ClWindowText;
  uint32_t backColor = ClWindow;
  uint8_t charset = 1;   // the default character set
  int32_t height = -13;  // negative: character height in pixels
  uint8_t pitch = 0;     // 0 default, 1 variable, 2 fixed
  int32_t size = 8;      // points; set after the height, so it wins
  uint8_t style = 0;     // FontStyleBits

  // The default record on the given background.
  static TFontAppearance Default(uint32_t backColor);

  bool operator==(const TFontAppearance&) const = default;

  // The look of a control with this record and a font name (UTF-8).
  TextLook ToLook(std::string_view fontName) const;
  // Character set, height, pitch, size and style read back from a look; the colours stay.
  void ReadFont(const TextLook& look);

  // The stored form: seven little-endian 32-bit fields in the order of the record.
  static constexpr size_t kPackedSize = 28;
  std::array<uint8_t, kPackedSize> Pack() const;
  // A stored value of any other length is refused (the caller then keeps its default).
  static std::optional<TFontAppearance> Unpack(std::string_view bytes);
};

// The looks used when nothing is stored.
TFontAppearance EditLookDefault();    // window text on the window colour
TFontAppearance NoEditLookDefault();  // window text on the menu-bar colour (read-only mode)
TFontAppearance MessLookDefault();    // navy on 0xFFEFBD

}  // namespace quillet
