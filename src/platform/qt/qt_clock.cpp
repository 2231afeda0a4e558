#include "platform/qt/qt_clock.h"

#include <QDateTime>
#include <QRegularExpression>

namespace quillet {

QString LongTimeFormat(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::LongFormat);
  // The zone ("t", "tt", "ttt") is not part of the time as the program shows it.
  static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
  format.replace(zone, QStringLiteral(" "));
  return format.trimmed();
}

std::string DateTimeText(int64_t msSinceEpoch, const QLocale& locale) {
  const QDateTime when = QDateTime::fromMSecsSinceEpoch(msSinceEpoch);
  return (locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
          locale.toString(when.time(), LongTimeFormat(locale)))
      .toStdString();
}

int64_t QtClock::Now() { return QDateTime::currentMSecsSinceEpoch(); }

std::string QtClock::LongTimeText(int64_t time) {
  const QLocale locale = QLocale::system();
  return locale.toString(QDateTime::fromMSecsSinceEpoch(time).time(), LongTimeFormat(locale)).toStdString();
}

std::string QtClock::DateTimeText(int64_t time) { return quillet::DateTimeText(time, QLocale::system()); }

}  // namespace quillet
