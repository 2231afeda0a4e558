// The text rules of the small number fields on the panels: a single-line edit whose value is
// held by an up-down control with Min and Max.
//
// FilterEditKey decides what happens to a typed character; ClampEditNumber cleans the text
// after every change. Both only say what to do; the widget applies it and sounds the beep.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

struct KeyFilterResult {
  char32_t key = 0;   // the key to let through; 0 = swallowed
  bool beep = false;
};

// A typed character: control characters (below 32) always pass. A printable one is swallowed
// with a beep when the field already holds maxLen or more characters and nothing is selected,
// and when it is not an ASCII digit.
KeyFilterResult FilterEditKey(int textLength, bool hasSelection, char32_t key, int maxLen);

// The limits of the up-down bound to a field.
struct NumberLimits {
  int min = 0;
  int max = 0;
};

struct ClampResult {
  std::string text;   // what the field should hold
  bool beep = false;  // characters were removed or cut off
};

// The text after a change: every character that is not an ASCII digit is removed and the rest
// cut to maxLen characters (beep when that changed anything); then, with limits, a value above
// max becomes max, below min becomes min, and empty text becomes min. A run of digits too long
// for any integer counts as above max. The result passes through unchanged a second time.
// Text is taken byte-wise: bytes of multi-byte characters are never digits and go too.
ClampResult ClampEditNumber(std::string_view text, int maxLen, std::optional<NumberLimits> limits);

}  // namespace quillet
