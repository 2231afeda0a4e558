#include "ui/main/program.h"

#include "platform/qt/qt_edit_control.h"
#include "platform/qt/memo_widget.h"
#include "session/commands.h"
#include "ui/main/main_window.h"

namespace quillet {

TProgram::TProgram(const ProgramServices& s) : form_(std::make_unique<TQuilletForm>()) {
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

void TProgram::Start(const std::string& commandLineFile) { session_->Start(commandLineFile); }

}  // namespace quillet
