#include "session/commands.h"

#include "core/editor_routines.h"
#include "core/mirror.h"
#include "core/time_shift.h"
#include "platform/codepage.h"
#include "storage/help_links.h"
#include "storage/report.h"

namespace quillet {

// ---- the operations ----

void TCommands::Normalize(const NormalizeOptions& options) { DoNormallize(editor(), false, options); }

void TCommands::NormalizeAll() { DoNormallize(editor(), true, NormalizeOptions{}); }

void TCommands::FindErrFromStart() {
  if (TFindErr* engine = session_.findErr()) engine->FindFromStart();
}

void TCommands::FindErrNext() {
  if (TFindErr* engine = session_.findErr()) engine->FindNext();
}

void TCommands::FindErrFromCaret() {
  if (TFindErr* engine = session_.findErr()) engine->FindFromLine(GetMemoCaret(editor().edit).line);
}

bool TCommands::FindErrFromMenuEnabled() {
  return session_.findErr() != nullptr && session_.FindErrButtons(true).fromStart;
}

bool TCommands::FindErrFromMenu() {
  if (!FindErrFromMenuEnabled()) return false;
  session_.view().ShowOperation(OperationGroup::FindErr);
  session_.findErr()->FindFromStart();
  return true;
}

void TCommands::Shift(bool add, const BlockRange& range, int seconds, int milliseconds) {
  ShiftTiming(editor(), add, range.first, range.last, seconds, milliseconds);
}

void TCommands::Stretch(const StretchInput& input) { StretchTiming(editor(), input); }

void TCommands::Mirror() { Reflect(editor()); }

void TCommands::RememberText() { session_.rememberedText().N13Click(editor()); }

void TCommands::RestoreText() { session_.rememberedText().N12Click(editor()); }

std::string TCommands::ReportText() {
  const FindErrSettings& rules = session_.findErrSettings();
  return JoinReport(BuildReport(session_.lines(), session_.format(), session_.document().OpenedFile(),
                                rules.minDuration, rules.maxDurationSec));
}

void TCommands::Convert() { session_.document().ConvertEditorText(TextFormat::Srt); }

void TCommands::RefreshFormat() { editor().format.GetTextFormat(); }

// ---- the editing group ----

void TCommands::EditGroupGo(GoButton button, const EditGroupGoValues& v) {
  TEditGroupGo& go = session_.editGroupGo();
  switch (button) {
    case GoButton::FirstLine: go.Button22Click(v); break;
    case GoButton::LastLine: go.Button23Click(v); break;
    case GoButton::Line: go.Button24Click(v); break;
    case GoButton::PrevBlock: go.Button30Click(v); break;
    case GoButton::NextBlock: go.Button31Click(v); break;
    case GoButton::Block: go.Button32Click(v); break;
    case GoButton::Time: go.Button9Click(v); break;
    case GoButton::PrevTime: go.Button10Click(v); break;
    case GoButton::NextTime: go.Button11Click(v); break;
  }
}

void TCommands::FindRow(FindRowButton button, const FindRowValues& v) {
  TFindRow& row = session_.findRow();
  switch (button) {
    case FindRowButton::Prev: row.Button3Click(v); break;
    case FindRowButton::Next: row.Button6Click(v); break;
    case FindRowButton::FromStart: row.Button7Click(v); break;
    case FindRowButton::FromEnd: row.Button8Click(v); break;
    case FindRowButton::Replace: row.Button14Click(v); break;
  }
}

void TCommands::SetFindRowDirection(bool prev) { session_.findRow().RightClick(prev); }

void TCommands::FindRowEnter(const FindRowValues& v, bool prevEnabled) { session_.findRow().EnterKey(v, prevEnabled); }

FindRowLook TCommands::FindRowButtons(bool enable, const std::string& search) const {
  return session_.findRow().Look(enable, search);
}

// ---- files ----

void TCommands::Open() { session_.document().Open(); }
void TCommands::OpenDroppedFile(const std::string& path) { session_.document().OpenFromFile(path); }
void TCommands::OpenClipboardFile() { session_.document().OpenClipboardFile(); }
void TCommands::Save() { session_.document().Save(); }
void TCommands::SaveAs() { session_.document().SaveAs(); }
void TCommands::SaveCopy() { session_.document().SaveCopy(); }
void TCommands::InsertFromFile() { session_.document().InsertFromFile(); }
void TCommands::InsertClipboardFile() { session_.document().InsertClipboardFile(); }

// ---- editing ----

bool TCommands::Undo() {
  const bool done = EditUndo(editor().edit);
  if (done) session_.view().RefreshEditButtons();
  return done;
}

bool TCommands::Cut() {
  const bool done = EditCut(editor().edit);
  session_.view().RefreshEditButtons();
  return done;
}

bool TCommands::Copy() {
  const bool done = EditCopy(editor().edit);
  session_.view().RefreshEditButtons();
  return done;
}

bool TCommands::Paste() {
  const bool done = EditPaste(editor().edit, session_.services().clipboard);
  session_.view().RefreshEditButtons();
  if (done) editor().FocusEditor();
  return done;
}

bool TCommands::Delete() {
  const bool done = EditDelete(editor().edit);
  session_.view().RefreshEditButtons();
  return done;
}

bool TCommands::SelectAll() { return EditSelectAll(editor().edit); }

void TCommands::InsertDateTime() {
  IClock& clock = session_.services().clock;
  EditInsert(editor().edit, cp1251::FromUtf8Lenient(clock.DateTimeText(clock.Now())));
}

void TCommands::SetReadOnly(bool readOnly) {
  editor().edit.SetReadOnly(readOnly);
  session_.SetMemo1Font();
  session_.view().RefreshEditButtons();
}

// ---- the message window ----

void TCommands::RepeatMessage() { session_.messages().N53Click(); }
void TCommands::MessageIndicator() { session_.messages().ToolButton3Click(); }
void TCommands::SetMessagePlacement(int placement) { session_.messages().SwitchMessWin(placement, false); }

// ---- help and web links ----

bool TCommands::Help(const std::string& programFolder) {
  const SessionServices& s = session_.services();
  return OpenHelpFile(HelpFilePlaces(programFolder), s.fs, s.shell, s.prompt);
}

bool TCommands::OpenSite(const std::string& utf8Hint) { return OpenSiteLink(utf8Hint, session_.services().shell); }

void TCommands::OpenMakerPage() { session_.services().shell.OpenDocument(MakerWebPage, true); }

// ---- the menus ----

EditMenuStates TCommands::EditMenu() {
  EditMenuStates s;
  s.edit = ContextMenuEdit();
  s.normalize = session_.lines().CachedTextLength() > 0;
  s.find = s.normalize;
  s.go = session_.lines().CachedLineCount() > 1;
  s.findErr = session_.FindErrButtons(true).fromStart;
  s.repeatCaption = session_.messages().RepeatCaption();
  s.repeat = session_.messages().RepeatEnabled();
  return s;
}

EditMenuState TCommands::ContextMenuEdit() { return SetMenuEdit(editor().edit, session_.services().clipboard); }

TextMenuStates TCommands::TextMenu() {
  TextMenuStates s;
  s.mirror = ReflectEnabled(session_.lines().CachedLineCount());
  s.remember = session_.rememberedText().CanRemember(editor().edit);
  s.restore = session_.rememberedText().CanRestore(editor().edit);
  return s;
}

bool TCommands::SaveCopyEnabled() const { return !session_.document().OpenedFile().empty(); }

ClipboardFileOffer TCommands::OfferClipboardFile() {
  ClipboardFileOffer offer;
  TDocument& document = session_.document();
  offer.offered = document.SetFormFileMenu(session_.services().clipboard.Files());
  if (offer.offered) {
    offer.openCaption = OpenClipboardFileCaption(document.ClipboardFile());
    offer.insertCaption = InsertClipboardFileCaption(document.ClipboardFile());
  }
  return offer;
}

}  // namespace quillet
