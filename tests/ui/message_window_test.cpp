#include "ui/message_window.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/fakes.h"

namespace quillet {
namespace {

class FakeView : public IMessageView {
 public:
  void SetPaneVisible(bool v) override { pane = v; }
  void SetPanel4Visible(bool v) override { panel4 = v; }
  void PlacePanel4(bool top) override { onTop = top; }
  void MovePane(bool toPanel6) override { inPanel6 = toPanel6; }
  void SetPaneText(const std::string& t) override { text = t; }
  void SetIndicatorVisible(bool v) override { indicator = v; }
  void SetIndicatorImage(int i) override { image = i; }
  void SetIndicatorHint(const std::string& h) override { hint = h; }
  void CheckPlacement(int p) override { checked = p; }
  bool OpPanelVisible() const override { return opPanel; }

  bool pane = true, panel4 = true, onTop = true, inPanel6 = true, indicator = true;
  int image = 0, checked = -1;
  std::string text = "junk", hint;
  bool opPanel = true;
};

// Seconds of the day, shown as hh:mm:ss.
class FixedClock : public IMessageClock {
 public:
  int64_t Now() override { return now; }
  std::string LongTimeText(int64_t t) override {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", int(t / 3600), int(t / 60 % 60), int(t % 60));
    return buf;
  }
  int64_t now = 10 * 3600;  // 10:00:00
};

struct Window {
  explicit Window(int placement = kMessBelow, bool opPanel = true) {
    view.opPanel = opPanel;
    win.SwitchMessWin(placement, false);
  }
  // The view shows what the window says it shows.
  void ExpectViewInStep() const {
    EXPECT_EQ(view.pane, win.PaneVisible());
    EXPECT_EQ(view.panel4, win.Panel4Visible());
    EXPECT_EQ(view.onTop, win.Panel4OnTop());
    EXPECT_EQ(view.inPanel6, win.PaneInPanel6());
    EXPECT_EQ(view.text, win.PaneText());
    EXPECT_EQ(view.indicator, win.IndicatorVisible());
    EXPECT_EQ(view.image, win.IndicatorImage());
  }
  FakeView view;
  testing::ScriptedPrompt prompt;
  FixedClock clock;
  TMessageWindow win{view, prompt, clock};
};

TEST(MessageWindow, StartsBelowWithNothingShown) {
  Window w;
  EXPECT_EQ(w.win.MessWinMode(), kMessBelow);
  EXPECT_EQ(w.win.MessWinLastMode(), kMessSystem);
  EXPECT_EQ(w.view.checked, kMessBelow);
  EXPECT_FALSE(w.view.pane);
  EXPECT_FALSE(w.view.panel4);
  EXPECT_FALSE(w.view.onTop);
  EXPECT_FALSE(w.view.inPanel6);
  EXPECT_FALSE(w.view.indicator);
  EXPECT_EQ(w.view.text, "");
  EXPECT_FALSE(w.win.RepeatEnabled());
  EXPECT_EQ(w.win.RepeatCaption(), "Повторить сообщение");
}

// A new message in each placement: where it shows, with or without the time, and the indicator.
TEST(MessageWindow, NewMessageGoesWhereThePlacementSays) {
  struct Case {
    int placement;
    bool opPanel;
    MsgKind kind;
    const char* pane;  // pane text
    bool paneVisible, panel4, onTop, inPanel6;
    const char* box;   // "" = no box
    int beeps;
    bool indicator;
    const char* hint;
    int image;
  } cases[] = {
      {kMessBelow, true, MsgKind::Information, "10:00:00: Готово", true, true, false, false, "", 0, true,
       "Погасить сообщение", 19},
      {kMessAbove, true, MsgKind::Error, "10:00:00: Готово", true, true, true, false, "", 0, true,
       "Погасить сообщение", 18},
      {kMessRight, true, MsgKind::Warning, "10:00:00: Готово", true, false, false, true, "", 0, true,
       "Погасить сообщение", 19},
      // The pane's place is hidden with the panel: a box, with the time, and nothing left on screen.
      {kMessRight, false, MsgKind::Error, "", false, false, false, true, "10:00:00: Готово", 0, false,
       "Погасить сообщение", 18},
      {kMessSystem, true, MsgKind::Confirmation, "", false, false, false, false, "Готово", 0, false, "", 19},
      {kMessOff, true, MsgKind::Error, "", false, false, false, false, "", 1, true, "Показать сообщение", 18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.placement * 10 + c.opPanel);
    Window w(c.placement, c.opPanel);
    w.win.ShowMess(" \t Готово \r\n", c.kind);
    EXPECT_EQ(w.view.text, c.pane);
    EXPECT_EQ(w.view.pane, c.paneVisible);
    EXPECT_EQ(w.view.panel4, c.panel4);
    EXPECT_EQ(w.view.onTop, c.onTop);
    EXPECT_EQ(w.view.inPanel6, c.inPanel6);
    if (*c.box) {
      ASSERT_EQ(w.prompt.questions.size(), 1u);
      EXPECT_EQ(w.prompt.questions[0].text, c.box);
      EXPECT_EQ(w.prompt.questions[0].buttons, Buttons::Ok);
      EXPECT_EQ(w.prompt.questions[0].kind, c.kind);
    } else {
      EXPECT_TRUE(w.prompt.questions.empty());
    }
    EXPECT_EQ(w.prompt.beeps, c.beeps);
    EXPECT_EQ(w.view.indicator, c.indicator);
    if (*c.hint) EXPECT_EQ(w.view.hint, c.hint);
    EXPECT_EQ(w.view.image, c.image);
    EXPECT_EQ(w.win.LastMess(), "Готово");  // trimmed
    EXPECT_EQ(w.win.LastMessKind(), c.kind);
    EXPECT_EQ(w.win.MessDelayed(), c.placement == kMessOff);
    w.ExpectViewInStep();
  }
}

TEST(MessageWindow, BlankMessagesAreDroppedWithoutATrace) {
  Window w;
  w.win.ShowMess("Первое", MsgKind::Information);
  w.clock.now += 5;
  for (const char* blank : {"", "   ", "\t\r\n", "\x01\x1f "}) {
    w.win.ShowMess(blank, MsgKind::Error);
    w.win.SetMessLikeLast("", MsgKind::Error);
  }
  EXPECT_EQ(w.win.LastMess(), "Первое");
  EXPECT_EQ(w.win.LastMessKind(), MsgKind::Information);
  EXPECT_EQ(w.view.text, "10:00:00: Первое");
  EXPECT_EQ(w.view.image, 19);
}

// Repeating the last message: the header, " от ", the time of the message, and where it shows.
TEST(MessageWindow, RepeatShowsTheHeaderAndTheTimeOfTheMessage) {
  struct Case {
    int placement;
    const char* pane;
    const char* box;
  } cases[] = {
      {kMessBelow, "Повтор сообщения от 10:00:00: Сохранено", ""},
      {kMessAbove, "Повтор сообщения от 10:00:00: Сохранено", ""},
      {kMessRight, "Повтор сообщения от 10:00:00: Сохранено", ""},
      {kMessSystem, "", "Повтор сообщения от 10:00:00: Сохранено"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.placement);
    Window w(c.placement);
    w.win.ShowMess("Сохранено", MsgKind::Warning);
    w.win.ToolButton3Click();  // puts the pane out
    EXPECT_FALSE(w.view.pane);
    EXPECT_FALSE(w.view.indicator);
    EXPECT_TRUE(w.win.RepeatEnabled());
    EXPECT_EQ(w.win.RepeatCaption(), "Повторить сообщение");
    w.clock.now += 65;
    w.prompt.questions.clear();
    w.win.N53Click();
    EXPECT_EQ(w.view.text, c.pane);
    if (*c.box) {
      ASSERT_EQ(w.prompt.questions.size(), 1u);
      EXPECT_EQ(w.prompt.questions[0].text, c.box);
      EXPECT_EQ(w.prompt.questions[0].kind, MsgKind::Warning);
      EXPECT_TRUE(w.win.RepeatEnabled());  // a box leaves nothing on screen
    } else {
      EXPECT_TRUE(w.prompt.questions.empty());
      EXPECT_TRUE(w.view.pane);
      EXPECT_EQ(w.view.hint, "Погасить сообщение");
      EXPECT_FALSE(w.win.RepeatEnabled());  // it is on screen now
    }
    EXPECT_EQ(w.win.LastMessTime(), 10 * 3600);  // a repeat is not a new message
    w.ExpectViewInStep();
  }
}

TEST(MessageWindow, HeldBackMessageShowsOnceInTheLastPanePlacement) {
  Window w(kMessBelow);
  w.win.SwitchMessWin(kMessOff, false);
  EXPECT_EQ(w.win.MessWinLastMode(), kMessBelow);
  w.win.ShowMess("Найдено 3 ошибки", MsgKind::Error);
  EXPECT_EQ(w.prompt.beeps, 1);
  EXPECT_FALSE(w.view.pane);
  EXPECT_TRUE(w.view.indicator);
  EXPECT_EQ(w.view.hint, "Показать сообщение");
  EXPECT_EQ(w.win.RepeatCaption(), "Показать сообщение");
  EXPECT_TRUE(w.win.RepeatEnabled());

  w.clock.now += 30;
  w.win.ToolButton3Click();
  EXPECT_EQ(w.view.text, "Отложенное сообщение от 10:00:00: Найдено 3 ошибки");
  EXPECT_TRUE(w.view.pane);
  EXPECT_TRUE(w.view.panel4);
  EXPECT_FALSE(w.view.onTop);
  EXPECT_EQ(w.view.hint, "Погасить сообщение");
  EXPECT_EQ(w.view.image, 18);
  // The setting itself is still "Отключить".
  EXPECT_EQ(w.win.MessWinMode(), kMessOff);
  EXPECT_EQ(w.view.checked, kMessOff);
  EXPECT_FALSE(w.win.MessDelayed());
  EXPECT_EQ(w.win.RepeatCaption(), "Повторить сообщение");
  EXPECT_FALSE(w.win.RepeatEnabled());

  // While that pane is on screen a new message goes into it, with its time and no beep.
  w.win.ShowMess("Второе", MsgKind::Information);
  EXPECT_EQ(w.view.text, "10:00:30: Второе");
  EXPECT_EQ(w.prompt.beeps, 1);
  EXPECT_EQ(w.win.MessWinMode(), kMessOff);

  // Once it is put out, messages are held back again.
  w.win.ToolButton3Click();
  w.win.ShowMess("Третье", MsgKind::Information);
  EXPECT_EQ(w.prompt.beeps, 2);
  EXPECT_FALSE(w.view.pane);
  EXPECT_TRUE(w.win.MessDelayed());
  w.ExpectViewInStep();
}

TEST(MessageWindow, HeldBackMessageWithoutAPanePlacementOpensABox) {
  Window w(kMessSystem);
  w.win.SwitchMessWin(kMessOff, false);
  EXPECT_EQ(w.win.MessWinLastMode(), kMessSystem);
  w.win.ShowMess("Текст", MsgKind::Information);
  ASSERT_TRUE(w.prompt.questions.empty());
  w.win.ToolButton3Click();
  ASSERT_EQ(w.prompt.questions.size(), 1u);
  EXPECT_EQ(w.prompt.questions[0].text, "Отложенное сообщение от 10:00:00: Текст");
  EXPECT_FALSE(w.view.indicator);
  EXPECT_EQ(w.win.MessWinMode(), kMessOff);

  // A stored last placement of 4 or more also ends in the box.
  Window v(kMessOff);
  v.win.SetMessWinLastMode(7);
  v.win.ShowMess("Текст", MsgKind::Information);
  v.win.N53Click();
  ASSERT_EQ(v.prompt.questions.size(), 1u);
  EXPECT_EQ(v.prompt.questions[0].text, "Отложенное сообщение от 10:00:00: Текст");
}

TEST(MessageWindow, SetMessLikeLastRemembersWithoutShowingWhenThePaneIsHidden) {
  Window w;
  w.win.SetMessLikeLast("  Смещение тайминга завершено ", MsgKind::Information);
  EXPECT_FALSE(w.view.pane);
  EXPECT_FALSE(w.view.indicator);
  EXPECT_EQ(w.view.text, "");
  EXPECT_TRUE(w.prompt.questions.empty());
  EXPECT_EQ(w.win.LastMess(), "  Смещение тайминга завершено ");  // kept as given
  EXPECT_TRUE(w.win.RepeatEnabled());
  w.clock.now += 2;
  w.win.N53Click();
  EXPECT_EQ(w.view.text, "Повтор сообщения от 10:00:00:   Смещение тайминга завершено ");

  // With the pane on screen it is an ordinary new message.
  w.clock.now += 60;
  w.win.SetMessLikeLast("Нормализация завершена", MsgKind::Error);
  EXPECT_EQ(w.view.text, "10:01:02: Нормализация завершена");
  EXPECT_EQ(w.view.image, 18);
  w.ExpectViewInStep();
}

TEST(MessageWindow, SwitchingPlacementMovesThePaneAndKeepsItsState) {
  Window w(kMessBelow);
  w.win.ShowMess("Сообщение", MsgKind::Information);
  w.win.SwitchMessWin(kMessAbove, false);
  EXPECT_TRUE(w.view.onTop);
  EXPECT_TRUE(w.view.panel4);
  EXPECT_TRUE(w.view.pane);
  EXPECT_EQ(w.view.text, "10:00:00: Сообщение");
  EXPECT_EQ(w.view.hint, "Погасить сообщение");
  EXPECT_EQ(w.view.checked, kMessAbove);

  w.win.SwitchMessWin(kMessRight, false);
  EXPECT_TRUE(w.view.inPanel6);
  EXPECT_FALSE(w.view.panel4);
  EXPECT_TRUE(w.view.pane);

  w.win.SwitchMessWin(kMessBelow, false);
  EXPECT_FALSE(w.view.inPanel6);
  EXPECT_FALSE(w.view.onTop);
  EXPECT_TRUE(w.view.panel4);

  w.win.SwitchMessWin(kMessSystem, false);
  EXPECT_FALSE(w.view.pane);
  EXPECT_FALSE(w.view.panel4);
  EXPECT_FALSE(w.view.indicator);
  EXPECT_FALSE(w.win.MessWinShown());
  w.ExpectViewInStep();

  // An emptied pane switched into view offers to hide the window.
  Window e(kMessBelow);
  e.win.SetMessWinVisible(true);
  e.win.SwitchMessWin(kMessAbove, false);
  EXPECT_TRUE(e.view.indicator);
  EXPECT_EQ(e.view.hint, "Скрыть окно сообщений");
}

TEST(MessageWindow, RightPlacementWithTheOperationsPanelHidden) {
  Window w(kMessBelow, false);
  w.win.SwitchMessWin(kMessRight, false);
  EXPECT_FALSE(w.view.pane);
  EXPECT_FALSE(w.view.panel4);
  EXPECT_FALSE(w.view.indicator);
  w.win.ShowMess("Сообщение", MsgKind::Information);
  ASSERT_EQ(w.prompt.questions.size(), 1u);
  EXPECT_EQ(w.prompt.questions[0].text, "10:00:00: Сообщение");
  EXPECT_FALSE(w.view.pane);
  EXPECT_TRUE(w.win.RepeatEnabled());
}

TEST(MessageWindow, LastPlacementRecordsOnlyPlacementsBeforeOff) {
  struct Step {
    int to;
    int mode, last;
  } steps[] = {
      {kMessRight, kMessRight, kMessBelow},  {kMessAbove, kMessAbove, kMessRight},
      {kMessOff, kMessOff, kMessAbove},      {kMessSystem, kMessSystem, kMessAbove},
      {kMessSystem, kMessSystem, kMessAbove},  // the same placement changes nothing
      {5, kMessSystem, kMessAbove},          // no such placement
      {200, kMessSystem, kMessAbove},        // a damaged stored value: 200 & 127 = 72
      {128 + kMessBelow, kMessBelow, kMessSystem},  // the high bit is ignored
  };
  Window w;
  for (const Step& s : steps) {
    SCOPED_TRACE(s.to);
    w.win.SwitchMessWin(s.to, false);
    EXPECT_EQ(w.win.MessWinMode(), s.mode);
    EXPECT_EQ(w.win.MessWinLastMode(), s.last);
    EXPECT_EQ(w.view.checked, s.mode);
  }
}

TEST(MessageWindow, RepeatEntryIsEnabledOnlyWhileTheMessageIsNotOnScreen) {
  struct Case {
    int placement;
    bool opPanel;
    bool putOut;  // the indicator was clicked after the message
    bool enabled;
  } cases[] = {
      {kMessBelow, true, false, false},  {kMessBelow, true, true, true},
      {kMessAbove, true, false, false},  {kMessRight, true, false, false},
      {kMessRight, true, true, true},    {kMessRight, false, false, true},
      {kMessSystem, true, false, true},  {kMessOff, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.placement * 100 + c.opPanel * 10 + c.putOut);
    Window w(c.placement, c.opPanel);
    EXPECT_FALSE(w.win.RepeatEnabled());
    w.win.ShowMess("Сообщение", MsgKind::Information);
    if (c.putOut) w.win.ToolButton3Click();
    EXPECT_EQ(w.win.RepeatEnabled(), c.enabled);
  }
}

TEST(MessageWindow, ClearMessForgetsAndHides) {
  Window w(kMessOff);
  w.win.ShowMess("Отложено", MsgKind::Information);
  w.win.ClearMess();
  EXPECT_FALSE(w.view.indicator);
  EXPECT_FALSE(w.win.MessDelayed());
  EXPECT_EQ(w.win.LastMess(), "");
  EXPECT_FALSE(w.win.RepeatEnabled());
  w.win.ToolButton3Click();  // nothing to show any more
  w.win.N53Click();
  EXPECT_TRUE(w.prompt.questions.empty());
  EXPECT_FALSE(w.view.pane);
  w.ExpectViewInStep();
}

TEST(MessageWindow, IndicatorFollowsTheOperationsPanelWhenThePaneSitsInIt) {
  Window w(kMessRight);
  w.win.ShowMess("Сообщение", MsgKind::Information);
  ASSERT_TRUE(w.view.indicator);
  bool before = w.win.PaneShownInOpPanel();
  EXPECT_TRUE(before);
  w.view.opPanel = false;
  w.win.OpPanelVisibilityChanged(false, before);
  EXPECT_FALSE(w.view.indicator);
  EXPECT_TRUE(w.win.RepeatEnabled());
  before = w.win.PaneShownInOpPanel();
  w.view.opPanel = true;
  w.win.OpPanelVisibilityChanged(true, before);
  EXPECT_TRUE(w.view.indicator);

  // With the pane below the text the panel does not touch the indicator.
  Window b(kMessBelow);
  b.win.ShowMess("Сообщение", MsgKind::Information);
  b.view.opPanel = false;
  b.win.OpPanelVisibilityChanged(false, true);
  EXPECT_TRUE(b.view.indicator);
}

TEST(MessagePaneHeight, StartValueAndSplitterLimits) {
  const int screen = 1050;  // limit 300
  struct Start {
    int stored, expected;
  } starts[] = {{0, 87}, {-5, 87}, {120, 120}, {300, 300}, {301, 300}, {100000, 300}};
  for (const Start& s : starts) EXPECT_EQ(StartPaneHeight(s.stored, screen), s.expected) << s.stored;
  EXPECT_EQ(MaxPaneHeight(1080), 309);  // 308.57 rounded

  struct Drag {
    int current, proposed;
    bool accepted;
  } drags[] = {
      {100, 300, true}, {100, 301, false}, {350, 320, true},  // shrinking from above the limit
      {100, 60, true},  {29, 20, true},    {28, 20, false},  {20, 10, false},
      {20, 40, true},   {28, 28, false},
  };
  for (const Drag& d : drags) {
    EXPECT_EQ(AcceptPaneHeight(d.current, d.proposed, screen), d.accepted) << d.current << "->" << d.proposed;
  }
}

}  // namespace
}  // namespace quillet
