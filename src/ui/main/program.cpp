#include "ui/main/program.h"

#include "platform/qt/qt_edit_control.h"
#include "platform/qt/qt_look_dialogs.h"
#include "platform/qt/memo_widget.h"
#include "session/commands.h"
#include "ui/dialogs/about_form.h"
#include "ui/main/main_window.h"

namespace quillet {

TProgram::TProgram(const ProgramServices& s) : form_(std::make_unique<TQuilletForm>()) {
  if (s.fontDialog == nullptr || s.colorDialog == nullptr) ownLookDialogs_ = std::make_unique<QtLookDialogs>(form_.get());
  form_->CreateDialogs(s.fontDialog ? *s.fontDialog : *ownLookDialogs_, s.colorDialog ? *s.colorDialog : *ownLookDialogs_);
  session_ = std::make_unique<TSession>(
      SessionServices{form_->edit(), s.prompt, s.clipboard, s.shell, s.dialogs, s.fs, s.clock, s.store, s.associations},
      *form_);
  commands_ = std::make_unique<TCommands>(*session_);
  form_->Attach(*session_, *commands_);
}

TProgram::~TProgram() {
  form_->Detach();
  commands_.reset();
  session_.reset();
  form_.reset();
}

void TProgram::Start(const std::string& commandLineFile) {
  form_->abtFrm().setPics();
  session_->Start(commandLineFile);
}

}  // namespace quillet
