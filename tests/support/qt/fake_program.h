// The whole program (main window, session, commands) over fakes of the platform's services,
// with the real file system and a Qt clock, for the window tests and the picture tool.
#pragma once

#include "platform/memory_settings_store.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_clock.h"
#include "support/fake_dialogs.h"
#include "support/fakes.h"
#include "ui/main/main_window.h"
#include "ui/main/program.h"

namespace quillet::testing {

template <class Clock = QtClock>
struct BasicFakeProgram {
  FakeClipboard clipboard;
  ScriptedPrompt prompt;
  FakeShell shell;
  FakeFileDialogs dialogs;
  PosixFileSystem fs;
  Clock clock;
  MemorySettingsStore store;  // never the user's own settings
  TProgram program{ProgramServices{prompt, clipboard, shell, dialogs, fs, clock, store}};
  TQuilletForm& form = program.form();
};

using FakeProgram = BasicFakeProgram<>;

}  // namespace quillet::testing
