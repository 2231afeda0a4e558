// Small helpers for the controls of the panels and dialogs.
#pragma once

#include <functional>

class QCheckBox;
class QFont;
class QFrame;
class QLabel;
class QPushButton;
class QString;
class QWidget;

class QGridLayout;
class QVBoxLayout;

namespace quillet {

class TUpDown;

// How a control that refuses a key or corrects its text makes itself heard. Tests pass a
// counter; an empty function means the platform's default beep.
using BeepFn = std::function<void()>;
void SystemBeep();
// Calls beep, or the platform's beep when it is empty.
void Sound(const BeepFn& beep);

// Enables or disables the up-down (when given) and the edit. An up-down that has an associated
// edit enables that one together with itself.
void SetEditPairEnabled(bool enabled, QWidget* edit, TUpDown* upDown);

// A single-line edit or an editable combo box: cuts its text to maxLen characters and beeps when
// it had to cut. Answers whether it cut. Other controls are left alone.
bool LimitEditLength(int maxLen, QWidget* control, const BeepFn& beep = {});

// Shows or hides every direct child control whose top is at or below top (in the container's
// coordinates), the last child first.
void SetChildrenVisibleBelow(QWidget* container, bool visible, int top);

// Enables or disables every direct child control.
void SetChildrenEnabled(QWidget* container, bool enabled);

// Places the given controls in a row, each overlapping the previous one's right edge by one
// pixel (left = previous left + previous width - 1). The chain stops at the first control not
// given. Meant for controls outside a layout: a layout would move them back.
void PlaceSideBySide(QWidget* c1, QWidget* c2, QWidget* c3 = nullptr, QWidget* c4 = nullptr,
                     QWidget* c5 = nullptr);

// The system's fixed-pitch font; where that name resolves to a font of varying widths (a
// fontconfig alias may), the first installed family that really is fixed-pitch.
QFont FixedPitchFont();

// Builders for the panels: a control with its object name, caption and tool tip.
QCheckBox* NewCheckBox(QWidget* parent, const char* name, const QString& caption,
                       const QString& hint, bool checked);
QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption,
                       const QString& hint);
// A plain-text label (name may be null).
QLabel* NewLabel(QWidget* parent, const char* name, const QString& caption);
// A sunken horizontal line that divides the rows of a panel.
QFrame* NewDivider(QWidget* parent, const char* name);
// A push button of a narrow tool panel: as wide as its caption needs, growing with the row
// instead of the style's wide minimum.
void MakeCompact(QPushButton* button);
// The layout of a panel group: its column of rows, and a grid of label and field pairs.
QVBoxLayout* NewGroupColumn(QWidget* group);
QGridLayout* NewGroupGrid();

}  // namespace quillet
