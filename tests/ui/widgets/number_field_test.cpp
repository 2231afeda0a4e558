#include "ui/widgets/number_field.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "ui/widgets/widget_utils.h"

namespace quillet {
namespace {

struct Field {
  Field(int min, int max, int position) : field("Edit3", "UpDown3", min, max, position) {
    field.SetBeep([this] { ++beeps; });
  }
  QLineEdit* edit() { return field.Edit(); }
  TNumberEdit field;
  int beeps = 0;
};

// Names, limits and the associate of each field are checked with its group.
TEST(NumberField, InitialTextAndLimits) {
  TNumberEdit outside("Edit6", "UpDown6", 1, 10000, 0);  // a position below Min is raised
  EXPECT_EQ(std::make_pair(outside.Edit()->text(), outside.Position()), std::make_pair(QString("1"), 1));
  TNumberEdit thousands("Edit6", "UpDown6", 1, 10000, 5000);
  EXPECT_EQ(thousands.Edit()->text(), "5000");  // no thousands separator
  TNumberEdit wide("Edit12", "UpDown12", 0, 100000, 70000);  // the position is 16-bit
  EXPECT_EQ(std::make_pair(wide.Max(), wide.Position()), std::make_pair(32767, 32767));
}

TEST(NumberField, TypingIsFilteredAndClamped) {
  struct Case {
    int min, max, initial;
    bool selectAll;
    const char* typed;
    const char* want;
    int beeps;
  };
  const Case cases[] = {
      {0, 32000, 0, true, "40000", "32000", 0},
      {0, 32000, 0, false, "7", "07", 0},        // the value 7 is in range: left as typed
      {0, 32000, 0, true, "12a3", "123", 1},     // the letter is refused
      {0, 32000, 3200, false, "56", "32000", 1}, // "32005" is over Max, then full
      {0, 32000, 20000, false, "1", "20000", 1}, // a sixth digit
      {1, 10000, 500, true, "0", "1", 0},        // a selection is typed over; 0 into a Min-1 field
  };
  for (const auto& c : cases) {
    Field f(c.min, c.max, c.initial);
    if (c.selectAll) f.edit()->selectAll(); else f.edit()->end(false);
    QTest::keyClicks(f.edit(), c.typed);
    EXPECT_EQ(f.edit()->text().toStdString(), c.want) << c.typed;
    EXPECT_EQ(f.beeps, c.beeps) << c.typed;
    EXPECT_EQ(f.field.Position(), QString(c.want).toInt()) << c.typed;
  }
}

TEST(NumberField, ClearingGivesMin) {
  Field f(0, 32000, 345);
  f.edit()->selectAll();
  QTest::keyClick(f.edit(), Qt::Key_Backspace);
  EXPECT_EQ(std::make_tuple(f.edit()->text(), f.field.Position(), f.beeps), std::make_tuple(QString("0"), 0, 0));

  Field one(1, 10000, 500);
  one.edit()->clear();
  EXPECT_EQ(one.edit()->text(), "1");
}

TEST(NumberField, PastedTextIsCleanedWithOneBeepAndTheCaretKeepsItsPlace) {
  Field f(0, 32000, 1234);
  f.edit()->setCursorPosition(2);
  f.edit()->insert("x");  // as a paste inserts
  EXPECT_EQ(std::make_tuple(f.edit()->text(), f.edit()->cursorPosition(), f.beeps),
            std::make_tuple(QString("1234"), 2, 1));
  f.edit()->selectAll();
  f.edit()->insert("99999999999999999999");  // cut to five, then clamped
  EXPECT_EQ(std::make_pair(f.edit()->text(), f.beeps), std::make_pair(QString("32000"), 2));
}

TEST(NumberField, ChangedIsReportedOnlyForCleanText) {
  Field f(0, 32000, 0);
  QStringList seen;
  QObject::connect(&f.field, &TNumberEdit::Changed, [&] { seen << f.edit()->text(); });
  f.edit()->setText("40000");
  f.edit()->setText("12a");
  EXPECT_EQ(seen, QStringList({"32000", "12"}));
}

TEST(NumberField, ArrowsAndKeysStepWithinTheLimits) {
  Field f(0, 999, 998);
  QSignalSpy spy(f.field.UpDown(), &TUpDown::PositionChanged);
  f.field.UpDown()->UpButton()->click();
  f.field.UpDown()->UpButton()->click();  // at Max nothing moves
  EXPECT_EQ(f.edit()->text(), "999");
  EXPECT_EQ(spy.count(), 1);
  QTest::keyClick(f.edit(), Qt::Key_Down);
  QTest::keyClick(f.edit(), Qt::Key_Down);
  EXPECT_EQ(std::make_pair(f.edit()->text(), f.field.Position()), std::make_pair(QString("997"), 997));

  // The arrows start from what the edit holds.
  f.edit()->setText("5");
  QTest::keyClick(f.edit(), Qt::Key_Up);
  EXPECT_EQ(f.edit()->text(), "6");

  Field low(1, 10000, 1);
  low.field.UpDown()->DownButton()->click();
  QTest::keyClick(low.edit(), Qt::Key_Down);
  EXPECT_EQ(std::make_pair(low.edit()->text(), low.beeps), std::make_pair(QString("1"), 0));
}

TEST(WidgetUtils, EditPairEnablingFollowsTheAssociatedEdit) {
  TNumberEdit field("Edit6", "UpDown6", 1, 10000, 500);
  QLineEdit other;
  const auto states = [&] {
    return std::make_tuple(field.UpDown()->isEnabled(), field.Edit()->isEnabled(), other.isEnabled());
  };
  SetEditPairEnabled(false, &other, field.UpDown());  // the associate is the one disabled
  EXPECT_EQ(states(), std::make_tuple(false, false, true));
  SetEditPairEnabled(true, field.Edit(), field.UpDown());
  EXPECT_EQ(states(), std::make_tuple(true, true, true));
  SetEditPairEnabled(false, &other, nullptr);
  EXPECT_EQ(states(), std::make_tuple(true, true, false));
}

TEST(WidgetUtils, LimitEditLengthCutsAndBeeps) {
  int beeps = 0;
  const BeepFn beep = [&] { ++beeps; };
  QLineEdit edit("abcdef");
  EXPECT_TRUE(LimitEditLength(4, &edit, beep));
  EXPECT_EQ(edit.text(), "abcd");
  EXPECT_FALSE(LimitEditLength(4, &edit, beep));
  EXPECT_EQ(beeps, 1);
  edit.setText(QString::fromUtf8("ab\xf0\x9f\x98\x80"));  // never half a surrogate pair
  EXPECT_TRUE(LimitEditLength(3, &edit, beep));
  EXPECT_EQ(edit.text(), "ab");

  QComboBox combo;
  combo.setEditable(true);
  combo.setEditText("123456");
  EXPECT_TRUE(LimitEditLength(5, &combo, beep));
  EXPECT_EQ(combo.currentText(), "12345");
  QComboBox list;  // a drop-down list has no text of its own to cut
  list.addItem("SRT-long-item");
  EXPECT_FALSE(LimitEditLength(3, &list, beep));
  EXPECT_EQ(list.currentText(), "SRT-long-item");
  EXPECT_EQ(beeps, 3);
}

}  // namespace
}  // namespace quillet
