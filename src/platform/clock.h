// The time as the program tells it: a point in time and its texts in the system's formats.
#pragma once

#include <cstdint>
#include <string>

namespace quillet {

class IClock {
 public:
  virtual ~IClock() = default;
  virtual int64_t Now() = 0;  // milliseconds since the epoch
  // The time of day in the system's long time format (UTF-8), for the message hints.
  virtual std::string LongTimeText(int64_t time) = 0;
  // The short date and the long time joined by a blank (UTF-8), as "Время и дата" inserts them.
  virtual std::string DateTimeText(int64_t time) = 0;
};

}  // namespace quillet
