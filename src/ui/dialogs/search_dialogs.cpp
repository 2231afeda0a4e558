#include "ui/dialogs/search_dialogs.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "ui/dialogs/find_form.h"
#include "ui/dialogs/go_form.h"
#include "ui/dialogs/repl_form.h"
#include "ui/widgets/tool_icons.h"

namespace quillet {

TSearchDialogs::TSearchDialogs(Editor& editor, NavigationValues& values, QWidget* mainWindow)
    : QObject(mainWindow),
      editor_(editor),
      findForm_(new TFindForm(editor, values.find, mainWindow)),
      replForm_(new TReplform(editor, values.replace, mainWindow)),
      goForm_(new TGoForm(editor, values.go, mainWindow)) {
  connect(findForm_, &TFindForm::OpenChanged, this,
          [this](bool open) { Follow(findButton_, open ? kImageFindOn : kImageFind, open); });
  connect(replForm_, &TReplform::OpenChanged, this,
          [this](bool open) { Follow(replaceButton_, open ? kImageReplaceOn : kImageReplace, open); });
  connect(goForm_, &TGoForm::OpenChanged, this,
          [this](bool open) { Follow(goButton_, open ? kImageGoToOn : kImageGoTo, open); });
}

void TSearchDialogs::CloseIfVisible(QWidget* dialog) {
  if (dialog->isVisible()) dialog->close();
}

void TSearchDialogs::ActionFindExecute() {
  if (findForm_->isVisible()) return;
  CloseIfVisible(replForm_);
  CloseIfVisible(goForm_);
  if (editor_.edit.SelLength() > 0) {
    findForm_->SetWhat(FindTextFromSelection(editor_.edit.SelText(), findForm_->What()));
  }
  findForm_->ResetCase();
  findForm_->show();
}

void TSearchDialogs::ActionFindNextExecute() {
  if (replForm_->isVisible()) return;
  if (findForm_->isVisible()) {
    findForm_->Button1Click();
  } else if (findForm_->What().empty()) {
    CloseIfVisible(goForm_);
    findForm_->show();
  } else {
    findForm_->FindText();
  }
}

void TSearchDialogs::ActionReplExecute() {
  if (replForm_->isVisible()) return;
  CloseIfVisible(findForm_);
  CloseIfVisible(goForm_);
  replForm_->ResetCase();
  replForm_->SetStart();
  replForm_->show();
  auto* edit1 = replForm_->findChild<QLineEdit*>(QStringLiteral("Edit1"));
  edit1->selectAll();
  edit1->setFocus();
}

void TSearchDialogs::ActionGoExecute() {
  if (goForm_->isVisible()) return;
  CloseIfVisible(findForm_);
  CloseIfVisible(replForm_);
  goForm_->setstart();
  goForm_->GoFormSp();
}

void TSearchDialogs::ToolButton14Click() {
  if (findForm_->isVisible()) {
    findForm_->close();
  } else if (editor_.lines.CachedTextLength() >= 1) {
    ActionFindExecute();
  } else {
    editor_.prompt.Beep();
  }
}

void TSearchDialogs::ToolButton15Click() {
  if (replForm_->isVisible()) {
    replForm_->close();
  } else if (editor_.lines.CachedTextLength() >= 1) {
    ActionReplExecute();
  } else {
    editor_.prompt.Beep();
  }
}

void TSearchDialogs::ToolButton17Click() {
  if (goForm_->isVisible()) {
    goForm_->Button4Click();
  } else if (editor_.lines.CachedLineCount() >= 2) {
    ActionGoExecute();
  } else {
    editor_.prompt.Beep();
  }
}

void TSearchDialogs::SetToolButtons(QAbstractButton* find, QAbstractButton* replace, QAbstractButton* go) {
  findButton_ = find;
  replaceButton_ = replace;
  goButton_ = go;
  Follow(find, findForm_->isVisible() ? kImageFindOn : kImageFind, findForm_->isVisible());
  Follow(replace, replForm_->isVisible() ? kImageReplaceOn : kImageReplace, replForm_->isVisible());
  Follow(go, goForm_->isVisible() ? kImageGoToOn : kImageGoTo, goForm_->isVisible());
}

void TSearchDialogs::Follow(QAbstractButton* button, int image, bool open) {
  if (!button) return;
  button->setIcon(ToolIcon(image));
  button->setProperty("imageIndex", image);
  button->setCheckable(true);
  button->setChecked(open);
}

bool TSearchDialogs::StatusChanged() {
  if (replForm_->isVisible()) replForm_->SetSelButton();
  if (!goForm_->isVisible()) return false;
  goForm_->setInfo();
  return true;
}

}  // namespace quillet
