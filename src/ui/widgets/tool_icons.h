// The pictures of the tool bar, drawn as vectors so that they stay sharp at every size and
// pixel density. Each has the number of its place in the tool bar's image list.
#pragma once

#include <QIcon>

namespace quillet {

enum ToolImage : int {
  kImageOpen = 2,
  kImageSave = 3,
  kImageFind = 6,
  kImageFindOn = 7,      // the find dialog is open
  kImageReplace = 9,
  kImageReplaceOn = 10,  // the replace dialog is open
  kImageGoTo = 12,
  kImageGoToOn = 13,     // the go-to dialog is open
  kImagePanelShown = 15,
  kImagePanelHidden = 16,
  kImageMessErrorIcon = 18,
  kImageMessOtherIcon = 19,
};

// The picture of an image number; an unknown number gives an empty icon.
QIcon ToolIcon(int image);

}  // namespace quillet
