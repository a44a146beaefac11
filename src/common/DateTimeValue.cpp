#include "DateTimeValue.h"

#include <QLocale>
#include <QTimeZone>
#include <cmath>

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
} // namespace

DateTimeValue ToDateTimeValue(const QDateTime& dateTime)
{
    const QDateTime local = dateTime.toLocalTime();
    const double days = static_cast<double>(kEpoch.daysTo(local.date()));
    const double fraction = local.time().msecsSinceStartOfDay() / kMsPerDay;
    // Before the epoch the fraction still counts forward from the day's start.
    return days >= 0 ? days + fraction : days - fraction;
}

QDateTime FromDateTimeValue(DateTimeValue value)
{
    const double wholeDays = std::trunc(value);
    double fraction = std::fabs(value - wholeDays);
    qint64 ms = std::llround(fraction * kMsPerDay);
    qint64 days = static_cast<qint64>(wholeDays);
    if (ms >= qint64(kMsPerDay)) { // rounding reached the next day
        ms -= qint64(kMsPerDay);
        days += value >= 0 ? 1 : -1;
    }
    const QDate date = kEpoch.addDays(days);
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QString LongTimeFormatWithoutZone(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        result += c;
    }
    return result.trimmed();
}

QString DateTimeText(DateTimeValue value)
{
    const QLocale locale;
    const QDateTime dateTime = FromDateTimeValue(value);
    QString text = locale.toString(dateTime.date(), QLocale::ShortFormat);
    if (dateTime.time().msecsSinceStartOfDay() != 0)
        text += QLatin1Char(' ') + locale.toString(dateTime.time(), LongTimeFormatWithoutZone(locale));
    return text;
}
