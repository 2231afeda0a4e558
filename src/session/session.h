// The session: the program-wide objects of one run of the editor, created and destroyed in one
// stated order, the one place where a change of the editor's text is fanned out, and the
// start-up and close order of the program. Plain C++: the windows see it through their verbs
// and it sees them through ISessionView.
#pragma once

#include <memory>
#include <string>

#include "core/editor.h"
#include "core/find_err.h"
#include "core/navigation_values.h"
#include "core/font_appearance.h"
#include "core/status_texts.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/desktop_associations.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "session/message_window.h"
#include "session/operations.h"
#include "storage/document.h"
#include "storage/ext_data.h"
#include "storage/file_filter.h"
#include "storage/options.h"
#include "storage/remembered_text.h"
#include "storage/settings.h"

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
  ISettingsStore& store;
  // The desktop's file associations; without them nothing can be registered.
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
  // The screen's size, for the stored window bounds and the message pane's height.
  virtual ScreenSize Screen() const = 0;
  // Start-up: the loaded values go into the windows' controls (no handler runs yet).
  virtual void PutSettings(const StoredSettings& values) = 0;
  // Start-up: a routine a loaded value asks for, in the order of the table; the session runs
  // those of its own objects itself.
  virtual void RunLoadHandler(LoadHandler handler, const LoadedSettings& loaded) = 0;
  // Close: the values the windows' controls hold now, into values.
  virtual void CollectSettings(StoredSettings& values) = 0;
  // "Показывать подсказки": the hints of every window on or off.
  virtual void SetShowHints(bool show) = 0;
  // Start-up: the operations panel hidden because it was hidden at the last close.
  virtual void SetOpPanelVisible(bool show) = 0;
  // Start-up: the main window appears.
  virtual void ShowMainWindow() = 0;
};

// The fourth field of the status bar: the encoding the open file was read in (none without a
// file), and "Изменён" while the text has unsaved changes.
std::string DocumentStatusText(const char* encoding, bool modified);

class TSession : public EditorHost {
 public:
  // FormCreate's part: the message window state, the editor's change event and the clipboard
  // watch. The view must be able to take the message window's first calls.
  TSession(const SessionServices& services, ISessionView& view);
  ~TSession() override;
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;

  // SetStart: empty editor and remembered text, the stored settings into the windows with
  // their handlers, the error search engine, the editor file types (with the backups of types
  // no longer registered dropped), the window shown with the focus in the editor, then the
  // file of the command line (empty: none).
  void Start(const std::string& commandLineFile);
  // FormClose: false when the user kept the unsaved text (the program goes on). Otherwise the
  // clipboard watch ends, the settings are written, the remembered text is emptied and the
  // engine goes; later calls answer true at once.
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
  ProgramOptions& options() { return settings_.options; }
  TRememberedText& rememberedText() { return remembered_; }
  // Every stored value: loaded at start, written at close. While the program runs the values
  // of the session's own objects live here; those of the windows' controls are in the
  // controls and come back at close.
  StoredSettings& settings() { return settings_; }
  // The editor file types: loaded at the start, feeding the document's filters and clipboard
  // file offer.
  TExtData& extData() { return extData_; }
  // The values of the find, replace and go-to dialogs (loaded at start, stored at close).
  NavigationValues& navigation() { return navigation_; }
  // The editing group's go-to section and find row (their busy marks and direction).
  TEditGroupGo& editGroupGo() { return editGroupGo_; }
  TFindRow& findRow() { return findRow_; }
  const ExtensionList& extensions() const { return extData_.Items(); }

  // ---- values the panel and the option dialogs set ----
  const FindErrSettings& findErrSettings() const { return settings_.findErr; }
  // The panel's rules changed: the next scan reads them again.
  void SetFindErrSettings(const FindErrSettings& settings);
  // The enabling of the error search's three buttons with the rules as they stand.
  FindErrButtonStates FindErrButtons(bool enable);

  // SetMemo1Font: the read-only or the editing look, with the font name, in one bracket.
  void SetMemo1Font();
  // The message pane's look with its font name.
  TextLook MessLook() const { return settings_.fontMess.ToLook(settings_.fontMessName); }

  // ---- EditorHost ----
  void SetStatus() override;
  void ResetErrorSearch() override;
  FindErrSettings ReadFindErrSettings() const override { return settings_.findErr; }
  void FindErrNextEnabled(bool enabled) override;
  void NormalizeRunning(bool running) override;
  void FormatNameChanged(const std::string& upperName) override;
  void TextConverted() override;
  void CaptionChanged(const std::string& utf8Caption) override;

 private:
  void RunLoadHandler(LoadHandler handler, const LoadedSettings& loaded);
  // The dialogs' stored values between the settings and the navigation values.
  void PutNavigationSettings();
  void TakeNavigationSettings();

  // In this order: created first, destroyed last.
  SessionServices services_;
  ISessionView& view_;
  StoredSettings settings_;
  TRememberedText remembered_;
  NoDesktopAssociations noDesktop_;
  TExtData extData_;
  TMessageWindow messages_;
  EditorContext context_;
  TDocument document_;
  NavigationValues navigation_;
  TEditGroupGo editGroupGo_{context_.editor()};
  TFindRow findRow_{context_.editor()};
  std::unique_ptr<TFindErr> findErr_;
  bool closed_ = false;
};

}  // namespace quillet
