#include "core/find_err.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "core/editor_routines.h"
#include "core/ops_test_support.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::Asked;
using testing::LastAsked;
using testing::Lines;
using testing::TestEditor;
using Set = std::function<void(FindErrSettings&)>;

const std::string T1 = "00:00:01,000 --> 00:00:02,000";
const std::string T2 = "00:00:03,000 --> 00:00:04,000";
const std::string T3 = "00:00:05,000 --> 00:00:06,000";
const std::string kNoErrors = "Сканирование завершено. Ошибок не найдено.";
const std::string kSpan = "ромежуток между начальным и конечным временем блока";
const std::string kOutsideText = "Нарушение структуры субтитров. Текст вне блоков";
const std::string kTimeAsText = "Нарушение структуры субтитров. В качестве текста задано время в формате srt";
const std::string kGlued = kTimeAsText + ". Возможно, у вас склеены два соседних блока (блоки должны быть отделены "
                                         "друг от друга пустой строкой)";
const std::string kBadTime = "Некорректно задано время";
const std::string kForbiddenChar = "В тексте найден запрещённый вами символ \"";
const std::string kForbiddenSet = "В тексте найден запрещённый вами набор символов \"";
const std::string kTooMany = "Число строк текста больше, чем разрешено вашими настройками поиска ошибок (превышает ";

std::string Err(int line, int block, const std::string& text) {
  return "Ошибка! Строка " + std::to_string(line) + (block >= 0 ? " Блок №" + std::to_string(block) : "") +
         ". " + text + ".";
}
std::string NoNew(int skipped) {
  return "Сканирование завершено. Новых ошибок не найдено. Пропущено ошибок: " + std::to_string(skipped) + ".";
}
Set On(bool FindErrSettings::*rule) { return [rule](FindErrSettings& s) { s.*rule = true; }; }

// The engine wired as the session wires it: the change event tells the engine, the ">"
// button's states are recorded by the host.
struct Search {
  explicit Search(const std::string& text, Set set = {}) : t(text) {
    if (set) set(t.host.findErr);
    t.edit.SetChangeHandler([this] { t.lines.MarkStale(); engine.OnTextChanged(); });
  }
  std::string Last() const { return t.messages.messages.empty() ? "" : t.messages.messages.back().text; }
  int CaretLine() const { return GetMemoCaret(t.edit).line; }
  void EditLine(int line, const std::string& text) {
    const int start = t.edit.LineIndex(line);
    t.edit.SetSel(start, t.edit.LineIndex(line + 1) - 2 - start);
    t.edit.ReplaceSel(text, true);
  }
  // Presses ">" while it is enabled; answers every message shown since the last call.
  std::vector<std::string> Messages() {
    while (engine.CanContinue()) engine.FindNext();
    std::vector<std::string> texts;
    for (const auto& m : t.messages.messages) texts.push_back(m.text);
    t.messages.messages.clear();
    return texts;
  }

  TestEditor t;
  std::vector<bool>& button = t.host.nextEnabled;
  TFindErr engine{t.editor};
};

TEST(ForbiddenItems, SplitAtCommasTrimmedWithoutEmptyPieces) {
  EXPECT_EQ(SplitForbiddenItems(" [ , , ] ,, { "), (std::vector<std::string>{"[", "]", "{"}));
  EXPECT_EQ(SplitForbiddenItems("a b ,c"), (std::vector<std::string>{"a b", "c"}));
  EXPECT_TRUE(SplitForbiddenItems(" , ,,\t, ").empty());
}

TEST(FindErrButtons, RulesLineCountAndCaretLine) {
  FindErrSettings allOff;
  allOff.minDurationOn = allOff.overlapsOn = allOff.structureOn = false;
  auto with = [&](std::function<void(FindErrSettings&)> f) { FindErrSettings s = allOff; f(s); return s; };
  const FindErrSettings defaults, onlyMax = with([](FindErrSettings& s) { s.maxDurationOn = true; }),
                        blankList = with([](FindErrSettings& s) { s.specialOn = true; s.specialList = "  \t "; }),
                        list = with([](FindErrSettings& s) { s.specialOn = true; s.specialList = " x "; });
  struct Case { const char* name; FindErrSettings s; bool enable; int lines, caret; bool canContinue, start, caretButton, next; };
  const Case cases[] = {
      {"two lines, caret on the second", defaults, true, 2, 1, true, true, true, true},
      {"caret on the first line", defaults, true, 2, 0, true, true, false, true},
      {"caret on the last line of ten", defaults, true, 10, 9, false, true, true, false},
      {"caret below the last line", defaults, true, 10, 10, false, true, false, false},
      {"one line", defaults, true, 1, 0, true, false, false, false},
      {"not enabled", defaults, false, 10, 5, true, false, false, false},
      {"every rule off", allOff, true, 10, 5, true, false, false, false},
      {"only the maximum duration", onlyMax, true, 10, 5, true, false, false, false},
      {"special characters with a blank list", blankList, true, 10, 5, true, false, false, false},
      {"special characters with a list", list, true, 10, 5, true, true, true, true},
  };
  for (const auto& c : cases) {
    const FindErrButtonStates b = FindErrButtons(c.s, c.enable, c.lines, c.caret, c.canContinue);
    EXPECT_EQ(std::make_tuple(b.fromStart, b.fromCaret, b.next), std::make_tuple(c.start, c.caretButton, c.next))
        << c.name;
  }
  for (bool FindErrSettings::*rule : {&FindErrSettings::minDurationOn, &FindErrSettings::overlapsOn,
                                      &FindErrSettings::maxLinesOn, &FindErrSettings::numberingOn,
                                      &FindErrSettings::structureOn, &FindErrSettings::emptyBlocksOn}) {
    FindErrSettings s = allOff;
    s.*rule = true;
    EXPECT_TRUE(FindErrButtons(s, true, 2, 1, false).fromStart);
  }
}

TEST(FindErr, EachRuleItsMessageAndCaret) {
  const Set none, maxOn = On(&FindErrSettings::maxDurationOn), lines2 = On(&FindErrSettings::maxLinesOn),
                  special = On(&FindErrSettings::specialOn), empty = On(&FindErrSettings::emptyBlocksOn);
  const Set noStructure = [](FindErrSettings& s) { s.structureOn = false; };
  auto list = [](const std::string& items) {
    return Set([items](FindErrSettings& s) { s.specialOn = true; s.specialList = items; });
  };
  const std::string notice =
      "\r\nЗамечно нарушение упорядоченности нумерации блоков (не является ошибкой) - рекомендуется "
      "выполнить ренумерацию (необязательно).";
  auto block = [](const std::string& timeLine) { return Lines({"1", timeLine, "a"}); };
  auto span = [&](std::string start, std::string end) { return block("00:00:" + start + " --> 00:00:" + end); };
  struct Case { const char* name; std::string text; Set set; std::string message; int caretLine; };  // -1: no error
  const Case cases[] = {
      {"one blank before a one-digit hour", block(" 1:00:01,000 --> 01:00:02,000"), none, kNoErrors, -1},
      {"a dot before the milliseconds", block("00:00:01.000 --> 00:00:02,000"), none, Err(2, 1, kBadTime), 1},
      {"a one-digit hour: the arrow at 12", block("0:00:01,000 --> 00:00:02,000"), none, Err(2, 1, kBadTime), 1},
      {"time codes beyond 32 bits", block("99999999999:00:00,000 --> 00:00:01,000"), none, Err(2, 1, kBadTime), 1},
      {"trailing blank on the time line", block(T1 + "  \t"), none, kNoErrors, -1},
      {"start equals previous end", Lines({"1", T1, "a", "", "2", "00:00:02,000 --> 00:00:03,000", "b"}), none,
       kNoErrors, -1},
      {"end before start", span("05,000", "01,000"), none,
       Err(2, 1, "Конечное время блока меньше его начального времени"), 1},
      {"negative, overlaps off", span("05,000", "01,000"), [](FindErrSettings& s) { s.overlapsOn = false; },
       Err(2, 1, "П" + kSpan + " имеет отрицательное значение (начальное время превышает конечное)"), 1},
      {"zero length", span("01,000", "01,000"), none, Err(2, 1, "П" + kSpan + " имеет нулевую длину"), 1},
      {"exactly the minimum", span("01,000", "01,500"), none, kNoErrors, -1},
      {"minimum off", span("01,000", "01,000"), [](FindErrSettings& s) { s.minDurationOn = false; }, kNoErrors, -1},
      {"too long, the seconds cut", span("01,000", "21,001"), maxOn,
       Err(2, 1, "Слишком большой п" + kSpan + ". Промежуток составляет 20001 миллисекунд (20 сек)"), 1},
      {"exactly the maximum", span("01,000", "21,000"), maxOn, kNoErrors, -1},
      {"number without a time line", Lines({"1", T1, "a", "", "2", "b"}), none, Err(5, -1, kOutsideText), 4},
      {"outside, structure off", Lines({"x", "", "1", T1, "a"}), noStructure, kNoErrors, -1},
      {"time as text", Lines({"1", T1, T2, ""}), none, Err(3, 1, kTimeAsText), 2},
      {"two text lines of two", Lines({"1", T1, "a", "b", ""}), lines2, kNoErrors, -1},
      {"no text line allowed", Lines({"1", T1, "a", ""}),
       [](FindErrSettings& s) { s.maxLinesOn = true; s.maxLines = 0; }, Err(3, 1, kTooMany + "0)"), 2},
      {"list order, not text order", Lines({"1", T1, "a \\[b]", ""}), special, Err(3, 1, kForbiddenChar + "[\""), 2},
      {"special set in another case", Lines({"1", T1, "<I>a", ""}), special, Err(3, 1, kForbiddenSet + "<i>\""), 2},
      {"special outside blocks", Lines({"{x}", "", "1", T1, "a"}),
       [](FindErrSettings& s) { s.specialOn = true; s.structureOn = false; },
       Err(1, -1, kForbiddenChar + "{\""), 0},
      {"Cyrillic item", Lines({"1", T1, Ansi("ЁЖИК"), ""}), list(Ansi(" ,ёж, ")), Err(3, 1, kForbiddenSet + "ёж\""), 2},
      {"no special check on time and number lines", Lines({"1", T1, "a", ""}), list("1,:,0"), kNoErrors, -1},
      {"empty last block, final break", Lines({"1", T1, ""}), empty, Err(3, -1, "Пустой блок (текст отсутствует)"), 2},
      {"empty last block, no final break", Lines({"1", T1}), empty, kNoErrors, -1},
      {"numbering repeat", Lines({"1", T1, "a", "", "1", T2, "b"}), On(&FindErrSettings::numberingOn),
       Err(5, 1, "Некорректная нумерация блоков - номер текущего блока (1) меньше или равен номеру предыдущего блока"),
       4},
      {"numbering 1 2 5, rule off", Lines({"1", T1, "a", "", "2", T2, "b", "", "5", T3, "c"}), none,
       kNoErrors + notice, -1},
      {"numbering 0 2, rule off", Lines({"0", T1, "a", "", "2", T2, "b"}), none, kNoErrors + notice, -1},
      {"numbering 0 1", Lines({"0", T1, "a", "", "1", T2, "b"}), none, kNoErrors, -1},
      {"numbering 1 3 2, rule off", Lines({"1", T1, "a", "", "3", T2, "b", "", "2", T3, "c"}), none, kNoErrors, -1},
      {"gap after text outside", Lines({"x", "", "1", T1, "a", "", "5", T3, "c"}), noStructure, kNoErrors, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Search s(c.text, c.set);
    const bool found = c.caretLine >= 0;
    EXPECT_EQ(s.engine.FindFromStart(), found);
    ASSERT_EQ(s.t.messages.messages.size(), 1u);
    EXPECT_EQ(std::make_pair(s.Last(), s.t.messages.messages[0].kind),
              std::make_pair(c.message, found ? MsgKind::Error : MsgKind::Information));
    if (found) {  // the caret at the start of the line, nothing selected
      EXPECT_EQ(std::make_tuple(s.CaretLine(), s.t.edit.SelStart(), s.t.edit.SelLength()),
                std::make_tuple(c.caretLine, s.t.edit.LineIndex(c.caretLine), 0));
    }
    EXPECT_EQ(std::make_tuple(s.t.prompt.beeps, s.t.prompt.questions.size(), s.t.lines.UseCount()),
              std::make_tuple(0, 0u, 0));
  }
}

TEST(FindErr, ToTheEndEachErrorOnceWithThePassedOverCount) {
  const std::string tooMany = kTooMany + "2)", longText(100000, static_cast<char>(0xE0));
  struct Case { const char* name; std::string text; Set set; std::vector<std::string> messages; } cases[] = {
      {"one error per run of outside lines", Lines({"x", "y", "", "z", "", "1", T1, "a"}), {},
       {Err(1, -1, kOutsideText), Err(4, -1, kOutsideText), NoNew(2)}},
      {"too many lines once per block", Lines({"1", T1, "a", "b", "c", "d", "", "2", T2, "e", "f", "g", ""}),
       On(&FindErrSettings::maxLinesOn), {Err(5, 1, tooMany), Err(12, 2, tooMany), NoNew(2)}},
      {"a glued block is not reported again for its length",
       Lines({"1", T1, "a", "", "2", T2, "b", "3", T3, "c", "d", ""}), On(&FindErrSettings::maxLinesOn),
       {Err(9, 2, kGlued), NoNew(1)}},
      {"a bad time line skips the other time checks", Lines({"1", "00:00:05,000 --> 00:00:01,00", "a", ""}), {},
       {Err(2, 1, kBadTime), NoNew(1)}},
      {"the times of a line with text after them still count", Lines({"1", T2 + "x", "a", "", "2", T1, "b"}), {},
       {Err(2, 1, kBadTime), Err(6, 2, "Начальное время блока меньше конечного времени предыдущего блока"), NoNew(2)}},
      {"an error on the last line, no final break", Lines({"1", T1, "a", "", "2", T2, "b", "", ""}) + "x", {},
       {Err(9, -1, kOutsideText)}},
      {"long lines; an error on the last line ends it", Lines({"1", T1, longText, longText + "\\", "", longText}),
       On(&FindErrSettings::specialOn), {Err(4, 1, kForbiddenChar + "\\\""), Err(6, -1, kOutsideText)}},
  };
  for (const auto& c : cases) {
    Search s(c.text, c.set);
    s.engine.FindFromStart();
    // Off when made, reset, then the scan's answer: on while lines follow the first error.
    EXPECT_EQ(s.button, (std::vector<bool>{false, false, c.messages.size() > 1})) << c.name;
    EXPECT_EQ(s.Messages(), c.messages) << c.name;
    EXPECT_FALSE(s.engine.CanContinue() || s.button.back()) << c.name;
  }
}

TEST(FindErr, NextBeforeAnyScanStartsFromTheTop) {
  Search idle(Lines({"x", "", "y", ""}));
  EXPECT_TRUE(idle.engine.FindNext());
  EXPECT_EQ(idle.Last(), Err(1, -1, kOutsideText));
  EXPECT_EQ(idle.engine.Skipped(), 0);
}

TEST(FindErr, FromLinePassesOverAndCountsTheErrorsAboveIt) {
  auto text = [](std::vector<std::string> head) {
    head.resize(45);
    std::string t;
    for (const auto& l : head) t += l + "\r\n";
    return t;
  };
  const std::string fromTo = "Сканирование завершено. От строки ";
  struct Case { std::vector<std::string> head; int from; std::vector<std::string> messages; } cases[] = {
      {{}, 39, {kNoErrors}},
      {{"x", "", "y", "", "1", T2, "a", "", "2", "00:00:01,000 --> 00:00:01,100", "b"}, 11,
       {fromTo + "12 до конца текста ошибок не найдено. Пропущено ошибок: 4."}},
  };
  for (const auto& c : cases) {
    Search s(text(c.head));
    s.engine.FindFromLine(c.from);
    EXPECT_EQ(s.Messages(), c.messages) << c.from;
  }
}

TEST(FindErr, NothingToSearchBeepsWithoutAMessage) {
  for (const auto& [text, from] : std::vector<std::pair<std::string, int>>{
           {"", 0}, {"", 5}, {Lines({"1", T1, "a"}), 3}, {Lines({"1", T1, "a"}), 2000000000}}) {
    Search s(Lines({"x", "", "y", "", "z"}));
    s.engine.FindFromStart();  // stopped on an error, with a snapshot
    s.t.messages.messages.clear();
    s.t.edit.SetText(text);
    EXPECT_FALSE(from == 0 ? s.engine.FindFromStart() : s.engine.FindFromLine(from));
    EXPECT_EQ(std::make_tuple(s.t.prompt.beeps, s.t.messages.messages.size(), s.t.lines.UseCount()),
              std::make_tuple(1, 0u, 0)) << from;
    EXPECT_TRUE(s.engine.Snapshot().empty()) << from;
    EXPECT_FALSE(s.engine.CanContinue() || s.button.back()) << from;
  }
}

TEST(FindErr, ScrollTargetAndFocus) {
  // A block of a number line, a time line and n text lines, "[x]" on text line errorAt.
  auto block = [](int number, const std::string& time, int n, int errorAt) {
    std::vector<std::string> b = {std::to_string(number), time};
    for (int i = 0; i < n; ++i) b.push_back(i == errorAt ? "[x]" : "t");
    b.push_back("");
    return b;
  };
  auto join = [](std::vector<std::vector<std::string>> parts) {
    std::string text;
    for (auto& p : parts)
      for (auto& l : p) text += l + "\r\n";
    return text + std::string(80, '\n');  // room to scroll below
  };
  struct Case { const char* name; std::string text; int errorLine, top; } cases[] = {
      {"eleven lines below its number line", join({block(1, T1, 12, 9)}), 11, 0},
      {"twelve lines below its number line", join({block(1, T1, 12, 10)}), 12, 12},
      {"the block just closed is preferred", join({block(1, T1, 1, -1), block(2, T2, 3, 2)}), 8, 0},
      {"the block just closed, far", join({block(1, T1, 8, -1), block(2, T2, 3, 2)}), 15, 11},
      {"far from every block", join({block(1, T1, 1, -1), std::vector<std::string>(20), {"[y]"}}), 24, 24},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Search s(c.text, On(&FindErrSettings::specialOn));
    s.t.edit.SetVisibleLines(3);
    s.t.edit.LineScroll(30);
    EXPECT_TRUE(s.engine.FindFromStart());
    EXPECT_EQ(std::make_tuple(s.CaretLine(), s.t.edit.FirstVisibleLine(), s.t.host.statusRefreshes),
              std::make_tuple(c.errorLine, c.top, 1));
    EXPECT_TRUE(s.t.edit.Focused());
  }
}

TEST(FindErr, ResumingAfterEdits) {
  // Three errors, text outside blocks on lines 4, 14 and 24 (0-based), between clean blocks.
  std::string threeErrors;
  for (int e = 0; e < 3; ++e) {
    threeErrors += Lines({std::to_string(2 * e + 1), T1, "a", "", "err" + std::to_string(e + 1), "",
                          std::to_string(2 * e + 2), T1, "b", "", ""});
  }
  auto at = [](int line) { return Err(line + 1, -1, kOutsideText); };
  // after: what the presses of ">" show after the edit.
  struct Case { const char* name; std::function<void(Search&)> edit; std::vector<std::string> after; } cases[] = {
      {"nothing edited", [](Search&) {}, {at(24), NoNew(3)}},
      {"letter case and trailing blanks only", [](Search& s) { s.EditLine(4, "ERR1   "); s.EditLine(8, "B\t"); },
       {at(24), NoNew(2)}},
      {"a blank line added to a run", [](Search& s) { s.EditLine(5, "\r\n"); }, {at(25), NoNew(2)}},
      {"an edit inside the scanned part", [](Search& s) { s.EditLine(8, "changed"); }, {at(14), at(24), NoNew(3)}},
      {"the shown error fixed", [](Search& s) { s.EditLine(14, ""); }, {at(24), NoNew(2)}},
      {"the line right after the shown error", [](Search& s) { s.EditLine(15, "x"); }, {at(24), NoNew(2)}},
      {"the first error fixed", [](Search& s) { s.EditLine(4, ""); }, {at(14), at(24), NoNew(2)}},
      {"a new error on the changed line", [](Search& s) { s.EditLine(2, T2); },
       {Err(3, 1, kTimeAsText), at(4), at(14), at(24), NoNew(4)}},
  };
  for (const auto& c : cases) {
    Search s(threeErrors, [](FindErrSettings& f) { f.overlapsOn = false; });
    s.engine.FindFromStart();
    s.engine.FindNext();
    ASSERT_EQ(s.Last(), at(14));  // stopped on the second error
    s.t.messages.messages.clear();
    c.edit(s);
    EXPECT_EQ(s.Messages(), c.after) << c.name;
    EXPECT_FALSE(s.engine.TextChanged()) << c.name;
  }
}

TEST(FindErr, OptionsAreReadWhenMarkedDirty) {
  Search s(Lines({"1", "00:00:01,000 --> 00:00:01,300", "a", "", "2", "00:00:02,000 --> 00:00:02,300", "b", ""}));
  EXPECT_TRUE(s.engine.FindFromStart());
  EXPECT_EQ(s.CaretLine(), 1);
  s.t.host.findErr.minDuration = 100;
  EXPECT_TRUE(s.engine.FindNext());  // not marked: the old limit still applies
  EXPECT_EQ(s.CaretLine(), 5);
  s.engine.FindFromStart();
  s.engine.MarkSettingsDirty();  // a change on the panel while stopped on the first block
  EXPECT_FALSE(s.engine.FindNext());
  EXPECT_EQ(s.Last(), NoNew(1));
}

TEST(FindErr, AFailureIsReportedInABoxAndClosesTheBracket) {
  struct ThrowingHost : testing::FakeHost {
    FindErrSettings ReadFindErrSettings() const override { throw std::runtime_error("panel gone"); }
  } host;
  TestEditor t(Lines({"x", "", "y"}));
  Editor editor{t.edit, t.lines, t.format, t.prompt, t.messages, host};
  std::vector<bool>& button = host.nextEnabled;
  TFindErr engine(editor);
  EXPECT_FALSE(engine.FindFromStart());
  ASSERT_EQ(t.prompt.questions.size(), 1u);
  EXPECT_EQ(LastAsked(t.prompt), Asked("Сбой программы в процессе поиска ошибок! Поиск остановлен. Для устранения "
                                       "ошибки обратитесь к разработчику", MsgKind::Error, Buttons::Ok));
  EXPECT_EQ(std::make_pair(t.messages.messages.size(), t.lines.UseCount()), std::make_pair(size_t{0}, 0));
  EXPECT_FALSE(engine.CanContinue() || button.back());
}

}  // namespace
}  // namespace quillet
