// Message boxes, clipboard and shell of the Qt platform.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_prompt.h"
#include "platform/qt/qt_shell.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using quillet::testing::Ansi;

// What a box showed, as the timer found it.
struct SeenBox {
  bool found = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  std::set<QString> captions;
  QString defaultButton;
  bool modal = false;
  Qt::TextFormat format = Qt::AutoText;
};

enum class Action { Press, Escape, Close };

// Looks at the box once it is up, then presses a button, Esc, or its close box.
void HandleBoxSoon(SeenBox& seen, Action action, const char* buttonName = nullptr) {
  QTimer::singleShot(0, [&seen, action, buttonName] {
    QMessageBox* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QtPrompt::kBoxName && w->isVisible()) box = qobject_cast<QMessageBox*>(w);
    }
    if (box == nullptr) return;
    seen.found = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.modal = box->isModal();
    seen.format = box->textFormat();
    for (QAbstractButton* b : box->buttons()) seen.captions.insert(b->text());
    if (box->defaultButton() != nullptr) seen.defaultButton = box->defaultButton()->objectName();
    switch (action) {
      case Action::Press:
        if (auto* b = box->findChild<QAbstractButton*>(buttonName)) b->click();
        break;
      case Action::Escape: QTest::keyClick(box, Qt::Key_Escape); break;
      case Action::Close: box->close(); break;
    }
  });
}

TEST(QtPrompt, ButtonsIconsAndAnswers) {
  const QString ok = QString::fromUtf8("ОК"), cancel = QString::fromUtf8("Отмена"),
                yes = QString::fromUtf8("Да"), no = QString::fromUtf8("Нет"),
                yesToAll = QString::fromUtf8("Да для всех"), noToAll = QString::fromUtf8("Нет для всех");
  // The captions each button set shows, and the button that is the default.
  struct Set { std::set<QString> captions; const char* defaultButton; };
  const std::map<Buttons, Set> sets = {{Buttons::Ok, {{ok}, QtPrompt::kOkName}},
                                       {Buttons::OkCancel, {{ok, cancel}, QtPrompt::kOkName}},
                                       {Buttons::YesCancel, {{yes, cancel}, QtPrompt::kYesName}},
                                       {Buttons::YesNoCancel, {{yes, no, cancel}, QtPrompt::kYesName}},
                                       {Buttons::YesNo, {{yes, no}, QtPrompt::kYesName}},
                                       {Buttons::YesNoYesToAll, {{yes, no, yesToAll}, QtPrompt::kYesName}},
                                       {Buttons::YesNoCancelNoToAllYesToAll,
                                        {{yes, no, cancel, noToAll, yesToAll}, QtPrompt::kYesName}}};
  struct Case { MsgKind kind; Buttons buttons; Action action; const char* press; Answer answer; int icon; };
  using B = Buttons;
  using K = MsgKind;
  using I = QMessageBox;
  const Case cases[] = {
      {K::Error, B::Ok, Action::Press, QtPrompt::kOkName, Answer::Ok, I::Critical},
      {K::Warning, B::Ok, Action::Escape, nullptr, Answer::Ok, I::Warning},
      {K::Information, B::Ok, Action::Close, nullptr, Answer::Ok, I::Information},
      {K::Warning, B::OkCancel, Action::Escape, nullptr, Answer::Cancel, I::Warning},
      {K::Confirmation, B::YesCancel, Action::Press, QtPrompt::kYesName, Answer::Yes, I::Question},
      {K::Confirmation, B::YesCancel, Action::Close, nullptr, Answer::Cancel, I::Question},
      {K::Information, B::YesNo, Action::Press, QtPrompt::kYesName, Answer::Yes, I::Information},
      {K::Information, B::YesNo, Action::Escape, nullptr, Answer::No, I::Information},
      {K::Confirmation, B::YesNoCancel, Action::Press, QtPrompt::kNoName, Answer::No, I::Question},
      {K::Confirmation, B::YesNoCancel, Action::Escape, nullptr, Answer::Cancel, I::Question},
      // Without Cancel, Esc and the close box answer No.
      {K::Warning, B::YesNo, Action::Escape, nullptr, Answer::No, I::Warning},
      {K::Warning, B::YesNoYesToAll, Action::Close, nullptr, Answer::No, I::Warning},
      {K::Warning, B::YesNoYesToAll, Action::Press, QtPrompt::kYesToAllName, Answer::YesToAll, I::Warning},
      {K::Warning, B::YesNoCancelNoToAllYesToAll, Action::Press, QtPrompt::kNoToAllName, Answer::NoToAll, I::Warning},
      {K::Warning, B::YesNoCancelNoToAllYesToAll, Action::Escape, nullptr, Answer::Cancel, I::Warning},
  };
  QtPrompt prompt;
  prompt.SetTitle("Заголовок");
  int n = 0;
  for (const Case& c : cases) {
    SeenBox seen;
    HandleBoxSoon(seen, c.action, c.press);
    // Subtitle tags in a message are shown as written.
    const Answer answer = prompt.Ask(c.kind, c.buttons, "<i>Вопрос</i> " + std::to_string(++n));
    ASSERT_TRUE(seen.found) << n;
    const Set& set = sets.at(c.buttons);
    EXPECT_EQ(std::tuple(answer, seen.icon, seen.captions, seen.defaultButton),
              std::tuple(c.answer, static_cast<QMessageBox::Icon>(c.icon), set.captions, QString::fromLatin1(set.defaultButton)))
        << n;
    const QString text = QString::fromUtf8("<i>Вопрос</i> ") + QString::number(n);
    EXPECT_EQ(std::tuple(seen.title, seen.text, seen.format, seen.modal),
              std::tuple(QString::fromUtf8("Заголовок"), text, Qt::PlainText, true))
        << n;
  }
}

class QtClipboardTest : public ::testing::Test {
 protected:
  QtClipboard clipboard;
  int changes = 0;
  void SetUp() override {
    QApplication::clipboard()->clear();
    QApplication::processEvents();
    clipboard.SetChangeHandler([this] { ++changes; });
  }
};

TEST_F(QtClipboardTest, TextGoesOutWithPlainBreaksAndComesBackInTheCodePage) {
  clipboard.SetText(Ansi("при\r\nвет\xC2\xA0!"));
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("при\nвет\xC2\xA0!"));
  EXPECT_TRUE(clipboard.HasText());

  const std::pair<QString, std::string> in[] = {
      {QString::fromUtf8("a\nb"), "a\r\nb"},
      {QString::fromUtf8("a\r\nb\rc"), "a\r\nb\r\nc"},
      {QString::fromUtf8("ā😀ж"), Ansi("??ж")},
      {QString::fromUtf8("“кавычки” — №1"), Ansi("“кавычки” — №1")},
      {QString(), ""},
  };
  for (const auto& [text, ansi] : in) {
    QApplication::clipboard()->setText(text);
    EXPECT_EQ(clipboard.Text(), ansi) << text.toStdString();
  }
  QApplication::clipboard()->clear();
  EXPECT_FALSE(clipboard.HasText());
  EXPECT_EQ(clipboard.Text(), "");
}

TEST_F(QtClipboardTest, FilesAreTheLocalOnesOfTheUrlList) {
  auto* data = new QMimeData;
  data->setUrls({QUrl::fromLocalFile("/tmp/a b.srt"), QUrl("https://example.org/x.srt"),
                 QUrl::fromLocalFile(QString::fromUtf8("/tmp/фильм.srt"))});
  QApplication::clipboard()->setMimeData(data);
  const std::vector<std::string> want = {"/tmp/a b.srt", "/tmp/фильм.srt"};
  EXPECT_EQ(clipboard.Files(), want);

  auto* gnome = new QMimeData;
  gnome->setData("x-special/gnome-copied-files", "copy\nfile:///tmp/one.srt\n");
  QApplication::clipboard()->setMimeData(gnome);
  EXPECT_EQ(clipboard.Files(), std::vector<std::string>{"/tmp/one.srt"});

  QApplication::clipboard()->setText("/tmp/a.srt");  // text is no file list
  EXPECT_TRUE(clipboard.Files().empty());
}

TEST_F(QtClipboardTest, NamesOfCopiedFilesAreNoTextToPaste) {
  struct Case {
    const char* what;
    QList<QUrl> urls;
    bool gnomeList;
    bool text;
  };
  const Case cases[] = {
      {"local files with their names as text", {QUrl::fromLocalFile("/tmp/a.srt")}, false, false},
      {"the file manager's own list", {}, true, false},
      {"a web link with its text", {QUrl("https://example.org/x.srt")}, false, true},
      {"a local file beside a web link", {QUrl::fromLocalFile("/tmp/a.srt"), QUrl("https://example.org/")}, false, true},
      {"plain text", {}, false, true},
  };
  for (const Case& c : cases) {
    auto* data = new QMimeData;
    if (!c.urls.isEmpty()) data->setUrls(c.urls);
    if (c.gnomeList) data->setData("x-special/gnome-copied-files", "copy\nfile:///tmp/a.srt\n");
    data->setText("/tmp/a.srt");
    QApplication::clipboard()->setMimeData(data);
    EXPECT_EQ(clipboard.HasText(), c.text) << c.what;
  }
}

TEST_F(QtClipboardTest, EveryChangeIsReported) {
  changes = 0;
  clipboard.SetText("x");
  QApplication::clipboard()->setText("from elsewhere");
  QApplication::clipboard()->clear();
  QApplication::processEvents();
  EXPECT_GE(changes, 3);
}

class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls.append(url); }
};

TEST(QtShell, LocalPathsBecomeFileUrlsAndAddressesStayAsTheyAre) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "open");
  QDesktopServices::setUrlHandler("https", &catcher, "open");
  const QString dir = QDir::tempPath() + QString::fromUtf8("/quillet shell тест");
  QDir().mkpath(dir);
  const QString file = dir + "/help.html";
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html></html>");
  }
  QtShell shell;
  // A path, maximized or not, and whether it opens.
  const std::tuple<std::string, bool, bool> opens[] = {{file.toStdString(), false, true},
                                                       {"https://example.org/page?a=1&b=2", true, true},
                                                       {(dir + "/missing.html").toStdString(), false, false},
                                                       {"", false, false},
                                                       {"   ", false, false}};
  for (const auto& [path, maximized, opened] : opens) EXPECT_EQ(shell.OpenDocument(path, maximized), opened) << path;
  EXPECT_EQ(catcher.urls, (QList<QUrl>{QUrl::fromLocalFile(file), QUrl("https://example.org/page?a=1&b=2")}));
  EXPECT_EQ(catcher.urls.value(0).toLocalFile(), file);
  QDesktopServices::unsetUrlHandler("file");
  QDesktopServices::unsetUrlHandler("https");
  QDir(dir).removeRecursively();

  EXPECT_EQ(shell.DocumentsFolder(),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
}

}  // namespace
}  // namespace quillet

#include "qt_services_test.moc"
