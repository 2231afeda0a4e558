#include "ui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

#include <tuple>

#include "core/find_err.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_edit_control.h"
#include "storage/document.h"
#include "storage/temp_folder.h"
#include "support/fake_dialogs.h"
#include "support/fakes.h"
#include "support/qt/fake_program.h"
#include "ui/widgets/button_look.h"
#include "ui/panel/find_err_group.h"
#include "platform/memory_settings_store.h"
#include "platform/qt/qt_clock.h"
#include "session/commands.h"
#include "ui/main/message_pane.h"
#include "ui/main/program.h"
#include "ui/dialogs/report_form.h"
#include "ui/panel/operate_panel.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::Lines;
using Strings = std::vector<std::string>;

class FixedClock : public QtClock {
 public:
  int64_t Now() override { return 10 * 3600 * 1000; }
  std::string LongTimeText(int64_t) override { return "10:00:00"; }
};

QString U(const char* s) { return QString::fromUtf8(s); }

struct Form : testing::BasicFakeProgram<FixedClock> {
  TSession& session = program.session();

  explicit Form(const std::string& commandLine = std::string()) { program.Start(commandLine); }

  template <typename T = QAction>
  T* Find(const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QAction* Act(const char* name) { return Find<QAction>(name); }
  QMenu* Menu(const char* name) { return Find<QMenu>(name); }
  QtEditControl& Edit() { return form.edit(); }
  // The caret at a column of a line, as a key release leaves it.
  void Caret(int line, int column) {
    Edit().SetSel(Edit().LineIndex(line) + column, 0);
    emit form.memo().KeyUp();
  }
  std::string Status(int i) { return Find<QLabel>(("StatusPanel" + std::to_string(i)).c_str())->text().toStdString(); }
  // Which of the actions are enabled, joined by blanks.
  std::string Enabled(std::initializer_list<const char*> names) {
    std::string on;
    for (const char* name : names) on += Act(name)->isEnabled() ? (on.empty() ? "" : " ") + std::string(name) : "";
    return on;
  }
  QTextEdit* Pane() { return Find<QTextEdit>("RichEdit1"); }
  QToolButton* Indicator() { return Find<QToolButton>("ToolButton3"); }
  int Image(const char* button) { return Find<QToolButton>(button)->property("imageIndex").toInt(); }
  bool Shown(QWidget* w) { return w->isVisibleTo(&form); }
  // The tool bar lays its buttons out later; the indicator's action says what it will show.
  bool IndicatorShown() { return Indicator()->defaultAction()->isVisible(); }
  void Open(QMenu* menu) { emit menu->aboutToShow(); }
};

// Each entry of a menu as "name|caption|shortcut", separators as "-".
Strings Entries(QMenu* menu) {
  Strings out;
  for (QAction* a : menu->actions()) {
    const QString entry = a->objectName() + "|" + a->text() + "|" + a->shortcut().toString();
    out.push_back(a->isSeparator() ? "-" : entry.toStdString());
  }
  return out;
}

TEST(MainWindow, CaptionMenusAndToolBarInTheirPlaces) {
  Form f;
  EXPECT_EQ(f.form.windowTitle(), U("Редактор субтитров srt"));
  Strings top;
  for (QAction* a : f.form.menuBar()->actions()) top.push_back(a->text().toStdString());
  EXPECT_EQ(top, (Strings{"Файл", "Правка", "Текст", "Настройки", "Помощь", "Сайты"}));

  const std::pair<const char*, Strings> menus[] = {
      {"N1", {"N2|Открыть|Ctrl+O", "N23|Открыть файл|", "-", "N4|Сохранить|Ctrl+S", "N5|Сохранить как...|Ctrl+Shift+S",
              "N59|Сохранить как копию|", "-", "N7|Выход|"}},
      {"N26", {"Action7|Отменить|", "-", "Action8|Вырезать|", "ActionCopy|Копировать|", "ActionPaste|Вставить|",
               "ActionDel|Удалить|", "-", "ActionFind|Найти|Ctrl+F", "ActionFindNext|Найти далее|F3",
               "ActionRepl|Заменить|Ctrl+H", "-", "ActionGo|Перейти|Ctrl+G", "-", "ActionSelAll|Выделить всё|", "-",
               "N42|Нормализация|", "N43|Поиск ошибок|F7", "-", "N53|Повтор сообщения|", "-", "N45|Время и дата|F5"}},
      {"N8", {"N6|Отчёт|", "-", "N10|Отразить|", "-", "N13|Запомнить текст|", "N12|Восстановить запомненный текст|",
              "-", "N15|Запретить ручной ввод|"}},
      {"N9", {"N17|Шрифт|", "N18|Программа|", "-", "N21|Панель операций|F9", "N54Item|Окно сообщений|"}},
      {"N54", {"Action1|Снизу|", "Action2|Сверху|", "Action3|Справа|", "Action4|Системное|", "Action5|Отключить|",
               "Action6|Настроить вид|"}},
      {"N14", {"N16|Справка|F1", "-", "N60|О программе...|"}},
      {"N30", {"N31Item|Сабы|", "-", "N32Item|Другое|"}},
      {"PopupMenu1", {"Action7|Отменить|", "-", "Action8|Вырезать|", "ActionCopy|Копировать|", "ActionPaste|Вставить|",
                      "ActionDel|Удалить|", "-", "ActionSelAll|Выделить всё|", "-", "MenuItem10|Вставить из файла|",
                      "MenuItem11|Вставить из|"}},
      {"PopupMenu2", {"N56|Копировать в буфер|", "Action6|Настроить вид|"}},
  };
  for (const auto& [menu, entries] : menus) EXPECT_EQ(Entries(f.Menu(menu)), entries) << menu;

  // Features that are not there yet stay off.

  // Check items, hints, the radio group with the stored default "Системное".
  EXPECT_TRUE(f.Act("N15")->isCheckable() && !f.Act("N15")->isChecked());
  for (const auto& [name, hint] : {std::pair{"N15", "Блокирует возможность изменять текст с клавиатуры"},
                                   {"N59", "Сохранёный файл не станет текущим открытым"},
                                   {"Action5", "Не выводить сообщения"},
                                   {"Action3", "Выводить сообщения под панелью операций"}})
    EXPECT_EQ(f.Act(name)->toolTip(), U(hint)) << name;
  EXPECT_TRUE(f.Act("Action4")->isChecked());

  Strings buttons;
  for (QToolButton* b : f.Find<QWidget>("ToolBar1")->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
    if (b->objectName().startsWith("ToolButton")) buttons.push_back(b->objectName().toStdString());
  }
  EXPECT_EQ(buttons, (Strings{"ToolButtonOpen", "ToolButtonSave", "ToolButton14", "ToolButton15", "ToolButton17",
                              "ToolButton2", "ToolButton3"}));
  // A tool button and its menu entry are one action.
  EXPECT_EQ(f.Find<QToolButton>("ToolButtonOpen")->defaultAction(), f.Act("N2"));
  EXPECT_EQ(f.Find<QToolButton>("ToolButtonSave")->defaultAction(), f.Act("N4"));
}

// The "Текст" menu's snapshot entries follow the text; a restore is one undo step.
TEST(MainWindow, RememberedTextFromTheMenu) {
  Form f;
  auto entries = [&f] {
    f.Open(f.Menu("N8"));
    return f.Enabled({"N13", "N12"});
  };
  EXPECT_EQ(entries(), "");  // no text, no snapshot
  f.Edit().SetText("first");
  EXPECT_EQ(entries(), "N13");
  f.Act("N13")->trigger();
  EXPECT_EQ(entries(), "");  // the text is the snapshot
  f.Edit().SetText("second");
  EXPECT_EQ(entries(), "N13 N12");
  f.prompt.Script({Answer::Yes});
  f.Act("N12")->trigger();
  EXPECT_EQ(f.Edit().Text(), "first");
  f.Edit().Undo();
  EXPECT_EQ(f.Edit().Text(), "second");
}

// "Отчёт" shows the report of the text in its window, widened, with OK.
TEST(MainWindow, ReportWindowFromTheMenu) {
  Form f;
  f.Edit().SetText(Lines({"1", "00:00:01,000 --> 00:00:02,500", "A", ""}));
  QTimer::singleShot(0, [&f] {
    TReportForm& report = f.form.reportForm();
    EXPECT_TRUE(report.isVisible());
    EXPECT_EQ(report.windowTitle(), U("Отчёт"));
    EXPECT_TRUE(report.RichEdit1()->toPlainText().contains(U("Формат субтитров: SRT")));
    EXPECT_GT(report.Tag(), 0);  // widened the first time
    report.BitBtn1()->click();
  });
  f.Act("N6")->trigger();
  EXPECT_FALSE(f.form.reportForm().isVisible());
}

TEST(MainWindow, StatusBarFollowsTheCaret) {
  Form f;
  f.Edit().SetText(Ansi(Lines({"1", "00:00:01,000 --> 00:00:02,000", "Один", "", "2", "00:00:02,500 --> 00:00:05,000",
                               "Два", "б", "в", "г", "", ""})));
  // The caret's line and column, then the position, the block and the time shown.
  const std::tuple<int, int, Strings> cases[] = {
      {0, 0, {"1/1", "Блок №: 1", "Время: 0:00:01"}},
      {8, 0, {"9/1", "Блок №: 2", "Время: 0:00:02"}},
      // The fourth text line is beyond the five lines the status looks at.
      {9, 1, {"10/2", "", ""}},
      {3, 0, {"4/1", "Блок №: 1", "Время: 0:00:01"}},
  };
  for (const auto& [line, column, status] : cases) {
    f.Caret(line, column);
    EXPECT_EQ((Strings{f.Status(0), f.Status(1), f.Status(2)}), status) << line;
  }
  // Typing refreshes them through the change event.
  f.Edit().SetSel(f.Edit().LineIndex(2) + 4, 0);
  QTest::keyClicks(&f.form.memo(), "xy");
  EXPECT_EQ(f.Status(0), "3/7");
}

TEST(MainWindow, EditMenuEnablingFollowsTextSelectionAndClipboard) {
  // Text, selection length, clipboard text, the entries both menus enable; "Нормализация" wants a text.
  const std::tuple<std::string, int, bool, const char*> cases[] = {
      {"", 0, false, ""},
      {"abc", 0, false, "ActionSelAll"},
      {"abc", 2, false, "Action8 ActionCopy ActionDel ActionSelAll"},
      {"abc", 3, true, "Action8 ActionCopy ActionPaste ActionDel"},
  };
  for (const auto& [text, selLength, clipboardText, enabled] : cases) {
    Form f;
    f.Edit().SetText(text);
    f.Edit().SetSel(0, selLength);
    if (clipboardText) f.clipboard.SetText("x");
    for (QMenu* menu : {f.Menu("N26"), f.Menu("PopupMenu1")}) {
      f.Open(menu);
      EXPECT_EQ(f.Enabled({"Action7", "Action8", "ActionCopy", "ActionPaste", "ActionDel", "ActionSelAll"}), enabled)
          << text << "/" << selLength << " " << menu->objectName().toStdString();
    }
    EXPECT_EQ(f.Act("N42")->isEnabled(), !text.empty());
  }
}

// Which files qualify is the document's rule; here: both menus offer its choice with its name.
TEST(MainWindow, ClipboardFileIsOfferedInBothMenus) {
  testing::TempFolder dir;
  const std::string film = dir.Write("film.srt", "1\r\n"), other = dir.Write("other.srt", "2\r\n");
  Form f;
  f.clipboard.SetFiles({film, other});  // two files: no offer
  f.Open(f.Menu("N1"));
  EXPECT_FALSE(f.Act("N23")->isVisible() || f.Act("MenuItem11")->isVisible());
  f.clipboard.SetFiles({film});
  f.Open(f.Menu("N1"));
  EXPECT_EQ(f.session.document().ClipboardFile(), film);
  EXPECT_EQ(f.Act("N23")->text(), U("Открыть файл \"film.srt\""));
  EXPECT_TRUE(f.Act("N23")->isVisible() && f.Act("MenuItem11")->isVisible());
  f.Open(f.Menu("PopupMenu1"));
  EXPECT_EQ(f.Act("MenuItem11")->text(), U("Вставить из \"film.srt\""));
  EXPECT_TRUE(f.Act("MenuItem11")->isVisible());

  // The offer goes away once the clipboard changes.
  f.clipboard.Clear();
  f.Open(f.Menu("PopupMenu1"));
  EXPECT_FALSE(f.Act("MenuItem11")->isVisible());
  EXPECT_EQ(f.session.document().ClipboardFile(), "");
}

TEST(MainWindow, ReadOnlyModeRefusesTypingButNotTheCommands) {
  Form f;
  f.Edit().SetText("abc");
  f.Act("N15")->trigger();
  EXPECT_EQ(f.Edit().Look().backColor, ClMenuBar);

  f.Edit().SetSel(3, 0);
  QTest::keyClicks(&f.form.memo(), "zz");
  EXPECT_EQ(f.Edit().Text(), "abc");

  f.clipboard.SetText("P");
  f.Act("ActionPaste")->trigger();
  EXPECT_EQ(f.Edit().Text(), "abcP");
  f.Open(f.Menu("N26"));
  ASSERT_TRUE(f.Act("Action7")->isEnabled());
  f.Act("Action7")->trigger();
  EXPECT_EQ(f.Edit().Text(), "abc");
  EXPECT_TRUE(f.Edit().ReadOnly());  // each command put the mode back

  f.Act("N15")->trigger();
  EXPECT_FALSE(f.Edit().ReadOnly());
  EXPECT_EQ(f.Edit().Look().backColor, ClWindow);
  f.Edit().SetSel(0, 0);
  QTest::keyClicks(&f.form.memo(), "z");
  EXPECT_EQ(f.Edit().Text(), "zabc");
}

TEST(MainWindow, DateAndTimeReplaceTheSelectionAsOneUndoStep) {
  Form f;
  f.Edit().SetText("ab--cd");
  f.Act("N15")->trigger();  // works in the read-only mode too
  f.Edit().SetSel(2, 2);
  f.Act("N45")->trigger();
  const std::string stamp = DateTimeText(f.clock.Now(), QLocale::system());
  EXPECT_EQ(f.Edit().Text(), "ab" + stamp + "cd");
  EXPECT_EQ(f.Edit().SelStart(), static_cast<int>(2 + stamp.size()));
  f.Edit().Undo();
  EXPECT_EQ(f.Edit().Text(), "ab--cd");

  EXPECT_EQ(LongTimeFormat(QLocale(QLocale::English, QLocale::UnitedStates)), "h:mm:ss AP");  // no zone
  const int64_t ms = QDateTime(QDate(2026, 3, 7), QTime(9, 5, 4)).toMSecsSinceEpoch();
  EXPECT_EQ(DateTimeText(ms, QLocale(QLocale::Russian, QLocale::Russia)), "07.03.2026 09:05:04");
}

TEST(MainWindow, CloseAsksAndCancelKeepsTheProgramRunning) {
  Form f;
  f.Edit().SetText("text");
  f.prompt.Script({Answer::Cancel});
  EXPECT_FALSE(f.form.close());
  EXPECT_EQ(f.prompt.questions.size(), 1u);  // the document's question about the changes
  EXPECT_NE(f.session.findErr(), nullptr);  // the engine lives on
  EXPECT_EQ(f.Edit().Text(), "text");

  f.prompt.Script({Answer::No});
  EXPECT_TRUE(f.form.close());
  EXPECT_EQ(f.session.findErr(), nullptr);
}

TEST(MainWindow, FourthStatusFieldTellsTheEncodingAndUnsavedChanges) {
  testing::TempFolder dir;
  const std::string film = dir.Write("film.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nПривет\r\n");  // UTF-8
  Form f;
  EXPECT_EQ(f.Status(3), "");
  f.Edit().SetText("x");
  EXPECT_EQ(f.Status(3), "Изменён");
  f.prompt.Script({Answer::No});
  f.dialogs.Choose(film);
  f.Act("N2")->trigger();
  EXPECT_EQ(f.Status(3), "UTF-8");
  f.Edit().SetSel(0, 0);
  f.Edit().ReplaceSel("0", true);
  EXPECT_EQ(f.Status(3), "UTF-8, Изменён");
  f.Act("N4")->trigger();  // saved in 1251
  EXPECT_EQ(f.Status(3), "1251");
  EXPECT_EQ(testing::ReadBytes(film).substr(0, 2), "01");
}

TEST(MainWindow, AFileDroppedOnTheEditorIsOpenedAfterTheSaveQuestion) {
  testing::TempFolder dir;
  const std::string film = dir.Write("film.srt", "1\r\n");
  Form f;
  f.Edit().SetText("unsaved");
  auto drop = [&f](const QList<QUrl>& urls) {
    QMimeData mime;
    mime.setUrls(urls);
    QWidget* viewport = f.form.memo().viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    const bool accepted = enter.isAccepted();
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &dropped);
    return accepted;
  };
  // Two files or a folder: not taken, and the text stays.
  EXPECT_FALSE(drop({QUrl::fromLocalFile(QString::fromStdString(film)), QUrl::fromLocalFile(QString::fromStdString(film))}));
  EXPECT_FALSE(drop({QUrl::fromLocalFile(QString::fromStdString(dir.Path()))}));
  EXPECT_EQ(std::tuple(f.Edit().Text(), f.prompt.questions.size()), std::tuple(std::string("unsaved"), 0u));
  f.prompt.Script({Answer::No});
  EXPECT_TRUE(drop({QUrl::fromLocalFile(QString::fromStdString(film))}));
  ASSERT_EQ(f.prompt.questions.size(), 1u);
  EXPECT_EQ(f.prompt.questions[0].text, "Текст был изменён. Сохранить изменения?");
  EXPECT_EQ(std::tuple(f.Edit().Text(), f.form.windowTitle().toStdString()), std::tuple(std::string("1\r\n"), film));
}

TEST(MainWindow, CommandLineFileIsOpenedAtStart) {
  testing::TempFolder dir;
  const std::string text = "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n";
  const std::string film = dir.Write("film.srt", text);
  Form f(film);
  EXPECT_EQ(f.Edit().Text(), text);
  EXPECT_EQ(f.form.windowTitle().toStdString(), film);

  Form missing(dir / "missing.srt");
  EXPECT_EQ(missing.Edit().Text(), "");
  EXPECT_TRUE(missing.prompt.questions.empty());
  EXPECT_EQ(missing.form.windowTitle(), U("Редактор субтитров srt"));
}

// The placement entries, the pane's places and the indicator as the message window sets them;
// the pane's own menu copies its text.
TEST(MainWindow, MessagePaneInItsPlacements) {
  Form f;
  QSplitter* splitter = f.Find<QSplitter>("Splitter1");
  QWidget* panel4 = f.Find<QWidget>("Panel4");
  f.Act("N56")->trigger();  // an empty pane copies nothing
  EXPECT_FALSE(f.clipboard.HasText());
  f.Act("Action1")->trigger();
  f.session.messages().ShowMess("Готово", MsgKind::Error);
  EXPECT_EQ(f.Pane()->toPlainText(), U("10:00:00: Готово"));
  EXPECT_TRUE(f.Shown(f.Pane()) && f.Shown(panel4) && f.IndicatorShown());
  EXPECT_EQ(splitter->indexOf(panel4), 1);  // below the text
  EXPECT_EQ(f.Indicator()->toolTip(), U("Погасить сообщение"));
  EXPECT_EQ(f.Image("ToolButton3"), 18);
  const int screen = f.form.messagePane().ScreenHeight();  // the limits are the message window's; here kept or refused
  EXPECT_EQ(panel4->height(), screen / 12);
  EXPECT_FALSE(f.form.messagePane().Splitter1Moved(MaxPaneHeight(screen) + 1));
  EXPECT_EQ(f.form.messagePane().PaneHeight(), screen / 12);
  EXPECT_TRUE(f.form.messagePane().Splitter1Moved(MaxPaneHeight(screen)));
  EXPECT_EQ(f.form.messagePane().PaneHeight(), MaxPaneHeight(screen));
  f.Act("N56")->trigger();
  EXPECT_EQ(f.clipboard.Text(), Ansi("10:00:00: Готово"));
  EXPECT_FALSE(f.Pane()->textCursor().hasSelection());
  f.Act("Action2")->trigger();
  EXPECT_EQ(splitter->indexOf(panel4), 0);  // above the text
  f.Indicator()->click();
  EXPECT_FALSE(f.Shown(panel4) || f.IndicatorShown());

  // To the right the pane moves under the operations panel; with the panel hidden, to a box.
  f.Act("Action3")->trigger();
  f.session.messages().ShowMess("Справа", MsgKind::Information);
  EXPECT_EQ(f.Pane()->parentWidget(), f.form.panel().Panel6());
  EXPECT_TRUE(f.Shown(f.Pane()) && !f.Shown(panel4));
  f.Act("N21")->trigger();
  EXPECT_FALSE(f.IndicatorShown());
  f.session.messages().ShowMess("В окне", MsgKind::Warning);
  EXPECT_EQ(f.prompt.questions.at(0).text, "10:00:00: В окне");
  f.Act("Action1")->trigger();
  EXPECT_EQ(f.Pane()->parentWidget(), panel4);
}

// The menu entry reaches the message window's held back message, and names it.
TEST(MainWindow, HeldBackMessageFromTheMenuEntry) {
  Form f;
  auto repeatEntry = [&f] {
    f.Open(f.Menu("N26"));
    return f.Act("N53")->isEnabled() ? f.Act("N53")->text().toStdString() : "<off>";
  };
  EXPECT_EQ(repeatEntry(), "<off>");
  f.Act("Action1")->trigger();
  f.Act("Action5")->trigger();
  f.session.messages().ShowMess("Два", MsgKind::Information);
  EXPECT_EQ(f.Indicator()->toolTip(), U("Показать сообщение"));
  EXPECT_EQ(repeatEntry(), "Показать сообщение");
  f.Act("N53")->trigger();  // in the last pane placement
  EXPECT_EQ(f.Pane()->toPlainText(), U("Отложенное сообщение от 10:00:00: Два"));
  EXPECT_TRUE(f.Shown(f.Find<QWidget>("Panel4")));
}

TEST(MainWindow, PanelToggleImagesHintsAndPinkHint) {
  Form f;
  QToolButton* button = f.Find<QToolButton>("ToolButton2");
  // The menu entry and the button in turns, each showing or hiding the panel.
  for (const auto& [menu, shown] : {std::pair{true, false}, {false, true}}) {
    menu ? f.Act("N21")->trigger() : button->click();
    EXPECT_EQ(f.Shown(f.Find<QWidget>("Panel1")), shown) << menu;
    EXPECT_EQ(f.Act("N21")->isChecked(), shown);
    EXPECT_EQ(f.Image("ToolButton2"), shown ? 15 : 16);
    EXPECT_EQ(button->toolTip(), U(shown ? "Панель операций: включена" : "Панель операций: отключена"));
  }
  f.Act("N21")->trigger();
  QHelpEvent hint(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(button, &hint);
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0xFF, 0xA0, 0xEE));
  // The next hint of another control has the usual colour again.
  QToolButton* open = f.Find<QToolButton>("ToolButtonOpen");
  QHelpEvent other(QEvent::ToolTip, QPoint(2, 2), open->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(open, &other);
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QApplication::palette().color(QPalette::ToolTipBase));
  QToolTip::hideText();
}

TEST(MainWindow, F7ShowsThePanelOnTheErrorSearchAndSearches) {
  Form f;
  f.Edit().SetText(Ansi(Lines({"1", "00:00:01,000 --> 00:00:01,100", "Коротко", "", "2",
                               "00:00:03,000 --> 00:00:05,000", "Хорошо", ""})));
  f.Act("N21")->trigger();  // panel hidden
  f.Act("N43")->trigger();
  EXPECT_TRUE(f.Shown(f.Find<QWidget>("Panel1")));
  EXPECT_EQ(f.form.panel().Operation(), OperationGroup::FindErr);
  // The search stopped on the short block's time line.
  EXPECT_EQ(f.Edit().LineFromChar(f.Edit().SelStart()), 1);

  // With every rule off the command is disabled, its key too: nothing moves.
  for (QCheckBox* box : f.Find<QWidget>("GroupBox3")->findChildren<QCheckBox*>()) if (box->isChecked()) box->click();
  f.Open(f.Menu("N26"));
  EXPECT_FALSE(f.Act("N43")->isEnabled());
  emit f.Menu("N26")->aboutToHide();
  f.Edit().SetSel(0, 0);
  f.form.panel().ShowOperation(OperationGroup::Normalize);
  const int beeps = f.prompt.beeps;
  f.Act("N43")->trigger();
  EXPECT_EQ(f.prompt.beeps, beeps);
  EXPECT_EQ(f.Edit().SelStart(), 0);
  EXPECT_EQ(f.form.panel().Operation(), OperationGroup::Normalize);
}

TEST(MainWindow, F7FromTheOperationListMovesTheFocusToTheEditorFirst) {
  Form f;
  f.Edit().SetText(Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", ""}));
  f.form.activateWindow();
  QApplication::setActiveWindow(&f.form);
  f.form.panel().ShowOperation(OperationGroup::Normalize);
  f.Find<QWidget>("ComboBox1")->setFocus();
  QApplication::processEvents();
  if (!f.form.panel().OperationListHasFocus()) GTEST_SKIP() << "no keyboard focus on this platform";
  f.Act("N43")->trigger();
  EXPECT_TRUE(f.form.memo().hasFocus());
  EXPECT_EQ(f.form.panel().Operation(), OperationGroup::FindErr);
}

TEST(MainWindow, PasteButtonFollowsTheClipboardWhileEditing) {
  Form f;
  f.form.panel().ShowOperation(OperationGroup::Edit);
  QPushButton* paste = f.Find<QPushButton>("BitBtn10");
  f.clipboard.SetText("x");
  EXPECT_TRUE(BitBtnActive(paste));
  f.clipboard.Clear();
  EXPECT_FALSE(BitBtnActive(paste));
}

TEST(ButtonLook, ActiveAndInactiveLooksKeepTheButtonEnabled) {
  QPushButton button("b");
  const QColor grey = QPalette().color(QPalette::Disabled, QPalette::WindowText);
  const QColor text = QPalette().color(QPalette::Active, QPalette::WindowText);
  for (bool active : {true, true, false, false}) {  // each look twice: setting it again keeps it
    SetBitBtnActive(&button, active);
    EXPECT_EQ(BitBtnActive(&button), active);
    EXPECT_EQ(button.font().bold(), active);
    EXPECT_EQ(button.cursor().shape(), active ? Qt::PointingHandCursor : Qt::ArrowCursor);
    EXPECT_EQ(button.palette().color(QPalette::Active, QPalette::ButtonText), active ? text : grey);
    EXPECT_TRUE(button.isEnabled());
  }
  SetBitBtnActive(nullptr, true);  // nothing to do, no crash
}

}  // namespace
}  // namespace quillet
