// Registering editor file types with the desktop, end to end, in temporary XDG folders: the
// list, the commands and their questions, the backup in the store's local-machine root, the
// user's mimeapps.list given back byte for byte, and xdg-mime reading what we read.
#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>

#include "core/constants.h"
#include "platform/key_file_text.h"
#include "platform/memory_settings_store.h"
#include "platform/posix/xdg_associations.h"
#include "storage/ext_commands.h"
#include "support/desktop_fakes.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Exists;
using testing::ReadBytes;

constexpr auto kMachine = SettingsRoot::LocalMachine;

// The default application xdg-mime finds for a type, or nothing when xdg-mime is missing.
std::optional<std::string> XdgMimeDefault(const std::string& type) {
  if (std::system("command -v xdg-mime >/dev/null 2>&1") != 0) return std::nullopt;
  FILE* pipe = ::popen(("xdg-mime query default '" + type + "' 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string out;
  char buffer[256];
  while (const size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  ::pclose(pipe);
  while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
  return out;
}

class ExtRegistrationTest : public ::testing::Test {
 protected:
  void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

  testing::XdgSandbox sandbox;
  testing::FakeMimeDatabase mime;
  const std::string program = sandbox.Program("quillet");
  XdgAssociations desk{XdgPaths::FromEnvironment(), mime, program};  // the tools run when installed
  MemorySettingsStore store;
  TExtData data{store, desk};
  testing::ScriptedPrompt prompt;
};

TEST_F(ExtRegistrationTest, AnotherProgramsAssociationComesBackByteForByte) {
  sandbox.SystemApp("vlc.desktop", sandbox.Program("vlc"), "application/x-subrip;");
  const std::string list =
      "[Added Associations]\napplication/x-subrip=vlc.desktop;\n\n"
      "[Default Applications]\ntext/plain=gedit.desktop\napplication/x-subrip=vlc.desktop\n";
  Write(sandbox.MimeApps(), list);
  data.Load();
  ASSERT_EQ(data.Item(0).Ext, "srt");
  EXPECT_TRUE(data.Item(0).HasOther);

  prompt.Script({Answer::Yes});
  RegisterExts(data, prompt, {0}, true);
  ASSERT_EQ(prompt.questions.size(), 1u);
  EXPECT_EQ(prompt.questions[0].text, "Внимание! Расширение \"srt\" уже зарегистровано на программу \"vlc\". Всё "
                                      "равно хотите зарегистрировать расширение?");
  EXPECT_TRUE(data.Item(0).Registered);
  EXPECT_EQ(desk.GetExtHandler("srt").name, "quillet");
  const auto kept = ReadKeyTree(store, kMachine, JoinKeyPath(RegKeyLastExt, "srt"));
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->subkeys.at(0).tree.values.at(0).second, StoredValue::Text("vlc.desktop"));

  // Another tool makes us the only default meanwhile; withdrawing still gives the old line back.
  KeyFileText changed(ReadBytes(sandbox.MimeApps()));
  changed.SetEntry(kDefaultApplications, "application/x-subrip", "org.tannford.Quillet.desktop");
  Write(sandbox.MimeApps(), changed.Text());
  prompt.Script({Answer::Yes});
  UnregisterExts(data, prompt, {0}, true);
  EXPECT_EQ(ReadBytes(sandbox.MimeApps()), list);
  EXPECT_FALSE(store.KeyExists(kMachine, RegKeyLastExt));
  EXPECT_FALSE(data.Item(0).Registered);
  EXPECT_EQ(desk.GetExtHandler("srt").name, "vlc");
}

TEST_F(ExtRegistrationTest, TxtAsksFirstAndMp3OwnedByAPlayerIsNeverRegistered) {
  sandbox.SystemApp("gedit.desktop", sandbox.Program("gedit"));
  sandbox.SystemApp("vlc.desktop", sandbox.Program("vlc"));
  const std::string list = "[Default Applications]\ntext/plain=gedit.desktop\naudio/mpeg=vlc.desktop\n";
  Write(sandbox.MimeApps(), list);
  data.LoadFromString("txt.mp3");
  prompt.Script({Answer::No});
  RegisterExts(data, prompt, {0, 1}, true);
  ASSERT_EQ(prompt.questions.size(), 2u);
  EXPECT_EQ(prompt.questions[0].buttons, Buttons::YesNoCancelNoToAllYesToAll);
  EXPECT_NE(prompt.questions[0].text.find("Его регистрация на программу Редактора нежелательна."), std::string::npos);
  EXPECT_EQ(prompt.questions[1].buttons, Buttons::Ok);
  EXPECT_NE(prompt.questions[1].text.find("на программу \"vlc\" и имеет специфическое расширение"), std::string::npos);
  EXPECT_FALSE(data.Item(0).Registered || data.Item(1).Registered);
  EXPECT_EQ(ReadBytes(sandbox.MimeApps()), list);
  EXPECT_FALSE(Exists(desk.DesktopEntryPath()));
  EXPECT_TRUE(store.SubKeys(kMachine, "").empty());
}

TEST_F(ExtRegistrationTest, XdgMimeFindsTheDefaultWeRead) {
  if (!XdgMimeDefault("text/plain")) GTEST_SKIP() << "xdg-mime is not installed: nothing to compare with";
  sandbox.SystemApp("vlc.desktop", sandbox.Program("vlc"), "application/x-subrip;");
  Write(sandbox.MimeApps(), "[Default Applications]\napplication/x-subrip=vlc.desktop;\n");
  data.Load();
  EXPECT_EQ(XdgMimeDefault("application/x-subrip"), "vlc.desktop");
  EXPECT_EQ(desk.DefaultDesktopId("application/x-subrip"), "vlc.desktop");

  prompt.Script({Answer::Yes});
  RegisterExts(data, prompt, {0}, true);
  EXPECT_EQ(XdgMimeDefault("application/x-subrip"), "org.tannford.Quillet.desktop");
  EXPECT_EQ(desk.DefaultDesktopId("application/x-subrip"), "org.tannford.Quillet.desktop");

  prompt.Script({Answer::Yes});
  UnregisterExts(data, prompt, {0}, true);
  EXPECT_EQ(XdgMimeDefault("application/x-subrip"), "vlc.desktop");
  EXPECT_EQ(desk.DefaultDesktopId("application/x-subrip"), "vlc.desktop");
}

}  // namespace
}  // namespace quillet
