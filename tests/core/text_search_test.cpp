#include "core/text_search.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/find_row.h"
#include "core/ops_test_support.h"

namespace quillet {
namespace {

using namespace testing;

const std::string kWrapQuestion = " Начать поиск сначала?";

struct Box {
  std::string text;
  Buttons buttons;
  bool operator==(const Box&) const = default;
};
std::vector<Box> Boxes(const ScriptedPrompt& prompt) {
  std::vector<Box> boxes;
  for (const auto& q : prompt.questions) {
    EXPECT_EQ(q.kind, MsgKind::Information);
    boxes.push_back({q.text, q.buttons});
  }
  return boxes;
}

// "abc Abc\r\nxyz abc\r\n": "abc" at 0 and 13, "Abc" at 4, "xyz" at 9.
const std::string kText = "abc Abc\r\nxyz abc\r\n";

TEST(SearchInEditor, DirectionsEdgesWrapAndCase) {
  struct Case {
    const char* name;
    bool forward, caseSensitive, fromEdge;
    std::string what;
    int selStart, selLength;
    std::vector<Answer> answers;
    int foundStart;  // -1: the selection stays as it was
    std::vector<Box> boxes;
  } cases[] = {
      {"forward from the caret ignores case", true, false, false, "abc", 1, 0, {}, 4, {}},
      {"forward from a selection starts after it", true, true, false, "abc", 0, 3, {}, 13, {}},
      {"forward from the very start: one pass, then OK only", true, false, false, "zzz", 0, 0, {}, -1,
       {{"Не удаётся найти \"zzz\".", Buttons::Ok}}},
      {"forward from the middle, match above: wrap on Yes", true, true, false, "Abc", 10, 0, {Answer::Yes}, 4,
       {{"Не удаётся найти \"Abc\"." + kWrapQuestion, Buttons::YesNo}}},
      {"the wrap refused", true, true, false, "Abc", 10, 0, {Answer::No}, -1,
       {{"Не удаётся найти \"Abc\"." + kWrapQuestion, Buttons::YesNo}}},
      {"the wrap finds nothing either", true, true, false, "ABC", 10, 0, {Answer::Yes}, -1,
       {{"Не удаётся найти \"ABC\"." + kWrapQuestion, Buttons::YesNo}, {"Не удаётся найти \"ABC\".", Buttons::Ok}}},
      {"from the top edge", true, false, true, "abc", 14, 0, {}, 0, {}},
      {"backward before the selection", false, false, false, "abc", 13, 3, {}, 4, {}},
      {"backward from the caret: a match at it lies below", false, true, false, "abc", 13, 0, {}, 0, {}},
      {"backward from the bottom edge", false, true, true, "abc", 0, 0, {}, 13, {}},
      {"backward from the start: wrap question, match at the end", false, true, false, "xyz", 0, 3, {Answer::Yes}, 9,
       {{"Не удаётся найти \"xyz\"." + kWrapQuestion, Buttons::YesNo}}},
      {"backward from the very end: no wrap question", false, true, false, "zzz", 18, 0, {}, -1,
       {{"Не удаётся найти \"zzz\".", Buttons::Ok}}},
      {"backward from just before the final line break: no wrap question", false, true, false, "zzz", 16, 0, {}, -1,
       {{"Не удаётся найти \"zzz\".", Buttons::Ok}}},
      {"a blank text does not search", true, false, false, "  ", 0, 0, {}, -1, {}},
      {"blanks belong to the text", true, true, false, " abc", 0, 0, {}, 12, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestEditor te(kText);
    te.edit.SetSel(c.selStart, c.selLength);
    for (Answer a : c.answers) te.prompt.Script({a});
    SearchInEditor(te.editor, c.forward, c.caseSensitive, c.fromEdge, c.what);
    if (c.foundStart >= 0) {
      EXPECT_EQ(std::make_pair(te.edit.SelStart(), te.edit.SelLength()),
                std::make_pair(c.foundStart, static_cast<int>(c.what.size())));
    } else {
      EXPECT_EQ(std::make_pair(te.edit.SelStart(), te.edit.SelLength()), std::make_pair(c.selStart, c.selLength));
    }
    EXPECT_EQ(Boxes(te.prompt), c.boxes);
    EXPECT_EQ(te.prompt.beeps, static_cast<int>(c.boxes.size()));
    EXPECT_EQ(te.edit.Text(), kText);
  }
}

TEST(SearchInEditor, CyrillicCaseAndTheNameOfTheText) {
  TestEditor te(Ansi("Первая строка\r\nвторая СТРОКА"));
  SearchInEditor(te.editor, true, false, false, Ansi("строка"));
  EXPECT_EQ(te.edit.SelStart(), 7);
  SearchInEditor(te.editor, true, false, false, Ansi("строка"));
  EXPECT_EQ(std::make_pair(te.edit.SelStart(), te.edit.SelText()), std::make_pair(22, Ansi("СТРОКА")));
  // Case counts: no other "строка" below; the wrap finds the first.
  te.prompt.Script({Answer::Yes});
  SearchInEditor(te.editor, true, true, false, Ansi("строка"));
  EXPECT_EQ(te.edit.SelStart(), 7);

  EXPECT_EQ(NotFoundText(Ansi("Ёлка"), false), "Не удаётся найти \"Ёлка\".");
  EXPECT_EQ(NotFoundText("a\r\nb", true), "Не удаётся найти заданный для поиска текст. Начать поиск сначала?");
  EXPECT_EQ(NotFoundText(std::string(128, 'x'), false), "Не удаётся найти \"" + std::string(128, 'x') + "\".");
  EXPECT_EQ(NotFoundText(std::string(129, 'x'), false), "Не удаётся найти заданный для поиска текст.");
}

TEST(SearchInEditor, TheMatchIsScrolledIntoView) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\r\n";
  text += "target";
  TestEditor te(text);
  te.edit.SetVisibleLines(10);
  SearchInEditor(te.editor, true, false, false, "target");
  EXPECT_EQ(te.edit.FirstVisibleLine(), 91);
}

TEST(DialogFindText, BlankOrTooLongDoesNothing) {
  TestEditor te("abc abc");
  EXPECT_FALSE(DialogFindText(te.editor, " \t", true, false));
  EXPECT_FALSE(DialogFindText(te.editor, "abc abc!", true, false));
  EXPECT_EQ(std::make_tuple(te.prompt.beeps, te.host.statusRefreshes, te.edit.SelLength()), std::make_tuple(0, 0, 0));
  EXPECT_TRUE(DialogFindText(te.editor, "abc abc", true, false));
  EXPECT_EQ(std::make_tuple(te.edit.SelLength(), te.host.statusRefreshes), std::make_tuple(7, 1));
}

TEST(FindRow, DirectionButtonsAndEnter) {
  TestEditor te("one two one two");
  TFindRow row(te.editor);
  FindRowValues v{"two", "", false};
  EXPECT_FALSE(row.Backward());
  row.Button6Click(v);  // ">"
  EXPECT_EQ(te.edit.SelStart(), 4);
  row.Button6Click(v);
  EXPECT_EQ(te.edit.SelStart(), 12);
  row.Button3Click(v);  // "<"
  EXPECT_EQ(std::make_pair(te.edit.SelStart(), row.Backward()), std::make_pair(4, true));
  row.Button7Click(v);  // "н": forward from the start
  EXPECT_EQ(std::make_pair(te.edit.SelStart(), row.Backward()), std::make_pair(4, false));
  row.Button8Click(v);  // "к": backward from the end
  EXPECT_EQ(std::make_pair(te.edit.SelStart(), row.Backward()), std::make_pair(12, true));
  EXPECT_EQ(te.host.statusRefreshes, 5);

  // A right click only turns the direction; Enter then searches that way.
  row.RightClick(false);
  EXPECT_EQ(std::make_pair(te.edit.SelStart(), row.Backward()), std::make_pair(12, false));
  te.edit.SetSel(0, 0);
  EXPECT_TRUE(row.EnterKey(v, true));
  EXPECT_EQ(te.edit.SelStart(), 4);
  EXPECT_FALSE(row.EnterKey(v, false));
  EXPECT_EQ(te.edit.SelStart(), 4);

  // An empty search text beeps; one longer than the text does nothing.
  row.Button6Click({"", "", false});
  row.Button6Click({"one two one two!", "", false});
  EXPECT_EQ(std::make_pair(te.prompt.beeps, te.edit.SelStart()), std::make_pair(1, 4));
}

TEST(FindRow, LookOfTheButtons) {
  struct Case {
    bool enable;
    const char* search;
    bool backward;
    FindRowLook look;
  } cases[] = {
      {true, "abc", false, {true, true, false, true}},
      {true, "abc", true, {true, true, true, false}},
      {true, " \t", false, {false, false, false, false}},
      {false, "abc", true, {false, false, false, false}},
  };
  for (const auto& c : cases) {
    const FindRowLook l = FindRowLookFor(c.enable, c.search, c.backward);
    EXPECT_EQ(std::make_tuple(l.enabled, l.bold, l.underlinePrev, l.underlineNext),
              std::make_tuple(c.look.enabled, c.look.bold, c.look.underlinePrev, c.look.underlineNext))
        << c.search << c.backward;
  }
}

}  // namespace
}  // namespace quillet
