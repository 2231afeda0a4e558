#include "core/normalize.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ops_test_support.h"

namespace quillet {
namespace {

using testing::FailingEditor;
using testing::Lines;
using testing::MessageTexts;
using testing::QuestionTexts;
using testing::TestEditor;

const std::string t1 = "00:00:01,000 --> 00:00:02,000";
const std::string t2 = "00:00:03,000 --> 00:00:04,000";
const std::string t3 = "00:00:05,000 --> 00:00:06,000";
const std::string t4 = "00:00:07,000 --> 00:00:08,000";

constexpr NormalizeOptions kRenumber{true, false, false};
constexpr NormalizeOptions kBlanks{false, true, false};
constexpr NormalizeOptions kSurplus{false, false, true};
constexpr NormalizeOptions kAll{true, true, true};
constexpr NormalizeOptions kNone{false, false, false};

TEST(DoNormallize, ReportsQuestionsAndNewTexts) {
  struct Case {
    const char* name;
    std::string text;
    NormalizeOptions options;
    bool fromMenu;
    std::string report;  // without " Применить изменения?"
    std::string after;   // the text after Yes
    bool warned = false; // the structure check asked first
  } cases[] = {
      {"renumber 1 2 7 8", Lines({"1", t1, "a", "", "2", t2, "b", "", "7", t3, "c", "", "8", t4, "d", ""}),
       kRenumber, false, "Ренумерация завершена. Перенумеровано блоков 2. Всего обработано блоков: 4.",
       Lines({"1", t1, "a", "", "2", t2, "b", "", "3", t3, "c", "", "4", t4, "d", ""})},
      {"a number with leading zeros equal to the count stays",
       Lines({"1", t1, "a", "", "2", t2, "b", "", "003", t3, "c", "", "9", t4, "d"}), kRenumber, false,
       "Ренумерация завершена. Перенумеровано блоков 1. Всего обработано блоков: 4.",
       Lines({"1", t1, "a", "", "2", t2, "b", "", "003", t3, "c", "", "4", t4, "d", ""})},
      {"a renumbered line loses its blanks even with right blanks off",
       Lines({"5  ", t1, "a  ", "", "2", t2, "b"}), kRenumber, false,
       "Ренумерация завершена. Перенумеровано блоков 1. Всего обработано блоков: 2.",
       Lines({"1", t1, "a  ", "", "2", t2, "b", ""})},
      {"right blanks", Lines({"1  ", t1 + " ", "a \t", "", "2", t2, "b"}), kBlanks, false,
       "Нормализация звершена. Удалено лишних пробелов: 5.", Lines({"1", t1, "a", "", "2", t2, "b", ""})},
      {"surplus lines at the top and between blocks", Lines({"", "", "", "1", t1, "a", "", "", "2", t2, "b"}),
       kSurplus, false, "Нормализация звершена. Удалено лишних строк: 4.",
       Lines({"1", t1, "a", "", "2", t2, "b", ""})},
      {"a tab line is blank and kept with its tab as the first of a run",
       Lines({"1", t1, "a", "\t", "", "2", t2, "b"}), kSurplus, false,
       "Нормализация звершена. Удалено лишних строк: 1.", Lines({"1", t1, "a", "\t", "2", t2, "b", ""})},
      {"two options name both parts", Lines({"1", t1, "a", "\t", "", "2", t2, "b"}), {false, true, true}, false,
       "Нормализация звершена. Удалено лишних пробелов: 1. Удалено лишних строк: 1.",
       Lines({"1", t1, "a", "", "2", t2, "b", ""})},
      {"all options, each part even at 0", Lines({"1", t1, "a", "", "", "2", t2, "b", ""}), kAll, false,
       "Нормализация звершена. Перенумеровано блоков 0 из 2. Удалено лишних пробелов: 0. Удалено лишних строк: 1.",
       Lines({"1", t1, "a", "", "2", t2, "b", ""})},
      {"the menu takes all options whatever the boxes say", Lines({"1", t1, "a", "", "", "3", t2, "b  "}), kNone,
       true,
       "Нормализация звершена. Перенумеровано блоков 1 из 2. Удалено лишних пробелов: 2. Удалено лишних строк: 1.",
       Lines({"1", t1, "a", "", "2", t2, "b", ""})},
      {"a number line without a time line after it is no block", Lines({"4", "a", "", "7", t1, "b"}), kRenumber,
       false, "Ренумерация завершена. Перенумеровано блоков 1. Всего обработано блоков: 1.",
       Lines({"4", "a", "", "1", t1, "b", ""}), true},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes, Answer::Yes});
    DoNormallize(t.editor, c.fromMenu, c.options);
    ASSERT_EQ(t.prompt.questions.size(), c.warned ? 2u : 1u) << c.name;
    EXPECT_EQ(t.prompt.questions.back().text, c.report + " Применить изменения?") << c.name;
    EXPECT_EQ(t.prompt.questions.back().buttons, Buttons::YesCancel) << c.name;
    EXPECT_EQ(t.prompt.questions.back().kind, MsgKind::Confirmation) << c.name;
    EXPECT_EQ(t.edit.Text(), c.after) << c.name;
    ASSERT_EQ(t.messages.messages.size(), 1u) << c.name;
    EXPECT_EQ(t.messages.messages[0].text, c.report) << c.name;
    EXPECT_TRUE(t.messages.messages[0].likeLast) << c.name;
    EXPECT_EQ(t.messages.messages[0].kind, MsgKind::Information) << c.name;
    EXPECT_EQ(t.lines.UseCount(), 0) << c.name;
    EXPECT_TRUE(t.edit.Focused()) << c.name;
  }
}

TEST(DoNormallize, NothingToDoIsToldInTheMessageWindowWithoutAQuestion) {
  const std::string clean = Lines({"1", t1, "a", "", "2", t2, "b", ""});
  struct Case {
    NormalizeOptions options;
    bool fromMenu;
    const char* reason;
  } cases[] = {
      {kAll, false, "Не обнаружено текста, нуждающегося в нормализации"},
      {kNone, true, "Не обнаружено текста, нуждающегося в нормализации"},
      {{true, true, false}, false, "Не обнаружено текста, нуждающегося в нормализации"},
      {{false, true, true}, false, "Не обнаружено текста, нуждающегося в нормализации"},
      {kRenumber, false, "Не обнаружены блоки, требующие перенумерации"},
      {kBlanks, false, "Лишние пробелы не найдены"},
      {kSurplus, false, "Лишние строки не найдены"},
  };
  for (const auto& c : cases) {
    TestEditor t(clean);
    DoNormallize(t.editor, c.fromMenu, c.options);
    EXPECT_TRUE(t.prompt.questions.empty()) << c.reason;
    ASSERT_EQ(t.messages.messages.size(), 1u) << c.reason;
    EXPECT_EQ(t.messages.messages[0].text, std::string("Внимание! ") + c.reason + ". Операция отменена.");
    EXPECT_EQ(t.messages.messages[0].kind, MsgKind::Information);
    EXPECT_FALSE(t.messages.messages[0].likeLast);
    EXPECT_EQ(t.edit.Text(), clean);
    EXPECT_FALSE(t.edit.Focused());
  }
}

TEST(DoNormallize, AnEmptyTextOnlyBeepsAndTheButtonComesBack) {
  TestEditor t("");
  std::vector<bool> running;
  DoNormallize(t.editor, false, kAll, [&](bool r) { running.push_back(r); });
  EXPECT_EQ(t.prompt.beeps, 1);
  EXPECT_TRUE(t.prompt.questions.empty());
  EXPECT_TRUE(t.messages.messages.empty());
  EXPECT_EQ(running, (std::vector<bool>{true, false}));
  EXPECT_EQ(t.lines.UseCount(), 0);
}

TEST(DoNormallize, TheStructureCheckRunsOnlyForRenumbering) {
  // The second block is glued to the first: not recognised, so not renumbered either.
  const std::string glued = Lines({"1", t1, "a", "2", t2, "b", "", "5", t3, "c"});
  const std::string warning =
      "В тексте замечены структурные ошибки: склееные блоки: 1. Рекомендуется их исправить прежде чем "
      "производить перенумерацию. Всё равно хотите продолжить?";
  {
    TestEditor t(glued);
    DoNormallize(t.editor, false, kRenumber);  // the warning is answered Cancel
    EXPECT_EQ(QuestionTexts(t.prompt), std::vector<std::string>{warning});
    EXPECT_EQ(t.prompt.questions[0].kind, MsgKind::Warning);
    EXPECT_EQ(t.prompt.questions[0].buttons, Buttons::YesCancel);
    EXPECT_EQ(t.edit.Text(), glued);
    EXPECT_TRUE(t.messages.messages.empty());
    EXPECT_FALSE(t.edit.Focused());
  }
  {
    TestEditor t(glued);
    t.prompt.Script({Answer::Yes, Answer::Yes});
    DoNormallize(t.editor, false, kRenumber);
    EXPECT_EQ(QuestionTexts(t.prompt),
              (std::vector<std::string>{warning,
                                        "Ренумерация завершена. Перенумеровано блоков 1. Всего обработано блоков: 2. "
                                        "Применить изменения?"}));
    EXPECT_EQ(t.edit.Text(), Lines({"1", t1, "a", "2", t2, "b", "", "2", t3, "c", ""}));
  }
  {
    TestEditor t(glued + "  ");
    t.prompt.Script({Answer::Yes});
    DoNormallize(t.editor, false, kBlanks);
    EXPECT_EQ(QuestionTexts(t.prompt),
              std::vector<std::string>{"Нормализация звершена. Удалено лишних пробелов: 2. Применить изменения?"});
  }
}

TEST(DoNormallize, CancelLeavesTextCaretViewAndUndoAlone) {
  const std::string text = Lines({"", "", "1", t1, "a  ", "", "", "2", t2, "b"});
  TestEditor t(text);
  t.edit.SetSel(t.edit.TextLength(), 0);
  t.edit.ReplaceSel("x", true);
  t.edit.SetSel(4, 4);
  const std::string before = t.edit.Text();
  DoNormallize(t.editor, true, kNone);
  ASSERT_EQ(t.prompt.questions.size(), 1u);
  EXPECT_EQ(t.edit.Text(), before);
  EXPECT_EQ(t.edit.SelStart(), 4);
  EXPECT_EQ(t.edit.SelLength(), 4);
  EXPECT_TRUE(t.edit.CanUndo());
  EXPECT_TRUE(t.messages.messages.empty());
  EXPECT_TRUE(t.edit.Focused());  // whatever the answer
  EXPECT_EQ(t.lines.UseCount(), 0);
}

// Forty numbered blocks of one line each, with three blank lines at the top.
std::string LongText() {
  std::vector<std::string> lines = {"", "", ""};
  for (int i = 1; i <= 40; ++i) {
    lines.push_back(std::to_string(i));
    lines.push_back(t1);
    lines.push_back("x");
    lines.push_back("");
  }
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

TEST(DoNormallize, DroppedLinesAboveMoveTheViewAndCaretLineUp) {
  struct Case {
    int firstVisible;
    int caretLine;
    int expectTop;
    int expectCaretLine;
  } cases[] = {
      {20, 25, 17, 22},  // three top lines dropped above both
      {1, 2, 0, 0},      // inside the dropped run: below 0 becomes 0
      {20, 5, 17, 17},   // a caret above the view goes to the first visible line
      {20, 140, 17, 17}, // and so does one below it
  };
  for (const auto& c : cases) {
    TestEditor t(LongText());
    t.edit.SetVisibleLines(10);
    t.edit.SetSel(t.edit.LineIndex(c.caretLine) + 1, 0);
    t.edit.LineScroll(c.firstVisible - t.edit.FirstVisibleLine());
    ASSERT_EQ(t.edit.FirstVisibleLine(), c.firstVisible);
    t.prompt.Script({Answer::Yes});
    DoNormallize(t.editor, false, kSurplus);
    ASSERT_EQ(t.prompt.questions.size(), 1u);
    EXPECT_EQ(t.prompt.questions[0].text, "Нормализация звершена. Удалено лишних строк: 3. Применить изменения?");
    EXPECT_EQ(t.edit.FirstVisibleLine(), c.expectTop) << c.caretLine;
    EXPECT_EQ(t.edit.SelStart(), t.edit.LineIndex(c.expectCaretLine)) << c.caretLine;
    EXPECT_EQ(t.edit.SelLength(), 0);
  }
}

TEST(DoNormallize, TheNewTextCannotBeUndone) {
  TestEditor t(Lines({"2", t1, "a", "", "3", t2, "b"}));
  t.edit.SetSel(t.edit.TextLength(), 0);
  t.edit.ReplaceSel("", true);
  t.edit.ReplaceSel("c", true);
  ASSERT_TRUE(t.edit.CanUndo());
  t.prompt.Script({Answer::Yes});
  DoNormallize(t.editor, true, kNone);
  const std::string after = Lines({"1", t1, "a", "", "2", t2, "bc", ""});
  EXPECT_EQ(t.edit.Text(), after);
  EXPECT_FALSE(t.edit.CanUndo());
  t.edit.Undo();
  EXPECT_EQ(t.edit.Text(), after);
}

TEST(DoNormallize, AFailureIsCaughtAndNamesTheOperation) {
  const std::string text = Lines({"1  ", t1, "a", "", "2", t2, "b"});
  struct Case {
    int failLine;
    bool failSetText;
    const char* message;
  } cases[] = {
      {2, false, "Ошибка! Сбой при попытке осуществить нормализацию! Действие будет отменено!"},
      {-1, true, "Ошибка! Сбой при попытке осуществить нормализацию!"},
  };
  for (const auto& c : cases) {
    FailingEditor f(text);
    f.edit.failLine = c.failLine;
    f.edit.failSetText = c.failSetText;
    f.prompt.Script({Answer::Yes});
    std::vector<bool> running;
    DoNormallize(f.editor, false, kBlanks, [&](bool r) { running.push_back(r); });
    ASSERT_FALSE(f.prompt.questions.empty());
    EXPECT_EQ(f.prompt.questions.back().text, c.message);
    EXPECT_EQ(f.prompt.questions.back().kind, MsgKind::Error);
    EXPECT_EQ(f.prompt.questions.back().buttons, Buttons::Ok);
    f.edit.failLine = -1;
    EXPECT_EQ(f.edit.Text(), text);
    EXPECT_TRUE(f.messages.messages.empty());
    EXPECT_EQ(running, (std::vector<bool>{true, false}));
    EXPECT_EQ(f.lines.UseCount(), 0);
  }
}

TEST(TryForStructErr, WhatEachLevelCounts) {
  // One text out of blocks, a repeated number, a time line with text after it and an overlap.
  const std::string text = Lines({"1", t3, "a", "", "1", t1, "b", "", "3", t4 + " x", "c", "", "x"});
  const std::string outside = "текст вне блоков: 1";
  const std::string numbering = ", пересечения нумерации блоков: 1, некорректное время: 1";
  const std::string overlap = ", пересечение времени: 1";
  const std::string levels[] = {outside, outside, outside, outside + numbering, outside + numbering + overlap};
  for (int level = 0; level <= 4; ++level) {
    TestEditor t(text);
    t.prompt.Script({Answer::Yes});
    EXPECT_TRUE(TryForStructErr(t.editor, "опыт", level));
    EXPECT_EQ(QuestionTexts(t.prompt),
              std::vector<std::string>{"В тексте замечены структурные ошибки: " + levels[level] +
                                       ". Рекомендуется их исправить прежде чем производить опыт. Всё равно "
                                       "хотите продолжить?"})
        << level;
    EXPECT_EQ(t.prompt.questions[0].kind, MsgKind::Warning);
    EXPECT_EQ(t.prompt.questions[0].buttons, Buttons::YesCancel);
  }
  TestEditor cancelled(text);
  EXPECT_FALSE(TryForStructErr(cancelled.editor, "опыт", 0));
  TestEditor clean(Lines({"1", t1, "a", "", "2", t2, "b"}));
  EXPECT_TRUE(TryForStructErr(clean.editor, "опыт", 4));
  EXPECT_TRUE(clean.prompt.questions.empty());
}

TEST(TryForStructErr, TextThatIsNotSrt) {
  const std::string advice =
      ". Воизбежание недоразумений рекомендуется отключить опцию перенумерции при нормализации";
  struct Case {
    std::string text;
    int level;
    std::string question;  // empty: none asked
  } cases[] = {
      {Lines({"a", "b", "c"}), 0, "Текст не удалось распознать как субтитры формата srt" + advice},
      {Lines({"a", "b", "c"}), 1, "Текст не удалось распознать как субтитры формата srt"},
      {Lines({"a", "b", "c"}), 3, "Текст не удалось распознать как субтитры формата srt"},
      {Lines({"a", "b", ""}), 0, ""},  // two lines and the line break after them
      {"", 4, ""},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    const bool goOn = TryForStructErr(t.editor, "опыт", c.level);
    if (c.question.empty()) {
      EXPECT_TRUE(goOn);
      EXPECT_TRUE(t.prompt.questions.empty()) << c.text;
      continue;
    }
    EXPECT_FALSE(goOn);
    EXPECT_EQ(QuestionTexts(t.prompt), std::vector<std::string>{c.question + ". Всё равно хотите продолжить?"});
    EXPECT_EQ(t.prompt.questions[0].kind, MsgKind::Warning);
    EXPECT_EQ(t.prompt.questions[0].buttons, Buttons::YesCancel);
  }
}

TEST(SetMemoTextSp, KeepsCaretOffsetAndViewAndEndsWithALineBreak) {
  TestEditor t(LongText());
  t.edit.SetVisibleLines(10);
  t.edit.SetSel(t.edit.LineIndex(8) + 5, 0);  // inside a time code
  t.edit.ReplaceSel("z", true);
  t.edit.LineScroll(30);
  const int caret = t.edit.SelStart();
  const std::vector<std::string> lines(100, std::string(198, 'y'));
  SetMemoTextSp(t.editor, &lines);
  EXPECT_EQ(t.edit.TextLength(), 20000);
  EXPECT_EQ(t.edit.Text().substr(19997), "y\r\n");
  EXPECT_EQ(t.edit.SelStart(), caret);
  EXPECT_EQ(t.edit.SelLength(), 0);
  EXPECT_EQ(t.edit.FirstVisibleLine(), 30);
  EXPECT_FALSE(t.edit.CanUndo());
  EXPECT_EQ(t.host.statusRefreshes, 1);

  const std::string before = t.edit.Text();
  SetMemoTextSp(t.editor, nullptr);
  EXPECT_EQ(t.edit.Text(), before);
  EXPECT_EQ(t.host.statusRefreshes, 1);
}

}  // namespace
}  // namespace quillet
