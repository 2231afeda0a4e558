#include "core/mirror.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ops_test_support.h"

namespace quillet {
namespace {

using namespace testing;

const std::string tA = "00:00:01,000 --> 00:00:02,000";
const std::string tB = "00:00:03,000 --> 00:00:04,000";

std::string Report(int mirrored, int lines, int blocks) {
  return "Отражение завершено. Отражено строк " + std::to_string(mirrored) + " из " + std::to_string(lines) +
         ". Всего обработано блоков: " + std::to_string(blocks) + ".";
}

TEST(Reflect, ReversesTheTextLinesOfBlocksOnly) {
  struct Case {
    const char* name;
    std::string text, after, report;
  } cases[] = {
      {"text lines, one-character lines and trailing blanks", Lines({"1", tA, "abc", "de", "", "2", tB, "x", "fgh  "}),
       Lines({"1", tA, "cba", "ed", "", "2", tB, "x", "  hgf", ""}), Report(3, 9, 2)},
      {"a number line followed by text is no block", Lines({"1", "abc", "def", "", "2", tB, "ghi", ""}),
       Lines({"1", "abc", "def", "", "2", tB, "ihg", ""}), Report(1, 7, 1)},
      {"text before the first block and after a blank", Lines({"intro", "", "1", tA, "abc", "", "outside", "more"}),
       Lines({"intro", "", "1", tA, "cba", "", "outside", "more", ""}), Report(1, 8, 1)},
      {"a number with blanks after it; Cyrillic bytes", Lines({"1  ", tA, Ansi("Привет")}),
       Lines({"1  ", tA, Ansi("тевирП"), ""}), Report(1, 3, 1)},
      {"the arrow at 12 is enough here", Lines({"1", "0:00:01,000 --> 0:00:02,000", "ab"}),
       Lines({"1", "0:00:01,000 --> 0:00:02,000", "ba", ""}), Report(1, 3, 1)},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes, Answer::Yes});  // a structure warning, if any, comes first
    Reflect(t.editor);
    ExpectApplied(t, c.report, c.after, MsgKind::Information, c.name);
  }
  // Twice gives the text back, with the closing line break.
  const std::string text = Lines({"1", tA, "abc  ", "de", "", "2", tB, "fgh"});
  TestEditor t(text);
  t.prompt.Script({Answer::Yes, Answer::Yes});
  Reflect(t.editor);
  Reflect(t.editor);
  EXPECT_EQ(t.edit.Text(), text + "\r\n");
}

TEST(Reflect, NothingToMirrorCancelAndTheStructureCheck) {
  const Said nothing{"Не найдено строк для отражения. Операция отменена.", MsgKind::Information, false};
  struct Case {
    std::string text;
    std::vector<std::string> questions;
    std::vector<Said> messages;
  } cases[] = {
      {Lines({"ab", "cd"}), {}, {nothing}},
      {Lines({"1", tA, "a", "", "1", tB, "b"}), {}, {nothing}},  // numbering is not checked here
      {Lines({"1", tA, "ab"}), {Report(1, 3, 1) + " Применить изменения?"}, {}},
      {Lines({"1", tA, "ab", "2", tB, "cd"}),
       {"В тексте замечены структурные ошибки: склееные блоки: 1. Рекомендуется их исправить прежде чем производить "
        "отражение субтитров. Всё равно хотите продолжить?"},
       {}},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    Reflect(t.editor);
    EXPECT_EQ(QuestionTexts(t.prompt), c.questions) << c.text;
    EXPECT_EQ(Messages(t.messages), c.messages) << c.text;
    EXPECT_EQ(t.edit.Text(), c.text);
    EXPECT_EQ(t.lines.UseCount(), 0);
  }
}

TEST(Reflect, AFailureGoesToTheMessageWindow) {
  const std::string text = Lines({"1", tA, "abc", "", "2", tB, "def"});
  const std::string box = "Ошибка! Сбой при попытке осуществить зеркальное отражение текста субтитров!";
  for (const bool afterWalk : {false, true}) {
    FailingEditor f(text, afterWalk ? -1 : 5, afterWalk);
    f.prompt.Script({Answer::Yes});
    Reflect(f.editor);
    EXPECT_EQ(Messages(f.messages),
              (std::vector<Said>{{afterWalk ? box : box + " Действе будет отменено!", MsgKind::Error, false}}));
    f.edit.failLine = -1;
    EXPECT_EQ(f.edit.Text(), text);
    EXPECT_EQ(f.lines.UseCount(), 0);
  }
}

TEST(ReflectEnabled, MoreThanTwoLines) {
  EXPECT_EQ(std::make_pair(ReflectEnabled(2), ReflectEnabled(3)), std::make_pair(false, true));
}

}  // namespace
}  // namespace quillet
