// Desktop key files changed one entry at a time (every other byte kept, an entry added and
// taken away gives the text back), and the program an Exec line runs.
#include "platform/key_file_text.h"

#include <gtest/gtest.h>

#include "platform/desktop_entry.h"

namespace quillet {
namespace {

constexpr std::string_view kDefault = kDefaultApplications;

TEST(KeyFileText, EntriesAreReadAsWrittenInTheirGroupOnly) {
  const KeyFileText file(
      "# comment\n"
      "text/plain=top.desktop\n"
      "[Added Associations]\n"
      "text/plain=added.desktop;\n"
      "[Default Applications]\n"
      "#text/plain=commented.desktop\n"
      "text/plain = \tgedit.desktop;vim.desktop;\r\n"
      "text/plain=second.desktop\n"
      "audio/mpeg=vlc.desktop\n");
  EXPECT_EQ(file.Entry(kDefault, "text/plain"), " \tgedit.desktop;vim.desktop;");
  EXPECT_EQ(file.Entry(kAddedAssociations, "text/plain"), "added.desktop;");
  EXPECT_EQ(file.Entry(kDefault, "audio/mpeg"), "vlc.desktop");
  EXPECT_EQ(file.Entry(kDefault, "text/x-ssa"), std::nullopt);
  EXPECT_EQ(file.Entry(kRemovedAssociations, "text/plain"), std::nullopt);
  EXPECT_EQ(SplitKeyFileList(" \tgedit.desktop; ;vim.desktop;"), (std::vector<std::string>{"gedit.desktop", "vim.desktop"}));
  EXPECT_EQ(SplitKeyFileList(""), std::vector<std::string>());
}

TEST(KeyFileText, AnEntryAddedAndRemovedLeavesTheTextAsItWas) {
  const std::string texts[] = {
      "",
      "\n",
      "[Default Applications]\nimage/png=eog.desktop\n\n[Added Associations]\nimage/png=gimp.desktop;\n",
      "[Added Associations]\nimage/png=gimp.desktop;",  // no final line break
      "[Default Applications]\r\nimage/png=eog.desktop\r\n",
  };
  for (const std::string& text : texts) {
    KeyFileText file(text);
    file.SetEntry(kDefault, "application/x-subrip", "org.tannford.Quillet.desktop;");
    EXPECT_EQ(file.Entry(kDefault, "application/x-subrip"), "org.tannford.Quillet.desktop;") << text;
    EXPECT_EQ(KeyFileText(file.Text()).Entry(kDefault, "application/x-subrip"), "org.tannford.Quillet.desktop;");
    file.RemoveEntry(kDefault, "application/x-subrip");
    EXPECT_EQ(file.Text(), text);
  }
  // A group left empty goes with its header; the entries of other types stay.
  KeyFileText empty("[Default Applications]\n");
  empty.SetEntry(kDefault, "text/plain", "a.desktop");
  empty.RemoveEntry(kDefault, "text/plain");
  EXPECT_EQ(empty.Text(), "");
  empty.RemoveEntry(kDefault, "text/plain");
  EXPECT_EQ(empty.Text(), "");
}

TEST(KeyFileText, NewEntriesGoAtTheEndOfTheirGroupAndChangedOnesKeepTheirKey) {
  KeyFileText file("[Default Applications]\nimage/png=eog.desktop\n\n[Added Associations]\nx/y=z;\n");
  file.SetEntry(kDefault, "text/plain", "a.desktop;");
  file.SetEntry(kDefault, "image/png", "b.desktop;eog.desktop");
  EXPECT_EQ(file.Text(),
            "[Default Applications]\nimage/png=b.desktop;eog.desktop\ntext/plain=a.desktop;\n\n"
            "[Added Associations]\nx/y=z;\n");
  KeyFileText spaced("[Default Applications]\r\ntext/plain = old\r\n");
  spaced.SetEntry(kDefault, "text/plain", "new");
  EXPECT_EQ(spaced.Text(), "[Default Applications]\r\ntext/plain =new\r\n");

  KeyFileText fresh("# mine\n");
  fresh.SetEntry(kDefault, "text/plain", "a.desktop;");
  EXPECT_EQ(fresh.Text(), "# mine\n[Default Applications]\ntext/plain=a.desktop;\n");
}

TEST(DesktopEntry, TheProgramOfAnExecLine) {
  const struct {
    const char* exec;
    const char* program;
    const char* name;
  } cases[] = {
      {"vlc --started-from-file %U", "vlc", "vlc"},
      {"/usr/bin/mpv --player-operation-mode=pseudo-gui -- %U", "/usr/bin/mpv", "mpv"},
      {"\"/opt/My App/bin/app\" %f", "/opt/My App/bin/app", "app"},
      {"\"/opt/a\\\\\"b/quillet\" %f", "/opt/a\"b/quillet", "quillet"},
      {"/opt/odd%%name/prog%%1 %f", "/opt/odd%name/prog%1", "prog%1"},
      {"env LANG=C GTK_THEME=x /usr/bin/gedit %U", "/usr/bin/gedit", "gedit"},
      {"/usr/bin/env -i /usr/bin/kate -b %U", "/usr/bin/kate", "kate"},
      {"prog%f", "prog%f", "prog"},
      {"  ", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExecProgram(c.exec), c.program) << c.exec;
    EXPECT_EQ(ExecProgramName(c.exec), c.name) << c.exec;
  }
}

TEST(DesktopEntry, OurExecLineReadsBackAsThePath) {
  for (const std::string path : {"/usr/bin/quillet", "/home/ann/My Programs/quillet", "/tmp/a\"b`c$d\\e/100%/quillet"}) {
    const std::string exec = ExecValueFor(path);
    std::string written = path;  // a percent sign is written twice
    if (const size_t p = written.find('%'); p != std::string::npos) written.insert(p, "%");
    EXPECT_EQ(SplitExecWords(exec), (std::vector<std::string>{written, "%f"})) << exec;
    EXPECT_EQ(ExecProgramName(exec), "quillet") << exec;
  }
  // Quoted only where the path needs it: simple readers take the first word as it stands.
  EXPECT_EQ(ExecValueFor("/usr/bin/quillet"), "/usr/bin/quillet %f");
  EXPECT_EQ(ExecValueFor("/opt/100%/q"), "/opt/100%%/q %f");
  EXPECT_EQ(ExecValueFor("/opt/x y/q"), "\"/opt/x y/q\" %f");
  EXPECT_EQ(ExecValueFor("/opt/a\\b"), "\"/opt/a\\\\\\\\b\" %f");
}

}  // namespace
}  // namespace quillet
