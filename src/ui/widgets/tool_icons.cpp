#include "ui/widgets/tool_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillet {

namespace {

// Drawing happens on a 24 × 24 grid scaled to the size asked for.
constexpr qreal kGrid = 24.0;

const QColor kOutline(40, 48, 64);
const QColor kBlue(46, 110, 196);
const QColor kLightBlue(196, 222, 250);
const QColor kFolder(232, 180, 64);
const QColor kFolderLight(250, 214, 120);
const QColor kRed(204, 40, 40);
const QColor kGreen(40, 150, 70);

QPen Pen(const QColor& color, qreal width = 1.5) {
  QPen pen(color, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void DrawOpen(QPainter& p) {
  QPainterPath back;
  back.moveTo(2.5, 6);
  back.lineTo(9, 6);
  back.lineTo(11, 8);
  back.lineTo(19.5, 8);
  back.lineTo(19.5, 19.5);
  back.lineTo(2.5, 19.5);
  back.closeSubpath();
  p.setPen(Pen(kOutline, 1.2));
  p.setBrush(kFolder);
  p.drawPath(back);
  QPainterPath flap;
  flap.moveTo(2.5, 19.5);
  flap.lineTo(6, 11.5);
  flap.lineTo(22.5, 11.5);
  flap.lineTo(19.5, 19.5);
  flap.closeSubpath();
  p.setBrush(kFolderLight);
  p.drawPath(flap);
}

void DrawSave(QPainter& p) {
  p.setPen(Pen(kOutline, 1.2));
  p.setBrush(kBlue);
  QPainterPath body;
  body.moveTo(3, 3);
  body.lineTo(18, 3);
  body.lineTo(21, 6);
  body.lineTo(21, 21);
  body.lineTo(3, 21);
  body.closeSubpath();
  p.drawPath(body);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 12.5, 12, 8.5));  // label
  p.setBrush(QColor(220, 226, 236));
  p.drawRect(QRectF(7, 3, 9, 6));  // shutter
  p.setBrush(kOutline);
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(12.5, 4, 2, 4));
  p.setPen(Pen(QColor(150, 160, 176), 1));
  p.drawLine(QPointF(8, 15.5), QPointF(16, 15.5));
  p.drawLine(QPointF(8, 18), QPointF(16, 18));
}

void DrawLens(QPainter& p, const QPointF& centre, qreal radius, bool lit) {
  p.setPen(Pen(kOutline, 2.6));
  p.drawLine(centre + QPointF(radius * 0.72, radius * 0.72), centre + QPointF(radius * 1.75, radius * 1.75));
  p.setPen(Pen(kOutline, 1.6));
  p.setBrush(lit ? QColor(255, 236, 140) : kLightBlue);
  p.drawEllipse(centre, radius, radius);
  p.setPen(Pen(Qt::white, 1.2));
  p.drawArc(QRectF(centre.x() - radius * 0.6, centre.y() - radius * 0.6, radius * 1.2, radius * 1.2), 90 * 16,
            70 * 16);
}

void DrawFind(QPainter& p, bool lit) { DrawLens(p, QPointF(10, 10), 6.5, lit); }

void DrawReplace(QPainter& p, bool lit) {
  // Two lines of text with an arrow from the upper one to the lower one.
  p.setPen(Pen(kOutline, 1.2));
  p.setBrush(lit ? QColor(255, 236, 140) : Qt::white);
  p.drawRoundedRect(QRectF(2.5, 3, 12, 6), 1.5, 1.5);
  p.setBrush(lit ? QColor(255, 236, 140) : kLightBlue);
  p.drawRoundedRect(QRectF(9.5, 15, 12, 6), 1.5, 1.5);
  p.setPen(Pen(QColor(150, 160, 176), 1.2));
  p.drawLine(QPointF(5, 6), QPointF(12, 6));
  p.setPen(Pen(kBlue, 1.2));
  p.drawLine(QPointF(12, 18), QPointF(19, 18));
  p.setPen(Pen(kGreen, 1.8));
  p.setBrush(Qt::NoBrush);
  QPainterPath arrow;
  arrow.moveTo(16, 6);
  arrow.cubicTo(20, 6, 21, 8, 21, 11.5);
  p.drawPath(arrow);
  p.setBrush(kGreen);
  p.setPen(Pen(kGreen, 1));
  QPolygonF head;
  head << QPointF(18, 10.5) << QPointF(24, 10.5) << QPointF(21, 14);
  p.drawPolygon(head);
}

void DrawGoTo(QPainter& p, bool lit) {
  // An arrow that runs into a line of text; lit, the line is marked.
  if (lit) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 140));
    p.drawRoundedRect(QRectF(10.5, 8.5, 12.5, 7), 1.5, 1.5);
  }
  p.setPen(Pen(QColor(150, 160, 176), 1.5));
  for (qreal y : {5.0, 19.0}) p.drawLine(QPointF(13, y), QPointF(21, y));
  p.setPen(Pen(kOutline, 2));
  p.drawLine(QPointF(12, 12), QPointF(21.5, 12));
  p.setPen(Pen(kBlue, 2.4));
  p.drawLine(QPointF(2.5, 12), QPointF(8, 12));
  p.setBrush(kBlue);
  p.setPen(Pen(kBlue, 1));
  QPolygonF head;
  head << QPointF(7, 7.5) << QPointF(11.5, 12) << QPointF(7, 16.5);
  p.drawPolygon(head);
}

void DrawPanel(QPainter& p, bool shown) {
  // A window; the column at its right is the operations panel, filled while it is shown.
  p.setPen(Pen(kOutline, 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(2.5, 3.5, 19, 17));
  p.setBrush(kBlue);
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(2.5, 3.5, 19, 3));  // title bar
  if (shown) {
    p.setBrush(kLightBlue);
    p.setPen(Pen(kBlue, 1.2));
    p.drawRect(QRectF(14, 8.5, 5.5, 10));
    p.setPen(Pen(kBlue, 1));
    for (qreal y : {11.0, 13.5, 16.0}) p.drawLine(QPointF(15.3, y), QPointF(18.2, y));
  } else {
    QPen dashed = Pen(QColor(150, 160, 176), 1);
    dashed.setStyle(Qt::DashLine);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(14, 8.5, 5.5, 10));
  }
  p.setPen(Pen(QColor(150, 160, 176), 1.2));
  for (qreal y : {10.0, 13.0, 16.0}) p.drawLine(QPointF(5, y), QPointF(11.5, y));
}

void DrawMessage(QPainter& p, bool error) {
  const QColor fill = error ? kRed : kBlue;
  QPainterPath balloon;
  balloon.addRoundedRect(QRectF(2.5, 3, 19, 14), 3.5, 3.5);
  QPainterPath tail;
  tail.moveTo(6, 16);
  tail.lineTo(6, 21.5);
  tail.lineTo(11.5, 16);
  tail.closeSubpath();
  p.setPen(Pen(fill.darker(130), 1.2));
  p.setBrush(fill);
  p.drawPath(balloon.united(tail));
  p.setPen(Pen(Qt::white, 2.2));
  if (error) {
    p.drawLine(QPointF(12, 6), QPointF(12, 11));
    p.drawPoint(QPointF(12, 14));
  } else {
    p.drawPoint(QPointF(12, 6.5));
    p.drawLine(QPointF(12, 9.5), QPointF(12, 14));
  }
}

class PaintedIconEngine : public QIconEngine {
 public:
  explicit PaintedIconEngine(int image) : image_(image) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const qreal side = std::min(rect.width(), rect.height());
    painter->translate(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
    painter->scale(side / kGrid, side / kGrid);
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    switch (image_) {
      case kImageOpen: DrawOpen(*painter); break;
      case kImageSave: DrawSave(*painter); break;
      case kImageFind: DrawFind(*painter, false); break;
      case kImageFindOn: DrawFind(*painter, true); break;
      case kImageReplace: DrawReplace(*painter, false); break;
      case kImageReplaceOn: DrawReplace(*painter, true); break;
      case kImageGoTo: DrawGoTo(*painter, false); break;
      case kImageGoToOn: DrawGoTo(*painter, true); break;
      case kImagePanelShown: DrawPanel(*painter, true); break;
      case kImagePanelHidden: DrawPanel(*painter, false); break;
      case kImageMessErrorIcon: DrawMessage(*painter, true); break;
      case kImageMessOtherIcon: DrawMessage(*painter, false); break;
      default: break;
    }
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }

  QIconEngine* clone() const override { return new PaintedIconEngine(image_); }

 private:
  int image_;
};

}  // namespace

QIcon ToolIcon(int image) {
  switch (image) {
    case kImageOpen: case kImageSave: case kImageFind: case kImageFindOn: case kImageReplace:
    case kImageReplaceOn: case kImageGoTo: case kImageGoToOn: case kImagePanelShown: case kImagePanelHidden:
    case kImageMessErrorIcon: case kImageMessOtherIcon:
      return QIcon(new PaintedIconEngine(image));
    default:
      return QIcon();
  }
}

}  // namespace quillet
