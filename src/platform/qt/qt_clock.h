// The system clock with the system locale's date and time formats.
#pragma once

#include <QLocale>
#include <QString>

#include "platform/clock.h"

namespace quillet {

// The date and time as "Время и дата" inserts it: the short date and the long time of the
// locale, joined by a blank (UTF-8).
std::string DateTimeText(int64_t msSinceEpoch, const QLocale& locale);
// The locale's long time format without its time zone part.
QString LongTimeFormat(const QLocale& locale);

class QtClock : public IClock {
 public:
  int64_t Now() override;
  std::string LongTimeText(int64_t time) override;
  std::string DateTimeText(int64_t time) override;
};

}  // namespace quillet
