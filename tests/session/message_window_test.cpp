#include "session/message_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "support/fakes.h"

namespace quillet {
namespace {

// Starts with every flag on and junk text, so that the window has to set each one.
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

  bool pane = true, panel4 = true, onTop = true, inPanel6 = true, indicator = true, opPanel = true;
  int image = 0, checked = -1;
  std::string text = "junk", hint;
};

// Seconds of the day, shown as hh:mm:ss.
class FixedClock : public IClock {
 public:
  int64_t Now() override { return now; }
  std::string DateTimeText(int64_t) override { return {}; }
  std::string LongTimeText(int64_t t) override {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", int(t / 3600), int(t / 60 % 60), int(t % 60));
    return buf;
  }
  int64_t now = 10 * 3600;  // 10:00:00
};

using Texts = std::vector<std::string>;

// What the view shows: the flags that are on ("right": in Panel6), the indicator with its hint,
// then "| " and the pane text.
std::string Describe(const FakeView& v) {
  std::string s;
  for (const auto& [on, what] : {std::pair<bool, std::string>{v.pane, "pane"}, {v.panel4, "panel4"}, {v.onTop, "top"},
                                 {v.inPanel6, "right"}, {v.indicator, "indicator(" + v.hint + ")"},
                                 {!v.text.empty(), "| " + v.text}}) {
    if (on) s += (s.empty() ? "" : " ") + what;
  }
  return s;
}

struct Window {
  explicit Window(int placement = kMessBelow, bool opPanel = true) {
    view.opPanel = opPanel;
    win.SwitchMessWin(placement, false);
  }
  std::string State() const { return Describe(view); }
  // The texts of the boxes asked; every one should have the single button Ok.
  Texts Boxes() const {
    Texts texts;
    for (const auto& q : prompt.questions) texts.push_back(q.buttons == Buttons::Ok ? q.text : "not Ok: " + q.text);
    return texts;
  }
  FakeView view;
  testing::ScriptedPrompt prompt;
  FixedClock clock;
  TMessageWindow win{view, prompt, clock};
};

// A new message in each placement: where it shows, with or without the time, and the indicator.
TEST(MessageWindow, NewMessageGoesWhereThePlacementSays) {
  // Placement, operations panel shown, kind; then the screen, the box ("" = none), the image, and whether
  // "Повтор сообщения" is enabled (the message is not on screen).
  const std::string on = "indicator(Погасить сообщение) | 10:00:00: Готово";
  const std::tuple<int, bool, MsgKind, std::string, const char*, int, bool> cases[] = {
      {kMessBelow, true, MsgKind::Information, "pane panel4 " + on, "", 19, false},
      {kMessAbove, true, MsgKind::Error, "pane panel4 top " + on, "", 18, false},
      {kMessRight, true, MsgKind::Warning, "pane right " + on, "", 19, false},
      // The pane's place is hidden with the panel: a box, with the time, and nothing left on screen.
      {kMessRight, false, MsgKind::Error, "right", "10:00:00: Готово", 18, true},
      {kMessSystem, true, MsgKind::Confirmation, "", "Готово", 19, true},
      {kMessOff, true, MsgKind::Error, "indicator(Показать сообщение)", "", 18, true},  // and a beep
  };
  for (const auto& [placement, opPanel, kind, state, box, image, repeat] : cases) {
    SCOPED_TRACE(placement * 10 + opPanel);
    Window w(placement, opPanel);
    w.win.ShowMess(" \t Готово \r\n", kind);
    EXPECT_EQ(w.State(), state);
    EXPECT_EQ(w.Boxes(), *box ? Texts{box} : Texts{});
    for (const auto& q : w.prompt.questions) EXPECT_EQ(q.kind, kind);
    EXPECT_EQ(w.prompt.beeps, placement == kMessOff ? 1 : 0);
    EXPECT_EQ(w.view.image, image);
    EXPECT_EQ(w.win.LastMess(), "Готово");  // trimmed
    EXPECT_EQ(w.win.RepeatEnabled(), repeat);
  }
}

// A repeat in a box keeps the kind and the time of the message.
TEST(MessageWindow, RepeatInABoxKeepsTheKindAndTheTimeOfTheMessage) {
  Window w(kMessSystem);
  w.win.ShowMess("Сохранено", MsgKind::Warning);
  w.clock.now += 65;
  w.win.N53Click();
  EXPECT_EQ(w.Boxes(), (Texts{"Сохранено", "Повтор сообщения от 10:00:00: Сохранено"}));
  EXPECT_EQ(w.prompt.questions.back().kind, MsgKind::Warning);
  EXPECT_EQ(w.State(), "");
  EXPECT_TRUE(w.win.RepeatEnabled());
  EXPECT_EQ(w.win.LastMessTime(), 10 * 3600);  // a repeat is not a new message
}

TEST(MessageWindow, HeldBackMessageShowsOnceInTheLastPanePlacement) {
  Window w(kMessBelow);
  w.win.SwitchMessWin(kMessOff, false);
  w.win.ShowMess("Найдено 3 ошибки", MsgKind::Error);
  EXPECT_EQ(w.prompt.beeps, 1);
  EXPECT_EQ(w.State(), "indicator(Показать сообщение)");
  EXPECT_EQ(w.win.RepeatCaption(), "Показать сообщение");

  w.clock.now += 30;
  w.win.ToolButton3Click();
  EXPECT_EQ(w.State(),
            "pane panel4 indicator(Погасить сообщение) | Отложенное сообщение от 10:00:00: Найдено 3 ошибки");
  EXPECT_EQ(w.view.checked, kMessOff);  // the setting itself is still "Отключить"
  EXPECT_EQ(w.win.RepeatCaption(), "Повторить сообщение");

  // While that pane is on screen a new message goes into it, with its time and no beep.
  w.win.ShowMess("Второе", MsgKind::Information);
  EXPECT_EQ(w.view.text, "10:00:30: Второе");
  EXPECT_EQ(w.prompt.beeps, 1);

  // Once it is put out, messages are held back again; cleared, there is nothing to show.
  w.win.ToolButton3Click();
  w.win.ShowMess("Третье", MsgKind::Information);
  EXPECT_EQ(w.prompt.beeps, 2);
  EXPECT_EQ(w.State(), "indicator(Показать сообщение)");
  w.win.ClearMess();
  EXPECT_EQ(std::tuple(w.win.MessDelayed(), w.win.LastMess(), w.win.RepeatEnabled()), std::tuple(false, "", false));
  w.win.ToolButton3Click();
  w.win.N53Click();
  EXPECT_TRUE(w.prompt.questions.empty());
  EXPECT_EQ(w.State(), "");
}

// Without a pane placement to fall back on (the box, or a stored last placement of 4 or more)
// the held back message opens a box, from the indicator and from the menu alike.
TEST(MessageWindow, HeldBackMessageWithoutAPanePlacementOpensABox) {
  for (bool stored : {false, true}) {
    SCOPED_TRACE(stored);
    Window w(stored ? kMessOff : kMessSystem);
    stored ? w.win.SetMessWinLastMode(7) : w.win.SwitchMessWin(kMessOff, false);
    w.win.ShowMess("Текст", MsgKind::Information);
    ASSERT_TRUE(w.prompt.questions.empty());
    stored ? w.win.N53Click() : w.win.ToolButton3Click();
    EXPECT_EQ(w.Boxes(), Texts{"Отложенное сообщение от 10:00:00: Текст"});
    EXPECT_FALSE(w.view.indicator);
  }
}

TEST(MessageWindow, SetMessLikeLastRemembersWithoutShowingWhenThePaneIsHiddenAndBlanksAreDropped) {
  Window w;
  w.win.SetMessLikeLast("  Смещение тайминга завершено ", MsgKind::Information);
  EXPECT_EQ(w.State(), "");
  EXPECT_TRUE(w.prompt.questions.empty());
  EXPECT_EQ(w.win.LastMess(), "  Смещение тайминга завершено ");  // kept as given
  EXPECT_TRUE(w.win.RepeatEnabled());
  w.clock.now += 2;
  w.win.N53Click();
  EXPECT_EQ(w.State(),
            "pane panel4 indicator(Погасить сообщение) | Повтор сообщения от 10:00:00:   Смещение тайминга завершено ");

  // With the pane on screen it is an ordinary new message.
  w.clock.now += 60;
  w.win.SetMessLikeLast("Нормализация завершена", MsgKind::Error);
  const std::string shown = "pane panel4 indicator(Погасить сообщение) | 10:01:02: Нормализация завершена";
  EXPECT_EQ(w.State(), shown);

  // Blank messages are dropped without a trace.
  for (const char* blank : {"", "\t\r\n\x01\x1f "}) {
    w.win.ShowMess(blank, MsgKind::Information);
    w.win.SetMessLikeLast("", MsgKind::Information);
  }
  EXPECT_EQ(w.win.LastMess(), "Нормализация завершена");
  EXPECT_EQ(w.State(), shown);
  EXPECT_EQ(w.view.image, 18);
}

TEST(MessageWindow, SwitchingPlacementMovesThePaneAndKeepsItsState) {
  Window w(kMessBelow);
  w.win.ShowMess("Сообщение", MsgKind::Information);
  const std::pair<int, const char*> steps[] = {
      {kMessAbove, "pane panel4 top indicator(Погасить сообщение) | "},
      {kMessRight, "pane top right indicator(Погасить сообщение) | "},
      {kMessBelow, "pane panel4 indicator(Погасить сообщение) | "},
      {kMessSystem, "| "},  // hidden, the text kept for later
  };
  for (const auto& [to, state] : steps) {
    w.win.SwitchMessWin(to, false);
    EXPECT_EQ(w.State(), state + std::string("10:00:00: Сообщение")) << to;
  }

  // An emptied pane switched into view offers to hide the window.
  Window e(kMessBelow);
  e.win.SetMessWinVisible(true);
  e.win.SwitchMessWin(kMessAbove, false);
  EXPECT_EQ(e.State(), "pane panel4 top indicator(Скрыть окно сообщений)");
}

TEST(MessageWindow, LastPlacementRecordsOnlyPlacementsBeforeOff) {
  Window w;
  EXPECT_EQ(w.State(), "");  // starts below, with nothing shown
  // To, then the placement and the last placement after it.
  const std::tuple<int, int, int> steps[] = {
      {kMessBelow, kMessBelow, kMessSystem},  // the same placement changes nothing
      {kMessRight, kMessRight, kMessBelow},    {kMessOff, kMessOff, kMessRight},
      {kMessSystem, kMessSystem, kMessRight},  {5, kMessSystem, kMessRight},  // no such placement
      {200, kMessSystem, kMessRight},          // a damaged stored value: 200 & 127 = 72
      {128 + kMessBelow, kMessBelow, kMessSystem},  // the high bit is ignored
  };
  for (const auto& [to, mode, last] : steps) {
    w.win.SwitchMessWin(to, false);
    EXPECT_EQ(std::tuple(int(w.win.MessWinMode()), int(w.win.MessWinLastMode()), w.view.checked),
              std::tuple(mode, last, mode))
        << to;
  }
}

TEST(MessageWindow, IndicatorFollowsTheOperationsPanelWhenThePaneSitsInIt) {
  Window w(kMessRight);
  w.win.ShowMess("Сообщение", MsgKind::Information);
  for (bool show : {false, true}) {
    const bool before = w.win.PaneShownInOpPanel();
    EXPECT_EQ(before, !show);
    w.view.opPanel = show;
    w.win.OpPanelVisibilityChanged(show, before);
    EXPECT_EQ(w.view.indicator, show);
    EXPECT_EQ(w.win.RepeatEnabled(), !show);
  }

  // With the pane below the text the panel does not touch the indicator.
  Window b(kMessBelow);
  b.win.ShowMess("Сообщение", MsgKind::Information);
  b.view.opPanel = false;
  b.win.OpPanelVisibilityChanged(false, true);
  EXPECT_TRUE(b.view.indicator);
}

TEST(MessagePaneHeight, StartValueAndSplitterLimits) {
  const int screen = 1050;  // limit 300
  const std::pair<int, int> starts[] = {{0, 87}, {-5, 87}, {120, 120}, {300, 300}, {301, 300}};
  for (const auto& [stored, expected] : starts) EXPECT_EQ(StartPaneHeight(stored, screen), expected) << stored;
  EXPECT_EQ(MaxPaneHeight(1080), 309);  // 308.57 rounded

  const std::tuple<int, int, bool> drags[] = {
      {100, 300, true}, {100, 301, false}, {350, 320, true},  // shrinking from above the limit
      {29, 20, true},   {28, 20, false},   {20, 10, false},  {20, 40, true}, {28, 28, false},
  };
  for (const auto& [current, proposed, accepted] : drags)
    EXPECT_EQ(AcceptPaneHeight(current, proposed, screen), accepted) << current << "->" << proposed;
}

}  // namespace
}  // namespace quillet
