// The report window: its controls, the one widening, OK, and the text shown as built.
#include "ui/dialogs/report_form.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "storage/report.h"
#include "support/fakes.h"

namespace quillet {
namespace {

int ScreenWidth() { return QGuiApplication::primaryScreen()->geometry().width(); }

TEST(ReportForm, WidensOnceAndKeepsThatWidth) {
  TReportForm form;
  EXPECT_EQ(std::tuple(form.width(), form.Tag()), std::tuple(TReportForm::kDesignWidth, 0));
  const int wide = std::min(ScreenWidth() / 2, 2 * TReportForm::kDesignWidth);
  ASSERT_NE(wide, TReportForm::kDesignWidth);

  form.SetStart(true, QStringLiteral("Отчёт"));
  EXPECT_EQ(form.windowTitle(), "Отчёт");
  EXPECT_EQ(std::tuple(form.width(), form.Tag()), std::tuple(wide, TReportForm::kDesignWidth));
  EXPECT_EQ(form.x(), (ScreenWidth() - wide) / 2);

  // The second showing: the same width.
  form.SetStart(true, QStringLiteral("Отчёт"));
  EXPECT_EQ(std::tuple(form.width(), form.Tag()), std::tuple(wide, TReportForm::kDesignWidth));

  form.SwitchWide(false);
  EXPECT_EQ(std::tuple(form.width(), form.Tag()), std::tuple(TReportForm::kDesignWidth, TReportForm::kDesignWidth));
}

TEST(ReportForm, ShowsTheReportReadOnlyWithItsIndentsUntilOk) {
  testing::TestEditor t(testing::Lines({"1", "00:00:01,000 --> 00:00:02,000", "a", "", ""}));
  const std::string report = JoinReport(BuildReport(t.lines, t.format, "/tmp/a.srt", 500, 20));

  TReportForm form;
  QPlainTextEdit* pane = form.RichEdit1();
  EXPECT_EQ(pane->objectName(), "RichEdit1");
  EXPECT_EQ(form.BitBtn1()->objectName(), "BitBtn1");
  EXPECT_EQ(form.BitBtn1()->text(), "ОК");
  EXPECT_TRUE(pane->isReadOnly());
  EXPECT_EQ(pane->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_TRUE(QFontInfo(pane->font()).fixedPitch());

  bool shownWithText = false;
  QTimer::singleShot(0, &form, [&] {
    shownWithText = form.isVisible() && pane->toPlainText().toStdString() == report;
    QTest::mouseClick(form.BitBtn1(), Qt::LeftButton);
  });
  EXPECT_EQ(form.ShowReport(report), QDialog::Accepted);
  EXPECT_TRUE(shownWithText);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(pane->toPlainText().split(QLatin1Char('\n')).at(4), QStringLiteral("        Размер: 39 байт"));
}

}  // namespace
}  // namespace quillet
