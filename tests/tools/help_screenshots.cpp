// Takes the pictures of the help and of the README: the editor over fakes with a sample SRT
// text on the error search, the time shift group, the "Сайты" menu and the about window. Run it headless from the source folder:
//   QT_QPA_PLATFORM=offscreen build/tests/help_screenshots help/images docs
// The first folder gets the help's pictures, the second the about window for the README.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "session/commands.h"
#include "support/qt/fake_program.h"
#include "ui/dialogs/about_form.h"
#include "ui/panel/operate_panel.h"

namespace {

using namespace quillet;

// A short film's subtitles with one fault: block 3 ends before it starts.
const char* const kSample =
    "1\r\n00:00:01,200 --> 00:00:03,900\r\nДобрый вечер.\r\nВы к нам надолго?\r\n\r\n"
    "2\r\n00:00:04,100 --> 00:00:06,000\r\nПока не знаю.\r\n\r\n"
    "3\r\n00:00:07,500 --> 00:00:06,800\r\nТогда проходите,\r\nчай уже готов.\r\n\r\n"
    "4\r\n00:00:09,000 --> 00:00:11,250\r\nСпасибо. С удовольствием.\r\n\r\n"
    "5\r\n00:00:12,000 --> 00:00:14,500\r\n- Сахар?\r\n- Нет, спасибо.\r\n\r\n"
    "6\r\n00:00:15,000 --> 00:00:17,800\r\nА вы всё так же пишете субтитры?\r\n\r\n"
    "7\r\n00:00:18,100 --> 00:00:21,000\r\nКаждый вечер. Это лучше любого кроссворда.\r\n";

// The panel is as tall as the window: its picture ends a little below its last control.
QPixmap TrimBottom(const QPixmap& picture) {
  const QImage image = picture.toImage();
  const QRgb ground = image.pixel(image.width() / 2, image.height() - 1);
  int last = image.height() - 1;
  auto rowIsGround = [&](int y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != ground) return false;
    }
    return true;
  };
  while (last > 0 && rowIsGround(last)) --last;
  return picture.copy(0, 0, picture.width(), std::min(image.height(), last + 12));
}

bool Save(const QPixmap& picture, const QString& path) {
  const bool ok = picture.save(path, "PNG");
  std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s HELP_IMAGES_FOLDER DOCS_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir images(QString::fromLocal8Bit(argv[1]));
  const QDir docs(QString::fromLocal8Bit(argv[2]));

  const std::string sample = QDir::temp().filePath("film.srt").toStdString();
  std::ofstream(sample, std::ios::binary) << testing::Ansi(kSample);

  testing::FakeProgram fakes;
  TProgram& program = fakes.program;
  TQuilletForm& form = fakes.form;
  program.Start(sample);
  program.commands().SetMessagePlacement(kMessBelow);
  form.resize(980, 640);
  form.show();
  QApplication::processEvents();

  bool ok = true;
  // The error search stops on block 3.
  form.ShowOperation(OperationGroup::FindErr);
  program.commands().FindErrFromStart();
  QApplication::processEvents();
  ok &= Save(form.grab(), images.filePath("main-window.png"));

  // The time shift with its block range.
  form.panel().SetRange(2, 7);
  form.ShowOperation(OperationGroup::Shift);
  QApplication::processEvents();
  ok &= Save(TrimBottom(form.panel().grab()), images.filePath("panel-shift.png"));

  // The "Сайты" menu with its first submenu.
  QMenu* sites = form.findChild<QMenu*>("N31");
  sites->popup(QPoint(0, 0));
  QApplication::processEvents();
  ok &= Save(sites->grab(), images.filePath("menu-sites.png"));
  sites->hide();

  TQuilletAbtFrm& about = form.abtFrm();
  about.show();
  QApplication::processEvents();
  const QPixmap aboutPicture = about.grab();
  ok &= Save(aboutPicture, images.filePath("about.png"));
  ok &= Save(aboutPicture, docs.filePath("about-window.png"));
  about.hide();

  std::remove(sample.c_str());
  program.session().Close();
  return ok ? 0 : 1;
}
