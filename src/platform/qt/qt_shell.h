// Desktop shell services: opening documents and web addresses, the documents folder.
#pragma once

#include "platform/shell.h"

namespace quillet {

class QtShell : public IShell {
 public:
  // A text with "://" or "mailto:" is a web address; anything else a local path, which must
  // exist. The window state is the opened program's business here.
  bool OpenDocument(const std::string& utf8PathOrUrl, bool maximized = false) override;
  std::string DocumentsFolder() const override;
};

}  // namespace quillet
