// The shared MIME database through Qt's reader of it.
#pragma once

#include "platform/desktop_associations.h"

namespace quillet {

class QtMimeDatabase : public IMimeDatabase {
 public:
  // The best type the patterns give a file named "x.ext"; empty when only the fallback type
  // of unknown files would fit.
  std::string TypeOfExtension(const std::string& ext) const override;
};

}  // namespace quillet
