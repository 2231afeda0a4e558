// One run of the editor put together in its order: the main window with its controls first
// (the message window's first calls go to them) and its dialogs, then the session over the
// window's editor, then the commands, then the operations panel over both. Destroyed the
// other way round.
#pragma once

#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/desktop_associations.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/look_dialogs.h"
#include "platform/prompt.h"
#include "platform/settings_store.h"
#include "platform/shell.h"

namespace quillet {

class QtLookDialogs;
class TCommands;
class TQuilletForm;
class TSession;

// The services of the platform the program takes: the editor passes the Qt ones, tests fakes.
struct ProgramServices {
  IPrompt& prompt;
  IClipboard& clipboard;
  IShell& shell;
  IFileDialogs& dialogs;
  IFileSystem& fs;
  IClock& clock;
  ISettingsStore& store;
  // The font and colour dialogs of the look dialogs; null: Qt's own.
  IFontDialog* fontDialog = nullptr;
  IColorDialog* colorDialog = nullptr;
  // The desktop's file associations; null: nothing can be registered.
  IDesktopAssociations* associations = nullptr;
};

class TProgram {
 public:
  explicit TProgram(const ProgramServices& services);
  ~TProgram();
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  // SetStart: the about window's pictures, the stored settings, the engine, the window shown,
  // then the command line's file.
  void Start(const std::string& commandLineFile = std::string());

  TQuilletForm& form() { return *form_; }
  TSession& session() { return *session_; }
  TCommands& commands() { return *commands_; }

 private:
  std::unique_ptr<QtLookDialogs> ownLookDialogs_;
  std::unique_ptr<TQuilletForm> form_;
  std::unique_ptr<TSession> session_;
  std::unique_ptr<TCommands> commands_;
};

}  // namespace quillet
