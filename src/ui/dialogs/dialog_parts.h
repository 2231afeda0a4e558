// What the find, replace and go-to dialogs share: their window style, their buttons, and the
// conversion of their fields' text to the code page of the subtitle text.
#pragma once

#include <QDialog>
#include <QString>

#include <string>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace quillet {

// A dialog that a tool button of the main window follows: OpenChanged(true) when it is shown,
// OpenChanged(false) when it is closed (a hide the window system causes, such as minimizing the
// main window, does not count).
class TToolDialog : public QDialog {
  Q_OBJECT

 public:
  using QDialog::QDialog;

 signals:
  void OpenChanged(bool open);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  // Runs when the dialog has closed, before OpenChanged(false).
  virtual void Closed() {}
};

// A fixed-size dialog with only a close icon in its title, of the given caption; onTop keeps it
// above the main window (the modeless dialogs).
void SetDialogWindowStyle(QDialog* dialog, const QString& caption, bool onTop);

// A push button that Enter never presses by itself: the fields' own Enter rules decide.
QPushButton* NewDialogButton(QWidget* parent, const char* name, const QString& caption,
                             const QString& hint = QString());

// The group "Направление" with "Вверх" (up) and "Вниз" (down, on).
QGroupBox* NewDirectionGroup(QWidget* parent, QRadioButton*& up, QRadioButton*& down);

// A field's text as Windows-1251 (a character the code page lacks becomes "?", as it would in
// the editor), and back.
std::string FieldAnsi(const QLineEdit* edit);
QString AnsiToQString(const std::string& ansi);

}  // namespace quillet
