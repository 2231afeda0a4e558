#include "core/find_row.h"

#include "core/replace.h"
#include "core/text_search.h"
#include "core/text_utils.h"

namespace quillet {

FindRowLook FindRowLookFor(bool enable, std::string_view search, bool backward) {
  FindRowLook look;
  look.enabled = enable && !TrimmedView(search).empty();
  look.bold = look.enabled;
  look.underlinePrev = look.enabled && backward;
  look.underlineNext = look.enabled && !backward;
  return look;
}

void TFindRow::FindText(const FindRowValues& v, bool fromEdge) {
  if (v.search.empty()) {
    editor_.prompt.Beep();
    return;
  }
  if (editor_.lines.CachedTextLength() < static_cast<int>(v.search.size())) return;
  SearchInEditor(editor_, !backward_, v.caseSensitive, fromEdge, v.search);
  editor_.host.SetStatus();
}

void TFindRow::Button3Click(const FindRowValues& v) {
  backward_ = true;
  FindText(v, false);
}

void TFindRow::Button6Click(const FindRowValues& v) {
  backward_ = false;
  FindText(v, false);
}

void TFindRow::Button7Click(const FindRowValues& v) {
  backward_ = false;
  FindText(v, true);
}

void TFindRow::Button8Click(const FindRowValues& v) {
  backward_ = true;
  FindText(v, true);
}

void TFindRow::Button14Click(const FindRowValues& v) {
  if (v.search.empty()) {
    editor_.prompt.Beep();
    return;
  }
  // The row keeps no snapshot for a full undo.
  ReplaceFoundSelection(editor_, v.search, v.replace, v.caseSensitive, backward_, nullptr);
  FindText(v, false);
}

bool TFindRow::EnterKey(const FindRowValues& v, bool prevEnabled) {
  if (!prevEnabled) return false;
  if (backward_) {
    Button3Click(v);
  } else {
    Button6Click(v);
  }
  return true;
}

}  // namespace quillet
