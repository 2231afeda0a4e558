// The list of editor file types over an in-memory store and a fake desktop: what is loaded and
// stored, each item's state, the backups of another program's association, and the
// registration routines around them.
#include "storage/ext_data.h"

#include <gtest/gtest.h>

#include "core/constants.h"
#include "platform/memory_settings_store.h"
#include "support/desktop_fakes.h"

namespace quillet {
namespace {

constexpr auto kUser = SettingsRoot::CurrentUser;
constexpr auto kMachine = SettingsRoot::LocalMachine;

std::vector<std::string> Exts(const TExtData& data) {
  std::vector<std::string> exts;
  for (const TExtDataItem& item : data.Items()) exts.push_back(item.Ext);
  return exts;
}

class ExtDataTest : public ::testing::Test {
 protected:
  void Store(const StoredValue& value) { store.Write(kUser, RegKeyProgram, ExtDataStrValue, value); }
  std::string BackupKey(const std::string& ext) { return JoinKeyPath(RegKeyLastExt, ext); }

  MemorySettingsStore store;
  testing::FakeDesktop desktop;
  TExtData data{store, desktop};
};

TEST_F(ExtDataTest, LoadTakesEachExtensionOnceAndMarksTheListModifiedWhenItSkipsOne) {
  const struct {
    std::optional<StoredValue> stored;
    std::vector<std::string> exts;
    bool modified;
  } cases[] = {
      {std::nullopt, {"srt", "ass", "ssa"}, false},
      {StoredValue::Number(5), {"srt", "ass", "ssa"}, false},  // another kind: the default
      {StoredValue::Text("srt.srt.ass"), {"srt", "ass"}, true},
      {StoredValue::Text("..srt...ass."), {"srt", "ass"}, false},
      {StoredValue::Text("SRT.sub.Srt"), {"SRT", "sub"}, true},
      {StoredValue::Text("Суб.суб"), {"Суб"}, true},
      {StoredValue::Text("a\\b.srt.x|y"), {"srt"}, true},  // written by hand: no extensions
      {StoredValue::Text(""), {}, false},
  };
  for (const auto& c : cases) {
    store.DeleteValue(kUser, RegKeyProgram, ExtDataStrValue);
    if (c.stored) Store(*c.stored);
    data.Load();
    EXPECT_EQ(Exts(data), c.exts) << ValueToText(c.stored.value_or(StoredValue::Text("(none)")));
    EXPECT_EQ(data.Modified(), c.modified) << ValueToText(c.stored.value_or(StoredValue::Text("(none)")));
  }
  EXPECT_EQ(data.ExtIconFile(), "");
  store.Write(kUser, RegKeyProgram, ExtIconFileValue, StoredValue::Text("/icons/q.ico"));
  data.Load();
  EXPECT_EQ(data.ExtIconFile(), "/icons/q.ico");
}

TEST_F(ExtDataTest, EachItemsStateComesFromItsHandler) {
  desktop.handlers = {{"srt", "Quillet"}, {"mp3", "vlc"}, {"txt", "gedit"}, {"avi", ""}, {"ass", "*"}};
  Store(StoredValue::Text("srt.mp3.txt.avi.ass.ssa"));
  data.Load();
  struct State {
    bool registered, allowed, desirable, hasOther;
    bool operator==(const State&) const = default;
  };
  const auto state = [&](size_t i) {
    const TExtDataItem& it = data.Item(i);
    return State{it.Registered, it.Allowed, it.Desirable, it.HasOther};
  };
  const State expected[] = {{true, true, true, false},   // srt: this program, whatever the case
                            {false, false, true, true},  // mp3: forbidden, a player has it
                            {false, true, false, true},  // txt: undesirable
                            {false, false, true, false},  // avi: forbidden, nobody has it
                            {false, true, true, true},    // ass: an unknown program
                            {false, true, true, false}};  // ssa: free
  for (size_t i = 0; i < data.Count(); ++i) EXPECT_EQ(state(i), expected[i]) << data.Item(i).Ext;

  data.UpdateState(1, HandlerSource::ThisProgram);
  EXPECT_EQ(state(1), (State{true, true, true, false}));
  data.UpdateState(0, HandlerSource::Nobody);
  EXPECT_EQ(state(0), (State{false, true, true, false}));
  desktop.handlers["mp3"] = "";
  data.RefreshStates();
  EXPECT_EQ(state(0), (State{true, true, true, false}));
  EXPECT_EQ(state(1), (State{false, false, true, false}));

  EXPECT_TRUE(ExtInList(ForbiddenExtList, "JPEG"));
  EXPECT_FALSE(ExtInList(ForbiddenExtList, "jpe"));
}

TEST_F(ExtDataTest, SaveWritesTheSortedListAndMakesItDurable) {
  desktop.handlers = {{"srt", "quillet"}, {"юб", "quillet"}};
  Store(StoredValue::Text("ssa.SRT.ass.Юб.яa.b_c"));
  data.Load();
  EXPECT_EQ(data.ListString(false), "ass.b_c.SRT.ssa.Юб.яa");
  EXPECT_EQ(data.ListString(true), "SRT");  // the fake's handlers are found in ASCII case only
  EXPECT_EQ(data.Add("zip"), 6u);
  EXPECT_TRUE(data.Modified());
  EXPECT_EQ(data.Find("ZIP"), 6);
  EXPECT_EQ(data.Find("zi"), -1);

  const int flushes = store.flushes;
  ASSERT_TRUE(data.Save());
  EXPECT_FALSE(data.Modified());
  EXPECT_EQ(store.flushes, flushes + 1);
  EXPECT_EQ(store.Read(kUser, RegKeyProgram, ExtDataStrValue), StoredValue::Text("ass.b_c.SRT.ssa.zip.Юб.яa"));
  EXPECT_EQ(store.Read(kUser, RegKeyProgram, ExtIconFileValue), StoredValue::Text(""));
}

TEST_F(ExtDataTest, PruneBackupsKeepsOnlyThoseOfExtensionsRegisteredHere) {
  for (const char* ext : {"srt", "ASS", "zip", "txt"}) {
    store.Write(kMachine, BackupKey(ext), "Handler", StoredValue::Text("other"));
  }
  store.Write(kMachine, RegKeyProgram, "Other", StoredValue::Number(1));
  desktop.handlers = {{"srt", "quillet"}, {"ass", "quillet"}, {"txt", "gedit"}};
  Store(StoredValue::Text("srt.ass.txt"));
  data.Load();
  data.PruneBackups();
  EXPECT_EQ(store.SubKeys(kMachine, RegKeyLastExt), (std::vector<std::string>{"ASS", "srt"}));
  EXPECT_TRUE(store.Read(kMachine, RegKeyProgram, "Other").has_value());
}

TEST_F(ExtDataTest, RegisteringKeepsAnotherProgramsAssociationAndWithdrawingPutsItBack) {
  desktop.handlers = {{"srt", "vlc"}};
  data.Load();
  const int flushes = store.flushes;
  ASSERT_TRUE(data.Register(0));
  EXPECT_TRUE(data.Item(0).Registered);
  EXPECT_EQ(store.Read(kMachine, BackupKey("srt"), "Handler"), StoredValue::Text("vlc"));
  EXPECT_GT(store.flushes, flushes);  // the copy is safe before the association changes
  ASSERT_TRUE(data.Register(1));  // ass: nobody had it, nothing kept
  EXPECT_FALSE(store.KeyExists(kMachine, BackupKey("ass")));
  EXPECT_EQ(desktop.log, (std::vector<std::string>{"associate srt /opt/quillet/bin/quillet",
                                                   "associate ass /opt/quillet/bin/quillet"}));

  desktop.log.clear();
  ASSERT_TRUE(data.Unregister(0));
  EXPECT_EQ(desktop.log, (std::vector<std::string>{"dissociate srt", "restore srt"}));
  EXPECT_EQ(desktop.handlers["srt"], "vlc");
  EXPECT_FALSE(data.Item(0).Registered);
  EXPECT_TRUE(data.Item(0).HasOther);
  EXPECT_FALSE(store.KeyExists(kMachine, BackupKey("srt")));

  // Deleting a registered row withdraws its registration first.
  EXPECT_TRUE(data.Delete(1));
  EXPECT_EQ(desktop.handlers.count("ass"), 0u);
  EXPECT_EQ(Exts(data), (std::vector<std::string>{"srt", "ssa"}));
  EXPECT_FALSE(data.Delete(1));
  EXPECT_TRUE(data.Modified());
}

TEST_F(ExtDataTest, AFailedRegistrationLeavesTheRowUnregisteredAndAFailedRestoreKeepsTheBackup) {
  desktop.handlers = {{"srt", "vlc"}};
  desktop.failAssociate = true;
  data.Load();
  EXPECT_FALSE(data.Register(0));
  EXPECT_FALSE(data.Item(0).Registered);
  EXPECT_TRUE(data.Item(0).HasOther);

  // A backup that cannot be put back stays where it is.
  desktop.handlers["srt"] = "quillet";
  store.DeleteKey(kMachine, BackupKey("srt"));
  store.Write(kMachine, BackupKey("srt") + "\\part", "x", StoredValue::Number(1));
  EXPECT_TRUE(UnregisterExt(desktop, store, "srt", BackupKey("srt")));
  EXPECT_TRUE(store.KeyExists(kMachine, BackupKey("srt")));
  // Nothing of a name that cannot be an extension reaches the desktop or the store.
  desktop.log.clear();
  EXPECT_FALSE(RegisterExt(desktop, store, "a\\b", "/p", RegKeyLastExt, ""));
  EXPECT_FALSE(UnregisterExt(desktop, store, "", RegKeyLastExt));
  EXPECT_TRUE(desktop.log.empty());
}

}  // namespace
}  // namespace quillet
