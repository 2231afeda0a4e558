// The find and replace row of the editing group ("Пск", "Зам", "<", ">", "н", "к", "зам",
// "рег"): its direction, its searches and its single replacement, and the look of its buttons.
// The panel calls a handler with the values its controls hold, then refreshes the buttons.
#pragma once

#include <string>
#include <string_view>

#include "core/editor.h"

namespace quillet {

// The row's fields as the panel holds them; the two texts are stored between runs
// ("Op_Edt_Sfnd", "Op_Edt_Srep"). Windows-1251.
struct FindRowValues {
  std::string search;          // "Пск" (Edit9)
  std::string replace;         // "Зам" (Edit10)
  bool caseSensitive = false;  // "рег"
};

// The buttons "<", ">", "н", "к" and "зам" are enabled when enable is set and the search text
// is not blank; "<" and ">" are bold then, and the one of the current direction is also
// underlined.
struct FindRowLook {
  bool enabled = false;
  bool bold = false;
  bool underlinePrev = false;  // "<"
  bool underlineNext = false;  // ">"
};
FindRowLook FindRowLookFor(bool enable, std::string_view search, bool backward);

class TFindRow {
 public:
  explicit TFindRow(Editor& editor) : editor_(editor) {}

  // The direction flag: backward (up) or forward (down); forward at start.
  bool Backward() const { return backward_; }
  FindRowLook Look(bool enable, std::string_view search) const { return FindRowLookFor(enable, search, backward_); }

  // FindText: the beep for an empty search text; a search when the editor text is at least as
  // long as it.
  void FindText(const FindRowValues& v, bool fromEdge);
  void Button3Click(const FindRowValues& v);   // "<": backward from the selection
  void Button6Click(const FindRowValues& v);   // ">": forward from the selection
  void Button7Click(const FindRowValues& v);   // "н": forward from the start of the text
  void Button8Click(const FindRowValues& v);   // "к": backward from the end
  void Button14Click(const FindRowValues& v);  // "зам": replace the found text, find the next
  // A right-button press on "<" (prev) or ">" only sets the direction.
  void RightClick(bool prev) { backward_ = prev; }
  // Enter in "Пск" or "Зам": with "<" enabled, searches in the current direction. Answers
  // whether it searched.
  bool EnterKey(const FindRowValues& v, bool prevEnabled);

 private:
  Editor& editor_;
  bool backward_ = false;
};

}  // namespace quillet
