// The desktop's file associations in temporary XDG folders: who opens a type by the MIME
// Applications rules, registering and withdrawing this program with the user's mimeapps.list
// left byte for byte as it was, our own MIME package for an extension no type claims, and what
// is kept to put another program's association back.
#include "platform/posix/xdg_associations.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

#include "platform/key_file_text.h"
#include "support/desktop_fakes.h"

namespace quillet {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::XdgSandbox;

class XdgAssociationsTest : public ::testing::Test {
 protected:
  XdgAssociations Desktop(std::vector<std::string> desktops = {}) {
    XdgPaths paths = XdgPaths::FromEnvironment();
    paths.desktops = std::move(desktops);
    return XdgAssociations(paths, mime, program, [this](const std::vector<std::string>& argv) {
      tools.push_back(argv);
      return true;
    });
  }
  void Write(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  std::pair<std::string, std::string> Handler(const XdgAssociations& desk, const std::string& ext) {
    const ExtHandler h = desk.GetExtHandler(ext);
    return {h.fileType, h.name};
  }

  XdgSandbox sandbox;
  testing::FakeMimeDatabase mime;
  std::vector<std::vector<std::string>> tools;
  const std::string program = sandbox.Program("quillet");
};

TEST_F(XdgAssociationsTest, FoldersComeFromTheEnvironmentWithTheRulesDefaults) {
  XdgPaths p = XdgPaths::FromEnvironment();
  EXPECT_EQ(p.configHome, sandbox.ConfigHome());
  EXPECT_EQ(p.dataHome, sandbox.DataHome());
  EXPECT_EQ(p.dataDirs, std::vector<std::string>{sandbox.SystemData()});
  EXPECT_TRUE(p.desktops.empty());

  setenv("XDG_CONFIG_HOME", "relative/config", 1);  // not absolute: ignored
  setenv("XDG_DATA_DIRS", ":relative:", 1);
  setenv("XDG_CURRENT_DESKTOP", "GNOME:Unity", 1);
  p = XdgPaths::FromEnvironment();
  EXPECT_EQ(p.configHome, sandbox.Root() + "/home/.config");
  EXPECT_EQ(p.dataDirs, (std::vector<std::string>{"/usr/local/share", "/usr/share"}));
  EXPECT_EQ(p.desktops, (std::vector<std::string>{"gnome", "unity"}));
  unsetenv("XDG_CURRENT_DESKTOP");
}

TEST_F(XdgAssociationsTest, TheHandlerFollowsTheMimeApplicationsRules) {
  sandbox.SystemApp("vlc.desktop", sandbox.Program("vlc"), "application/x-subrip;audio/mpeg;");
  sandbox.SystemApp("mpv.desktop", sandbox.Program("mpv"));
  sandbox.SystemApp("gone.desktop", sandbox.Root() + "/bin/not-installed");
  sandbox.SystemApp("kde-kate.desktop", sandbox.Program("kate"));
  Write(sandbox.SystemData() + "/applications/bus.desktop", "[Desktop Entry]\nType=Application\nDBusActivatable=true\n");
  const XdgAssociations desk = Desktop();

  // No type, no handler; a type that nothing opens.
  EXPECT_EQ(Handler(desk, "xyz"), std::make_pair(std::string(), std::string()));
  EXPECT_EQ(Handler(desk, "txt"), std::make_pair(std::string("text/plain"), std::string()));
  // An application that lists the type opens it when no list names one.
  EXPECT_EQ(Handler(desk, "SRT"), std::make_pair(std::string("application/x-subrip"), std::string("vlc")));

  // A default of the system's list; one not installed is passed over.
  Write(sandbox.SystemData() + "/applications/mimeapps.list",
        "[Default Applications]\napplication/x-subrip=gone.desktop;mpv.desktop;\ntext/plain=bus.desktop\n");
  EXPECT_EQ(Handler(desk, "srt").second, "mpv");
  EXPECT_EQ(Handler(desk, "txt").second, "*");  // started over the bus: no program to name
  // The user's list wins; "kde-kate.desktop" may live as kde/kate.desktop.
  std::filesystem::create_directories(sandbox.SystemData() + "/applications/kde");
  std::filesystem::rename(sandbox.SystemData() + "/applications/kde-kate.desktop",
                          sandbox.SystemData() + "/applications/kde/kate.desktop");
  Write(sandbox.MimeApps(), "[Default Applications]\napplication/x-subrip=kde-kate.desktop\n");
  EXPECT_EQ(Handler(desk, "srt").second, "kate");
  // The current desktop's own list comes before the plain one of the same folder.
  Write(sandbox.ConfigHome() + "/gnome-mimeapps.list", "[Default Applications]\napplication/x-subrip=vlc.desktop;\n");
  EXPECT_EQ(Handler(desk, "srt").second, "kate");
  EXPECT_EQ(Handler(Desktop({"gnome"}), "srt").second, "vlc");

  // Without a default: the added associations, and the removed ones hide an application.
  Write(sandbox.MimeApps(),
        "[Added Associations]\naudio/mpeg=gone.desktop;mpv.desktop;\n[Removed Associations]\naudio/mpeg=vlc.desktop;\n");
  EXPECT_EQ(Handler(desk, "mp3").second, "mpv");
  Write(sandbox.MimeApps(), "[Removed Associations]\naudio/mpeg=vlc.desktop;\n");
  EXPECT_EQ(Handler(desk, "mp3").second, "");
  // A hidden copy in the user's folder hides the system's entry of the same id.
  Write(sandbox.MimeApps(), "");
  Write(sandbox.DataHome() + "/applications/vlc.desktop", "[Desktop Entry]\nHidden=true\n");
  EXPECT_EQ(Handler(desk, "mp3").second, "");
}

TEST_F(XdgAssociationsTest, RegisteringAndWithdrawingLeaveTheUsersListsByteForByte) {
  sandbox.SystemApp("vlc.desktop", sandbox.Program("vlc"), "application/x-subrip;");
  const std::string list =
      "# my choices\n[Default Applications]\ntext/plain=gedit.desktop\napplication/x-subrip=vlc.desktop\n"
      "\n[Added Associations]\napplication/x-subrip=mpv.desktop;\n";
  const std::string gnomeList = "[Default Applications]\napplication/x-subrip = vlc.desktop;\n";
  Write(sandbox.MimeApps(), list);
  Write(sandbox.ConfigHome() + "/gnome-mimeapps.list", gnomeList);
  Write(sandbox.ConfigHome() + "/kde-mimeapps.list", "[Default Applications]\ntext/plain=kate.desktop\n");
  XdgAssociations desk = Desktop({"gnome", "kde"});
  EXPECT_EQ(Handler(desk, "srt").second, "vlc");

  ASSERT_TRUE(desk.Associate("srt", program, ""));
  EXPECT_EQ(Handler(desk, "srt").second, "quillet");
  EXPECT_EQ(KeyFileText(ReadBytes(sandbox.MimeApps())).Entry(kDefaultApplications, "application/x-subrip"),
            "org.tannford.Quillet.desktop;vlc.desktop");
  EXPECT_EQ(ReadBytes(sandbox.ConfigHome() + "/gnome-mimeapps.list"),
            "[Default Applications]\napplication/x-subrip =org.tannford.Quillet.desktop; vlc.desktop;\n");
  // A desktop's list without an entry for the type is left alone.
  EXPECT_EQ(ReadBytes(sandbox.ConfigHome() + "/kde-mimeapps.list"), "[Default Applications]\ntext/plain=kate.desktop\n");
  const std::string entry = ReadBytes(desk.DesktopEntryPath());
  EXPECT_EQ(desk.DesktopEntryPath(), sandbox.DataHome() + "/applications/org.tannford.Quillet.desktop");
  EXPECT_NE(entry.find("\nExec=" + program + " %f\n"), std::string::npos) << entry;
  EXPECT_TRUE(entry.starts_with("[Desktop Entry]\nType=Application\n")) << entry;
  EXPECT_TRUE(desk.Associate("srt", program, ""));  // once more: nothing changes
  EXPECT_EQ(KeyFileText(ReadBytes(sandbox.MimeApps())).Entry(kDefaultApplications, "application/x-subrip"),
            "org.tannford.Quillet.desktop;vlc.desktop");

  ASSERT_TRUE(desk.Dissociate("srt"));
  EXPECT_EQ(ReadBytes(sandbox.MimeApps()), list);
  EXPECT_EQ(ReadBytes(sandbox.ConfigHome() + "/gnome-mimeapps.list"), gnomeList);
  EXPECT_EQ(Handler(desk, "srt").second, "vlc");

  // Without a list of the user's: one is made, and goes again.
  std::filesystem::remove(sandbox.MimeApps());
  ASSERT_TRUE(desk.Associate("ass", program, ""));
  EXPECT_EQ(ReadBytes(sandbox.MimeApps()), "[Default Applications]\ntext/x-ssa=org.tannford.Quillet.desktop;\n");
  ASSERT_TRUE(desk.Dissociate("ass"));
  EXPECT_FALSE(Exists(sandbox.MimeApps()));
  EXPECT_TRUE(tools.empty());  // no MIME package was needed
}

TEST_F(XdgAssociationsTest, AnExtensionNoTypeClaimsGetsOurOwnMimePackage) {
  XdgAssociations desk = Desktop();
  EXPECT_EQ(XdgAssociations::OwnFileType("Sub2"), "application/x-quillet-sub2");
  EXPECT_EQ(XdgAssociations::OwnFileType("A+b_"), "application/x-quillet-a_2bb_5f");
  EXPECT_EQ(XdgAssociations::OwnFileType("СУБ"), "application/x-quillet-_d1_81_d1_83_d0_b1");
  EXPECT_EQ(desk.ReadAssociation("sub2"), std::nullopt);

  ASSERT_TRUE(desk.Associate("Sub2", program, ""));
  const std::string package = desk.OwnPackagePath("sub2");
  EXPECT_EQ(package, sandbox.DataHome() + "/mime/packages/quillet-sub2.xml");
  const std::string xml = ReadBytes(package);
  EXPECT_EQ(xml,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"application/x-quillet-sub2\">\n"
            "    <comment>Subtitle editor file (*.Sub2)</comment>\n"
            "    <comment xml:lang=\"ru\">Файл редактора субтитров (*.Sub2)</comment>\n"
            "    <sub-class-of type=\"text/plain\"/>\n"
            "    <glob pattern=\"*.Sub2\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n");
  EXPECT_EQ(tools, (std::vector<std::vector<std::string>>{{"update-mime-database", sandbox.DataHome() + "/mime"}}));
  EXPECT_EQ(Handler(desk, "SUB2"), std::make_pair(std::string("application/x-quillet-sub2"), std::string("quillet")));
  const auto kept = desk.ReadAssociation("sub2");
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->values.back(), std::make_pair(std::string("MimePackage"), StoredValue::Text(xml)));

  ASSERT_TRUE(desk.Dissociate("sub2"));
  EXPECT_FALSE(Exists(package));
  EXPECT_EQ(tools.size(), 2u);
  EXPECT_EQ(Handler(desk, "sub2"), std::make_pair(std::string(), std::string()));
  // Characters that mean something in XML are written as such.
  ASSERT_TRUE(desk.Associate("a&b", program, ""));
  EXPECT_NE(ReadBytes(desk.OwnPackagePath("a&b")).find("<glob pattern=\"*.a&amp;b\"/>"), std::string::npos);
}

TEST_F(XdgAssociationsTest, AKeptAssociationComesBackAndABadOneIsRefused) {
  sandbox.SystemApp("vlc.desktop", sandbox.Program("vlc"));
  const std::string list = "[Default Applications]\napplication/x-subrip=vlc.desktop;\n";
  Write(sandbox.MimeApps(), list);
  XdgAssociations desk = Desktop();
  const auto kept = desk.ReadAssociation("srt");
  ASSERT_TRUE(kept.has_value());
  KeyTree expected;
  expected.values = {{"FileType", StoredValue::Text("application/x-subrip")}};
  expected.subkeys = {{"mimeapps.list", KeyTree{{{"Default", StoredValue::Text("vlc.desktop;")}}, {}}}};
  EXPECT_EQ(*kept, expected);
  EXPECT_EQ(desk.ReadAssociation("ass"), std::nullopt);  // no entry for text/x-ssa

  Write(sandbox.MimeApps(), "[Default Applications]\napplication/x-subrip=other.desktop\n");
  ASSERT_TRUE(desk.RestoreAssociation("srt", *kept));
  EXPECT_EQ(ReadBytes(sandbox.MimeApps()), list);

  const KeyTree bad[] = {
      {{{"FileType", StoredValue::Text("text/plain\n[Default Applications]")}}, expected.subkeys},
      {expected.values, {{"notes.txt", KeyTree{{{"Default", StoredValue::Text("x.desktop")}}, {}}}}},
      {expected.values, {{".hidden-mimeapps.list", KeyTree{{{"Default", StoredValue::Text("x.desktop")}}, {}}}}},
      {expected.values, {{"mimeapps.list", KeyTree{{{"Default", StoredValue::Text("x.desktop\ntext/plain=y")}}, {}}}}},
  };
  for (const KeyTree& tree : bad) {
    EXPECT_FALSE(desk.RestoreAssociation("srt", tree));
    EXPECT_EQ(ReadBytes(sandbox.MimeApps()), list);
  }
  EXPECT_FALSE(Exists(sandbox.ConfigHome() + "/notes.txt"));
}

TEST_F(XdgAssociationsTest, TheDesktopEntryCopiesTheInstalledOneWithThisProgramsPath) {
  Write(sandbox.SystemData() + "/applications/org.tannford.Quillet.desktop",
        "[Desktop Entry]\nType=Application\nName[ru]=Редактор\nTryExec=quillet\nExec=quillet %f\nIcon=org.tannford.Quillet\n");
  const std::string icon = sandbox.Root() + "/my icon.png";
  Write(icon, "png");
  XdgAssociations desk = Desktop();
  ASSERT_TRUE(desk.Associate("srt", program, icon));
  EXPECT_EQ(ReadBytes(desk.DesktopEntryPath()), "[Desktop Entry]\nType=Application\nName[ru]=Редактор\nExec=" +
                                                    program + " %f\nIcon=" + icon + "\n");
  // A program that is not at an absolute path cannot be written into an entry.
  EXPECT_FALSE(desk.Associate("ass", "quillet", ""));

  desk.NotifyAssociationsChanged();
  EXPECT_EQ(tools.back(),
            (std::vector<std::string>{"update-desktop-database", "-q", sandbox.DataHome() + "/applications"}));
}

TEST(RunInstalledTool, RunsAProgramAndTellsWhetherItWorked) {
  testing::TempFolder folder;
  const std::string ok = folder.Write("ok.sh", "#!/bin/sh\necho \"$1\" > \"$2\"\n");
  const std::string fails = folder.Write("fails.sh", "#!/bin/sh\nexit 3\n");
  ::chmod(ok.c_str(), 0755);
  ::chmod(fails.c_str(), 0755);
  EXPECT_TRUE(RunInstalledTool({ok, "hello world", folder / "out"}));
  EXPECT_EQ(ReadBytes(folder / "out"), "hello world\n");
  EXPECT_FALSE(RunInstalledTool({fails}));
  EXPECT_FALSE(RunInstalledTool({"quillet-no-such-tool-anywhere"}));
  EXPECT_FALSE(RunInstalledTool({}));
  // A child that cannot be waited for (children reaped by the system) is no success, and no
  // endless wait either.
  struct sigaction ignore {}, before {};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGCHLD, &ignore, &before);
  const bool reaped = RunInstalledTool({ok, "again", folder / "out"});
  ::sigaction(SIGCHLD, &before, nullptr);
  EXPECT_FALSE(reaped);
}

}  // namespace
}  // namespace quillet
