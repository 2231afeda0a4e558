// The pictures of the "Сайты" menu's items: 32 × 32, one for each site, numbered as the
// places of the menu's image list.
#pragma once

#include <QIcon>

class QMenu;

namespace quillet {

inline constexpr int kSiteImageCount = 8;
inline constexpr int kSiteImageSize = 32;

// The picture of an image number (0 … 7); any other number gives an empty icon.
QIcon SiteIcon(int image);

// The menu shows its items' pictures at the sites' size.
void UseSiteImageSize(QMenu* menu);

}  // namespace quillet
