#include "ui/widgets/site_icons.h"

#include <QApplication>
#include <QFont>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>

namespace quillet {

namespace {

// Each site's mark: a short sign on a rounded tile of the site's colour.
struct SiteMark {
  const char* sign;  // UTF-8
  QRgb tile;
  QRgb ink;
};

const SiteMark kMarks[kSiteImageCount] = {
    {"OS", 0xFF2E7D32, 0xFFFFFFFF},    // 0 OpenSubtitles.org
    {"PN", 0xFF1565C0, 0xFFFFFFFF},    // 1 Podnapisi
    {"A7", 0xFF6A1B9A, 0xFFFFFFFF},    // 2 Addic7ed
    {"TV", 0xFFC62828, 0xFFFFFFFF},    // 3 TVsubtitles
    {"W", 0xFFF5F5F5, 0xFF212121},     // 4 Wikipedia
    {"IMDb", 0xFFF5C518, 0xFF000000},  // 5 IMDb
    {"КП", 0xFFFF6600, 0xFFFFFFFF},    // 6 Кинопоиск
    {"OS", 0xFF00838F, 0xFFFFFFFF},    // 7 OpenSubtitles.com
};

QPixmap DrawMark(const SiteMark& mark, int scale) {
  const int side = kSiteImageSize * scale;
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(scale, scale);
  p.setPen(QPen(QColor(0, 0, 0, 90), 1));
  p.setBrush(QColor::fromRgba(mark.tile));
  p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
  const QString sign = QString::fromUtf8(mark.sign);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(sign.size() > 2 ? 10 : 15);
  p.setFont(font);
  p.setPen(QColor::fromRgba(mark.ink));
  p.drawText(QRectF(0, 0, kSiteImageSize, kSiteImageSize), Qt::AlignCenter, sign);
  return pixmap;
}

// The style of a menu whose item pictures are of the sites' size.
class SiteMenuStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_SmallIconSize) return kSiteImageSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

void UseSiteImageSize(QMenu* menu) {
  // One style for all such menus, living as long as the application.
  static SiteMenuStyle* style = [] {
    auto* created = new SiteMenuStyle;
    created->setParent(QCoreApplication::instance());
    return created;
  }();
  menu->setStyle(style);
}

QIcon SiteIcon(int image) {
  if (image < 0 || image >= kSiteImageCount) return QIcon();
  QIcon icon;
  icon.addPixmap(DrawMark(kMarks[image], 1));
  QPixmap sharp = DrawMark(kMarks[image], 2);
  sharp.setDevicePixelRatio(2);
  icon.addPixmap(sharp);
  return icon;
}

}  // namespace quillet
