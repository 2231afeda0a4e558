// The dialogs of the platform that choose a look: the font dialog and the colour dialog.
#pragma once

#include <cstdint>

#include "platform/edit_control.h"

namespace quillet {

class IFontDialog {
 public:
  virtual ~IFontDialog() = default;
  // Shows the dialog preset with the look's font. On OK the look takes the chosen font's name,
  // character set, height, pitch, size and style (its colours stay) and the answer is true;
  // on Cancel nothing changes. ansiOnly asks for fonts of the program's code page only, where
  // the platform can tell them apart.
  virtual bool ChooseFont(TextLook& look, bool ansiOnly) = 0;
};

class IColorDialog {
 public:
  virtual ~IColorDialog() = default;
  // Shows the dialog preset with the colour value. On OK value becomes the chosen colour
  // (0x00BBGGRR) and the answer is true; on Cancel it stays.
  virtual bool ChooseColor(uint32_t& value) = 0;
};

}  // namespace quillet
