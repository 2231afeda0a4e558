// The session's editor file types: loaded from the store at the start (the backups of types no
// longer registered dropped), feeding the open dialog's filter and the clipboard file offer.
#include <gtest/gtest.h>

#include "core/constants.h"
#include "platform/memory_settings_store.h"
#include "storage/temp_folder.h"
#include "support/desktop_fakes.h"
#include "storage/ext_commands.h"
#include "support/session_fakes.h"

namespace quillet {
namespace {

using namespace testing;

TEST(SessionExtData, TheStoredFileTypesFeedTheFiltersAndTheClipboardOffer) {
  MemorySettingsStore store;
  FakeDesktop desktop;
  store.Write(SettingsRoot::CurrentUser, RegKeyProgram, "ExtDataStr", StoredValue::Text("sub.srt"));
  store.Write(SettingsRoot::LocalMachine, JoinKeyPath(RegKeyLastExt, "zip"), "Handler", StoredValue::Text("ark"));
  store.Write(SettingsRoot::LocalMachine, JoinKeyPath(RegKeyLastExt, "sub"), "Handler", StoredValue::Text("mpv"));
  desktop.handlers["sub"] = "quillet";

  TestSession t({}, false, &store, &desktop);
  TSession& session = t.session;
  EXPECT_TRUE(session.extensions().empty());  // nothing before the start
  session.Start(std::string());

  ASSERT_EQ(session.extensions().size(), 2u);
  EXPECT_EQ(session.extensions()[0].Ext, "sub");
  EXPECT_TRUE(session.extensions()[0].Registered);
  EXPECT_EQ(store.SubKeys(SettingsRoot::LocalMachine, RegKeyLastExt), std::vector<std::string>{"sub"});

  EXPECT_FALSE(session.document().Open());
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].request.filter,
            "Файлы заданных типов (*.sub;*.srt)|*.sub;*.srt|Файлы редактора (*.sub)|*.sub|Все файлы (*.*)|*.*");

  TempFolder folder;
  EXPECT_TRUE(session.document().SetFormFileMenu({folder.Write("film.sub", "1")}));
  EXPECT_FALSE(session.document().SetFormFileMenu({folder.Write("film.ass", "1")}));
  // A type added in the options counts at once.
  AddExt(session.extData(), "ass");
  EXPECT_TRUE(session.document().SetFormFileMenu({folder / "film.ass"}));
}

TEST(SessionExtData, WithoutAStoreTheDefaultTypesServe) {
  TestSession t;
  EXPECT_EQ(BuildFileFilter(t.session.extensions()).text,
            "Файлы заданных типов (*.srt;*.ass;*.ssa)|*.srt;*.ass;*.ssa|Все файлы (*.*)|*.*");
  EXPECT_FALSE(t.session.extData().Register(0));  // no desktop to register with
}

}  // namespace
}  // namespace quillet
