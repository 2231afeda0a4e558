#include "platform/qt/qt_file_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <tuple>

namespace quillet {
namespace {

const std::string kFilter = "Файлы заданных типов (*.srt;*.ass;*.ssa)|*.srt;*.ass;*.ssa|Все файлы (*.*)|*.*";

TEST(QtFileDialogs, NameFilters) {
  EXPECT_EQ(QtFileDialogs::NameFilters(kFilter),
            (QStringList{QStringLiteral("Файлы заданных типов (*.srt *.ass *.ssa)"), QStringLiteral("Все файлы (*.*)")}));
  EXPECT_EQ(QtFileDialogs::NameFilters("Файлы srt (*.srt)|*.srt|"), (QStringList{QStringLiteral("Файлы srt (*.srt)")}));
  EXPECT_TRUE(QtFileDialogs::NameFilters("").size() <= 1);
}

// Shows a dialog and answers it from inside its event loop.
struct Answered {
  QtFileDialogs dialogs;
  QString shownFilter;
  QString shownFolder;
  void Answer(std::function<void(QFileDialog&)> act) {
    dialogs.SetBeforeShow([this, act](QFileDialog& d) {
      shownFilter = d.selectedNameFilter();
      shownFolder = d.directory().absolutePath();
      QTimer::singleShot(0, &d, [act, &d] { act(d); });
    });
  }
};

TEST(QtFileDialogs, OpenStartsWhereToldAndAnswersTheEntry) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString chosen = dir.filePath(QStringLiteral("нет такого.txt"));  // need not exist
  Answered a;
  a.Answer([&](QFileDialog& d) {
    d.selectNameFilter(QtFileDialogs::NameFilters(kFilter)[1]);
    d.selectFile(chosen);
    static_cast<QDialog&>(d).accept();  // QFileDialog::accept, through the public slot
  });
  FileDialogRequest request{kFilter, 1, dir.path().toStdString(), "a.srt"};
  FileDialogResult result;
  ASSERT_TRUE(a.dialogs.OpenFileDialog(request, result));
  EXPECT_EQ(std::tuple(a.shownFilter, a.shownFolder, QString::fromStdString(result.path), result.filterIndex),
            std::tuple(QStringLiteral("Файлы заданных типов (*.srt *.ass *.ssa)"), QDir(dir.path()).absolutePath(),
                       chosen, 2));

  a.Answer([](QFileDialog& d) { d.reject(); });
  request.filterIndex = 2;
  EXPECT_FALSE(a.dialogs.OpenFileDialog(request, result));
  EXPECT_EQ(a.shownFilter, QStringLiteral("Все файлы (*.*)"));
}

TEST(QtFileDialogs, SaveTakesAnExistingFileAndAddsNoExtension) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString existing = dir.filePath(QStringLiteral("film"));
  ASSERT_TRUE(QFile(existing).open(QIODevice::WriteOnly));
  Answered a;
  a.Answer([&](QFileDialog& d) {
    d.selectFile(existing);
    static_cast<QDialog&>(d).accept();  // QFileDialog::accept, through the public slot
  });
  FileDialogResult result;
  ASSERT_TRUE(a.dialogs.SaveFileDialog({kFilter, 1, dir.path().toStdString(), "film"}, result));
  EXPECT_EQ(std::tuple(QString::fromStdString(result.path), result.filterIndex), std::tuple(existing, 1));
}

}  // namespace
}  // namespace quillet
