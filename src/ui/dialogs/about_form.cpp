#include "ui/dialogs/about_form.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVBoxLayout>

namespace quillet {

namespace {

// Pixel sizes of the letters: the capital is drawn larger than the small letters.
constexpr int kSmallLetterSize = 46;
constexpr int kCapitalSize = 60;
constexpr int kPictureMargin = 3;

QFont LetterFont(int pixelSize) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(pixelSize);
  font.setBold(true);
  font.setItalic(true);
  return font;
}

// One letter on a transparent ground: a blue gradient with a dark outline and a soft
// shadow. Every picture reaches the same depth below the baseline, so that a row of them
// aligned at the bottom stands on one line; a capital is taller.
QPixmap LetterPicture(QChar letter) {
  const QFont font = LetterFont(letter.isUpper() ? kCapitalSize : kSmallLetterSize);
  const QFontMetricsF metrics(font);
  const qreal depth = QFontMetricsF(LetterFont(kSmallLetterSize)).descent();
  const QRectF glyph = metrics.boundingRect(letter);
  const qreal left = -glyph.left() + kPictureMargin;
  const qreal width = glyph.width() + 2 * kPictureMargin + 2;
  const qreal height = metrics.ascent() + depth + kPictureMargin;
  QPixmap picture(qCeil(width), qCeil(height));
  picture.fill(Qt::transparent);

  QPainterPath path;
  path.addText(QPointF(left, metrics.ascent()), font, QString(letter));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(path.translated(2, 2), QColor(0, 0, 0, 70));
  QLinearGradient fill(0, metrics.ascent() - metrics.capHeight(), 0, metrics.ascent());
  fill.setColorAt(0, QColor(120, 180, 250));
  fill.setColorAt(1, QColor(20, 60, 150));
  p.setPen(QPen(QColor(10, 30, 80), 1.2));
  p.setBrush(fill);
  p.drawPath(path);
  return picture;
}

}  // namespace

TQuilletAbtFrm::TQuilletAbtFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("QuilletAbtFrm"));
  setWindowTitle(QStringLiteral("О программе Quillet..."));

  auto* logo = new QHBoxLayout;
  logo->setSpacing(1);
  logo->addStretch(1);
  const QString letters = QString::fromLatin1(kLogoLetters);
  for (int i = 0; i < letters.size(); ++i) {
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
    image->setAttribute(Qt::WA_TranslucentBackground);
    // A letter seen before gets its picture from setPics.
    if (letters.indexOf(letters[i]) == i) image->setPixmap(LetterPicture(letters[i]));
    images_.push_back(image);
    logo->addWidget(image, 0, Qt::AlignBottom);
  }
  logo->addStretch(1);

  label1_ = new QLabel(QString::fromUtf8(kDesignedTitle), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setAlignment(Qt::AlignCenter);
  QFont titleFont = label1_->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
  label1_->setFont(titleFont);

  label2_ = new QLabel(QString::fromLatin1(kVersion), this);
  label2_->setObjectName(QStringLiteral("Label2"));
  label2_->setAlignment(Qt::AlignCenter);
  QFont bold = label2_->font();
  bold.setBold(true);
  label2_->setFont(bold);

  label3_ = new QLabel(QString::fromLatin1(kLinkText), this);
  label3_->setObjectName(QStringLiteral("Label3"));
  label3_->setCursor(Qt::PointingHandCursor);
  QFont linkFont = label3_->font();
  linkFont.setUnderline(true);
  label3_->setFont(linkFont);
  QPalette link = label3_->palette();
  link.setColor(QPalette::WindowText, Qt::blue);
  label3_->setPalette(link);
  label3_->installEventFilter(this);

  auto* column = new QVBoxLayout(this);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->setContentsMargins(18, 16, 18, 8);
  column->addLayout(logo);
  column->addSpacing(10);
  column->addWidget(label1_);
  column->addSpacing(4);
  column->addWidget(label2_);
  column->addSpacing(18);
  column->addWidget(label3_, 0, Qt::AlignRight);
}

void TQuilletAbtFrm::setPics() {
  const QString letters = QString::fromLatin1(kLogoLetters);
  for (int i = 0; i < letters.size(); ++i) {
    const int first = letters.indexOf(letters[i]);
    if (first != i) images_[i]->setPixmap(images_[first]->pixmap());
  }
  label1_->setText(QString::fromUtf8(kTitle));
}

bool TQuilletAbtFrm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == label3_ && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // A press that is let go outside the link is no click.
    if (mouse->button() == Qt::LeftButton && label3_->rect().contains(mouse->position().toPoint())) {
      emit LinkClicked();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace quillet
