// The editor widget: what the user puts in stays inside the code page, in one undo step.
#include "platform/qt/memo_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "platform/qt/qt_edit_control.h"
#include "platform/qt/qt_platform.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using quillet::testing::Ansi;

class MemoWidgetTest : public ::testing::Test {
 protected:
  MemoWidget memo;
  QtEditControl& e = memo.Edit();
  int changes = 0;
  int beforeChanges = 0;

  void SetUp() override {
    memo.resize(400, 300);
    memo.show();
    QApplication::processEvents();
    e.SetChangeHandler([this] { ++changes; });
    e.SetBeforeChangeHandler([this] { ++beforeChanges; });
  }
  void CaretToEnd() { e.SetSel(e.TextLength(), 0); }
};

// Typed, put in by an input method or pasted: cleaned to the code page, breaks as CR LF, in one undo step.
TEST_F(MemoWidgetTest, TextComingInIsCleanedInOneUndoStep) {
  const auto key = [this](const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(&memo, &press);
  };
  const auto inputMethod = [this](const QString& text) {
    QInputMethodEvent event(QString(), {});
    event.setCommitString(text);
    QApplication::sendEvent(&memo, &event);
  };
  const auto paste = [this](const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
  };
  const auto u = [](const char* text) { return QString::fromUtf8(text); };
  const QString ls = QChar(QChar::LineSeparator), ps = QChar(QChar::ParagraphSeparator);
  struct Case { std::function<void(const QString&)> send; QString in; std::string text; };
  const Case cases[] = {
      {key, u("ж"), Ansi("ж")}, {key, u("€"), "\x88"}, {key, u("ā"), "?"},
      {key, u("😀"), "?"},  // a surrogate pair is one character
      {inputMethod, u("жā") + ls + "x", Ansi("ж") + "?\r\nx"},
      {paste, u(" ā") + ps + "b\r\nc\rd" + ls + QChar(0xA0), " ?\r\nb\r\nc\r\nd\r\n\xA0"},
  };
  for (const Case& c : cases) {
    e.SetText("start");
    CaretToEnd();
    c.send(c.in);
    const std::string got = e.Text();
    e.Undo();
    EXPECT_EQ(std::tuple(got, e.Text()), std::tuple("start" + c.text, "start")) << c.text;
  }
}

TEST_F(MemoWidgetTest, TypingIsReportedOnceAfterEachKeyAndNeverAsAProgramChange) {
  e.SetText("ab");
  CaretToEnd();
  changes = beforeChanges = 0;
  QTest::keyClicks(&memo, "cd");
  EXPECT_EQ(std::tuple(e.Text(), changes, beforeChanges), std::tuple("abcd", 2, 0));
  QTest::keyClick(&memo, Qt::Key_Backspace);
  EXPECT_EQ(std::tuple(e.Text(), changes), std::tuple("abc", 3));
  // Moving the caret changes nothing, but is told as a key let go.
  int keyUps = 0, mouseUps = 0;
  QObject::connect(&memo, &MemoWidget::KeyUp, [&] { ++keyUps; });
  QObject::connect(&memo, &MemoWidget::MouseUp, [&] { ++mouseUps; });
  QTest::keyClick(&memo, Qt::Key_Left);
  EXPECT_EQ(std::tuple(changes, keyUps), std::tuple(3, 1));
  QTest::mouseClick(memo.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
  EXPECT_EQ(std::tuple(mouseUps, e.SelStart()), std::tuple(1, 0));
}

TEST_F(MemoWidgetTest, ShiftEnterBreaksTheLineLikeEnter) {
  e.SetText("ab");
  e.SetSel(1, 0);
  QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(std::tuple(e.Text(), e.LineCount(), e.SelStart()), std::tuple("a\r\nb", 2, 3));
  QTest::keyClick(&memo, Qt::Key_Return);
  EXPECT_EQ(std::tuple(e.Text(), e.TextLength()), std::tuple("a\r\n\r\nb", 6));
}

TEST_F(MemoWidgetTest, DroppedTextIsCleaned) {
  e.SetText("");
  QMimeData data;
  data.setText(QString::fromUtf8("drop ā\nnext"));
  QMimeData image;  // what is not text is not taken
  image.setData("image/png", QByteArray("\x89PNG", 4));
  const QPoint at(5, 5);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QDropEvent dropImage(at, Qt::CopyAction, &image, Qt::LeftButton, Qt::NoModifier);
  QEvent* events[] = {&enter, &move, &drop, &dropImage};
  for (QEvent* event : events) QApplication::sendEvent(memo.viewport(), event);
  EXPECT_EQ(e.Text(), "drop ?\r\nnext");
}

TEST_F(MemoWidgetTest, TextThatBypassesTheInputPathsIsCleanedAfterwards) {
  e.SetText("a");
  CaretToEnd();
  changes = 0;
  const QString foreign = QString::fromUtf8("ā") + QChar(QChar::LineSeparator) + "b😀";
  memo.insertPlainText(foreign);
  // Until the clean-up has run, each character of the document still reads as one byte, so
  // lengths and indexes agree.
  EXPECT_EQ(std::tuple(e.Text(), e.TextLength()), std::tuple("a??b??", 6));
  QApplication::processEvents();
  EXPECT_EQ(std::tuple(e.Text(), e.TextLength(), e.LineCount(), e.SelStart()), std::tuple("a?\r\nb?", 6, 2, 6));
  EXPECT_GE(changes, 2);
  // The insertion came in one piece, so its clean-up is an undo step of its own; undoing
  // both goes back to the start.
  e.Undo();
  EXPECT_EQ(static_cast<int>(e.Text().size()), e.TextLength());
  e.Undo();
  EXPECT_EQ(e.Text(), "a");
  // Text with breaks comes in as a group of changes: the clean-up joins it.
  memo.insertPlainText(QString::fromUtf8("x\nā"));
  QApplication::processEvents();
  EXPECT_EQ(e.Text(), "ax\r\n?");
  e.Undo();
  EXPECT_EQ(e.Text(), "a");
}

// The whole text is kept between reads while the document stays the same; every way the
// document can change makes the next read see the new text.
TEST_F(MemoWidgetTest, TheWholeTextReadFollowsEveryChange) {
  QTextDocument& doc = *memo.document();
  struct Step { const char* what; std::function<void()> change; std::string text; };
  const Step steps[] = {
      {"set", [&] { e.SetText("one\r\ntwo"); }, "one\r\ntwo"},
      {"caret only", [&] { e.SetSel(3, 0); }, "one\r\ntwo"},
      {"typed", [&] { QTest::keyClicks(&memo, "!"); }, "one!\r\ntwo"},
      {"replaced", [&] { e.SetSel(0, 3); e.ReplaceSel("1", true); }, "1!\r\ntwo"},
      {"undone", [&] { e.Undo(); }, "one!\r\ntwo"},
      {"redone", [&] { doc.redo(); }, "1!\r\ntwo"},
      {"cursor of the document", [&] { QTextCursor(&doc).insertText("0"); }, "01!\r\ntwo"},
      {"widget's own set", [&] { memo.setPlainText("x"); }, "x"},
      {"cleared", [&] { doc.clear(); }, ""},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(e.Text(), step.text) << step.what;
    EXPECT_EQ(e.Text(), step.text) << step.what << ", read again";
  }
}

TEST_F(MemoWidgetTest, CopyKeepsNoBreakSpacesAndUsesPlainBreaks) {
  e.SetText(Ansi("а\xC2\xA0б\r\nв"));
  e.SetSel(0, e.TextLength());
  e.Copy();
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("а\xC2\xA0б\nв"));
}

TEST_F(MemoWidgetTest, ReadOnlyRefusesTypingButKeepsTheCaretMoving) {
  e.SetText("abc");
  e.SetReadOnly(true);
  e.SetSel(0, 0);
  QApplication::clipboard()->setText("pasted");
  QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(&memo, Qt::Key_Delete);
  EXPECT_EQ(e.Text(), "abc");
  QTest::keyClick(&memo, Qt::Key_Right);
  QTest::keyClick(&memo, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(std::tuple(e.SelStart(), e.SelLength()), std::tuple(1, 1));
}

TEST_F(MemoWidgetTest, TheLookSetsFontAndColours) {
  struct Case { TextLook look; int pointSize, pixelSize; bool bold, italic, underline, strikeOut; QColor text, base; };
  const QPalette system = QApplication::palette(&memo);
  // Red on blue; by height (no size) on the menu bar's colour, as in read-only mode; sizes out of range.
  const TextLook sized{.fontColor = 0x000000FF, .backColor = 0x00FF0000, .height = -20, .size = 12,
                       .style = kStyleBold | kStyleUnderline, .fontName = "DejaVu Sans"};
  const TextLook byHeight{.fontColor = 0xFF000008, .backColor = 0xFF00001E, .height = -20, .size = 0,
                          .style = kStyleItalic | kStyleStrikeOut};
  const TextLook huge{.height = INT32_MIN, .size = INT32_MAX};
  const Case cases[] = {
      {sized, 12, -1, true, false, true, false, QColor(255, 0, 0), QColor(0, 0, 255)},
      {byHeight, -1, 20, false, true, false, true, system.color(QPalette::Text), system.color(QPalette::Window)},
      {huge, 1638, -1, false, false, false, false, system.color(QPalette::Text), system.color(QPalette::Base)},
  };
  for (const Case& c : cases) {
    e.SetLook(c.look);
    SCOPED_TRACE(c.pointSize);
    const QFont f = memo.font();
    EXPECT_EQ(std::tuple(f.family().toStdString(), f.pointSize(), f.pixelSize()),
              std::tuple(c.look.fontName, c.pointSize, c.pixelSize));
    EXPECT_EQ(std::tuple(f.bold(), f.italic(), f.underline(), f.strikeOut()),
              std::tuple(c.bold, c.italic, c.underline, c.strikeOut));
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
      EXPECT_EQ(memo.palette().color(group, QPalette::Text), c.text);
      EXPECT_EQ(memo.palette().color(group, QPalette::Base), c.base);
    }
  }
}

TEST(FontFromLook, PitchTwoIsFixedAndOneVariable) {
  QFont base("DejaVu Sans");
  base.setFixedPitch(true);
  const std::pair<uint8_t, bool> cases[] = {{2, true}, {1, false}, {0, true}};  // 0 keeps the base's
  for (const auto& [pitch, fixed] : cases) {
    EXPECT_EQ(quillet::qt::FontFromLook(TextLook{.pitch = pitch}, base).fixedPitch(), fixed) << int(pitch);
  }
}

TEST(ReadLookFromFont, AFontChoiceComesBackAsTheLook) {
  TextLook look{.fontColor = 0x00123456, .charset = 204};
  QFont chosen("DejaVu Sans Mono");
  chosen.setPointSize(12);
  chosen.setBold(true);
  chosen.setStrikeOut(true);
  chosen.setFixedPitch(true);
  quillet::qt::ReadLookFromFont(chosen, 96, look);
  // The colour and the character set are not the font's: they stay.
  EXPECT_EQ(std::tuple(look.fontName, look.size, look.height, look.pitch, look.style, look.fontColor, look.charset),
            std::tuple("DejaVu Sans Mono", 12, -16, 2, kStyleBold | kStyleStrikeOut, 0x00123456u, 204));

  QFont pixels;
  pixels.setPixelSize(20);
  quillet::qt::ReadLookFromFont(pixels, 120, look);
  EXPECT_EQ(std::tuple(look.height, look.size, look.style), std::tuple(-20, 12, 0));
}

TEST(ColorFromValue, PlainAndSystemColours) {
  QPalette p;
  p.setColor(QPalette::Base, QColor(1, 2, 3));
  p.setColor(QPalette::Text, QColor(4, 5, 6));
  p.setColor(QPalette::Window, QColor(7, 8, 9));
  const std::pair<uint32_t, QColor> cases[] = {
      {0x00000000, QColor(0, 0, 0)},       {0x00EEA0FF, QColor(0xFF, 0xA0, 0xEE)},
      {0x00FFFFFF, QColor(255, 255, 255)}, {0x02123456, QColor(0x56, 0x34, 0x12)},
      {0xFF000005, QColor(1, 2, 3)},       {0xFF000008, QColor(4, 5, 6)},
      {0xFF00001E, QColor(7, 8, 9)},       {0xFF0000FF, QColor(0, 0, 0)},
  };
  for (auto [value, color] : cases) {
    EXPECT_EQ(quillet::qt::ColorFromValue(value, p), color) << std::hex << value;
  }
}

TEST_F(MemoWidgetTest, UpdateBracketsNestAndFocusNeedsAVisibleEnabledWidget) {
  e.BeginUpdate();
  e.BeginUpdate();
  e.EndUpdate();
  EXPECT_FALSE(memo.updatesEnabled());
  e.EndUpdate();
  EXPECT_TRUE(memo.updatesEnabled());
  e.EndUpdate();  // one too many is harmless
  EXPECT_TRUE(memo.updatesEnabled());

  EXPECT_TRUE(e.CanFocus());
  memo.setEnabled(false);
  EXPECT_FALSE(e.CanFocus());
  memo.setEnabled(true);
  memo.hide();
  EXPECT_FALSE(e.CanFocus());
  e.SetFocus();  // refused quietly
}

}  // namespace
}  // namespace quillet
