// Whether a window shows the hints (tool tips) of its controls: a switch per window, read by
// the main window's hint filter for every tool tip of the program.
#pragma once

class QObject;
class QWidget;

namespace quillet {

// Turns the hints of a window on or off.
void SetWindowShowHints(QWidget* window, bool show);
// On unless turned off.
bool WindowShowsHints(const QWidget* window);

// Whether the hint of this object may show: the switch of the nearest window up its parents
// that has one. A menu or another pop-up passes the question to the window it belongs to; a
// window without a switch of its own shows its hints.
bool HintAllowed(const QObject* target);

}  // namespace quillet
