// What the find, replace and go-to dialogs share: their window style, their buttons, and the
// conversion of their fields' text to the code page of the subtitle text.
#pragma once

#include <QString>

#include <string>

class QDialog;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quillet {

// A fixed-size dialog with only a close icon in its title, of the given caption; onTop keeps it
// above the main window (the modeless dialogs).
void SetDialogWindowStyle(QDialog* dialog, const QString& caption, bool onTop);

// A push button that Enter never presses by itself: the fields' own Enter rules decide.
QPushButton* NewDialogButton(QWidget* parent, const char* name, const QString& caption,
                             const QString& hint = QString());

// A field's text as Windows-1251 (a character the code page lacks becomes "?", as it would in
// the editor), and back.
std::string FieldAnsi(const QLineEdit* edit);
QString AnsiToQString(const std::string& ansi);

}  // namespace quillet
