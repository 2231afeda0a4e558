// The help file's places and its two boxes, and the web links of the "Сайты" menu.
#include "storage/help_links.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/posix/posix_file_system.h"
#include "support/fakes.h"
#include "temp_folder.h"

namespace quillet {
namespace {

using Strings = std::vector<std::string>;

TEST(HelpLinks, TheHelpLiesBesideTheProgramThenInTheInstalledData) {
  EXPECT_EQ(HelpFilePlaces("/opt/q/bin"), (Strings{"/opt/q/bin/help/help.html", "/opt/q/share/quillet/help/help.html"}));
  EXPECT_EQ(HelpFilePlaces("/usr/bin/"), (Strings{"/usr/bin/help/help.html", "/usr/share/quillet/help/help.html"}));
  EXPECT_EQ(HelpFilePlaces(""), Strings{});
}

TEST(HelpLinks, HelpOpensTheFirstPlaceThatHoldsAFileOrTellsWhy) {
  enum Layout { kNothing, kEmptyHelpFolder, kHelpFileIsFolder, kBeside, kInstalled, kBoth };
  struct Case {
    Layout layout;
    bool shellOpens;
    const char* opened;  // relative to the prefix, or nullptr
    const char* box;     // the error box, or nullptr
  } cases[] = {
      {kNothing, true, nullptr, "Файл справки не найден!"},
      {kEmptyHelpFolder, true, nullptr, "Файл справки не найден!"},
      {kHelpFileIsFolder, true, nullptr, "Файл справки не найден!"},
      {kBeside, true, "bin/help/help.html", nullptr},
      {kInstalled, true, "share/quillet/help/help.html", nullptr},
      {kBoth, true, "bin/help/help.html", nullptr},
      {kBoth, false, "bin/help/help.html", "Не удалось открыть файл справки!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.layout));
    testing::TempFolder prefix;
    const std::string bin = prefix / "bin";
    ::mkdir(bin.c_str(), 0755);
    if (c.layout != kNothing) ::mkdir((bin + "/help").c_str(), 0755);
    if (c.layout == kHelpFileIsFolder) ::mkdir((bin + "/help/help.html").c_str(), 0755);
    if (c.layout == kBeside || c.layout == kBoth) prefix.Write("bin/help/help.html", "<html></html>");
    if (c.layout == kInstalled || c.layout == kBoth) {
      for (const char* folder : {"share", "share/quillet", "share/quillet/help"}) ::mkdir((prefix / folder).c_str(), 0755);
      prefix.Write("share/quillet/help/help.html", "<html></html>");
    }
    PosixFileSystem fs;
    testing::FakeShell shell;
    shell.openResult = c.shellOpens;
    testing::ScriptedPrompt prompt;

    const bool opened = OpenHelpFile(HelpFilePlaces(bin), fs, shell, prompt);

    EXPECT_EQ(opened, c.opened != nullptr && c.box == nullptr);
    EXPECT_EQ(shell.opened, c.opened ? Strings{prefix / c.opened} : Strings{});
    if (c.opened) EXPECT_EQ(shell.maximizedAt, std::vector<bool>{true});
    ASSERT_EQ(prompt.questions.size(), c.box ? 1u : 0u);
    if (c.box) {
      EXPECT_EQ(prompt.questions[0].text, c.box);
      EXPECT_EQ(prompt.questions[0].kind, MsgKind::Error);
      EXPECT_EQ(prompt.questions[0].buttons, Buttons::Ok);
    }
  }
}

TEST(HelpLinks, ASiteItemOpensOnlyAHintThatBeginsWithHttp) {
  const std::pair<const char*, bool> cases[] = {
      {"https://www.opensubtitles.org/ru", true}, {"HTTP://EXAMPLE.ORG", true}, {"hTtPs://x", true},
      {"http", true}, {"htt", false}, {"", false}, {" http://example.org", false},
      {"ftp://example.org", false}, {"www.example.org", false}, {"Сайты субтитров", false},
  };
  for (const auto& [hint, opens] : cases) {
    testing::FakeShell shell;
    shell.openResult = false;  // a failure is not reported: the answer says the shell was asked
    EXPECT_EQ(OpenSiteLink(hint, shell), opens) << hint;
    EXPECT_EQ(shell.opened, opens ? Strings{hint} : Strings{}) << hint;
    if (opens) EXPECT_EQ(shell.maximizedAt, std::vector<bool>{false});
  }
}

}  // namespace
}  // namespace quillet
