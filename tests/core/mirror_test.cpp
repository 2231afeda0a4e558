#include "core/mirror.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ops_test_support.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::FailingEditor;
using testing::Lines;
using testing::MessageTexts;
using testing::QuestionTexts;
using testing::TestEditor;

const std::string tA = "00:00:01,000 --> 00:00:02,000";
const std::string tB = "00:00:03,000 --> 00:00:04,000";

TEST(Reflect, ReversesTheTextLinesOfBlocksOnly) {
  struct Case {
    const char* name;
    std::string text;
    std::string after;
    std::string report;
  } cases[] = {
      {"text lines, one-character lines and trailing blanks",
       Lines({"1", tA, "abc", "de", "", "2", tB, "x", "fgh  "}),
       Lines({"1", tA, "cba", "ed", "", "2", tB, "x", "  hgf", ""}),
       "Отражение завершено. Отражено строк 3 из 9. Всего обработано блоков: 2."},
      {"a number line followed by text is no block", Lines({"1", "abc", "def", "", "2", tB, "ghi", ""}),
       Lines({"1", "abc", "def", "", "2", tB, "ihg", ""}),
       "Отражение завершено. Отражено строк 1 из 7. Всего обработано блоков: 1."},
      {"text before the first block and after a blank",
       Lines({"intro", "", "1", tA, "abc", "", "outside", "more"}),
       Lines({"intro", "", "1", tA, "cba", "", "outside", "more", ""}),
       "Отражение завершено. Отражено строк 1 из 8. Всего обработано блоков: 1."},
      {"a number with blanks after it, Cyrillic bytes", Lines({"1  ", tA, Ansi("Привет")}),
       Lines({"1  ", tA, Ansi("тевирП"), ""}), "Отражение завершено. Отражено строк 1 из 3. Всего обработано блоков: 1."},
      {"the arrow at 12 is enough here", Lines({"1", "0:00:01,000 --> 0:00:02,000", "ab"}),
       Lines({"1", "0:00:01,000 --> 0:00:02,000", "ba", ""}),
       "Отражение завершено. Отражено строк 1 из 3. Всего обработано блоков: 1."},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes, Answer::Yes});  // a structure warning, if any, comes first
    Reflect(t.editor);
    ASSERT_FALSE(t.prompt.questions.empty()) << c.name;
    EXPECT_EQ(t.prompt.questions.back().text, c.report + " Применить изменения?") << c.name;
    EXPECT_EQ(t.prompt.questions.back().kind, MsgKind::Confirmation) << c.name;
    EXPECT_EQ(t.prompt.questions.back().buttons, Buttons::YesCancel) << c.name;
    EXPECT_EQ(t.edit.Text(), c.after) << c.name;
    ASSERT_EQ(t.messages.messages.size(), 1u) << c.name;
    EXPECT_EQ(t.messages.messages[0].text, c.report) << c.name;
    EXPECT_EQ(t.messages.messages[0].kind, MsgKind::Information) << c.name;
    EXPECT_TRUE(t.messages.messages[0].likeLast) << c.name;
    EXPECT_FALSE(t.edit.CanUndo()) << c.name;
    EXPECT_TRUE(t.edit.Focused()) << c.name;
    EXPECT_EQ(t.lines.UseCount(), 0) << c.name;
  }
}

TEST(Reflect, TwiceGivesTheTextBack) {
  const std::string text = Lines({"1", tA, "abc  ", "de", "", "2", tB, "fgh"});
  TestEditor t(text);
  t.prompt.Script({Answer::Yes, Answer::Yes});
  Reflect(t.editor);
  Reflect(t.editor);
  EXPECT_EQ(t.edit.Text(), text + "\r\n");
}

TEST(Reflect, NothingToMirrorCancelAndTheStructureCheck) {
  const std::string glued = Lines({"1", tA, "ab", "2", tB, "cd"});
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
  } cases[] = {
      {"no block", Lines({"ab", "cd"}), {}, {"Не найдено строк для отражения. Операция отменена."}},
      {"only one-character lines", Lines({"1", tA, "a", "", "2", tB, "b"}), {},
       {"Не найдено строк для отражения. Операция отменена."}},
      {"cancelled question", Lines({"1", tA, "ab"}),
       {"Отражение завершено. Отражено строк 1 из 3. Всего обработано блоков: 1. Применить изменения?"}, {}},
      {"cancelled structure warning", glued,
       {"В тексте замечены структурные ошибки: склееные блоки: 1. Рекомендуется их исправить прежде чем производить "
        "отражение субтитров. Всё равно хотите продолжить?"},
       {}},
      // Repeated numbers are not looked at before mirroring.
      {"numbering is not checked", Lines({"1", tA, "a", "", "1", tB, "b"}), {},
       {"Не найдено строк для отражения. Операция отменена."}},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    Reflect(t.editor);
    EXPECT_EQ(QuestionTexts(t.prompt), c.questions) << c.name;
    EXPECT_EQ(MessageTexts(t.messages), c.messages) << c.name;
    for (const auto& m : t.messages.messages) EXPECT_EQ(m.kind, MsgKind::Information);
    EXPECT_EQ(t.edit.Text(), c.text) << c.name;
    EXPECT_EQ(t.lines.UseCount(), 0) << c.name;
  }
}

TEST(Reflect, AFailureGoesToTheMessageWindow) {
  const std::string text = Lines({"1", tA, "abc", "", "2", tB, "def"});
  struct Case {
    int failLine;
    bool failSetText;
    const char* message;
  } cases[] = {
      {5, false, "Ошибка! Сбой при попытке осуществить зеркальное отражение текста субтитров! Действе будет отменено!"},
      {-1, true, "Ошибка! Сбой при попытке осуществить зеркальное отражение текста субтитров!"},
  };
  for (const auto& c : cases) {
    FailingEditor f(text);
    f.edit.failLine = c.failLine;
    f.edit.failSetText = c.failSetText;
    f.prompt.Script({Answer::Yes});
    Reflect(f.editor);
    ASSERT_EQ(f.messages.messages.size(), 1u);
    EXPECT_EQ(f.messages.messages[0].text, c.message);
    EXPECT_EQ(f.messages.messages[0].kind, MsgKind::Error);
    EXPECT_FALSE(f.messages.messages[0].likeLast);
    f.edit.failLine = -1;
    EXPECT_EQ(f.edit.Text(), text);
    EXPECT_EQ(f.lines.UseCount(), 0);
  }
}

TEST(ReflectEnabled, MoreThanTwoLines) {
  EXPECT_FALSE(ReflectEnabled(0));
  EXPECT_FALSE(ReflectEnabled(2));
  EXPECT_TRUE(ReflectEnabled(3));
}

}  // namespace
}  // namespace quillet
