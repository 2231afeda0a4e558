// A session over fakes of every platform service, with a view that records what the session
// tells the windows.
#pragma once

#include <string>
#include <vector>

#include "platform/memory_settings_store.h"
#include "platform/posix/posix_file_system.h"
#include "session/commands.h"
#include "session/session.h"
#include "support/fake_dialogs.h"
#include "support/fakes.h"

namespace quillet::testing {

// Ten o'clock, always.
class FakeClock : public IClock {
 public:
  int64_t Now() override { return now; }
  std::string LongTimeText(int64_t) override { return "10:00:00"; }
  std::string DateTimeText(int64_t) override { return "07.03.2026 10:00:00"; }
  int64_t now = 10 * 3600 * 1000;
};

// The windows as the session sees them: every call recorded, nothing shown.
class FakeSessionView : public ISessionView {
 public:
  void ShowStatus(const StatusTexts& texts) override { status.push_back(texts.position); }
  void TextChanged() override { ++textChanges; }
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  void SetFindErrNextEnabled(bool enabled) override { nextEnabled.push_back(enabled); }
  void SetNormalizeRunning(bool running) override { normalizeRunning.push_back(running); }
  void SetFormatName(const std::string& name) override { formatNames.push_back(name); }
  void RefreshEditButtons() override { ++editButtonRefreshes; }
  void ClipboardChanged(bool hasText) override { clipboardHasText.push_back(hasText); }
  void ShowOperation(OperationGroup group) override { operations.push_back(group); }
  ScreenSize Screen() const override { return {1024, 768}; }
  void PutSettings(const StoredSettings&) override { ++startSettings; }
  void RunLoadHandler(LoadHandler handler, const LoadedSettings&) override { handlers.push_back(handler); }
  void CollectSettings(StoredSettings&) override { ++collected; }
  void SetShowHints(bool show) override { hints.push_back(show); }
  void SetOpPanelVisible(bool show) override { panelVisible.push_back(show); }
  void ShowMainWindow() override { ++shown; }
  void SetPaneVisible(bool) override {}
  void SetPanel4Visible(bool) override {}
  void PlacePanel4(bool) override {}
  void MovePane(bool) override {}
  void SetPaneText(const std::string& text) override {
    if (!text.empty()) paneTexts.push_back(text);
  }
  void SetIndicatorVisible(bool) override {}
  void SetIndicatorImage(int) override {}
  void SetIndicatorHint(const std::string&) override {}
  void CheckPlacement(int) override {}
  bool OpPanelVisible() const override { return true; }

  std::vector<std::string> status, captions, formatNames, paneTexts;
  std::vector<bool> nextEnabled, normalizeRunning, clipboardHasText, hints, panelVisible;
  std::vector<LoadHandler> handlers;
  std::vector<OperationGroup> operations;
  int textChanges = 0, editButtonRefreshes = 0, startSettings = 0, collected = 0, shown = 0;
};

// A started session over an in-memory editor holding text (Windows-1251). Its messages go to
// the pane below the text ("10:00:00: " and the message), as recorded by the view.
// Given a store and the desktop's associations, the editor file types come from them.
template <class View = FakeSessionView>
struct BasicTestSession {
  explicit BasicTestSession(std::string_view text = {}, bool start = true,
                            MemorySettingsStore* settingsStore = nullptr, IDesktopAssociations* desktop = nullptr)
      : store(settingsStore != nullptr ? *settingsStore : ownStore), associations(desktop) {
    if (start) session.Start(std::string());
    session.messages().SwitchMessWin(kMessBelow, false);
    edit.SetText(text);
    edit.SetSel(0, 0);
  }

  FakeClipboard clipboard;
  FakeEditControl edit{&clipboard};
  ScriptedPrompt prompt;
  FakeShell shell;
  FakeFileDialogs dialogs;
  PosixFileSystem fs;
  FakeClock clock;
  MemorySettingsStore ownStore;
  MemorySettingsStore& store;
  IDesktopAssociations* associations;
  View view;
  TSession session{SessionServices{edit, prompt, clipboard, shell, dialogs, fs, clock, store, associations}, view};
  TCommands commands{session};
};

using TestSession = BasicTestSession<>;

}  // namespace quillet::testing
