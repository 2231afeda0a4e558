// The main window's dialogs: creating them, and the commands that open them (the options, the
// looks, the report, the search dialogs, help and about) with what follows their closing.
#include <QAction>
#include <QCoreApplication>

#include "session/commands.h"
#include "ui/dialogs/about_form.h"
#include "ui/dialogs/mess_opt_form.h"
#include "ui/dialogs/report_form.h"
#include "ui/dialogs/search_dialogs.h"
#include "ui/main/main_window.h"
#include "ui/main/menu_hint.h"
#include "ui/main/message_pane.h"
#include "ui/options/post_opt_form.h"
#include "ui/panel/operate_panel.h"
#include "ui/widgets/show_hints.h"

namespace quillet {

namespace {

// The windows whose hints "Показывать подсказки" turns on and off, besides the main window.
const char* const kHintWindows[] = {"MainOptForm1", "PostOptForm", "FindForm", "Replform", "GoForm", "ReportForm"};

}  // namespace

void TQuilletForm::CreateDialogs(IFontDialog& fontDialog, IColorDialog& colorDialog) {
  postOptForm_ = new TPostOptForm(fontDialog, colorDialog, this);
  mainOptForm1_ = new TMainOptForm1(this);
  messOptForm_ = new TMessOptForm(fontDialog, colorDialog, this);
  connect(mainOptForm1_, &TMainOptForm1::ShowHintsChanged, this, &TQuilletForm::SetShowHints);
}

void TQuilletForm::N6Click() { reportForm_->ShowReport(commands_->ReportText()); }

void TQuilletForm::ActionFindExecute() {
  if (commands_->EditMenu().find) searchDialogs_->ActionFindExecute();
}

void TQuilletForm::ActionFindNextExecute() {
  if (commands_->EditMenu().find) searchDialogs_->ActionFindNextExecute();
}

void TQuilletForm::ActionReplExecute() {
  if (commands_->EditMenu().find) searchDialogs_->ActionReplExecute();
}

void TQuilletForm::ActionGoExecute() {
  if (commands_->EditMenu().go) searchDialogs_->ActionGoExecute();
}

void TQuilletForm::N16Click() {
  commands_->Help(programFolder_.empty() ? QCoreApplication::applicationDirPath().toStdString() : programFolder_);
}

void TQuilletForm::N60Click() { abtFrm_->exec(); }

void TQuilletForm::subscomru1Click(ActionId item) { commands_->OpenSite(HintOf(action(item)).toStdString()); }

// ---- hints ----

void TQuilletForm::SetShowHints(bool show) {
  showHints_ = show;
  if (!show) menuHint_->DoActivateHint(nullptr);
  SetWindowShowHints(this, show);
  for (QWidget* w : findChildren<QWidget*>()) {
    if (!w->isWindow()) continue;
    for (const char* name : kHintWindows) {
      if (w->objectName() == QLatin1String(name)) SetWindowShowHints(w, show);
    }
  }
}

void TQuilletForm::MenuItemSelected(QAction* item) {
  if (showHints_) menuHint_->DoActivateHint(item);
}

void TQuilletForm::N17Click() {
  StoredSettings& v = session_->settings();
  if (postOptForm_->Execute(v.fontEdit, v.fontNoEdit, v.fontEditName)) session_->SetMemo1Font();
}

void TQuilletForm::N18Click() {
  mainOptForm1_->Execute();
  // OK is the only way out: the size limit is taken, the range fields follow "Выделять".
  panel_->SetDiapColor(session_->options().diapClr);
}

void TQuilletForm::Action6Click() {
  StoredSettings& v = session_->settings();
  if (messOptForm_->Execute(v.fontMess, v.fontMessName)) Action6Execute();
}

void TQuilletForm::Action6Execute() { pane_->ApplyLook(session_->MessLook()); }

}  // namespace quillet
