#include "core/font_appearance.h"

namespace quillet {

TFontAppearance TFontAppearance::Default(uint32_t backColor) {
  TFontAppearance look;
  look.backColor = backColor;
  return look;
}

TextLook TFontAppearance::ToLook(std::string_view fontName) const {
  TextLook look;
  look.backColor = backColor;
  look.fontColor = fontColor;
  look.charset = charset;
  look.height = height;
  look.pitch = pitch;
  look.size = size;
  look.style = style;
  look.fontName = std::string(fontName);
  return look;
}

void TFontAppearance::ReadFont(const TextLook& look) {
  charset = look.charset;
  height = look.height;
  pitch = look.pitch;
  size = look.size;
  style = look.style;
}

namespace {

void Put(std::array<uint8_t, TFontAppearance::kPackedSize>& out, size_t field, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) out[field * 4 + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t Get(std::string_view bytes, size_t field) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value |= uint32_t{static_cast<uint8_t>(bytes[field * 4 + i])} << (8 * i);
  return value;
}

}  // namespace

std::array<uint8_t, TFontAppearance::kPackedSize> TFontAppearance::Pack() const {
  std::array<uint8_t, kPackedSize> out{};
  Put(out, 0, fontColor);
  Put(out, 1, backColor);
  Put(out, 2, charset);
  Put(out, 3, static_cast<uint32_t>(height));
  Put(out, 4, pitch);
  Put(out, 5, static_cast<uint32_t>(size));
  Put(out, 6, style);
  return out;
}

std::optional<TFontAppearance> TFontAppearance::Unpack(std::string_view bytes) {
  if (bytes.size() != kPackedSize) return std::nullopt;
  TFontAppearance look;
  look.fontColor = Get(bytes, 0);
  look.backColor = Get(bytes, 1);
  // The byte fields take the low byte of their slot, as the record holds them.
  look.charset = static_cast<uint8_t>(Get(bytes, 2));
  look.height = static_cast<int32_t>(Get(bytes, 3));
  look.pitch = static_cast<uint8_t>(Get(bytes, 4));
  look.size = static_cast<int32_t>(Get(bytes, 5));
  look.style = static_cast<uint8_t>(Get(bytes, 6) & 0x0F);
  return look;
}

TFontAppearance EditLookDefault() { return TFontAppearance::Default(ClWindow); }

TFontAppearance NoEditLookDefault() { return TFontAppearance::Default(ClMenuBar); }

TFontAppearance MessLookDefault() {
  TFontAppearance look = TFontAppearance::Default(ClMessBack);
  look.fontColor = ClNavy;
  return look;
}

}  // namespace quillet
