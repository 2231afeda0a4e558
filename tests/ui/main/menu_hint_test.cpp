// The menu hint window: the timers each selection starts, where and how large the hint shows,
// the first show's longer stay, and what hides it at once. The timers' steps are called in
// place of waiting for them.
#include "ui/main/menu_hint.h"

#include <QAction>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include <tuple>

namespace quillet {
namespace {

struct Hint {
  QWidget owner;
  TMenuItemHint hint{&owner};
  QAction withHint{QStringLiteral("Запретить ручной ввод")};
  QAction otherHint{QStringLiteral("Сабы")};
  QAction noHint{QStringLiteral("Открыть")};
  QPoint cursor{100, 200};

  Hint() {
    SetHint(&withHint, QStringLiteral("Блокирует возможность изменять текст с клавиатуры"));
    SetHint(&otherHint, QStringLiteral("Сайты субтитров"));
    hint.SetCursorSource([this] { return cursor; });
  }
  // Show timer running, hide timer running, window shown.
  std::tuple<bool, bool, bool> State() const {
    return {hint.ShowTimer().isActive(), hint.HideTimer().isActive(), hint.isVisible()};
  }
  QSize TextSize(const QString& text) const {
    return hint.fontMetrics().boundingRect(QRect(), Qt::AlignLeft | Qt::TextExpandTabs, text).size();
  }
};

constexpr auto kIdle = std::tuple(false, false, false);

TEST(MenuHint, AHintedItemShowsItsHintAfterThePauseBesideTheCursor) {
  Hint h;
  EXPECT_EQ(h.hint.ShowTimer().interval(), 500);
  EXPECT_EQ(h.hint.HideTimer().interval(), 1);
  EXPECT_EQ(h.State(), kIdle);
  // An action's tooltip falls back to its caption; that is no hint.
  EXPECT_EQ(HintOf(&h.noHint), QString());
  EXPECT_EQ(h.withHint.toolTip(), HintOf(&h.withHint));

  h.hint.DoActivateHint(&h.withHint);
  EXPECT_EQ(h.hint.CurrentItem(), &h.withHint);
  EXPECT_EQ(h.State(), std::tuple(true, true, false));
  h.hint.HideHintStep();  // the 1 ms of the first selection: nothing is shown yet
  EXPECT_EQ(h.State(), std::tuple(true, false, false));

  h.hint.ShowHintStep();
  const QString text = QStringLiteral("Блокирует возможность изменять текст с клавиатуры");
  EXPECT_EQ(h.hint.text(), text);
  EXPECT_EQ(h.hint.geometry(), QRect(QPoint(116, 216), h.TextSize(text) + QSize(6, 4)));
  EXPECT_EQ(h.hint.TextRect().size(), h.TextSize(text));
  // The first show: from now on a hint stays for the hide pause.
  EXPECT_EQ(h.State(), std::tuple(false, true, true));
  EXPECT_EQ(h.hint.HideTimer().interval(), 2500);

  h.hint.HideHintStep();
  EXPECT_EQ(h.State(), kIdle);
  EXPECT_EQ(h.hint.CurrentItem(), &h.withHint);

  // The next item, elsewhere: the hide pause now runs from the selection.
  h.cursor = QPoint(300, 40);
  h.hint.DoActivateHint(&h.otherHint);
  EXPECT_EQ(h.State(), std::tuple(true, true, false));
  EXPECT_EQ(h.hint.HideTimer().interval(), 2500);
  h.hint.ShowHintStep();
  EXPECT_EQ(h.hint.text(), QStringLiteral("Сайты субтитров"));
  EXPECT_EQ(h.hint.pos(), QPoint(316, 56));
  EXPECT_EQ(h.State(), std::tuple(false, true, true));
}

TEST(MenuHint, AnItemWithoutHintOrAClosingMenuHidesAtOnce) {
  for (const bool closing : {false, true}) {
    Hint h;
    h.hint.DoActivateHint(&h.withHint);
    h.hint.ShowHintStep();
    ASSERT_TRUE(h.hint.isVisible());
    h.hint.DoActivateHint(closing ? nullptr : &h.noHint);
    EXPECT_EQ(h.State(), kIdle) << closing;
    EXPECT_EQ(h.hint.CurrentItem(), nullptr);
    // A show step that was already due shows nothing now.
    h.hint.ShowHintStep();
    EXPECT_FALSE(h.hint.isVisible());
  }
  // Moving on before the pause: the hint of the first item never shows.
  Hint h;
  h.hint.DoActivateHint(&h.withHint);
  h.hint.DoActivateHint(&h.noHint);
  EXPECT_EQ(h.State(), kIdle);
}

TEST(MenuHint, StaysOnTheScreenOfTheCursor) {
  Hint h;
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  h.cursor = screen.bottomRight() - QPoint(5, 5);
  h.hint.DoActivateHint(&h.withHint);
  h.hint.ShowHintStep();
  EXPECT_EQ(h.hint.geometry().bottomRight(), screen.bottomRight());
}

}  // namespace
}  // namespace quillet
