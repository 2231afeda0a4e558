#include "core/normalize.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ops_test_support.h"

namespace quillet {
namespace {

using namespace testing;

const std::string t1 = "00:00:01,000 --> 00:00:02,000";
const std::string t2 = "00:00:03,000 --> 00:00:04,000";
const std::string t3 = "00:00:05,000 --> 00:00:06,000";
const std::string t4 = "00:00:07,000 --> 00:00:08,000";

constexpr NormalizeOptions kRenumber{true, false, false};
constexpr NormalizeOptions kBlanks{false, true, false};
constexpr NormalizeOptions kSurplus{false, false, true};
constexpr NormalizeOptions kAll{true, true, true};

TEST(DoNormallize, ReportsAndNewTexts) {
  struct Case { const char* name; std::string text; NormalizeOptions options; std::string report, after; } cases[] = {
      {"renumber 1 2 7 8", Lines({"1", t1, "a", "", "2", t2, "b", "", "7", t3, "c", "", "8", t4, "d", ""}), kRenumber,
       "Ренумерация завершена. Перенумеровано блоков 2. Всего обработано блоков: 4.",
       Lines({"1", t1, "a", "", "2", t2, "b", "", "3", t3, "c", "", "4", t4, "d", ""})},
      {"003 equals its count; a renumbered line loses its blanks",
       Lines({"1", t1, "a  ", "", "2", t2, "b", "", "003", t3, "c", "", "9  ", t4, "d"}), kRenumber,
       "Ренумерация завершена. Перенумеровано блоков 1. Всего обработано блоков: 4.",
       Lines({"1", t1, "a  ", "", "2", t2, "b", "", "003", t3, "c", "", "4", t4, "d", ""})},
      {"right blanks", Lines({"1  ", t1 + " ", "a \t", "", "2", t2, "b"}), kBlanks,
       "Нормализация звершена. Удалено лишних пробелов: 5.", Lines({"1", t1, "a", "", "2", t2, "b", ""})},
      {"a tab line is blank and kept with its tab", Lines({"1", t1, "a", "\t", "", "2", t2, "b"}), kSurplus,
       "Нормализация звершена. Удалено лишних строк: 1.", Lines({"1", t1, "a", "\t", "2", t2, "b", ""})},
      {"all options, each part even at 0", Lines({"1", t1, "a", "", "", "2", t2, "b", ""}), kAll,
       "Нормализация звершена. Перенумеровано блоков 0 из 2. Удалено лишних пробелов: 0. Удалено лишних строк: 1.",
       Lines({"1", t1, "a", "", "2", t2, "b", ""})},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    t.prompt.Script({Answer::Yes});
    DoNormallize(t.editor, false, c.options);  // a second question would get no Yes
    ExpectApplied(t, c.report, c.after, MsgKind::Information, c.name);
  }
}

// A time line with nothing after its arrow keeps the arrow's blank: without it the line would
// be no time line, and the next run would see a block less and number the others anew.
TEST(DoNormallize, ASecondRunFindsNothingToDo) {
  const std::string open = "00:00:01,000 --> ";
  TestEditor t(Lines({"1", open + "  ", "a", "", "5", t2, "b"}));
  t.prompt.Script({Answer::Yes});
  DoNormallize(t.editor, false, {true, true, false});
  ExpectApplied(t, "Нормализация звершена. Перенумеровано блоков 1 из 2. Удалено лишних пробелов: 2.",
                Lines({"1", open, "a", "", "2", t2, "b", ""}), MsgKind::Information, "first run");
  const std::string once = t.edit.Text();
  DoNormallize(t.editor, false, {true, true, false});
  EXPECT_EQ(t.edit.Text(), once);
  EXPECT_EQ(t.messages.messages.back().text,
            "Внимание! Не обнаружено текста, нуждающегося в нормализации. Операция отменена.");
}

TEST(DoNormallize, NothingToDoAndAnEmptyText) {
  const std::string clean = Lines({"1", t1, "a", "", "2", t2, "b", ""});
  const std::pair<NormalizeOptions, const char*> cases[] = {
      {{true, true, false}, "Не обнаружено текста, нуждающегося в нормализации"},
      {kRenumber, "Не обнаружены блоки, требующие перенумерации"},
      {kBlanks, "Лишние пробелы не найдены"},
      {kSurplus, "Лишние строки не найдены"},
  };
  for (const auto& [options, reason] : cases) {
    TestEditor t(clean);
    DoNormallize(t.editor, false, options);
    EXPECT_EQ(std::make_pair(t.prompt.questions.size(), t.edit.Text()), std::make_pair(size_t{0}, clean)) << reason;
    EXPECT_EQ(Messages(t.messages),
              (std::vector<Said>{{std::string("Внимание! ") + reason + ". Операция отменена.", MsgKind::Information, false}}));
  }
  TestEditor t("");
  const std::vector<bool>& running = t.host.normalizeRunning;
  DoNormallize(t.editor, false, kAll);
  EXPECT_EQ(std::make_tuple(t.prompt.beeps, t.prompt.questions.size(), t.messages.messages.size()),
            std::make_tuple(1, size_t{0}, size_t{0}));
  EXPECT_EQ(running, (std::vector<bool>{true, false}));
}

TEST(DoNormallize, TheStructureCheckComesFirstAndOnlyForRenumbering) {
  // The second block is glued to the first: it is neither counted nor renumbered.
  const std::string glued = Lines({"1", t1, "a", "2", t2, "b", "", "5", t3, "c"});
  const std::string warning = "В тексте замечены структурные ошибки: склееные блоки: 1. Рекомендуется их исправить "
                              "прежде чем производить перенумерацию. Всё равно хотите продолжить?";
  TestEditor cancelled(glued);
  DoNormallize(cancelled.editor, false, kRenumber);
  EXPECT_EQ(LastAsked(cancelled.prompt), Asked(warning, MsgKind::Warning, Buttons::YesCancel));
  EXPECT_EQ(std::make_tuple(cancelled.edit.Text(), cancelled.messages.messages.size(), cancelled.edit.Focused()),
            std::make_tuple(glued, size_t{0}, false));

  TestEditor t(glued);
  t.prompt.Script({Answer::Yes, Answer::Yes});
  DoNormallize(t.editor, false, kRenumber);
  ExpectApplied(t, "Ренумерация завершена. Перенумеровано блоков 1. Всего обработано блоков: 2.",
                Lines({"1", t1, "a", "2", t2, "b", "", "2", t3, "c", ""}), MsgKind::Information, "glued");

  TestEditor blanks(glued + " ");
  DoNormallize(blanks.editor, false, kBlanks);
  EXPECT_EQ(QuestionTexts(blanks.prompt),
            std::vector<std::string>{"Нормализация звершена. Удалено лишних пробелов: 1. Применить изменения?"});
}

TEST(DoNormallize, CancelLeavesTextSelectionAndUndoAlone) {
  const std::string text = Lines({"", "1", t1, "a  ", "", "", "2", t2, "b"});
  TestEditor t(text);
  t.edit.SetSel(t.edit.TextLength(), 0);
  t.edit.ReplaceSel("x", true);
  t.edit.SetSel(2, 4);
  DoNormallize(t.editor, true, {false, false, false});  // the menu takes every part
  ASSERT_EQ(t.prompt.questions.size(), 1u);
  EXPECT_EQ(std::make_tuple(t.edit.Text(), t.edit.SelStart(), t.edit.SelLength()), std::make_tuple(text + "x", 2, 4));
  EXPECT_TRUE(t.edit.CanUndo() && t.messages.messages.empty());
  EXPECT_TRUE(t.edit.Focused());  // whatever the answer
}

// Forty blocks of one line each, with three blank lines at the top.
std::string LongText() {
  std::string text = "\r\n\r\n\r\n";
  for (int i = 1; i <= 40; ++i) text += std::to_string(i) + "\r\n" + t1 + "\r\nx\r\n\r\n";
  return text;
}

TEST(DoNormallize, DroppedLinesAboveMoveTheViewAndTheCaretLineUp) {
  struct Case { int firstVisible, caretLine, expectTop, expectCaretLine; } cases[] = {
      {20, 25, 17, 22},   // three top lines dropped above both
      {1, 2, 0, 0},       // inside the dropped run: below 0 becomes 0
      {20, 5, 17, 17},    // a caret above the view goes to the first visible line
  };
  for (const auto& c : cases) {
    TestEditor t(LongText());
    t.edit.SetVisibleLines(10);
    t.edit.SetSel(t.edit.LineIndex(c.caretLine) + 1, 0);
    t.edit.LineScroll(c.firstVisible - t.edit.FirstVisibleLine());
    t.prompt.Script({Answer::Yes});
    DoNormallize(t.editor, false, kSurplus);
    EXPECT_EQ(std::make_tuple(t.edit.FirstVisibleLine(), t.edit.SelStart(), t.edit.SelLength()),
              std::make_tuple(c.expectTop, t.edit.LineIndex(c.expectCaretLine), 0)) << c.caretLine;
  }
}

TEST(DoNormallize, AFailureIsCaughtAndNamesTheOperation) {
  const std::string text = Lines({"1  ", t1, "a", "", "2", t2, "b"});
  const std::string box = "Ошибка! Сбой при попытке осуществить нормализацию!";
  for (const bool afterWalk : {false, true}) {
    FailingEditor f(text, afterWalk ? -1 : 2, afterWalk);
    f.prompt.Script({Answer::Yes});
    const std::vector<bool>& running = f.host.normalizeRunning;
    DoNormallize(f.editor, false, kBlanks);
    ExpectFailureBox(f, text, afterWalk ? box : box + " Действие будет отменено!");
    EXPECT_EQ(running, (std::vector<bool>{true, false}));
  }
}

TEST(TryForStructErr, WhatEachLevelCountsAndTextThatIsNotSrt) {
  // Text out of blocks, a repeated number, a time line with text after it, an overlap.
  const std::string text = Lines({"1", t3, "a", "", "1", t1, "b", "", "3", t4 + " x", "c", "", "x"});
  const std::string notSrt = Lines({"a", "b", "c"}), unknown = "Текст не удалось распознать как субтитры формата srt";
  const std::string outside = "текст вне блоков: 1";
  const std::string numbering = outside + ", пересечения нумерации блоков: 1, некорректное время: 1";
  auto counted = [](const std::string& what) {
    return "В тексте замечены структурные ошибки: " + what + ". Рекомендуется их исправить прежде чем производить опыт";
  };
  struct Case { std::string text; int level; std::string question; } cases[] = {  // empty: none asked; else answered Cancel
      {text, 2, counted(outside)}, {text, 3, counted(numbering)},
      {text, 4, counted(numbering + ", пересечение времени: 1")},
      {notSrt, 0, unknown + ". Воизбежание недоразумений рекомендуется отключить опцию перенумерции при нормализации"},
      {notSrt, 1, unknown}, {Lines({"a", "b", ""}), 0, ""},
  };
  for (const auto& c : cases) {
    TestEditor t(c.text);
    EXPECT_EQ(TryForStructErr(t.editor, "опыт", c.level), c.question.empty()) << c.level << c.question;
    const std::string asked = c.question.empty() ? "" : c.question + ". Всё равно хотите продолжить?";
    EXPECT_EQ(t.prompt.questions.size(), asked.empty() ? 0u : 1u);
    EXPECT_EQ(LastAsked(t.prompt), asked.empty() ? Asked() : Asked(asked, MsgKind::Warning, Buttons::YesCancel));
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
  EXPECT_EQ(std::make_pair(t.edit.TextLength(), t.edit.Text().substr(19997)), std::make_pair(20000, std::string("y\r\n")));
  EXPECT_EQ(std::make_tuple(t.edit.SelStart(), t.edit.SelLength(), t.edit.FirstVisibleLine()),
            std::make_tuple(caret, 0, 30));
  EXPECT_EQ(std::make_pair(t.edit.CanUndo(), t.host.statusRefreshes), std::make_pair(false, 1));
  SetMemoTextSp(t.editor, nullptr);
  EXPECT_EQ(std::make_pair(t.edit.TextLength(), t.host.statusRefreshes), std::make_pair(20000, 1));
}

}  // namespace
}  // namespace quillet
