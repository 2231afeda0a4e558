// Small helpers of the look and option dialogs: the OK and Cancel buttons, a dialog centred
// on its screen, and a text sample that shows a look.
#pragma once

#include "platform/edit_control.h"

class QBoxLayout;
class QDialog;
class QPushButton;
class QString;
class QWidget;

namespace quillet {

// A row at the right end of layout with OK (accepts, the default button) and, when cancel is
// not null, Cancel (rejects), named as given.
void AddOkCancelRow(QDialog* dialog, QBoxLayout* layout, QPushButton*& ok, const char* okName,
                    QPushButton** cancel = nullptr, const char* cancelName = nullptr);

// Puts a window in the middle of the screen it is on (the primary screen when it has none yet).
void CenterOnScreen(QWidget* window);

// The colours and the font of a look on a text control (a text edit, a label, ...): the
// background and the text colour of its palette, its font.
void ShowLook(QWidget* control, const TextLook& look);

// A font chosen for a sample: the sample takes the font's name, character set, height, pitch,
// size and style, and keeps its colours.
void TakeFont(TextLook& sample, const TextLook& font);

}  // namespace quillet
