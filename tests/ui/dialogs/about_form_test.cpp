// The about window: its texts, the letter pictures of the name with a shared picture for a
// repeated letter, and the link.
#include "ui/dialogs/about_form.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace quillet {
namespace {

TEST(AboutForm, TextsAndLookOfTheWindow) {
  TQuilletAbtFrm form;
  EXPECT_EQ(form.objectName(), "QuilletAbtFrm");
  EXPECT_EQ(form.windowTitle(), "О программе Quillet...");
  EXPECT_EQ(form.Label1()->text(), "Редактор субтитров SRT");
  form.setPics();
  EXPECT_EQ(form.Label1()->text(), "Редактор Субтитров SRT");
  EXPECT_EQ(form.Label2()->text(), "ver  1.031");
  EXPECT_TRUE(form.Label2()->font().bold());
  EXPECT_EQ(form.Label3()->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(form.Label3()->palette().color(QPalette::WindowText), QColor(Qt::blue));
  for (const char* name : {"Label1", "Label2", "Label3"}) EXPECT_NE(form.findChild<QLabel*>(name), nullptr) << name;

  // A fixed border: the window keeps the size its contents give it.
  form.show();
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  // The link sits at the bottom right, the title lines centred under the name.
  const QRect link = form.Label3()->geometry();
  EXPECT_GT(link.left(), form.width() / 2);
  EXPECT_GT(link.top(), form.Label2()->geometry().bottom());
  const int middle = form.width() / 2;
  EXPECT_NEAR(form.Label1()->geometry().center().x(), middle, 2);
  const QRect logo = form.Image(1)->geometry().united(form.Image(7)->geometry());
  EXPECT_NEAR(logo.center().x(), middle, 2);
}

TEST(AboutForm, ARepeatedLetterSharesThePictureOfItsFirstPlace) {
  TQuilletAbtFrm form;
  // Before the start the repeated "l" has no picture of its own.
  EXPECT_TRUE(form.Image(5)->pixmap().isNull());
  form.setPics();
  std::set<qint64> pictures;
  for (int i = 1; i <= 7; ++i) {
    const QPixmap picture = form.Image(i)->pixmap();
    ASSERT_FALSE(picture.isNull()) << i;
    EXPECT_EQ(form.Image(i)->objectName(), QStringLiteral("Image%1").arg(i));
    pictures.insert(picture.cacheKey());
    // Transparent around the letter, drawn inside.
    const QImage image = picture.toImage();
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << i;
    bool inked = false;
    for (int y = 0; y < image.height() && !inked; ++y)
      for (int x = 0; x < image.width() && !inked; ++x) inked = qAlpha(image.pixel(x, y)) == 255;
    EXPECT_TRUE(inked) << i;
  }
  // "Quillet": seven places, six letters.
  EXPECT_EQ(pictures.size(), 6u);
  EXPECT_EQ(form.Image(4)->pixmap().cacheKey(), form.Image(5)->pixmap().cacheKey());
  // The capital is taller; the small letters stand on one line, so they are of one height.
  const int small = form.Image(2)->pixmap().height();
  EXPECT_GT(form.Image(1)->pixmap().height(), small);
  for (int i = 3; i <= 7; ++i) EXPECT_EQ(form.Image(i)->pixmap().height(), small) << i;
}

TEST(AboutForm, TheLinkIsClickedOnlyWhenLetGoOnIt) {
  TQuilletAbtFrm form;
  form.show();
  QSignalSpy clicked(&form, &TQuilletAbtFrm::LinkClicked);
  QTest::mouseClick(form.Label3(), Qt::LeftButton);
  EXPECT_EQ(clicked.count(), 1);
  QTest::mouseClick(form.Label3(), Qt::RightButton);
  QTest::mousePress(form.Label3(), Qt::LeftButton);
  QTest::mouseRelease(form.Label3(), Qt::LeftButton, {}, QPoint(-5, -5));
  EXPECT_EQ(clicked.count(), 1);
}

}  // namespace
}  // namespace quillet
