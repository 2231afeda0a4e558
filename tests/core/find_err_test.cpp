#include "core/find_err.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/editor_routines.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::Lines;
using testing::TestEditor;

const std::string T1 = "00:00:01,000 --> 00:00:02,000";
const std::string T2 = "00:00:03,000 --> 00:00:04,000";
const std::string T3 = "00:00:05,000 --> 00:00:06,000";
const std::string T4 = "00:00:07,000 --> 00:00:08,000";
const std::string T5 = "00:00:09,000 --> 00:00:10,000";

const std::string kDone = "Сканирование завершено. ";
const std::string kNoErrors = "Сканирование завершено. Ошибок не найдено.";
const std::string kNotice =
    "\r\nЗамечно нарушение упорядоченности нумерации блоков (не является ошибкой) - рекомендуется "
    "выполнить ренумерацию (необязательно).";

// An editor with the engine wired as the main window wires it: the change event sets the
// engine's text-changed flag, the ">" button's states are recorded.
struct Search {
  explicit Search(const std::string& text, std::function<void(FindErrSettings&)> set = {}) : t(text) {
    if (set) set(t.host.findErr);
    t.edit.SetChangeHandler([this] {
      t.lines.MarkStale();
      t.format.MarkNeedsDetection();
      engine.textChanged = true;
    });
  }
  std::string Last() const { return t.messages.messages.empty() ? "" : t.messages.messages.back().text; }
  MsgKind LastKind() const { return t.messages.messages.back().kind; }
  int CaretLine() const { return GetMemoCaret(t.edit).line; }
  // Replaces line (0-based) of the editor with text as one undoable edit.
  void EditLine(int line, const std::string& text) {
    const int start = t.edit.LineIndex(line);
    const int end = t.edit.LineIndex(line + 1);
    t.edit.SetSel(start, (end < 0 ? t.edit.TextLength() : end - 2) - start);
    t.edit.ReplaceSel(text, true);
  }
  // Every message shown by running the whole search as a user pressing ">" would.
  std::vector<std::string> RunAll() {
    engine.FindFromStart();
    while (engine.canContinue) engine.FindNext();
    std::vector<std::string> texts;
    for (const auto& m : t.messages.messages) texts.push_back(m.text);
    return texts;
  }

  TestEditor t;
  std::vector<bool> button;
  TFindErr engine{t.editor, [this](bool on) { button.push_back(on); }};
};

TEST(TimeLineChecks, LayoutProbeAndCheck) {
  struct Case {
    std::string line;
    bool probe;
    bool check;
    bool timesRead;
  } cases[] = {
      {T1, true, true, true},
      {" 1:00:01,000 --> 01:00:02,000", true, true, true},  // one blank before a one-digit hour
      {T1 + "x", true, false, true},
      {T1 + " --> 00:00:03,000", true, false, true},
      {"00:00:01,000 --> 00:00:02,00", false, false, false},
      {"00:00:01,00 --> 00:00:02,000", false, false, false},
      {"0:00:01,000 --> 00:00:02,000", false, false, false},  // arrow at 12
      {"00:00:01.000 --> 00:00:02,000", true, false, true},
      {"00:00:01,000 -> 00:00:02,000", false, false, false},
      {"aa:bb:cc,ddd --> 00:00:02,000", false, false, false},
      {"", false, false, false},
      {"99999999999:00:00,000 --> 00:00:01,000", false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProbeTimeLine(c.line), c.probe) << c.line;
    int32_t prev = 7, start = 8, end = 9;
    bool read = false;
    EXPECT_EQ(CheckTimeLine(c.line, prev, start, end, &read), c.check) << c.line;
    EXPECT_EQ(read, c.timesRead) << c.line;
    if (read) {
      EXPECT_EQ(prev, 9) << c.line;
      EXPECT_GE(start, 0);
    } else {
      EXPECT_EQ(prev, 7) << c.line;
      EXPECT_EQ(start, 8);
      EXPECT_EQ(end, 9);
    }
  }
  EXPECT_TRUE(IsTimeLineLayout("xx:xx:xx,xxx --> xx:xx:xx,xxx"));
  EXPECT_FALSE(IsTimeLineLayout("00:00:01,000 --> 00:00:02,00"));
}

TEST(ForbiddenItems, SplitAtCommasTrimmedAndWithoutEmptyPieces) {
  EXPECT_EQ(SplitForbiddenItems(" [ , , ] ,, { "), (std::vector<std::string>{"[", "]", "{"}));
  EXPECT_EQ(SplitForbiddenItems("[,],{,},<i>,/,\\"),
            (std::vector<std::string>{"[", "]", "{", "}", "<i>", "/", "\\"}));
  EXPECT_TRUE(SplitForbiddenItems(" , ,,\t, ").empty());
  EXPECT_TRUE(SplitForbiddenItems("").empty());
  EXPECT_EQ(SplitForbiddenItems("a b ,c"), (std::vector<std::string>{"a b", "c"}));
}

// One text, one rule set: the first message of FindFromStart and the caret's line.
struct FirstErrorCase {
  const char* name;
  std::string text;
  std::function<void(FindErrSettings&)> set;
  std::string message;  // without "Ошибка! " when it is an error
  int caretLine;        // -1: no error
};

TEST(FindErr, EachRuleAndItsMessage) {
  auto none = [](FindErrSettings&) {};
  auto onlyMin = [](FindErrSettings& s) { s.overlapsOn = false; };
  auto maxOn = [](FindErrSettings& s) { s.maxDurationOn = true; };
  auto lines2 = [](FindErrSettings& s) { s.maxLinesOn = true; };
  auto special = [](FindErrSettings& s) { s.specialOn = true; };
  auto empty = [](FindErrSettings& s) { s.emptyBlocksOn = true; };
  auto numbering = [](FindErrSettings& s) { s.numberingOn = true; };
  auto noStructure = [](FindErrSettings& s) { s.structureOn = false; };
  auto nothing = [](FindErrSettings& s) {
    s.minDurationOn = s.overlapsOn = s.structureOn = false;
  };
  const std::string span = "ромежуток между начальным и конечным временем блока";
  const FirstErrorCase cases[] = {
      {"clean", Lines({"1", T1, "a", "", "2", T2, "b", ""}), none, kNoErrors, -1},
      {"bad time", Lines({"1", "00:00:01,000 --> 00:00:02,00", "a"}), none,
       "Строка 2 Блок №1. Некорректно задано время.", 1},
      {"time with trailing blank", Lines({"1", T1 + "  \t", "a"}), none, kNoErrors, -1},
      {"overlap", Lines({"1", T2, "a", "", "2", T1, "b"}), none,
       "Строка 6 Блок №2. Начальное время блока меньше конечного времени предыдущего блока.", 5},
      {"start equals previous end", Lines({"1", T1, "a", "", "2", "00:00:02,000 --> 00:00:03,000", "b"}),
       none, kNoErrors, -1},
      {"end before start", Lines({"1", "00:00:05,000 --> 00:00:01,000", "a"}), none,
       "Строка 2 Блок №1. Конечное время блока меньше его начального времени.", 1},
      {"negative, overlaps off", Lines({"1", "00:00:05,000 --> 00:00:01,000", "a"}), onlyMin,
       "Строка 2 Блок №1. П" + span + " имеет отрицательное значение (начальное время превышает конечное).", 1},
      {"zero length", Lines({"1", "00:00:01,000 --> 00:00:01,000", "a"}), none,
       "Строка 2 Блок №1. П" + span + " имеет нулевую длину.", 1},
      {"too short", Lines({"1", "00:00:01,000 --> 00:00:01,499", "a"}), none,
       "Строка 2 Блок №1. Слишком маленький п" + span + ". Промежуток составляет всего 499 миллисекунд.", 1},
      {"exactly the minimum", Lines({"1", "00:00:01,000 --> 00:00:01,500", "a"}), none, kNoErrors, -1},
      {"minimum off", Lines({"1", "00:00:01,000 --> 00:00:01,000", "a"}),
       [](FindErrSettings& s) { s.minDurationOn = false; }, kNoErrors, -1},
      {"too long, whole seconds", Lines({"1", "00:00:01,000 --> 00:00:21,001", "a"}), maxOn,
       "Строка 2 Блок №1. Слишком большой промежуток между начальным и конечным временем блока. "
       "Промежуток составляет 20001 миллисекунд (20 сек).", 1},
      {"too long, half seconds", Lines({"1", "00:00:01,000 --> 00:00:26,500", "a"}), maxOn,
       "Строка 2 Блок №1. Слишком большой промежуток между начальным и конечным временем блока. "
       "Промежуток составляет 25500 миллисекунд (25.5 сек).", 1},
      {"exactly the maximum", Lines({"1", "00:00:01,000 --> 00:00:21,000", "a"}), maxOn, kNoErrors, -1},
      {"maximum off by default", Lines({"1", "00:00:01,000 --> 00:10:00,000", "a"}), none, kNoErrors, -1},
      {"outside blocks", Lines({Ansi("Текст"), "", "1", T1, "a"}), none,
       "Строка 1. Нарушение структуры субтитров. Текст вне блоков.", 0},
      {"number without time line", Lines({"1", T1, "a", "", "2", "b"}), none,
       "Строка 5. Нарушение структуры субтитров. Текст вне блоков.", 4},
      {"outside, structure off", Lines({"x", "", "1", T1, "a"}), noStructure, kNoErrors, -1},
      {"time as text", Lines({"1", T1, T2, ""}), none,
       "Строка 3 Блок №1. Нарушение структуры субтитров. В качестве текста задано время в формате srt.", 2},
      {"glued", Lines({"1", T1, "a", "", "2", T2, "b", "3", T3, "c"}), none,
       "Строка 9 Блок №2. Нарушение структуры субтитров. В качестве текста задано время в формате srt. "
       "Возможно, у вас склеены два соседних блока (блоки должны быть отделены друг от друга пустой строкой).",
       8},
      {"glued, structure off", Lines({"1", T1, "a", "", "2", T2, "b", "3", T3, "c"}), noStructure,
       kNoErrors, -1},
      {"too many lines", Lines({"1", T1, "a", "b", "c", "d", ""}), lines2,
       "Строка 5 Блок №1. Число строк текста больше, чем разрешено вашими настройками поиска ошибок "
       "(превышает 2).",
       4},
      {"two lines allowed", Lines({"1", T1, "a", "b", ""}), lines2, kNoErrors, -1},
      {"zero lines allowed", Lines({"1", T1, "a", ""}),
       [](FindErrSettings& s) {
         s.maxLinesOn = true;
         s.maxLines = 0;
       },
       "Строка 3 Блок №1. Число строк текста больше, чем разрешено вашими настройками поиска ошибок "
       "(превышает 0).",
       2},
      {"special character", Lines({"1", T1, "a [b]", ""}), special,
       "Строка 3 Блок №1. В тексте найден запрещённый вами символ \"[\".", 2},
      {"special set in another case", Lines({"1", T1, "<I>a", ""}), special,
       "Строка 3 Блок №1. В тексте найден запрещённый вами набор символов \"<i>\".", 2},
      {"first item in list order", Lines({"1", T1, "a\\b[", ""}), special,
       "Строка 3 Блок №1. В тексте найден запрещённый вами символ \"[\".", 2},
      {"special outside blocks", Lines({"{x}", "", "1", T1, "a"}),
       [](FindErrSettings& s) {
         s.specialOn = true;
         s.structureOn = false;
       },
       "Строка 1. В тексте найден запрещённый вами символ \"{\".", 0},
      {"Cyrillic item", Lines({"1", T1, Ansi("ЁЖИК"), ""}),
       [](FindErrSettings& s) {
         s.specialOn = true;
         s.specialList = Ansi(" ,ёж, ");
       },
       "Строка 3 Блок №1. В тексте найден запрещённый вами набор символов \"ёж\".", 2},
      {"no special check on time and number lines", Lines({"1", T1, "a", ""}),
       [](FindErrSettings& s) {
         s.specialOn = true;
         s.specialList = "1,:,0";
       },
       kNoErrors, -1},
      {"only commas and blanks", Lines({"1", T1, "a [,]", ""}),
       [](FindErrSettings& s) {
         s.specialOn = true;
         s.specialList = " , ,, ";
       },
       kNoErrors, -1},
      {"special off", Lines({"1", T1, "[a]", ""}), none, kNoErrors, -1},
      {"empty block", Lines({"1", T1, "", "2", T2, "b"}), empty,
       "Строка 3. Пустой блок (текст отсутствует).", 2},
      {"empty last block with final break", Lines({"1", T1, ""}), empty,
       "Строка 3. Пустой блок (текст отсутствует).", 2},
      {"empty last block without final break", Lines({"1", T1}), empty, kNoErrors, -1},
      {"empty blocks off", Lines({"1", T1, "", "2", T2, "b"}), none, kNoErrors, -1},
      {"numbering repeat", Lines({"1", T1, "a", "", "1", T2, "b"}), numbering,
       "Строка 5 Блок №1. Некорректная нумерация блоков - номер текущего блока (1) меньше или равен "
       "номеру предыдущего блока.",
       4},
      {"numbering 1 2 5", Lines({"1", T1, "a", "", "2", T2, "b", "", "5", T3, "c"}), numbering,
       kNoErrors + kNotice, -1},
      {"numbering 1 2 5, rule off", Lines({"1", T1, "a", "", "2", T2, "b", "", "5", T3, "c"}), none,
       kNoErrors + kNotice, -1},
      {"numbering 1 3 2, rule off", Lines({"1", T1, "a", "", "3", T2, "b", "", "2", T3, "c"}), none,
       kNoErrors, -1},
      {"gap after text outside", Lines({"x", "", "1", T1, "a", "", "5", T3, "c"}), noStructure,
       kNoErrors, -1},
      {"no rule at all", Lines({"x", "1", "00:00:05,000 --> 00:00:01,000", ""}), nothing, kNoErrors, -1},
      {"text of NUL bytes", std::string(500, '\0'), none, kNoErrors, -1},
  };
  for (const auto& c : cases) {
    Search s(c.text, c.set);
    const bool found = s.engine.FindFromStart();
    ASSERT_EQ(s.t.messages.messages.size(), 1u) << c.name;
    EXPECT_EQ(found, c.caretLine >= 0) << c.name;
    if (c.caretLine >= 0) {
      EXPECT_EQ(s.Last(), "Ошибка! " + c.message) << c.name;
      EXPECT_EQ(s.LastKind(), MsgKind::Error) << c.name;
      EXPECT_EQ(s.CaretLine(), c.caretLine) << c.name;
      EXPECT_EQ(s.t.edit.SelLength(), 0) << c.name;
      EXPECT_EQ(s.t.edit.SelStart(), s.t.edit.LineIndex(c.caretLine)) << c.name;
    } else {
      EXPECT_EQ(s.Last(), c.message) << c.name;
      EXPECT_EQ(s.LastKind(), MsgKind::Information) << c.name;
    }
    EXPECT_FALSE(s.t.messages.messages.back().again);
    EXPECT_EQ(s.t.prompt.beeps, 0) << c.name;
    EXPECT_TRUE(s.t.prompt.questions.empty()) << c.name;
    EXPECT_EQ(s.t.lines.UseCount(), 0) << c.name;
  }
}

TEST(FindErr, WalkingToTheEndShowsEachErrorOnceAndCountsThePassedOver) {
  struct Case {
    const char* name;
    std::string text;
    std::function<void(FindErrSettings&)> set;
    std::vector<std::string> messages;
  } cases[] = {
      {"one outside run, then another after a blank", Lines({"x", "y", "", "z", "", "1", T1, "a"}), {},
       {"Ошибка! Строка 1. Нарушение структуры субтитров. Текст вне блоков.",
        "Ошибка! Строка 4. Нарушение структуры субтитров. Текст вне блоков.",
        kDone + "Новых ошибок не найдено. Пропущено ошибок: 2."}},
      {"too many lines once per block", Lines({"1", T1, "a", "b", "c", "d", "", "2", T2, "e", "f", "g", ""}),
       [](FindErrSettings& s) { s.maxLinesOn = true; },
       {"Ошибка! Строка 5 Блок №1. Число строк текста больше, чем разрешено вашими настройками поиска "
        "ошибок (превышает 2).",
        "Ошибка! Строка 12 Блок №2. Число строк текста больше, чем разрешено вашими настройками поиска "
        "ошибок (превышает 2).",
        kDone + "Новых ошибок не найдено. Пропущено ошибок: 2."}},
      {"glued block is not reported again for its length",
       Lines({"1", T1, "a", "", "2", T2, "b", "3", T3, "c", "d", ""}),
       [](FindErrSettings& s) { s.maxLinesOn = true; },
       {"Ошибка! Строка 9 Блок №2. Нарушение структуры субтитров. В качестве текста задано время в "
        "формате srt. Возможно, у вас склеены два соседних блока (блоки должны быть отделены друг от "
        "друга пустой строкой).",
        kDone + "Новых ошибок не найдено. Пропущено ошибок: 1."}},
      {"overlap and shortness of one line are two errors, the first stops",
       Lines({"1", T2, "a", "", "2", "00:00:01,000 --> 00:00:01,100", "b", ""}), {},
       {"Ошибка! Строка 6 Блок №2. Начальное время блока меньше конечного времени предыдущего блока.",
        kDone + "Новых ошибок не найдено. Пропущено ошибок: 1."}},
      {"a bad time line skips the other time checks", Lines({"1", "00:00:05,000 --> 00:00:01,00", "a", ""}), {},
       {"Ошибка! Строка 2 Блок №1. Некорректно задано время.",
        kDone + "Новых ошибок не найдено. Пропущено ошибок: 1."}},
  };
  for (const auto& c : cases) {
    Search s(c.text, c.set);
    EXPECT_EQ(s.RunAll(), c.messages) << c.name;
    EXPECT_FALSE(s.engine.canContinue) << c.name;
    EXPECT_FALSE(s.button.back()) << c.name;
  }
}

TEST(FindErr, NextButtonFollowsCanContinue) {
  Search s(Lines({"x", "", "1", T1, "a", "", "y"}));
  EXPECT_EQ(s.button, std::vector<bool>{false});  // disabled when created
  s.button.clear();
  EXPECT_TRUE(s.engine.FindFromStart());
  EXPECT_TRUE(s.engine.canContinue);
  EXPECT_EQ(s.button, (std::vector<bool>{false, true}));  // reset, then the scan's answer
  EXPECT_TRUE(s.engine.FindNext());  // "y" on the last line: nothing after it
  EXPECT_EQ(s.CaretLine(), 6);
  EXPECT_FALSE(s.engine.canContinue);
  EXPECT_FALSE(s.button.back());
  s.engine.ResetState(true);
  EXPECT_FALSE(s.button.back());
  EXPECT_TRUE(s.engine.snapshot.empty());
}

TEST(FindErr, FromLinePassesOverTheErrorsAboveIt) {
  std::vector<std::string> lines = {"x", "", "y", ""};
  while (lines.size() < 45) lines.push_back("");
  auto text = [&] {
    std::string t;
    for (size_t i = 0; i < lines.size(); ++i) t += (i ? "\r\n" : "") + lines[i];
    return t;
  };
  {
    Search s(text());
    EXPECT_FALSE(s.engine.FindFromLine(39));
    EXPECT_EQ(s.Last(), kDone + "От строки 40 до конца текста ошибок не найдено. Пропущено ошибок: 2.");
    EXPECT_EQ(s.LastKind(), MsgKind::Information);
  }
  {
    Search s(text());
    s.engine.FindFromLine(2);  // the first error is passed over, the second reported
    EXPECT_EQ(s.Last(), "Ошибка! Строка 3. Нарушение структуры субтитров. Текст вне блоков.");
    EXPECT_EQ(s.engine.skipped, 1);
    s.engine.FindNext();
    EXPECT_EQ(s.Last(), kDone + "Новых ошибок не найдено. Пропущено ошибок: 2.");
  }
  lines[0] = lines[2] = "";
  {
    Search s(text());
    s.engine.FindFromLine(39);
    EXPECT_EQ(s.Last(), kNoErrors);
  }
  lines[40] = "z";
  {
    Search s(text());
    EXPECT_TRUE(s.engine.FindFromLine(39));
    EXPECT_EQ(s.Last(), "Ошибка! Строка 41. Нарушение структуры субтитров. Текст вне блоков.");
  }
}

TEST(FindErr, NothingToSearchBeepsWithoutAMessage) {
  struct Case {
    const char* name;
    std::string text;
    int from;
  } cases[] = {
      {"empty text from the top", "", 0},
      {"empty text from a line", "", 5},
      {"start line beyond the end", Lines({"1", T1, "a"}), 3},
      {"far beyond", Lines({"1", T1, "a"}), 2000000000},
  };
  for (const auto& c : cases) {
    Search s(Lines({"x", "", "y", "", "z"}));
    s.engine.FindFromStart();  // stopped on an error, with a snapshot
    s.t.messages.messages.clear();
    s.t.edit.SetText(c.text);
    const bool found = c.from == 0 ? s.engine.FindFromStart() : s.engine.FindFromLine(c.from);
    EXPECT_FALSE(found) << c.name;
    EXPECT_EQ(s.t.prompt.beeps, 1) << c.name;
    EXPECT_TRUE(s.t.messages.messages.empty()) << c.name;
    EXPECT_TRUE(s.engine.snapshot.empty()) << c.name;
    EXPECT_EQ(s.engine.current, -1) << c.name;
    EXPECT_FALSE(s.engine.canContinue) << c.name;
    EXPECT_FALSE(s.button.back()) << c.name;
    EXPECT_EQ(s.t.lines.UseCount(), 0) << c.name;
  }
}

TEST(FindErr, OneLineAndLongLines) {
  {
    Search s("abc");
    EXPECT_TRUE(s.engine.FindFromStart());
    EXPECT_EQ(s.Last(), "Ошибка! Строка 1. Нарушение структуры субтитров. Текст вне блоков.");
    EXPECT_FALSE(s.engine.canContinue);  // nothing after the only line
  }
  {
    const std::string longText(100000, static_cast<char>(0xE0));
    Search s(Lines({"1", T1, longText, longText + "\\", "", longText}), [](FindErrSettings& f) {
      f.specialOn = true;
    });
    const auto messages = s.RunAll();
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Ошибка! Строка 4 Блок №1. В тексте найден запрещённый вами символ \"\\\".",
                            "Ошибка! Строка 6. Нарушение структуры субтитров. Текст вне блоков.",
                        }));
  }
  {
    Search s(Lines({"1", "99999999999:00:00,000 --> 99999999999:00:01,000", "a", ""}));
    s.engine.FindFromStart();
    EXPECT_EQ(s.Last(), "Ошибка! Строка 2 Блок №1. Некорректно задано время.");
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
    for (int i = 0; i < 40; ++i) text += "\r\n";  // room to scroll below
    return text;
  };
  const std::vector<std::string> blanks(20, "");
  struct Case {
    const char* name;
    std::string text;
    int errorLine;
    int top;
  } cases[] = {
      {"near its own number line", join({block(1, T1, 12, 3)}), 5, 0},
      {"eleven lines below its number line", join({block(1, T1, 12, 9)}), 11, 0},
      {"twelve lines below its number line", join({block(1, T1, 12, 10)}), 12, 12},
      {"the block just closed is preferred", join({block(1, T1, 1, -1), block(2, T2, 3, 2)}), 8, 0},
      {"the block just closed, far", join({block(1, T1, 8, -1), block(2, T2, 3, 2)}), 15, 11},
      {"outside text after a close block", join({block(1, T1, 1, -1), {"", "[y]"}}), 5, 0},
      {"far from every block", join({block(1, T1, 1, -1), blanks, {"[y]"}}), 24, 24},
  };
  for (const auto& c : cases) {
    Search s(c.text, [](FindErrSettings& f) { f.specialOn = true; });
    s.t.edit.SetVisibleLines(3);
    s.t.edit.LineScroll(30);
    const int before = s.t.host.statusRefreshes;
    EXPECT_TRUE(s.engine.FindFromStart()) << c.name;
    EXPECT_EQ(s.CaretLine(), c.errorLine) << c.name;
    EXPECT_EQ(s.t.edit.FirstVisibleLine(), c.top) << c.name;
    EXPECT_GT(s.t.host.statusRefreshes, before) << c.name;
    EXPECT_TRUE(s.t.edit.Focused()) << c.name;
  }
  Search s(Lines({"x", ""}));
  s.t.edit.SetCanFocus(false);
  EXPECT_TRUE(s.engine.FindFromStart());
  EXPECT_FALSE(s.t.edit.Focused());
}

// Three errors (outside text on lines 4, 14 and 24, 0-based) between clean blocks.
std::string ThreeErrors() {
  std::vector<std::string> l;
  int number = 1;
  for (int e = 0; e < 3; ++e) {
    for (const auto& x : {std::to_string(number++), T1, std::string("a"), std::string("")}) l.push_back(x);
    l.push_back("err" + std::to_string(e + 1));
    l.push_back("");
    for (const auto& x : {std::to_string(number++), T1, std::string("b")}) l.push_back(x);
    l.push_back("");
  }
  l.push_back("");
  std::string t;
  for (size_t i = 0; i < l.size(); ++i) t += (i ? "\r\n" : "") + l[i];
  return t;
}

std::string OutsideAt(int line) {
  return "Ошибка! Строка " + std::to_string(line + 1) + ". Нарушение структуры субтитров. Текст вне блоков.";
}

TEST(FindErr, ContinuingWithoutEditsPassesOverEachShownError) {
  Search s(ThreeErrors(), [](FindErrSettings& f) { f.overlapsOn = false; });
  EXPECT_TRUE(s.engine.FindFromStart());
  EXPECT_EQ(s.Last(), OutsideAt(4));
  EXPECT_TRUE(s.engine.FindNext());
  EXPECT_EQ(s.Last(), OutsideAt(14));
  EXPECT_EQ(s.engine.skipped, 1);
  EXPECT_TRUE(s.engine.FindNext());
  EXPECT_EQ(s.Last(), OutsideAt(24));
  EXPECT_FALSE(s.engine.FindNext());
  EXPECT_EQ(s.Last(), kDone + "Новых ошибок не найдено. Пропущено ошибок: 3.");
  EXPECT_FALSE(s.engine.canContinue);
  // Starting again forgets the count.
  EXPECT_TRUE(s.engine.FindFromStart());
  EXPECT_EQ(s.engine.skipped, 0);
}

TEST(FindErr, ResumingAfterEdits) {
  auto noOverlaps = [](FindErrSettings& f) { f.overlapsOn = false; };
  struct Case {
    const char* name;
    std::function<void(Search&)> edit;
    std::vector<std::string> after;  // messages of the presses of ">" after the edit
  } cases[] = {
      {"letter case and trailing blanks only",
       [](Search& s) {
         s.EditLine(4, "ERR1   ");
         s.EditLine(8, "B\t");
       },
       {OutsideAt(24), kDone + "Новых ошибок не найдено. Пропущено ошибок: 2."}},
      {"a blank line added to a run of blank lines",
       [](Search& s) { s.EditLine(5, "\r\n"); },
       {OutsideAt(25), kDone + "Новых ошибок не найдено. Пропущено ошибок: 2."}},
      {"leading blank lines added",
       [](Search& s) { s.EditLine(0, "\r\n\r\n1"); },
       {OutsideAt(26), kDone + "Новых ошибок не найдено. Пропущено ошибок: 2."}},
      {"an edit below the last error",
       [](Search& s) { s.EditLine(24, "fixed"); },
       {OutsideAt(24), kDone + "Новых ошибок не найдено. Пропущено ошибок: 2."}},
      {"an edit inside the scanned part rescans from the top",
       [](Search& s) { s.EditLine(8, "changed"); },
       {OutsideAt(14), OutsideAt(24), kDone + "Новых ошибок не найдено. Пропущено ошибок: 3."}},
      {"the shown error fixed",
       [](Search& s) { s.EditLine(14, ""); },
       {OutsideAt(24), kDone + "Новых ошибок не найдено. Пропущено ошибок: 2."}},
      {"the first error fixed",
       [](Search& s) { s.EditLine(4, ""); },
       {OutsideAt(14), OutsideAt(24), kDone + "Новых ошибок не найдено. Пропущено ошибок: 2."}},
      {"an edit near the top reports again from the changed line",
       [](Search& s) { s.EditLine(2, T2); },
       {"Ошибка! Строка 3 Блок №1. Нарушение структуры субтитров. В качестве текста задано время в "
        "формате srt.",
        OutsideAt(4), OutsideAt(14), OutsideAt(24), kDone + "Новых ошибок не найдено. Пропущено ошибок: 4."}},
  };
  for (const auto& c : cases) {
    Search s(ThreeErrors(), noOverlaps);
    s.engine.FindFromStart();
    s.engine.FindNext();  // stopped on the second error, line 14
    ASSERT_EQ(s.Last(), OutsideAt(14));
    c.edit(s);
    EXPECT_TRUE(s.engine.textChanged) << c.name;
    s.t.messages.messages.clear();
    do {
      s.engine.FindNext();
    } while (s.engine.canContinue);
    std::vector<std::string> texts;
    for (const auto& m : s.t.messages.messages) texts.push_back(m.text);
    EXPECT_EQ(texts, c.after) << c.name;
    EXPECT_FALSE(s.engine.textChanged) << c.name;
  }
}

TEST(FindErr, ResyncAnswers) {
  Search s(ThreeErrors(), [](FindErrSettings& f) { f.overlapsOn = false; });
  EXPECT_EQ(s.engine.ResyncWithText(), -1);  // nothing changed
  s.engine.FindFromStart();
  s.engine.FindNext();
  s.EditLine(13, "  ");  // the blank line before the error stays a blank line
  EXPECT_EQ(s.engine.ResyncWithText(), -1);
  EXPECT_EQ(s.engine.current, 14);
  s.EditLine(8, "b2");
  EXPECT_EQ(s.engine.ResyncWithText(), 8);
  EXPECT_EQ(s.engine.current, -1);
  EXPECT_EQ(s.engine.skipped, 0);
  // With too little to compare the search starts from the top.
  Search small(Lines({"x", "", "y"}));
  small.engine.FindFromStart();
  small.EditLine(0, "X");
  EXPECT_EQ(small.engine.ResyncWithText(), 0);
}

TEST(FindErr, OptionsAreReadWhenMarkedDirty) {
  const std::string text =
      Lines({"1", "00:00:01,000 --> 00:00:01,300", "a", "", "2", "00:00:02,000 --> 00:00:02,300", "b", ""});
  Search s(text);
  EXPECT_TRUE(s.engine.FindFromStart());
  EXPECT_EQ(s.CaretLine(), 1);
  EXPECT_FALSE(s.engine.settingsDirty);
  s.t.host.findErr.minDuration = 100;
  EXPECT_TRUE(s.engine.FindNext());  // not marked: the old limit still applies
  EXPECT_EQ(s.CaretLine(), 5);
  s.engine.FindFromStart();
  s.engine.settingsDirty = true;  // a change on the panel while stopped on the first block
  EXPECT_FALSE(s.engine.FindNext());
  EXPECT_EQ(s.Last(), kDone + "Новых ошибок не найдено. Пропущено ошибок: 1.");
  EXPECT_EQ(s.engine.minDuration, 100);
  s.t.host.findErr.maxDurationOn = true;
  s.t.host.findErr.maxDurationSec = 7;
  s.engine.settingsDirty = true;
  s.engine.FindFromStart();
  EXPECT_EQ(s.engine.maxDuration, 7000);
}

class ThrowingHost : public EditorHost {
 public:
  FindErrSettings ReadFindErrSettings() const override { throw std::runtime_error("panel gone"); }
};

TEST(FindErr, AFailureIsReportedInABoxAndClosesTheBracket) {
  TestEditor t(Lines({"x", "", "y"}));
  ThrowingHost host;
  Editor editor{t.edit, t.lines, t.format, t.prompt, t.messages, host};
  std::vector<bool> button;
  TFindErr engine(editor, [&](bool on) { button.push_back(on); });
  EXPECT_FALSE(engine.FindFromStart());
  ASSERT_EQ(t.prompt.questions.size(), 1u);
  EXPECT_EQ(t.prompt.questions[0].kind, MsgKind::Error);
  EXPECT_EQ(t.prompt.questions[0].buttons, Buttons::Ok);
  EXPECT_EQ(t.prompt.questions[0].text,
            "Сбой программы в процессе поиска ошибок! Поиск остановлен. Для устранения ошибки "
            "обратитесь к разработчику");
  EXPECT_TRUE(t.messages.messages.empty());
  EXPECT_EQ(t.lines.UseCount(), 0);
  EXPECT_FALSE(engine.canContinue);
  EXPECT_FALSE(button.back());
}

TEST(FindErr, ContinuingFromIdleStartsFromTheTop) {
  Search s(Lines({"x", "", "y", ""}));
  EXPECT_TRUE(s.engine.FindNext());
  EXPECT_EQ(s.Last(), OutsideAt(0));
  EXPECT_EQ(s.engine.skipped, 0);
}

}  // namespace
}  // namespace quillet
