// The session's start-up and close order, the one fan-out of the editor's change event, and the
// commands' menu states, over fakes of every service.
#include "session/session.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/constants.h"
#include "support/session_fakes.h"
#include "storage/temp_folder.h"

namespace quillet {
namespace {

using testing::Lines;
using testing::TestSession;

const std::string kTwoBlocks = Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2",
                                      "00:00:03,000 --> 00:00:04,000", "B", ""});

TEST(Session, StartLoadsPutsRunsTheHandlersThenShowsTheWindow) {
  TestSession t({}, false);
  t.edit.SetText("left over");
  t.edit.ClearFocus();
  EXPECT_EQ(t.session.findErr(), nullptr);
  t.session.Start(std::string());
  EXPECT_EQ(t.edit.Text(), "");
  EXPECT_FALSE(t.edit.CanUndo());
  EXPECT_NE(t.session.findErr(), nullptr);
  EXPECT_EQ(std::tuple(t.view.startSettings, t.view.shown, t.edit.Focused()), std::tuple(1, 1, true));
  // The window's handlers in the table's order; the message placement and the editor's look
  // are the session's own.
  using H = LoadHandler;
  EXPECT_EQ(t.view.handlers, (std::vector<H>{H::GoFormLoaded, H::SetDiapColor, H::SetOperatePanel, H::CheckBox4Click,
                                             H::CheckBox12Click, H::CheckBox9Click, H::CheckBox14Click,
                                             H::CheckBox5Click, H::SetFullOpEditPanel, H::CheckBox13Click,
                                             H::SetOpPanelVisible, H::SetMessPaneHeight, H::SetMessLook}));
  EXPECT_EQ(t.session.messages().MessWinMode(), kMessSystem);
  EXPECT_EQ(t.view.hints, (std::vector<bool>{true}));
  EXPECT_TRUE(t.view.panelVisible.empty());  // shown at every start by default
}

TEST(Session, TheCommandLineOpensOnlyAnExistingFile) {
  testing::TempFolder folder;
  const std::string film = folder.Write("film.srt", kTwoBlocks);
  struct Case { std::string argument, opened, text; } cases[] = {
      {"", "", ""},
      {film, film, kTwoBlocks},
      {folder / "missing.srt", "", ""},  // ignored without a message
      {folder.Path(), "", ""},           // a folder is no file
  };
  for (const auto& c : cases) {
    TestSession t({}, false);
    t.session.Start(c.argument);
    EXPECT_EQ(std::tuple(t.session.document().OpenedFile(), t.edit.Text(), t.prompt.questions.size()),
              std::tuple(c.opened, c.text, size_t{0})) << c.argument;
    EXPECT_TRUE(t.view.paneTexts.empty() && t.dialogs.shown.empty()) << c.argument;  // no open dialog either
  }
}

TEST(Session, APanelHiddenAtTheLastCloseStaysHiddenUnlessShownAtEveryStart) {
  for (const bool showPanel : {false, true}) {
    TestSession t({}, false);
    SettingsKey key(t.store, SettingsRoot::CurrentUser, RegKeyProgram);
    key.WriteBool("Panel_Vsbl", false);
    key.WriteBool("Show_Panel", showPanel);
    t.session.Start(std::string());
    EXPECT_EQ(t.view.panelVisible, showPanel ? std::vector<bool>{} : std::vector<bool>{false}) << showPanel;
  }
}

TEST(Session, TheChangeEventReachesEveryone) {
  TestSession t(kTwoBlocks);
  TFindErr& engine = *t.session.findErr();
  engine.FindFromStart();
  t.session.document().Adopt("/f.srt");
  t.session.format().GetTextFormat();
  const int statusBefore = static_cast<int>(t.view.status.size()), changesBefore = t.view.textChanges;
  t.edit.SetSel(0, 0);
  t.edit.ReplaceSel("0", true);
  EXPECT_TRUE(t.session.document().TextModified());
  EXPECT_TRUE(engine.TextChanged());
  EXPECT_TRUE(t.session.format().NeedsDetection());
  EXPECT_EQ(t.session.lines().Get(0), "01");  // the list read the new text
  EXPECT_EQ(std::tuple(static_cast<int>(t.view.status.size()) - statusBefore, t.view.textChanges - changesBefore),
            std::tuple(1, 1));
  EXPECT_EQ(t.view.status.back(), "1/2");
}

TEST(Session, CloseAsksThenSavesTheSettingsAndLetsTheObjectsGo) {
  TestSession t("unsaved");
  t.session.rememberedText().N13Click(t.session.editor());
  t.prompt.Script({Answer::Cancel});
  EXPECT_FALSE(t.session.Close());
  EXPECT_EQ(std::tuple(t.session.findErr() != nullptr, t.view.collected, t.store.flushes), std::tuple(true, 0, 0));

  t.session.messages().SwitchMessWin(kMessAbove, false);
  t.session.document().SetMemory(DocumentMemory{"/a.srt", "/b.srt", "/c.srt", 2, 3});
  t.prompt.Script({Answer::No});
  EXPECT_TRUE(t.session.Close());
  EXPECT_EQ(std::tuple(t.session.findErr(), t.view.collected, t.store.flushes), std::tuple(nullptr, 1, 1));
  EXPECT_EQ(t.session.rememberedText().Text(), "");
  const LoadedSettings stored = RegLoadOptions(t.store, {1024, 768});
  EXPECT_EQ(std::tuple(stored.values.lastOpenFile, stored.values.lastInsertFile, stored.values.lastSaveFilterType,
                       stored.values.messWinMode, stored.values.messWinLastMode),
            std::tuple(std::string("/a.srt"), std::string("/c.srt"), 3, uint8_t{kMessAbove}, uint8_t{kMessBelow}));
  // The clipboard is no longer watched; a second close has nothing to do.
  t.clipboard.SetText("x");
  EXPECT_TRUE(t.view.clipboardHasText.empty());
  EXPECT_TRUE(t.session.Close());
  EXPECT_EQ(t.store.flushes, 1);
}

TEST(Session, TheClipboardWatchTellsTheWindow) {
  TestSession t;
  t.clipboard.SetText("x");
  t.clipboard.Clear();
  EXPECT_EQ(t.view.clipboardHasText, (std::vector<bool>{true, false}));
}

TEST(Commands, EditMenuStates) {
  struct Case { const char* text; int selStart, selLength; const char* clipboard; std::tuple<bool, bool, bool, bool> cutPasteAllNormalize; };
  const Case cases[] = {
      {"", 0, 0, nullptr, {false, false, false, false}},
      {"abc", 1, 1, "x", {true, true, true, true}},
      {"abc", 0, 3, nullptr, {true, false, false, true}},  // all selected: nothing more to select
  };
  for (const Case& c : cases) {
    TestSession t(c.text);
    if (c.clipboard) t.clipboard.SetText(c.clipboard);
    t.edit.SetSel(c.selStart, c.selLength);
    const EditMenuStates s = t.commands.EditMenu();
    EXPECT_EQ(std::tuple(s.edit.cut, s.edit.paste, s.edit.selectAll, s.normalize), c.cutPasteAllNormalize) << c.text;
    EXPECT_EQ(std::tuple(s.repeatCaption, s.repeat), std::tuple(std::string("Повторить сообщение"), false));
  }
}

TEST(Commands, ErrorSearchFromTheMenuFollowsTheRules) {
  TestSession t(kTwoBlocks);
  EXPECT_TRUE(t.commands.EditMenu().findErr);
  ASSERT_TRUE(t.commands.FindErrFromMenu());
  EXPECT_EQ(t.view.operations, (std::vector<OperationGroup>{OperationGroup::FindErr}));

  FindErrSettings none;
  none.minDurationOn = none.overlapsOn = none.structureOn = false;
  none.maxDurationOn = true;  // not enough to search
  t.session.SetFindErrSettings(none);
  EXPECT_FALSE(t.commands.EditMenu().findErr);
  EXPECT_FALSE(t.commands.FindErrFromMenu());
  EXPECT_EQ(t.view.operations.size(), 1u);
}

TEST(Commands, TextMenuAndFileMenuStates) {
  testing::TempFolder dir;
  const std::string film = dir.Write("film.srt", "1\r\n");
  TestSession t(kTwoBlocks);
  EXPECT_EQ(std::tuple(t.commands.TextMenu().mirror, t.commands.TextMenu().remember, t.commands.TextMenu().restore),
            std::tuple(true, true, false));
  t.commands.RememberText();
  EXPECT_EQ(std::tuple(t.commands.TextMenu().remember, t.commands.TextMenu().restore), std::tuple(false, false));
  EXPECT_FALSE(t.commands.SaveCopyEnabled());
  t.clipboard.SetFiles({film});
  const ClipboardFileOffer offer = t.commands.OfferClipboardFile();
  EXPECT_EQ(std::tuple(offer.offered, offer.openCaption, offer.insertCaption),
            std::tuple(true, std::string("Открыть файл \"film.srt\""), std::string("Вставить из \"film.srt\"")));
  EXPECT_EQ(t.session.document().ClipboardFile(), film);
}

TEST(Commands, DateAndTimeIsOneUndoStepInReadOnlyModeToo) {
  TestSession t("ab--cd");
  t.commands.SetReadOnly(true);
  EXPECT_EQ(t.edit.Look().backColor, ClMenuBar);  // the read-only look
  t.edit.SetSel(2, 2);
  t.commands.InsertDateTime();
  EXPECT_EQ(t.edit.Text(), "ab07.03.2026 10:00:00cd");
  EXPECT_TRUE(t.edit.ReadOnly());
  t.edit.Undo();
  EXPECT_EQ(t.edit.Text(), "ab--cd");
  t.commands.SetReadOnly(false);
  EXPECT_EQ(t.edit.Look().backColor, ClWindow);
}

TEST(Commands, ReportWithThePanelsDurations) {
  TestSession t(Lines({"1", "00:00:01,000 --> 00:00:01,200", "A", ""}));
  const std::string report = t.commands.ReportText();
  EXPECT_NE(report.find("Формат субтитров: SRT"), std::string::npos) << report;
  EXPECT_NE(report.find("Min длительноcть: 200 миллисекунд"), std::string::npos) << report;
}

}  // namespace
}  // namespace quillet
