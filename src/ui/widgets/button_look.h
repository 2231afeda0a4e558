// The two looks of a button that stays enabled but shows whether pressing it would do anything
// now: active (bold, window-text colour, hand cursor) and inactive (normal weight, grey text,
// default cursor).
#pragma once

class QAbstractButton;

namespace quillet {

// Gives the button the wanted look; a button that has it already is left untouched. The
// button's Enabled state never changes.
void SetBitBtnActive(QAbstractButton* button, bool active);

// Whether the button shows the active look.
bool BitBtnActive(const QAbstractButton* button);

}  // namespace quillet
