// The session: the program-wide objects of one run of the editor, created and destroyed in one
// stated order, the one place where a change of the editor's text is fanned out, and the
// start-up and close order of the program. Plain C++: the windows see it through their verbs
// and it sees them through ISessionView.
#pragma once

#include <memory>
#include <string>

#include "core/editor.h"
#include "core/find_err.h"
#include "core/font_appearance.h"
#include "core/status_texts.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/desktop_associations.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/memory_settings_store.h"
#include "platform/shell.h"
#include "session/message_window.h"
#include "session/operations.h"
#include "storage/document.h"
#include "storage/ext_data.h"
#include "storage/file_filter.h"
#include "storage/options.h"

namespace quillet {

// The platform's services of one run: the editor passes the Qt ones, tests fakes.
struct SessionServices {
  IEditControl& edit;
  IPrompt& prompt;
  IClipboard& clipboard;
  IShell& shell;
  IFileDialogs& dialogs;
  IFileSystem& fs;
  IClock& clock;
  // The settings store (the editor file types and the backups of another program's file
  // association) and the desktop's file associations; without them the types live in memory
  // only and nothing can be registered.
  ISettingsStore* store = nullptr;
  IDesktopAssociations* associations = nullptr;
};

// What the session tells the windows. The main window implements it; the message window's
// screen side (IMessageView) is part of it.
class ISessionView : public IMessageView {
 public:
  // The caret moved or the text changed: the status bar's fields, then the panel's buttons.
  virtual void ShowStatus(const StatusTexts& texts) = 0;
  // The editor's text changed (after the status): the panel's find row follows.
  virtual void TextChanged() = 0;
  virtual void SetCaption(const std::string& utf8Caption) = 0;
  // The error search may (or may no longer) go on: the ">" button.
  virtual void SetFindErrNextEnabled(bool enabled) = 0;
  // A normalization runs: the panel's "Выполнить" is off meanwhile.
  virtual void SetNormalizeRunning(bool running) = 0;
  // The current format's name for the conversion group ("SRT", "ASS", "SSA", "???").
  virtual void SetFormatName(const std::string& upperName) = 0;
  // The editor's undo or selection may have changed: the editing group's button looks follow.
  virtual void RefreshEditButtons() = 0;
  // The clipboard changed; hasText tells whether it holds text now.
  virtual void ClipboardChanged(bool hasText) = 0;
  // Shows the operations panel, if hidden, on the group of an operation.
  virtual void ShowOperation(OperationGroup group) = 0;
  // Start-up: the stored settings are put into the windows' controls.
  virtual void ApplyStartSettings() = 0;
  // Start-up: the main window appears.
  virtual void ShowMainWindow() = 0;
};

class TSession : public EditorHost {
 public:
  // FormCreate's part: the message window state, the editor's change event and the clipboard
  // watch. The view must be able to take the message window's first calls.
  TSession(const SessionServices& services, ISessionView& view);
  ~TSession() override;
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;

  // SetStart: empty editor, stored settings into the windows, the error search engine, the
  // editor file types (with the backups of types no longer registered dropped), the window
  // shown with the focus in the editor, then the file of the command line (empty: none).
  void Start(const std::string& commandLineFile);
  // FormClose: false when the user kept the unsaved text (the program goes on). Otherwise the
  // clipboard watch ends and the engine goes; later calls answer true at once.
  bool Close();
  bool Closed() const { return closed_; }

  // The editor's change event: caches stale, document modified, format to detect again, the
  // error search told, the status bar and the panel's find row refreshed.
  void OnTextChanged();
  // The caret moved (a key or the mouse let go in the editor).
  void OnCaretMoved() { SetStatus(); }

  // ---- the objects ----
  const SessionServices& services() const { return services_; }
  ISessionView& view() { return view_; }
  Editor& editor() { return context_.editor(); }
  EditorLines& lines() { return context_.lines(); }
  TextFormatTracker& format() { return context_.format(); }
  TMessageWindow& messages() { return messages_; }
  TDocument& document() { return document_; }
  // Null before the start and after the close.
  TFindErr* findErr() { return findErr_.get(); }
  ProgramOptions& options() { return options_; }
  // The editor file types: loaded at the start, feeding the document's filters and clipboard
  // file offer.
  TExtData& extData() { return extData_; }
  const ExtensionList& extensions() const { return extData_.Items(); }

  // ---- values the panel and the option dialogs set ----
  const FindErrSettings& findErrSettings() const { return findErrSettings_; }
  // The panel's rules changed: the next scan reads them again.
  void SetFindErrSettings(const FindErrSettings& settings);
  // The enabling of the error search's three buttons with the rules as they stand.
  FindErrButtonStates FindErrButtons(bool enable);

  // The look of the editor in the two modes (one font name) and of the message pane.
  TFontAppearance editLook = EditLookDefault();
  TFontAppearance noEditLook = NoEditLookDefault();
  std::string editFontName = DefaultEditFontName;
  TFontAppearance messLook = MessLookDefault();
  std::string messFontName = DefaultMessFontName;
  // SetMemo1Font: the read-only or the editing look, with the font name, in one bracket.
  void SetMemo1Font();

  // ---- EditorHost ----
  void SetStatus() override;
  void ResetErrorSearch() override;
  FindErrSettings ReadFindErrSettings() const override { return findErrSettings_; }
  void FindErrNextEnabled(bool enabled) override;
  void NormalizeRunning(bool running) override;
  void FormatNameChanged(const std::string& upperName) override;
  void TextConverted() override;
  void CaptionChanged(const std::string& utf8Caption) override;

 private:
  // In this order: created first, destroyed last.
  SessionServices services_;
  ISessionView& view_;
  ProgramOptions options_;
  FindErrSettings findErrSettings_;
  MemorySettingsStore ownStore_;  // the store when the services bring none
  NoDesktopAssociations noDesktop_;
  TExtData extData_;
  TMessageWindow messages_;
  EditorContext context_;
  TDocument document_;
  std::unique_ptr<TFindErr> findErr_;
  bool closed_ = false;
};

}  // namespace quillet
