#include "ui/number_field.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "ui/widget_utils.h"

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

TEST(NumberField, NamesLimitsAndInitialText) {
  Field f(0, 32000, 0);
  EXPECT_EQ(f.edit()->objectName(), "Edit3");
  EXPECT_EQ(f.field.UpDown()->objectName(), "UpDown3");
  EXPECT_EQ(f.field.UpDown()->Associate(), f.edit());
  EXPECT_EQ(f.edit()->text(), "0");
  EXPECT_EQ(f.field.Min(), 0);
  EXPECT_EQ(f.field.Max(), 32000);

  TNumberEdit outside("Edit6", "UpDown6", 1, 10000, 0);  // a position below Min is raised
  EXPECT_EQ(outside.Edit()->text(), "1");
  EXPECT_EQ(outside.Position(), 1);
  TNumberEdit thousands("Edit6", "UpDown6", 1, 10000, 5000);
  EXPECT_EQ(thousands.Edit()->text(), "5000");  // no thousands separator
  TNumberEdit wide("Edit12", "UpDown12", 0, 100000, 70000);  // the position is 16-bit
  EXPECT_EQ(wide.Max(), 32767);
  EXPECT_EQ(wide.Position(), 32767);
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
      {0, 32000, 0, true, "7", "7", 0},          // a selection is typed over
      {0, 32000, 0, false, "7", "07", 0},        // the value 7 is in range: left as typed
      {0, 32000, 0, true, "12a3", "123", 1},     // the letter is refused
      {0, 32000, 1234, false, "5", "12345", 0},
      {0, 32000, 3200, false, "56", "32000", 1}, // "32005" is over Max, then full
      {0, 32000, 20000, false, "1", "20000", 1}, // a sixth digit
      {0, 32000, 20000, true, "1", "1", 0},
      {1, 10000, 500, true, "0", "1", 0},        // 0 into a Min-1 field
      {1, 10000, 500, true, "12345", "10000", 0},
      {0, 999, 0, true, "1500", "999", 0},
      {0, 32000, 5, true, " -x", "5", 3},
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

TEST(NumberField, ClearingGivesMinAndEditingKeysPass) {
  Field f(0, 32000, 345);
  f.edit()->end(false);
  QTest::keyClick(f.edit(), Qt::Key_Backspace);
  EXPECT_EQ(f.edit()->text(), "34");
  QTest::keyClick(f.edit(), Qt::Key_Home);
  QTest::keyClick(f.edit(), Qt::Key_Delete);
  EXPECT_EQ(f.edit()->text(), "4");
  f.edit()->selectAll();
  QTest::keyClick(f.edit(), Qt::Key_Backspace);
  EXPECT_EQ(f.edit()->text(), "0");
  EXPECT_EQ(f.field.Position(), 0);
  EXPECT_EQ(f.beeps, 0);

  Field one(1, 10000, 500);
  one.edit()->clear();
  EXPECT_EQ(one.edit()->text(), "1");
}

TEST(NumberField, PastedTextIsCleanedWithOneBeepAndTheCaretKeepsItsPlace) {
  Field f(0, 32000, 1234);
  f.edit()->setCursorPosition(2);
  f.edit()->insert("x");  // as a paste inserts
  EXPECT_EQ(f.edit()->text(), "1234");
  EXPECT_EQ(f.edit()->cursorPosition(), 2);
  EXPECT_EQ(f.beeps, 1);

  f.edit()->selectAll();
  f.edit()->insert("9a9b9");
  EXPECT_EQ(f.edit()->text(), "999");
  EXPECT_EQ(f.beeps, 2);

  f.edit()->setText("99999999999999999999");  // cut to five, then clamped
  EXPECT_EQ(f.edit()->text(), "32000");
  EXPECT_EQ(f.beeps, 3);

  f.edit()->setText(QString(QChar(0)) + "7");
  EXPECT_EQ(f.edit()->text(), "7");
  EXPECT_EQ(f.beeps, 4);
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
  EXPECT_EQ(f.edit()->text(), "999");
  f.field.UpDown()->UpButton()->click();  // at Max nothing moves
  EXPECT_EQ(f.edit()->text(), "999");
  EXPECT_EQ(spy.count(), 1);
  QTest::keyClick(f.edit(), Qt::Key_Down);
  QTest::keyClick(f.edit(), Qt::Key_Down);
  EXPECT_EQ(f.edit()->text(), "997");
  EXPECT_EQ(f.field.Position(), 997);

  // The arrows start from what the edit holds.
  f.edit()->setText("5");
  QTest::keyClick(f.edit(), Qt::Key_Up);
  EXPECT_EQ(f.edit()->text(), "6");

  Field low(1, 10000, 1);
  low.field.UpDown()->DownButton()->click();
  QTest::keyClick(low.edit(), Qt::Key_Down);
  EXPECT_EQ(low.edit()->text(), "1");
  EXPECT_EQ(low.beeps, 0);

  f.field.SetPosition(-5);
  EXPECT_EQ(f.edit()->text(), "0");
  f.field.SetPosition(100000);
  EXPECT_EQ(f.edit()->text(), "999");
}

TEST(WidgetUtils, EditPairEnablingFollowsTheAssociatedEdit) {
  TNumberEdit field("Edit6", "UpDown6", 1, 10000, 500);
  QLineEdit other;
  SetEditPairEnabled(false, &other, field.UpDown());  // the associate is the one disabled
  EXPECT_FALSE(field.UpDown()->isEnabled());
  EXPECT_FALSE(field.Edit()->isEnabled());
  EXPECT_TRUE(other.isEnabled());
  SetEditPairEnabled(true, field.Edit(), field.UpDown());
  EXPECT_TRUE(field.UpDown()->isEnabled());
  EXPECT_TRUE(field.Edit()->isEnabled());
  SetEditPairEnabled(false, &other, nullptr);
  EXPECT_FALSE(other.isEnabled());
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

TEST(WidgetUtils, ChildrenBelowATopAndSideBySide) {
  QWidget box;
  QWidget a(&box), b(&box), c(&box);
  a.setGeometry(5, 0, 40, 20);
  b.setGeometry(0, 30, 50, 20);
  c.setGeometry(0, 31, 60, 20);
  box.show();
  SetChildrenVisibleBelow(&box, false, 30);
  EXPECT_TRUE(a.isVisible());
  EXPECT_FALSE(b.isVisible());
  EXPECT_FALSE(c.isVisible());
  SetChildrenVisibleBelow(&box, true, 31);
  EXPECT_FALSE(b.isVisible());
  EXPECT_TRUE(c.isVisible());

  SetChildrenEnabled(&box, false);
  EXPECT_FALSE(a.isEnabled());
  EXPECT_FALSE(c.isEnabled());
  EXPECT_TRUE(box.isEnabled());
  SetChildrenEnabled(&box, true);
  EXPECT_TRUE(b.isEnabled());

  PlaceSideBySide(&a, &b, &c);
  EXPECT_EQ(b.x(), 5 + 40 - 1);
  EXPECT_EQ(c.x(), 44 + 50 - 1);
  EXPECT_EQ(b.y(), 30);  // only the left moves
  a.move(0, 0);
  PlaceSideBySide(&a, nullptr, &c);  // the chain stops at the first gap
  EXPECT_EQ(c.x(), 93);
}

}  // namespace
}  // namespace quillet
