#include "session/session.h"

#include "core/editor_routines.h"

namespace quillet {

TSession::TSession(const SessionServices& services, ISessionView& view)
    : services_(services),
      view_(view),
      extData_(services.store != nullptr ? *services.store : ownStore_,
               services.associations != nullptr ? *services.associations : noDesktop_),
      messages_(view, services.prompt, services.clock),
      context_(services.edit, services.prompt, messages_, *this),
      document_(context_.editor(), services.fs, services.dialogs, services.shell, options_, extData_.Items()) {
  services_.edit.SetChangeHandler([this] { OnTextChanged(); });
  // The clipboard watch: the paste button follows the clipboard.
  services_.clipboard.SetChangeHandler([this] { view_.ClipboardChanged(services_.clipboard.HasText()); });
}

TSession::~TSession() {
  services_.clipboard.SetChangeHandler({});
  // The engine holds the editor's objects: it goes before them, and the editor no longer
  // reports to them.
  findErr_.reset();
  services_.edit.SetChangeHandler({});
  services_.edit.SetBeforeChangeHandler({});
}

void TSession::Start(const std::string& commandLineFile) {
  IEditControl& edit = services_.edit;
  edit.SetText(std::string());
  // What the settings store gives when nothing is stored yet.
  messages_.SwitchMessWin(kMessSystem, false);
  messages_.SetMessWinLastMode(kMessSystem);
  view_.ApplyStartSettings();
  SetMemo1Font();
  findErr_ = std::make_unique<TFindErr>(editor());
  SetStatus();
  edit.SetSel(0, 0);
  edit.ClearUndo();
  extData_.Load();
  extData_.PruneBackups();
  view_.ShowMainWindow();
  editor().FocusEditor();
  if (!commandLineFile.empty()) document_.OpenFromCommandLine(commandLineFile);
}

bool TSession::Close() {
  if (closed_) return true;
  if (!document_.AskForSave()) return false;
  closed_ = true;
  services_.clipboard.SetChangeHandler({});
  findErr_.reset();
  return true;
}

void TSession::OnTextChanged() {
  lines().MarkStale();
  document_.OnTextChanged();
  format().MarkNeedsDetection();
  if (findErr_) findErr_->OnTextChanged();
  SetStatus();
  view_.TextChanged();
}

void TSession::SetFindErrSettings(const FindErrSettings& settings) {
  findErrSettings_ = settings;
  if (findErr_) findErr_->MarkSettingsDirty();
}

FindErrButtonStates TSession::FindErrButtons(bool enable) {
  const bool canContinue = findErr_ && findErr_->CanContinue();
  return quillet::FindErrButtons(findErrSettings_, enable, lines().CachedLineCount(),
                                 GetMemoCaret(services_.edit).line, canContinue);
}

void TSession::SetMemo1Font() {
  IEditControl& edit = services_.edit;
  const TFontAppearance& look = edit.ReadOnly() ? noEditLook : editLook;
  edit.BeginUpdate();
  edit.SetLook(look.ToLook(editFontName));
  edit.EndUpdate();
}

// ---- EditorHost ----

void TSession::SetStatus() { view_.ShowStatus(ComputeStatusTexts(lines())); }

void TSession::ResetErrorSearch() {
  if (findErr_) findErr_->ResetState(true);
}

void TSession::FindErrNextEnabled(bool enabled) { view_.SetFindErrNextEnabled(enabled); }
void TSession::NormalizeRunning(bool running) { view_.SetNormalizeRunning(running); }
void TSession::FormatNameChanged(const std::string& upperName) { view_.SetFormatName(upperName); }
void TSession::TextConverted() { document_.ForgetSrtExtConsent(); }
void TSession::CaptionChanged(const std::string& utf8Caption) { view_.SetCaption(utf8Caption); }

}  // namespace quillet
