// The system clipboard: text converted to and from Windows-1251 with CR LF, and the files a
// file manager copied (its list of file URLs).
#pragma once

#include <QObject>

#include "platform/clipboard.h"

namespace quillet {

class QtClipboard : public QObject, public IClipboard {
 public:
  QtClipboard();

  bool HasText() const override;
  // Line breaks come back as CR LF; characters outside the code page as "?".
  std::string Text() const override;
  // Line breaks go out as the platform's plain ones.
  void SetText(const std::string& ansi) override;
  // Local files only, as UTF-8 paths; other URLs are left out.
  std::vector<std::string> Files() const override;
};

}  // namespace quillet
