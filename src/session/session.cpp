#include "session/session.h"

#include "core/editor_routines.h"
#include "storage/text_decoding.h"

namespace quillet {

TSession::TSession(const SessionServices& services, ISessionView& view)
    : services_(services),
      view_(view),
      extData_(services.store, services.associations != nullptr ? *services.associations : noDesktop_),
      messages_(view, services.prompt, services.clock),
      context_(services.edit, services.prompt, messages_, *this),
      document_(context_.editor(), services.fs, services.dialogs, services.shell, settings_.options, extData_.Items()) {
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
  document_.Adopt(std::string());  // an empty new text: nothing unsaved
  remembered_.Clear();
  const LoadedSettings loaded = RegLoadOptions(services_.store, view_.Screen());
  settings_ = loaded.values;
  PutNavigationSettings();
  document_.SetMemory(DocumentMemory{settings_.lastOpenFile, settings_.lastSaveFile, settings_.lastInsertFile,
                                     settings_.lastOpenFilterType, settings_.lastSaveFilterType});
  view_.PutSettings(settings_);
  for (const LoadHandler handler : loaded.handlers) RunLoadHandler(handler, loaded);
  findErr_ = std::make_unique<TFindErr>(editor());
  SetStatus();
  edit.SetSel(0, 0);
  edit.ClearUndo();
  view_.SetShowHints(settings_.showHints);
  extData_.Load();
  extData_.PruneBackups();
  // A panel hidden at the last close stays hidden unless it is to show at every start.
  if (!settings_.panelVsbl && !settings_.showPanel) view_.SetOpPanelVisible(false);
  view_.ShowMainWindow();
  editor().FocusEditor();
  if (!commandLineFile.empty()) document_.OpenFromCommandLine(commandLineFile);
}

void TSession::PutNavigationSettings() {
  const ReplaceSettings& r = settings_.replace;
  navigation_.replace.what = r.what;
  navigation_.replace.with = r.with;
  navigation_.replace.memWhat = r.memWhat;
  navigation_.replace.memWith = r.memWith;
  const GoFormSettings& g = settings_.goForm;
  GoDialogValues& go = navigation_.go;
  go.left = g.left;
  go.top = g.top;
  go.autoClose = g.autoClose;
  go.canText = g.canText;
  go.showErrors = g.errMess;
  go.keepPosition = g.win;
  go.line = g.pos;
  go.block = g.blcStr;
  go.nearest = g.nearT;
  go.seconds = g.useSec;
  go.time = g.timeMs;
}

void TSession::TakeNavigationSettings() {
  const ReplaceDialogValues& r = navigation_.replace;
  settings_.replace = ReplaceSettings{r.memWhat, r.memWith, r.what, r.with};
  const GoDialogValues& go = navigation_.go;
  GoFormSettings& g = settings_.goForm;
  g.left = go.left;
  g.top = go.top;
  g.autoClose = go.autoClose;
  g.canText = go.canText;
  g.errMess = go.showErrors;
  g.win = go.keepPosition;
  g.pos = go.line;
  g.blcStr = go.block;
  g.nearT = go.nearest;
  g.useSec = go.seconds;
  g.timeMs = go.time;
}

void TSession::RunLoadHandler(LoadHandler handler, const LoadedSettings& loaded) {
  switch (handler) {
    case LoadHandler::SetMessWin:
      messages_.SwitchMessWin(settings_.messWinMode, false);
      messages_.SetMessWinLastMode(settings_.messWinLastMode);
      break;
    case LoadHandler::SetMemo1Font:
      SetMemo1Font();
      break;
    default:
      view_.RunLoadHandler(handler, loaded);
      break;
  }
}

bool TSession::Close() {
  if (closed_) return true;
  if (!document_.AskForSave()) return false;
  closed_ = true;
  services_.clipboard.SetChangeHandler({});
  const DocumentMemory& memory = document_.Memory();
  settings_.lastOpenFile = memory.lastOpenFile;
  settings_.lastSaveFile = memory.lastSaveFile;
  settings_.lastInsertFile = memory.lastInsertFile;
  settings_.lastOpenFilterType = memory.lastOpenFilterType;
  settings_.lastSaveFilterType = memory.lastSaveFilterType;
  settings_.messWinMode = messages_.MessWinMode();
  settings_.messWinLastMode = messages_.MessWinLastMode();
  view_.CollectSettings(settings_);
  TakeNavigationSettings();
  // A store that cannot be written loses the settings of this run, not the program's close.
  RegSaveOptions(settings_, services_.store);
  remembered_.Clear();
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
  settings_.findErr = settings;
  if (findErr_) findErr_->MarkSettingsDirty();
}

FindErrButtonStates TSession::FindErrButtons(bool enable) {
  const bool canContinue = findErr_ && findErr_->CanContinue();
  return quillet::FindErrButtons(settings_.findErr, enable, lines().CachedLineCount(),
                                 GetMemoCaret(services_.edit).line, canContinue);
}

void TSession::SetMemo1Font() {
  IEditControl& edit = services_.edit;
  const TFontAppearance& look = edit.ReadOnly() ? settings_.fontNoEdit : settings_.fontEdit;
  edit.BeginUpdate();
  edit.SetLook(look.ToLook(settings_.fontEditName));
  edit.EndUpdate();
}

// ---- EditorHost ----

void TSession::SetStatus() {
  StatusTexts texts = ComputeStatusTexts(lines());
  texts.document = DocumentStatusText(document_.OpenedFile().empty() ? nullptr : EncodingName(document_.ReadEncoding()),
                                      document_.TextModified());
  view_.ShowStatus(texts);
}

void TSession::ResetErrorSearch() {
  if (findErr_) findErr_->ResetState(true);
}

void TSession::FindErrNextEnabled(bool enabled) { view_.SetFindErrNextEnabled(enabled); }
void TSession::NormalizeRunning(bool running) { view_.SetNormalizeRunning(running); }
void TSession::FormatNameChanged(const std::string& upperName) { view_.SetFormatName(upperName); }
void TSession::TextConverted() { document_.ForgetSrtExtConsent(); }
void TSession::CaptionChanged(const std::string& utf8Caption) {
  view_.SetCaption(utf8Caption);
  // Opened or saved: the fourth field tells the encoding and that nothing is unsaved.
  SetStatus();
}

std::string DocumentStatusText(const char* encoding, bool modified) {
  std::string text = encoding != nullptr ? encoding : "";
  if (modified) text += std::string(text.empty() ? "" : ", ") + "Изменён";
  return text;
}

}  // namespace quillet
