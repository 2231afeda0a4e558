// The settings store on disk: the whole table through a file in a temporary configuration
// folder, files that cannot be read, and a write that fails.
#include "platform/qt/qt_settings_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "platform/memory_settings_store.h"
#include "storage/settings.h"
#include "storage/temp_folder.h"
#include "support/settings_samples.h"

namespace quillet {
namespace {

using testing::ReadBytes;
using testing::ShowValue;
using testing::TempFolder;

constexpr ScreenSize kScreen{1920, 1080};
constexpr auto kUser = SettingsRoot::CurrentUser;
constexpr auto kMachine = SettingsRoot::LocalMachine;

// XDG_CONFIG_HOME set to a folder for the life of the object.
class ConfigHome {
 public:
  explicit ConfigHome(const std::string& folder) {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) old_ = old;
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  }
  ~ConfigHome() {
    if (old_) {
      setenv("XDG_CONFIG_HOME", old_->c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
  }

 private:
  std::optional<std::string> old_;
};

void ExpectRows(const StoredSettings& actual, const StoredSettings& expected) {
  for (const SettingRow& row : SettingsTable()) {
    EXPECT_EQ(ShowValue(row, actual), ShowValue(row, expected)) << row.name;
  }
}

TEST(QtSettingsStore, EveryValueComesBackFromTheFileInTheConfigurationFolder) {
  TempFolder home;
  const ConfigHome config(home.Path());
  const StoredSettings set = testing::NonDefaultSettings();
  {
    QtSettingsStore store;
    EXPECT_EQ(store.FilePath(kUser), home / "Tannford/Quillet.ini");
    ASSERT_TRUE(RegSaveOptions(set, store));
  }
  const std::string file = ReadBytes(home / "Tannford/Quillet.ini");
  EXPECT_EQ(file.substr(0, 28), "[SOFTWARE\\Tannford\\Quillet]\n") << file;
  EXPECT_NE(file.find("\nOP_FErr_DlitVal=dword:0000040b\n"), std::string::npos) << file;
  EXPECT_NE(file.find("текст «Repl_What» "), std::string::npos) << file;
  EXPECT_EQ(home.Names(), std::vector<std::string>{"Tannford"});

  QtSettingsStore store;
  const LoadedSettings loaded = RegLoadOptions(store, kScreen);
  ExpectRows(loaded.values, set);
  EXPECT_EQ(loaded.values.window, set.window);
  EXPECT_TRUE(store.KeptAside().empty());
}

TEST(QtSettingsStore, KindsNamesAndKeyTreesSurviveTheFile) {
  TempFolder folder;
  const std::string backup = "SOFTWARE\\Tannford\\Quillet\\LastExt\\srt";
  KeyTree tree;
  {
    QtSettingsStore store(folder.Path());
    store.Write(kUser, "Classes\\.srt", "", StoredValue::Text("srtfile"));
    store.Write(kUser, "Classes\\.srt", "list", StoredValue::Text("a, b,c"));
    store.Write(kUser, "Classes\\.srt", "tagged", StoredValue::Text("hex:00"));
    store.Write(kUser, "Classes\\.srt\\shell\\open\\command", "", StoredValue::Text("\"/usr/bin/quillet\" \"%1\""));
    store.Write(kUser, "Classes\\.srt", "bin", StoredValue::Binary(std::string("\0\n\xff", 3)));
    store.Write(kUser, "Classes\\.srt", "n", StoredValue::Number(-2));
    store.Write(kUser, "Classes\\.srt", " =odd [name]; #%", StoredValue::Text("  two\nlines\\ \x01\t "));
    EXPECT_FALSE(store.Write(kUser, "Classes\\a/b", "n", StoredValue::Number(1)));
    tree = *ReadKeyTree(store, kUser, "Classes\\.srt");
    ASSERT_TRUE(CopyKey(store, kUser, "Classes\\.srt", kMachine, backup));
    ASSERT_TRUE(store.DeleteKey(kUser, "Classes"));
    ASSERT_TRUE(store.Flush());
  }
  QtSettingsStore store(folder.Path());
  EXPECT_FALSE(store.KeyExists(kUser, "Classes"));
  EXPECT_EQ(ReadKeyTree(store, kMachine, backup), tree);
  EXPECT_EQ(store.ValueNames(kMachine, backup),
            (std::vector<std::string>{"", " =odd [name]; #%", "bin", "list", "n", "tagged"}));
  EXPECT_EQ(store.SubKeys(kMachine, backup), std::vector<std::string>{"shell"});
  // The current user's root has nothing left, so it has no file.
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Quillet-LocalMachine.ini"});
}

TEST(QtSettingsStore, AFileThatCannotBeReadGivesDefaultsAndIsKeptAside) {
  // A good file to cut short.
  TempFolder source;
  {
    QtSettingsStore store(source.Path());
    ASSERT_TRUE(RegSaveOptions(testing::NonDefaultSettings(), store));
  }
  std::string good = ReadBytes(source / "Quillet.ini");
  size_t cut = good.size() / 2;
  while (good[cut - 1] == '\n') ++cut;
  const std::string truncated = good.substr(0, cut);

  MemorySettingsStore none;
  const StoredSettings defaults = RegLoadOptions(none, kScreen).values;
  struct Case { const char* what; std::string bytes; bool folder; };
  const Case cases[] = {
      {"truncated", truncated, false},
      {"binary garbage", std::string("\x7f" "ELF\x02\x01\x01\0\0\0\xff\xfe\n", 14), false},
      {"not UTF-8", "[SOFTWARE]\nTannford\\Quillet\\MaxFileSize=\xff\xfe\n", false},
      {"not key=value", "[SOFTWARE]\nTannford\\Quillet\\MaxFileSize\n", false},
      {"unreadable", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    const std::string path = folder / "Quillet.ini";
    if (c.folder) {
      ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    } else {
      folder.Write("Quillet.ini", c.bytes);
    }
    folder.Write("Quillet.ini.bad", "an older bad file");
    {
      QtSettingsStore store(folder.Path());
      ExpectRows(RegLoadOptions(store, kScreen).values, defaults);
      EXPECT_EQ(store.KeptAside(), std::vector<std::string>{path + ".bad2"});
      ASSERT_TRUE(RegSaveOptions(testing::NonDefaultSettings(), store));
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Quillet.ini", "Quillet.ini.bad", "Quillet.ini.bad2"}));
    EXPECT_EQ(ReadBytes(path + ".bad"), "an older bad file");
    if (!c.folder) {
      EXPECT_EQ(ReadBytes(path + ".bad2"), c.bytes);
    }
    QtSettingsStore again(folder.Path());
    ExpectRows(RegLoadOptions(again, kScreen).values, testing::NonDefaultSettings());
  }
}

// Files written by this process may not grow beyond limit bytes while the object lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit now = old_;
    now.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &now);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST(QtSettingsStore, AFailedWriteLeavesTheOldFileWhole) {
  TempFolder folder;
  {
    QtSettingsStore store(folder.Path());
    ASSERT_TRUE(RegSaveOptions(StoredSettings{}, store));
  }
  const std::string old = ReadBytes(folder / "Quillet.ini");
  ASSERT_GT(old.size(), 1000u);
  {
    QtSettingsStore store(folder.Path());
    RegLoadOptions(store, kScreen);
    bool saved = true;
    {
      const FileSizeLimit limit(300);
      saved = RegSaveOptions(testing::NonDefaultSettings(), store);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(folder / "Quillet.ini"), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Quillet.ini"});
  }
}

}  // namespace
}  // namespace quillet
