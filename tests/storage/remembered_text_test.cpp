// The remembered text: the question with the snapshot's age, the one undoable replacement and
// what follows it, Cancel, the menu enabling, and a snapshot that outlives its file.
#include "storage/remembered_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>

#include "platform/posix/posix_file_system.h"
#include "storage/document.h"
#include "support/fake_dialogs.h"
#include "support/fakes.h"
#include "temp_folder.h"

namespace quillet {
namespace {

using namespace std::chrono_literals;
using testing::Ansi;
using testing::TestEditor;

const std::string kMessage = "Запомненный текст восстановлен.";

// A clock the test moves by hand.
struct ManualClock {
  std::chrono::steady_clock::time_point now{};
  TRememberedText::Clock Fn() {
    return [this] { return now; };
  }
};

TEST(RememberedText, TheQuestionTellsTheSnapshotsAge) {
  const std::string head = "Вы уверены, что хотите восстановить текст, запомненный ";
  const std::string tail =
      " назад? Все изменения, внесённые в текст с момента его последнего запоминания, будут потеряны. "
      "Всё равно выполнить восстановление?";
  const std::pair<std::chrono::milliseconds, std::string> cases[] = {
      {1h + 5min, "1 час 5 минут"}, {400ms, ""}, {59s, "59 секунд"}, {2h + 30s, "2 часа"}, {22min + 10s, "22 минуты"},
  };
  for (const auto& [age, wording] : cases) {
    ManualClock clock;
    TRememberedText memo(clock.Fn());
    TestEditor t(Ansi("текст"));
    memo.N13Click(t.editor);
    clock.now += age;
    memo.N12Click(t.editor);
    ASSERT_EQ(t.prompt.questions.size(), 1u);
    EXPECT_EQ(t.prompt.questions[0].text, head + wording + tail);
    EXPECT_EQ(std::tuple(t.prompt.questions[0].kind, t.prompt.questions[0].buttons),
              std::tuple(MsgKind::Warning, Buttons::YesCancel));
  }
  // Within half a second the wording is empty: two blanks between the words.
  EXPECT_NE(RestoreQuestion(499ms).find("запомненный  назад?"), std::string::npos);
}

TEST(RememberedText, RestoreIsOneUndoableReplacement) {
  TRememberedText memo;
  TestEditor t(Ansi("первый\r\nтекст"));
  memo.N13Click(t.editor);
  EXPECT_EQ(t.prompt.beeps, 1);
  EXPECT_TRUE(t.messages.messages.empty());

  const std::string edited = Ansi("другой текст, подлиннее");
  t.edit.SetText(edited);
  t.edit.SetSel(5, 3);
  int depthAtChange = -1;
  t.edit.SetChangeHandler([&] { depthAtChange = t.edit.UpdateDepth(); });
  t.prompt.Script({Answer::Yes});
  memo.N12Click(t.editor);

  EXPECT_EQ(t.edit.Text(), Ansi("первый\r\nтекст"));
  EXPECT_EQ(depthAtChange, 1);
  EXPECT_EQ(t.edit.UpdateDepth(), 0);
  EXPECT_EQ(std::tuple(t.edit.SelStart(), t.edit.SelLength(), t.edit.FirstVisibleLine()), std::tuple(0, 0, 0));
  ASSERT_EQ(t.messages.messages.size(), 1u);
  EXPECT_EQ(std::tuple(t.messages.messages[0].text, t.messages.messages[0].kind, t.messages.messages[0].again,
                       t.messages.messages[0].likeLast),
            std::tuple(kMessage, MsgKind::Warning, false, false));
  EXPECT_EQ(std::tuple(t.host.errorSearchResets, t.host.statusRefreshes, t.prompt.beeps), std::tuple(1, 1, 2));

  // The snapshot stays and the editor's undo brings the text from before the restore back.
  EXPECT_EQ(memo.Text(), Ansi("первый\r\nтекст"));
  ASSERT_TRUE(t.edit.CanUndo());
  t.edit.Undo();
  EXPECT_EQ(t.edit.Text(), edited);
}

TEST(RememberedText, CancelAndAMissingSnapshotChangeNothing) {
  TRememberedText memo;
  TestEditor t(Ansi("текст"));
  memo.N12Click(t.editor);  // nothing remembered
  EXPECT_TRUE(t.prompt.questions.empty());

  memo.N13Click(t.editor);
  t.edit.SetText("changed");
  t.edit.SetSel(2, 1);
  memo.N12Click(t.editor);  // the script is empty: Cancel
  EXPECT_EQ(t.prompt.questions.size(), 1u);
  EXPECT_EQ(std::tuple(t.edit.Text(), t.edit.SelStart(), t.edit.SelLength(), t.edit.CanUndo()),
            std::tuple(std::string("changed"), 2, 1, false));
  EXPECT_TRUE(t.messages.messages.empty());
  EXPECT_EQ(std::tuple(t.host.errorSearchResets, t.host.statusRefreshes, t.prompt.beeps), std::tuple(0, 0, 1));

  memo.Clear();
  EXPECT_EQ(memo.Text(), "");
  memo.N12Click(t.editor);
  EXPECT_EQ(t.prompt.questions.size(), 1u);
}

TEST(RememberedText, MenuEnabling) {
  struct Case { std::string remembered, text; bool canRemember, canRestore; };
  const Case cases[] = {
      {"", "", false, false},
      {"", "a", true, false},
      {"a", "a", false, false},
      {"a", "b", true, true},
      {"ab", "a", true, true},
      {"a", "", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.remembered + "|" + c.text);
    TRememberedText memo;
    TestEditor t(c.remembered);
    memo.N13Click(t.editor);
    t.edit.SetText(c.text);
    EXPECT_EQ(memo.CanRemember(t.edit), c.canRemember);
    EXPECT_EQ(memo.CanRestore(t.edit), c.canRestore);
  }
}

TEST(RememberedText, SurvivesOpeningAnotherFile) {
  testing::TempFolder dir;
  const std::string first = dir.Write("first.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nfirst\r\n");
  const std::string second = dir.Write("second.srt", "1\r\n00:00:05,000 --> 00:00:06,000\r\nsecond\r\n");
  TestEditor t;
  PosixFileSystem fs;
  testing::FakeFileDialogs dialogs;
  testing::FakeShell shell;
  ProgramOptions options;
  const ExtensionList extensions = DefaultExtensionList();
  TDocument doc(t.editor, fs, dialogs, shell, options, extensions);
  t.edit.SetChangeHandler([&] {
    t.lines.MarkStale();
    t.format.MarkNeedsDetection();
    doc.OnTextChanged();
  });
  TRememberedText memo;
  ASSERT_TRUE(doc.OpenFromFile(first));
  memo.N13Click(t.editor);
  ASSERT_TRUE(doc.OpenFromFile(second));
  t.prompt.Script({Answer::Yes});
  memo.N12Click(t.editor);
  EXPECT_EQ(t.edit.Text(), "1\r\n00:00:01,000 --> 00:00:02,000\r\nfirst\r\n");
  EXPECT_EQ(std::tuple(doc.OpenedFile(), doc.TextModified()), std::tuple(second, true));
}

}  // namespace
}  // namespace quillet
