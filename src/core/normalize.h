// Normalization of the subtitle text: renumbering, trailing blanks, surplus empty lines.
#pragma once

#include <string>

#include "core/editor.h"
#include "core/whole_text_ops.h"

namespace quillet {

// The three check boxes of the "Нормализация" group.
struct NormalizeOptions {
  bool renumber = true;       // "Перенумерация"
  bool rightBlanks = true;    // "Пробелы справа"
  bool surplusLines = false;  // "Лишние строки"
};

// "Выполнить" is enabled exactly when at least one option is on.
bool NormalizeRunEnabled(const NormalizeOptions& options);

// The normalization. fromMenu runs it with all three options on (the menu command) and ignores
// options. The host hears NormalizeRunning(true) before anything else (the window turns
// "Выполнить" off) and NormalizeRunning(false) at the very end on every path (the button
// follows its check boxes again).
void DoNormallize(Editor& editor, bool fromMenu, const NormalizeOptions& options);

}  // namespace quillet
