// The program options dialog: its controls with their captions, hints and defaults, what acts
// at once and what waits for OK, the size field's rules, and OK as the only way out.
#include "ui/options/main_opt_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "support/qt/control_expect.h"
#include "support/qt/dialog_driver.h"

namespace quillet {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

struct Dialog {
  ProgramOptions options;  // what the rest of the program reads
  TMainOptForm1 form;
  int beeps = 0;
  Dialog() {
    form.Bind(&options);
    form.SetBeep([this] { ++beeps; });
  }
  template <typename T>
  T* Find(const char* name) {
    return testing::FindControl<T>(form, name);
  }
  QLineEdit* Size() { return Find<QLineEdit>("Edit2"); }
  void TypeSize(const char* digits) {
    Size()->selectAll();
    QTest::keyClicks(Size(), digits);
  }
  void LeaveSize() {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Size(), &out);
  }
  bool SizeRedAndBold() {
    const bool red = Size()->palette().color(QPalette::Text) == QColor(0xFF, 0, 0);
    EXPECT_EQ(red, Size()->font().bold());
    return red;
  }
  // Runs the dialog; act runs inside it, then OK is pressed unless act closed it.
  void Run(const std::function<void()>& act) {
    QTimer::singleShot(0, &form, [this, act] {
      ran = form.isVisible();
      act();
      if (form.isVisible()) QTest::mouseClick(form.BitBtn1(), Qt::LeftButton);
    });
    form.Execute();
  }
  bool ran = false;
};

TEST(MainOptForm1, ControlsWithTheirCaptionsHintsAndDefaults) {
  Dialog d;
  EXPECT_EQ(d.form.windowTitle(), U("Настройки программы"));
  testing::ExpectControls(d.form, {
      {"CheckBox1", "Запоминать позицию", "Запоминать позицию и размеры окна редактора", 0},
      {"CheckBox4", "Показывать подсказки", "Разрешает всплывающие подсказки, подобные этой", 1},
      {"Label1", "Max, Кб:", ""},
      {"CheckBox5", "Показывть при запуске",
       "Указывает, делать ли видимой панель операций при запуске программы, если при последнем её закрытии "
       "отображение панели было отключено", 1},
      {"CheckBox6", "Сохранять предыдущий",
       "При сохранении файла его предыдущая версия будет перименована, а не перезаписана", 0},
      {"Label2", "Имя +", ""},
      {"Edit3", "_before", "Будет добавлено к имени предыдущей версии файла"},
      {"RadioButton1", "Автоматически", "При открытии субтитров конвертировать их в srt-формат автоматически", 1},
      {"RadioButton2", "Спрашивать", "При открытии субтитров спрашивать, следует ли сконвертировать их в srt-формат", 0},
      {"RadioButton3", "Не конвертировать", "Не конвертировать субтитры при их открытии", 0},
      {"CheckBox7", "Запоминать",
       "Диапазон блоков, заданый в секции настрокий диапазонов, будет запоминаться и восстанавливаться при  "
       "следующем запуске программы", 0},
      {"CheckBox8", "Выделять", "Поля секции настроки диапазонов будут выделены цветом", 0},
      {"BitBtn1", "ОК", ""},
  });
  testing::ExpectFields(d.form, {{"Edit2", "UpDown1", 1, 8000, "512"}});
  // Each group with its caption holds its controls.
  const std::pair<const char*, const char*> groups[] = {
      {"Окно", "CheckBox1"}, {"Окно", "CheckBox4"}, {"Размер файлов", "Edit2"}, {"Панель операций", "CheckBox5"},
      {"Сохранение:", "CheckBox6"}, {"Сохранение:", "Edit3"}, {"Конвертация", "RadioButton3"},
      {"Диапазон", "CheckBox7"}, {"Диапазон", "CheckBox8"}};
  for (const auto& [caption, control] : groups) {
    QWidget* w = d.Find<QWidget>(control);
    QGroupBox* group = nullptr;
    for (QWidget* p = w; p && !group; p = p->parentWidget()) group = qobject_cast<QGroupBox*>(p);
    ASSERT_NE(group, nullptr) << control;
    EXPECT_EQ(group->title(), U(caption)) << control;
  }
  // OK is the only button, and there is no close box.
  EXPECT_EQ(d.form.findChildren<QPushButton*>().size(), 1);
  EXPECT_TRUE(d.form.BitBtn1()->isDefault());
  EXPECT_FALSE(d.form.windowFlags() & Qt::WindowCloseButtonHint);
  // The file types' place is there, empty.
  EXPECT_EQ(d.form.ExtGroupPlace()->objectName(), "ExtGroupPlace");
  EXPECT_TRUE(d.form.ExtGroupPlace()->findChildren<QWidget*>().isEmpty());
  EXPECT_EQ(d.form.Values(), MainOptValues());
}

TEST(MainOptForm1, KonvTypeBothWays) {
  struct Case {
    int set;
    const char* chosen;
    int type;
  };
  const Case cases[] = {{1, "RadioButton2", 1}, {2, "RadioButton3", 2}, {0, "RadioButton1", 0},
                        {3, "RadioButton1", 0}, {-1, "RadioButton1", 0}, {255, "RadioButton1", 0}};
  Dialog d;
  for (const Case& c : cases) {
    d.form.SetKonvType(c.type == 2 ? 0 : 2);  // from another choice
    d.form.SetKonvType(c.set);
    EXPECT_TRUE(d.Find<QRadioButton>(c.chosen)->isChecked()) << c.set;
    EXPECT_EQ(d.form.GetKonvType(), c.type) << c.set;
    EXPECT_EQ(d.options.konvType, c.type) << c.set;
  }
}

TEST(MainOptForm1, CheckBoxesRadioButtonsAndTheNameActAtOnceTheSizeWaitsForOk) {
  Dialog d;
  QSignalSpy hints(&d.form, &TMainOptForm1::ShowHintsChanged);
  testing::ClickBox(d.Find<QCheckBox>("CheckBox6"));
  testing::ClickBox(d.Find<QRadioButton>("RadioButton2"));
  testing::ClickBox(d.Find<QCheckBox>("CheckBox7"));
  testing::ClickBox(d.Find<QCheckBox>("CheckBox8"));
  testing::ClickBox(d.Find<QCheckBox>("CheckBox4"));
  QTest::keyClicks(d.Find<QLineEdit>("Edit3"), "_old");
  d.TypeSize("2000");
  ProgramOptions want;
  want.saveLast = true;
  want.konvType = 1;
  want.diapRem = true;
  want.diapClr = true;
  want.saveLastAdd = "_before_old";
  EXPECT_EQ(std::tuple(d.options.saveLast, d.options.konvType, d.options.diapRem, d.options.diapClr,
                       d.options.saveLastAdd, d.options.maxFileSizeKb),
            std::tuple(want.saveLast, want.konvType, want.diapRem, want.diapClr, want.saveLastAdd, 512));
  ASSERT_EQ(hints.size(), 1);
  EXPECT_FALSE(hints.at(0).at(0).toBool());

  d.form.accept();
  EXPECT_EQ(d.options.maxFileSizeKb, 2000);
  EXPECT_EQ(d.form.Values().options.maxFileSizeKb, 2000);
}

TEST(MainOptForm1, SizeFieldRules) {
  struct Case {
    const char* typed;
    bool leave;
    const char* shown;
    bool large;
    int beeps;
  };
  const Case cases[] = {
      {"1500", false, "1500", true, 0},   // red and bold from 1000 on
      {"999", false, "999", false, 0},
      {"1000", false, "1000", true, 0},
      {"9999", false, "8000", true, 0},   // clamped to the up-down's maximum
      {"12345", false, "1234", true, 1},  // a fifth digit is refused
      {"5a0", false, "50", false, 1},
      {"50", false, "50", false, 0},      // below 100 is kept while typing...
      {"50", true, "100", false, 0},      // ...and raised on leaving
      {"0", true, "100", false, 0},
      {"100", true, "100", false, 0},
      {"99", true, "100", false, 0},
  };
  for (const Case& c : cases) {
    Dialog d;
    d.TypeSize(c.typed);
    if (c.leave) d.LeaveSize();
    EXPECT_EQ(d.Size()->text().toStdString(), c.shown) << c.typed;
    EXPECT_EQ(d.SizeRedAndBold(), c.large) << c.typed;
    EXPECT_EQ(d.beeps, c.beeps) << c.typed;
  }
  // Cleared, the field says 1; switching to another window is not leaving it.
  Dialog d;
  d.Size()->clear();
  EXPECT_EQ(d.Size()->text(), "1");
  QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(d.Size(), &away);
  EXPECT_EQ(d.Size()->text(), "1");
}

TEST(MainOptForm1, OpeningShowsMaxFileSizeAndOkTakesTheField) {
  Dialog d;
  QSignalSpy preparing(&d.form, &TMainOptForm1::Preparing);
  QSignalSpy closing(&d.form, &TMainOptForm1::Closing);
  d.options.maxFileSizeKb = 3000;   // changed since the dialog was made
  d.options.saveLastAdd = "_prev";  // a save put a name back
  bool shownLarge = false;
  d.Run([&] {
    EXPECT_EQ(preparing.size(), 1);
    EXPECT_EQ(d.Size()->text(), "3000");
    EXPECT_EQ(d.Find<QLineEdit>("Edit3")->text(), "_prev");
    shownLarge = d.SizeRedAndBold();
    d.TypeSize("700");
  });
  EXPECT_TRUE(d.ran && shownLarge);
  EXPECT_EQ(d.options.maxFileSizeKb, 700);
  EXPECT_EQ(closing.size(), 1);

  // Escape and the window's close do not close it; OK with the keyboard, straight from a size
  // below 100, still gives at least 100.
  bool stillOpen = false;
  d.Run([&] {
    QTest::keyClick(&d.form, Qt::Key_Escape);
    d.form.close();
    stillOpen = d.form.isVisible();
    d.TypeSize("5");
    QTest::keyClick(d.Size(), Qt::Key_Return);
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(d.form.isVisible());
  EXPECT_EQ(d.options.maxFileSizeKb, 100);
  EXPECT_EQ(d.Size()->text(), "100");
}

TEST(MainOptForm1, StoredValuesInAndOut) {
  Dialog d;
  QSignalSpy hints(&d.form, &TMainOptForm1::ShowHintsChanged);
  MainOptValues v;
  v.saveWindow = true;
  v.showHints = false;
  v.showPanel = false;
  v.options = ProgramOptions{4000, true, "_old", 2, true, true};
  d.form.SetValues(v);
  EXPECT_EQ(d.form.Values(), v);
  EXPECT_EQ(d.options.maxFileSizeKb, 4000);
  EXPECT_EQ(d.options.saveLastAdd, "_old");
  EXPECT_EQ(d.Size()->text(), "4000");
  EXPECT_TRUE(d.Find<QRadioButton>("RadioButton3")->isChecked());
  EXPECT_EQ(hints.size(), 1);

  // Unbound, the dialog keeps its own copy; the program's stays as it was.
  d.form.Bind(nullptr);
  EXPECT_TRUE(d.Find<QRadioButton>("RadioButton1")->isChecked());
  testing::ClickBox(d.Find<QRadioButton>("RadioButton2"));
  EXPECT_EQ(std::pair(d.form.Options().konvType, d.options.konvType), std::pair(1, 2));
}

TEST(MainOptForm1, TheFileTypeGroupTakesItsPlace) {
  Dialog d;
  auto* first = new QLabel("first");
  d.form.SetExtGroup(first);
  EXPECT_EQ(first->parentWidget(), d.form.ExtGroupPlace());
  QPointer<QLabel> gone(first);
  auto* second = new QLabel("second");
  d.form.SetExtGroup(second);
  EXPECT_TRUE(gone.isNull());
  EXPECT_EQ(second->parentWidget(), d.form.ExtGroupPlace());
}

}  // namespace
}  // namespace quillet
