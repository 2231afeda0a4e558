// The mirror operation ("Текст" ▸ "Отразить"): reverses the characters of every text line of
// every block, leaving number lines, time lines, blank lines and text outside blocks alone.
#pragma once

#include "core/editor.h"

namespace quillet {

// "Отразить" is enabled when the text has more than two lines.
bool ReflectEnabled(int lineCount);

// The operation over the whole text: the structure pre-check, the walk, the question, and on
// Yes the new text and the report in the message window.
void Reflect(Editor& editor);

}  // namespace quillet
