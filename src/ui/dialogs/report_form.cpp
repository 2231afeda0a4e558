#include "ui/dialogs/report_form.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/widgets/widget_utils.h"

namespace quillet {

TReportForm::TReportForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("ReportForm"));
  setWindowTitle(QStringLiteral("Отчёт"));
  richEdit1_ = new QPlainTextEdit(this);
  richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
  richEdit1_->setReadOnly(true);
  richEdit1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  richEdit1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // A fixed-pitch font keeps the columns of the indented lines.
  richEdit1_->setFont(FixedPitchFont());
  bitBtn1_ = new QPushButton(QStringLiteral("ОК"), this);
  bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
  bitBtn1_->setDefault(true);

  auto* column = new QVBoxLayout(this);
  column->addWidget(richEdit1_, 1);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(bitBtn1_);
  column->addLayout(row);

  connect(bitBtn1_, &QPushButton::clicked, this, &QDialog::accept);
  resize(kDesignWidth, kDesignHeight);
}

void TReportForm::SetReportText(const std::string& utf8Text) {
  richEdit1_->setPlainText(QString::fromUtf8(utf8Text));
}

int TReportForm::ScreenWidth() const {
  const QScreen* s = screen();
  return s ? s->geometry().width() : 0;
}

void TReportForm::SwitchWide(bool wide) {
  const int w0 = width();
  int w = w0;
  if (wide && tag_ == 0) {
    tag_ = w0;
    w = std::min(ScreenWidth() / 2, 2 * w0);
  } else if (!wide && tag_ != 0) {
    w = tag_;
  }
  if (w != w0) {
    resize(w, height());
    const int left = (ScreenWidth() - w) / 2;
    if (left > 0) move(left, y());
  }
  richEdit1_->viewport()->update();
}

void TReportForm::SetStart(bool wide, const QString& caption) {
  SwitchWide(wide);
  setWindowTitle(caption);
  richEdit1_->viewport()->update();
}

int TReportForm::ShowReport(const std::string& utf8Text) {
  SetReportText(utf8Text);
  SetStart(true, QStringLiteral("Отчёт"));
  return exec();
}

}  // namespace quillet
