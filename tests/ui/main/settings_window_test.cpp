// The stored settings through the windows: what a start puts into the controls comes back from
// them at the close, a first start shows every default, and values changed in the controls are
// there at the next start.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "core/constants.h"
#include "platform/memory_settings_store.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_edit_control.h"
#include "platform/qt/qt_clock.h"
#include "session/commands.h"
#include "support/fake_dialogs.h"
#include "support/fakes.h"
#include "support/settings_samples.h"
#include "ui/main/main_window.h"
#include "ui/main/message_pane.h"
#include "ui/main/program.h"
#include "ui/panel/operate_panel.h"

namespace quillet {
namespace {

using testing::ShowValue;

// One run of the program over a store that outlives it.
struct Session {
  explicit Session(MemorySettingsStore& store) : store(store) { program.Start(); }
  template <typename T = QWidget>
  T* Find(const char* name) {
    T* found = program.form().findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  // Closes the window (nothing unsaved, so nothing is asked): the settings are written.
  void Close() {
    ASSERT_TRUE(program.form().close());
    EXPECT_TRUE(prompt.questions.empty());
  }

  MemorySettingsStore& store;
  testing::FakeClipboard clipboard;
  testing::ScriptedPrompt prompt;
  testing::FakeShell shell;
  testing::FakeFileDialogs dialogs;
  PosixFileSystem fs;
  QtClock clock;
  TProgram program{ProgramServices{prompt, clipboard, shell, dialogs, fs, clock, store}};
};

// Every value of the table as the store holds it, read back for a screen.
StoredSettings Stored(MemorySettingsStore& store, ScreenSize screen) { return RegLoadOptions(store, screen).values; }

// The rows whose values a window writes (the read-only one is never written).
template <class Check>
void ForEachWrittenRow(Check check) {
  for (const SettingRow& row : SettingsTable()) {
    if (row.rule == SettingRule::ReadWithoutShowPanel) continue;
    SCOPED_TRACE(row.name);
    check(row);
  }
}

TEST(SettingsWindow, FirstStartShowsEveryDefaultAndWritesItBack) {
  MemorySettingsStore store;
  ScreenSize screen;
  {
    Session run(store);
    screen = run.program.form().Screen();
    // A few of the controls as the defaults set them; the close reads every control back.
    EXPECT_EQ(run.Find<QLineEdit>("Edit6")->text(), "500");
    EXPECT_EQ(run.Find<QLineEdit>("Edit14")->text(), "[,],{,},<i>,/,\\");
    EXPECT_EQ(run.Find<QComboBox>("ComboBox1")->currentIndex(), 0);
    EXPECT_TRUE(run.Find<QAction>("Action4")->isChecked());  // "Системное"
    EXPECT_TRUE(run.Find<QAction>("N21")->isChecked());      // the panel shows
    EXPECT_EQ(run.program.form().messagePane().PaneHeight(), screen.height / 12);
    run.Close();
  }
  MemorySettingsStore empty;
  const StoredSettings defaults = Stored(empty, screen);
  const StoredSettings written = Stored(store, screen);
  ForEachWrittenRow([&](const SettingRow& row) {
    if (row.rule == SettingRule::WindowBound) return;  // not written without "SaveWindow"
    // The go-to dialog's line field counts from 1: its stored 0 comes back as 1.
    const bool lineField = std::string_view(row.name) == "GoFrm_Pos";
    EXPECT_EQ(ShowValue(row, written), lineField ? "1" : ShowValue(row, defaults));
  });
}

// Every value away from its default goes into its control or the session at the start and is
// written back unchanged at the close, also those whose window is not part of this version.
TEST(SettingsWindow, EveryStoredValueComesBackFromTheWindows) {
  MemorySettingsStore probe;
  ScreenSize screen;
  { Session run(probe); screen = run.program.form().Screen(); }

  StoredSettings set = testing::NonDefaultSettings();
  set.operInd = OperationIndex(OperationGroup::Shift);
  set.findErr.minDuration = 700;
  set.findErr.maxDurationSec = 30;
  set.findErr.maxLines = 3;
  set.window = {screen.height / 2, screen.width / 2, 30, 40, kWindowNormal};
  set.messPaneHeight = screen.height / 5;
  set.goForm.timeMs = 3723000;  // the time pickers keep whole seconds
  set.editGroup.timeMs = 45296000;
  MemorySettingsStore store;
  ASSERT_TRUE(RegSaveOptions(set, store));
  const StoredSettings before = Stored(store, screen);
  {
    Session run(store);
    EXPECT_EQ(run.Find<QComboBox>("ComboBox1")->currentIndex(), 4);
    EXPECT_EQ(run.Find<QLineEdit>("Edit6")->text(), "700");
    EXPECT_EQ(run.Find<QLineEdit>("Edit15")->text(), "30");
    EXPECT_EQ(run.Find<QLineEdit>("Edit13")->text(), "3");
    EXPECT_EQ(run.Find<QLineEdit>("Edit3")->text(), "3");
    EXPECT_TRUE(run.Find<QAction>("Action2")->isChecked());  // "Сверху"
    EXPECT_FALSE(run.Find<QAction>("N21")->isChecked());     // hidden at the last close, not shown at start
    EXPECT_EQ(run.program.form().size(), QSize(screen.width / 2, screen.height / 2));
    EXPECT_EQ(run.program.form().messagePane().PaneHeight(), screen.height / 5);
    run.Close();
  }
  const StoredSettings after = Stored(store, screen);
  ForEachWrittenRow([&](const SettingRow& row) { EXPECT_EQ(ShowValue(row, after), ShowValue(row, before)); });
  EXPECT_EQ(after.window, before.window);
}

// Values changed in the controls are written at the close and are in the controls at the next
// start.
TEST(SettingsWindow, ControlsChangedInOneRunAreBackInTheNext) {
  MemorySettingsStore store;
  {
    Session run(store);
    TQuilletForm& form = run.program.form();
    form.panel().SetRange(12, 34);
    form.panel().ShowOperation(OperationGroup::Edit);
    run.Find<QCheckBox>("CheckBox4")->click();  // "Длит <, ms" off
    run.Find<QLineEdit>("Edit14")->setText("<b>");
    run.Find<QCheckBox>("CheckBox18")->click();  // "Лишние строки" on
    run.Find<QCheckBox>("CheckBox3")->click();   // "От начала" off
    run.Find<QLineEdit>("Edit9")->setText(QString::fromUtf8("слово"));
    run.Find<QLineEdit>("Edit17")->setText("77");
    run.Find<QPushButton>("Button16")->click();  // the go-to section collapsed
    run.Find<QAction>("Action3")->trigger();     // messages to the right
    run.Find<QAction>("N21")->trigger();         // the panel hidden
    form.messagePane().Splitter1Moved(90);
    run.Close();
  }
  const StoredSettings stored = Stored(store, {1024, 768});
  EXPECT_EQ(std::tuple(stored.rangeStart, stored.rangeEnd, stored.operInd), std::tuple(0, 0, 1));  // no "Запоминать"
  EXPECT_EQ(std::tuple(stored.findErr.minDurationOn, stored.findErr.specialList, stored.normalize.surplusLines,
                       stored.stretch.fromStart),
            std::tuple(false, std::string("<b>"), true, false));
  EXPECT_EQ(std::tuple(stored.editGroup.findText, stored.editGroup.goBlock, stored.editGroup.goVisible),
            std::tuple(testing::Ansi("слово"), uint16_t{77}, false));
  EXPECT_EQ(std::tuple(stored.messWinMode, stored.messWinLastMode, stored.panelVsbl, stored.messPaneHeight),
            std::tuple(uint8_t{kMessRight}, uint8_t{kMessSystem}, false, 90));

  Session next(store);
  EXPECT_EQ(next.Find<QComboBox>("ComboBox1")->currentIndex(), 1);
  EXPECT_FALSE(next.Find<QCheckBox>("CheckBox4")->isChecked());
  EXPECT_EQ(next.Find<QLineEdit>("Edit9")->text(), QString::fromUtf8("слово"));
  EXPECT_FALSE(next.program.form().panel().FullOpEditPanel());
  EXPECT_TRUE(next.Find<QAction>("Action3")->isChecked());
  EXPECT_TRUE(next.Find<QAction>("N21")->isChecked());  // "Показывть при запуске" shows it again
  EXPECT_EQ(next.program.form().messagePane().PaneHeight(), 90);
}

TEST(SettingsWindow, CancelledCloseWritesNothing) {
  MemorySettingsStore store;
  Session run(store);
  run.program.form().edit().SetText("unsaved");
  run.prompt.Script({Answer::Cancel});
  EXPECT_FALSE(run.program.form().close());
  EXPECT_TRUE(store.ValueNames(SettingsRoot::CurrentUser, RegKeyProgram).empty());
  run.prompt.Script({Answer::No});
  EXPECT_TRUE(run.program.form().close());
  EXPECT_FALSE(store.ValueNames(SettingsRoot::CurrentUser, RegKeyProgram).empty());
}

}  // namespace
}  // namespace quillet
