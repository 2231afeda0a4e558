// Desktop shell services.
#pragma once

#include <string>

namespace quillet {

class IShell {
 public:
  virtual ~IShell() = default;
  // Opens a local document or a web address with its default program; false on failure.
  virtual bool OpenDocument(const std::string& utf8PathOrUrl, bool maximized = false) = 0;
  // The user's documents folder (UTF-8), empty when unknown.
  virtual std::string DocumentsFolder() const = 0;
};

}  // namespace quillet
