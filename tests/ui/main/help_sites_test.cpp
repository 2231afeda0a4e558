// The "Помощь" and "Сайты" menus of the main window and its hints: F1 with and without the
// help, the about window, the site items with their pictures and addresses, and the menu
// hint that follows the menus while hints are on.
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "storage/temp_folder.h"
#include "support/qt/fake_program.h"
#include "ui/dialogs/about_form.h"
#include "ui/main/menu_hint.h"

namespace quillet {
namespace {

using Strings = std::vector<std::string>;

struct Window : testing::FakeProgram {
  Window() { program.Start(); }
  QAction* Act(const char* name) { return form.findChild<QAction*>(name); }
  QMenu* Menu(const char* name) { return form.findChild<QMenu*>(name); }
  Strings Questions() {
    Strings out;
    for (const auto& q : prompt.questions) out.push_back(q.text);
    return out;
  }
};

TEST(HelpMenu, F1FindsTheHelpBesideTheProgramOrTellsItIsMissing) {
  Window w;
  testing::TempFolder folder;
  w.form.SetProgramFolder(folder.Path());
  ASSERT_EQ(w.Act("N16")->shortcut(), QKeySequence(Qt::Key_F1));
  ASSERT_TRUE(w.Act("N16")->isEnabled());

  w.Act("N16")->trigger();
  EXPECT_EQ(w.Questions(), Strings{"Файл справки не найден!"});
  EXPECT_EQ(w.prompt.questions[0].kind, MsgKind::Error);
  EXPECT_EQ(w.prompt.questions[0].buttons, Buttons::Ok);
  EXPECT_TRUE(w.shell.opened.empty());

  ::mkdir((folder / "help").c_str(), 0755);
  const std::string help = folder.Write("help/help.html", "<html></html>");
  w.Act("N16")->trigger();
  EXPECT_EQ(w.shell.opened, Strings{help});
  EXPECT_EQ(w.shell.maximizedAt, std::vector<bool>{true});
  EXPECT_EQ(w.prompt.questions.size(), 1u);

  w.shell.openResult = false;
  w.Act("N16")->trigger();
  EXPECT_EQ(w.Questions(), (Strings{"Файл справки не найден!", "Не удалось открыть файл справки!"}));
}

TEST(HelpMenu, AboutShowsTheAboutWindowModallyAndItsLinkOpensTheMakersPage) {
  Window w;
  TQuilletAbtFrm& about = w.form.abtFrm();
  // Prepared at start.
  EXPECT_EQ(about.Label1()->text(), "Редактор Субтитров SRT");
  EXPECT_EQ(about.Image(5)->pixmap().cacheKey(), about.Image(4)->pixmap().cacheKey());

  QWidget* shown = nullptr;
  QTimer::singleShot(0, &w.form, [&] {
    shown = QApplication::activeModalWidget();
    QTest::mouseClick(about.Label3(), Qt::LeftButton);
    about.reject();
  });
  w.Act("N60")->trigger();
  EXPECT_EQ(shown, &about);
  EXPECT_EQ(w.shell.opened, Strings{"https://tannford.org/quillet/"});
  EXPECT_EQ(w.shell.maximizedAt, std::vector<bool>{true});
}

TEST(SitesMenu, EightItemsWithPicturesOpenTheAddressesOfTheirHints) {
  Window w;
  const std::pair<const char*, const char*> menus[] = {{"N31", "Сайты субтитров"}, {"N32", "Разные полезные сайты"}};
  for (const auto& [name, hint] : menus) {
    QMenu* menu = w.Menu(name);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isEnabled()) << name;
    EXPECT_EQ(HintOf(menu->menuAction()), QString::fromUtf8(hint)) << name;
    EXPECT_EQ(menu->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu), 32) << name;
  }
  Strings opened;
  int count[2] = {};
  for (int m = 0; m < 2; ++m) {
    for (QAction* item : w.Menu(menus[m].first)->actions()) {
      ++count[m];
      const QString address = HintOf(item);
      EXPECT_TRUE(address.startsWith("https://")) << item->objectName().toStdString();
      EXPECT_FALSE(item->text().isEmpty());
      EXPECT_FALSE(item->icon().isNull());
      EXPECT_EQ(item->icon().availableSizes().value(0), QSize(32, 32));
      item->trigger();
      opened.push_back(address.toStdString());
    }
  }
  EXPECT_EQ(count[0], 5);
  EXPECT_EQ(count[1], 3);
  EXPECT_EQ(w.shell.opened, opened);
  EXPECT_EQ(w.shell.maximizedAt, std::vector<bool>(8, false));

  // An item whose hint is no web address does nothing.
  QAction* first = w.Menu("N31")->actions().value(0);
  SetHint(first, "Сайты субтитров");
  first->trigger();
  EXPECT_EQ(w.shell.opened.size(), 8u);
}

TEST(MenuHints, FollowTheMenusWhileHintsAreOn) {
  Window w;
  TMenuItemHint& hint = w.form.menuHint();
  hint.SetCursorSource([] { return QPoint(10, 10); });
  for (QMenu* menu : w.form.menuBar()->findChildren<QMenu*>()) EXPECT_FALSE(menu->toolTipsVisible());
  EXPECT_TRUE(w.form.ShowHints());

  QMenu* text = w.Menu("N8");
  emit text->hovered(w.Act("N15"));
  EXPECT_EQ(hint.CurrentItem(), w.Act("N15"));
  hint.ShowHintStep();
  EXPECT_TRUE(hint.isVisible());
  EXPECT_EQ(hint.text(), "Блокирует возможность изменять текст с клавиатуры");
  // An item without a hint, a submenu with one, the menu closing.
  emit text->hovered(w.Act("N10"));
  EXPECT_FALSE(hint.isVisible());
  EXPECT_EQ(hint.CurrentItem(), nullptr);
  emit w.Menu("N30")->hovered(w.Menu("N31")->menuAction());
  EXPECT_EQ(hint.CurrentItem(), w.Menu("N31")->menuAction());
  emit w.Menu("N30")->aboutToHide();
  EXPECT_EQ(hint.CurrentItem(), nullptr);
  EXPECT_FALSE(hint.ShowTimer().isActive());

  // Off: no menu hint, and a hint shown goes.
  emit text->hovered(w.Act("N15"));
  hint.ShowHintStep();
  w.form.SetShowHints(false);
  EXPECT_FALSE(hint.isVisible());
  emit text->hovered(w.Act("N15"));
  EXPECT_EQ(hint.CurrentItem(), nullptr);
  EXPECT_FALSE(hint.ShowTimer().isActive());
  w.form.SetShowHints(true);
  emit text->hovered(w.Act("N15"));
  EXPECT_EQ(hint.CurrentItem(), w.Act("N15"));
}

TEST(MenuHints, TheWindowsControlsShowNoHintsWhileHintsAreOff) {
  Window w;
  w.form.show();
  QToolButton* open = w.form.findChild<QToolButton*>("ToolButtonSave");
  ASSERT_NE(open, nullptr);
  for (const bool on : {false, true}) {
    w.form.SetShowHints(on);
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), open->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(open, &event);
    EXPECT_EQ(QToolTip::isVisible(), on) << on;
  }
  QToolTip::hideText();
}

}  // namespace
}  // namespace quillet
