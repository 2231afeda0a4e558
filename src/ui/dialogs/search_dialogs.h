// The find, replace and go-to dialogs together: the commands that open them (the menu entries,
// Ctrl+F, F3, Ctrl+H, Ctrl+G and the tool buttons), the rule that opening one closes the
// others, the tool buttons' images and pressed state, and the main window's status update.
#pragma once

#include <QObject>
#include <QPointer>

#include "core/editor.h"
#include "core/navigation_values.h"

class QAbstractButton;
class QWidget;

namespace quillet {

class TFindForm;
class TGoForm;
class TReplform;

class TSearchDialogs : public QObject {
  Q_OBJECT

 public:
  // The dialogs are children of mainWindow and work on values' parts.
  TSearchDialogs(Editor& editor, NavigationValues& values, QWidget* mainWindow);

  TFindForm& FindForm() const { return *findForm_; }
  TReplform& ReplForm() const { return *replForm_; }
  TGoForm& GoForm() const { return *goForm_; }

  // "Найти" (Ctrl+F): only while the find dialog is hidden.
  void ActionFindExecute();
  // "Найти далее" (F3): only while the replace dialog is hidden.
  void ActionFindNextExecute();
  // "Заменить" (Ctrl+H): only while the replace dialog is hidden.
  void ActionReplExecute();
  // "Перейти" (Ctrl+G): only while the go-to dialog is hidden. A modal go-to dialog returns
  // from here when it closes.
  void ActionGoExecute();

  // The tool buttons: close their dialog when it shows, else open it (find and replace need a
  // text, go-to two lines); with nothing to work on, the beep.
  void ToolButton14Click();
  void ToolButton15Click();
  void ToolButton17Click();
  // The tool buttons that follow the dialogs (image and pressed state); any may be null.
  void SetToolButtons(QAbstractButton* find, QAbstractButton* replace, QAbstractButton* go);

  // The main window's status update: the replace dialog refreshes "Вд.", and the go-to dialog,
  // when visible, its position display. Answers whether the go-to dialog took the status bar's
  // block and time fields (then the status update leaves them alone).
  bool StatusChanged();

 private:
  void CloseIfVisible(QWidget* dialog);
  void Follow(QAbstractButton* button, int image, bool open);

  Editor& editor_;
  TFindForm* findForm_;
  TReplform* replForm_;
  TGoForm* goForm_;
  QPointer<QAbstractButton> findButton_, replaceButton_, goButton_;
};

}  // namespace quillet
