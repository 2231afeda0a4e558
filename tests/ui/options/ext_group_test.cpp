// The "Типы файлов" group over a fake desktop, an in-memory store and a scripted prompt: its
// controls, the row marks, the "Новый:" field, and the buttons with their questions.
#include "ui/options/ext_group.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/constants.h"
#include "platform/memory_settings_store.h"
#include "support/desktop_fakes.h"
#include "support/fakes.h"
#include "support/qt/control_expect.h"

namespace quillet {
namespace {

// The group made over a list already loaded.
struct Group {
  explicit Group(const std::string& list, std::map<std::string, std::string> handlers = {})
      : loaded(Load(list, std::move(handlers))) {}
  bool Load(const std::string& list, std::map<std::string, std::string> handlers) {
    desktop.handlers = std::move(handlers);
    data.LoadFromString(list);
    return true;
  }
  QStringList Rows() const {
    QStringList rows;
    for (int i = 0; i < group.ListView1()->count(); ++i) rows << group.ListView1()->item(i)->text();
    return rows;
  }
  // The colour in the middle of a row's mark.
  QColor Mark(int row) const {
    const QSize size = group.ListView1()->iconSize();
    const QImage image = group.ListView1()->item(row)->icon().pixmap(size).toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
  }
  std::tuple<bool, bool, bool, bool> Buttons() const {
    return {group.Button1()->isEnabled(), group.Button2()->isEnabled(), group.Button3()->isEnabled(),
            group.Button4()->isEnabled()};
  }
  void Select(std::initializer_list<int> rows) {
    group.ListView1()->clearSelection();
    for (int row : rows) group.ListView1()->item(row)->setSelected(true);
  }

  MemorySettingsStore store;
  testing::FakeDesktop desktop;
  TExtData data{store, desktop};
  testing::ScriptedPrompt prompt;
  bool loaded;
  TExtGroup group{data, prompt};
};

TEST(ExtGroup, ControlsCaptionsHintsAndDefaults) {
  Group g("srt.ass.ssa");
  EXPECT_EQ(g.group.title(), "Типы файлов");
  EXPECT_TRUE(testing::HasLabel(g.group, "Новый:"));
  testing::ExpectControls(g.group, {
      {"Button1", "+", "Добавить новое расширение"},
      {"Button2", "-", "Удалить выбранные расширения"},
      {"Button3", "Рег+", "Зарегистрировать выбранные расширения на программу редактора"},
      {"Button4", "Рег-", "Снять регистрацию с выбранных расширений"},
      {"CheckBox2", "Подтв.", "Запрашивать подтверждения при выполнении действий с расширениями", 1},
      {"CheckBox3", "Цвет",
       "Подсвечивать недоступные для регистрации (красным) и нежелательные для регистрации (жёлтым) расширения", 0},
      {"Edit1", "", ""},
  });
  QListWidget* list = g.group.ListView1();
  EXPECT_EQ(list->objectName(), "ListView1");
  EXPECT_EQ(g.Rows(), (QStringList{"srt", "ass", "ssa"}));
  EXPECT_TRUE(list->font().bold());
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(g.Buttons(), std::make_tuple(false, false, false, false));
  EXPECT_EQ(std::make_pair(g.group.DoAsk(), g.group.DoColor()), std::make_pair(true, false));
  g.group.SetDoAsk(false);
  g.group.SetDoColor(true);
  EXPECT_EQ(std::make_pair(g.group.DoAsk(), g.group.DoColor()), std::make_pair(false, true));
}

TEST(ExtGroup, RowMarksShowRegisteredForbiddenAndUndesirableExtensions) {
  Group g("srt.mp3.txt.ass", {{"srt", "quillet"}, {"mp3", "vlc"}});
  const QColor base = g.group.ListView1()->palette().color(QPalette::Base);
  const QColor blue(0, 0, 255), red(255, 0, 0), yellow(255, 255, 0);
  EXPECT_EQ((std::vector<QColor>{g.Mark(0), g.Mark(1), g.Mark(2), g.Mark(3)}), (std::vector<QColor>{blue, base, base, base}));
  g.group.CheckBox3()->click();  // "Цвет" redraws at once
  EXPECT_EQ((std::vector<QColor>{g.Mark(0), g.Mark(1), g.Mark(2), g.Mark(3)}), (std::vector<QColor>{blue, red, yellow, base}));
  // The mark is a small square as high as a capital letter of the list's font.
  const QSize size = g.group.ListView1()->iconSize();
  EXPECT_EQ(size.width(), size.height());
  EXPECT_LE(size.height(), QFontMetrics(g.group.ListView1()->font()).height());
}

TEST(ExtGroup, NewRefusesWhatCannotBeAnExtensionAndPlusAddsIt) {
  Group g("srt.ass.ssa", {{"sub", "vlc"}});
  QLineEdit* edit = g.group.Edit1();
  edit->setFocus();
  QTest::keyClicks(edit, "s.r");
  EXPECT_EQ(edit->text(), "sr");
  EXPECT_EQ(g.prompt.beeps, 1);
  QTest::keyClicks(edit, "t");
  EXPECT_FALSE(g.group.Button1()->isEnabled());  // srt is listed
  edit->setText("SRT");
  EXPECT_FALSE(g.group.Button1()->isEnabled());
  edit->setText("a/b:c");  // a paste: the characters go, with a beep
  EXPECT_EQ(edit->text(), "abc");
  EXPECT_EQ(g.prompt.beeps, 2);
  edit->setText(QString(40, QLatin1Char('x')));
  EXPECT_EQ(edit->text(), QString(32, QLatin1Char('x')));
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClicks(edit, "y");
  EXPECT_EQ(edit->text().size(), 32);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text().size(), 31);
  EXPECT_EQ(g.prompt.beeps, 4);

  edit->setText("sub  ");
  emit edit->editingFinished();  // leaving the field drops the trailing blanks
  EXPECT_EQ(edit->text(), "sub");
  EXPECT_TRUE(g.group.Button1()->isEnabled());
  QTest::mouseClick(g.group.Button1(), Qt::LeftButton);
  EXPECT_EQ(g.Rows(), (QStringList{"srt", "ass", "ssa", "sub"}));
  EXPECT_TRUE(g.data.Item(3).HasOther);
  EXPECT_TRUE(g.data.Modified());
  EXPECT_FALSE(g.group.Button1()->isEnabled());
}

TEST(ExtGroup, ButtonsFollowTheSelectionAndAskTheirQuestions) {
  Group g("srt.mp3.sub.ssa", {{"srt", "quillet"}, {"mp3", "vlc"}, {"sub", "mpv"}});
  g.Select({0});
  EXPECT_EQ(g.Buttons(), std::make_tuple(false, true, false, true));
  g.Select({1, 2});
  EXPECT_EQ(g.Buttons(), std::make_tuple(false, true, true, false));

  // "Рег+" over mp3 and sub: the warning about mp3, then the question about sub.
  g.prompt.Script({Answer::Yes, Answer::Yes});
  QTest::mouseClick(g.group.Button3(), Qt::LeftButton);
  ASSERT_EQ(g.prompt.questions.size(), 2u);
  EXPECT_EQ(g.prompt.questions[0].buttons, Buttons::YesNoYesToAll);
  EXPECT_EQ(g.prompt.questions[1].text,
            "Внимание! Расширение \"sub\" уже зарегистровано на программу \"mpv\". Всё равно хотите "
            "зарегистрировать расширение?");
  EXPECT_EQ(g.desktop.handlers["mp3"], "vlc");
  EXPECT_EQ(g.desktop.handlers["sub"], "quillet");
  EXPECT_EQ(g.Mark(2), QColor(0, 0, 255));
  EXPECT_EQ(g.Buttons(), std::make_tuple(false, true, true, true));
  EXPECT_EQ(g.desktop.notifications, 1);

  // "Рег-" over sub: No keeps it.
  g.prompt.questions.clear();
  g.Select({2});
  QTest::mouseClick(g.group.Button4(), Qt::LeftButton);
  EXPECT_EQ(g.prompt.questions.at(0).text,
            "Вы уверены, что хотите отменить регистрацию файлов типа \"sub\" на программу Редактора?");
  EXPECT_EQ(g.desktop.handlers["sub"], "quillet");

  // "-" over srt and ssa: No keeps them, Yes drops them (srt's registration withdrawn first).
  g.prompt.questions.clear();
  g.Select({0, 3});
  QTest::mouseClick(g.group.Button2(), Qt::LeftButton);
  EXPECT_EQ(g.Rows(), (QStringList{"srt", "mp3", "sub", "ssa"}));
  g.prompt.Script({Answer::Yes});
  QTest::mouseClick(g.group.Button2(), Qt::LeftButton);
  EXPECT_EQ(g.prompt.questions.size(), 2u);
  EXPECT_EQ(g.prompt.questions[1].text,
            "Вы уверены, что хотите удалить выбранные расширения из списка расширений, используемых редактором?");
  EXPECT_EQ(g.Rows(), (QStringList{"mp3", "sub"}));
  EXPECT_EQ(g.desktop.handlers.count("srt"), 0u);
  EXPECT_EQ(g.Buttons(), std::make_tuple(false, false, false, false));

  // Without "Подтв." nothing is asked.
  g.prompt.questions.clear();
  g.group.CheckBox2()->click();
  g.Select({1});
  QTest::mouseClick(g.group.Button4(), Qt::LeftButton);
  QTest::mouseClick(g.group.Button2(), Qt::LeftButton);
  EXPECT_TRUE(g.prompt.questions.empty());
  EXPECT_EQ(g.Rows(), (QStringList{"mp3"}));
  EXPECT_EQ(g.desktop.handlers["sub"], "mpv");
}

TEST(ExtGroup, OpeningRereadsTheStatesAndClosingSavesAChangedList) {
  Group g("srt.srt.ass", {});
  g.Select({0});
  g.desktop.handlers["ass"] = "quillet";
  g.group.PrepareShow();
  EXPECT_TRUE(g.group.ListView1()->selectedItems().isEmpty());
  EXPECT_EQ(g.Mark(1), QColor(0, 0, 255));
  EXPECT_EQ(g.Buttons(), std::make_tuple(false, false, false, false));

  EXPECT_TRUE(g.data.Modified());  // srt was there twice
  g.group.FormClose();
  EXPECT_FALSE(g.data.Modified());
  EXPECT_EQ(g.store.Read(SettingsRoot::CurrentUser, RegKeyProgram, ExtDataStrValue), StoredValue::Text("ass.srt"));
  const int flushes = g.store.flushes;
  g.group.FormClose();  // unchanged: not written again
  EXPECT_EQ(g.store.flushes, flushes);
}

}  // namespace
}  // namespace quillet
