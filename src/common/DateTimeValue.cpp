#include "DateTimeValue.h"

#include <QLocale>
#include <QTimeZone>
#include <cmath>
#include <ctime>

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
} // namespace

DateTimeValue ToDateTimeValue(const QDateTime& dateTime) {
    const QDateTime local = dateTime.toLocalTime();
    const double days = static_cast<double>(kEpoch.daysTo(local.date()));
    const double fraction = local.time().msecsSinceStartOfDay() / kMsPerDay;
    // Before the epoch the fraction still counts forward from the day's start.
    return days >= 0 ? days + fraction : days - fraction;
}

QDateTime FromDateTimeValue(DateTimeValue value) {
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

QString LongTimeFormatWithoutZone(const QLocale& locale) {
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

DateTimeTextFormatter::DateTimeTextFormatter()
    : m_timeFormat(LongTimeFormatWithoutZone(m_locale)) {}

QString DateTimeTextFormatter::text(DateTimeValue value) {
    const QDateTime dateTime = FromDateTimeValue(value);
    if (dateTime.date() != m_lastDate || m_lastDateText.isNull()) {
        m_lastDate = dateTime.date();
        m_lastDateText = m_locale.toString(m_lastDate, QLocale::ShortFormat);
    }
    if (dateTime.time().msecsSinceStartOfDay() == 0)
        return m_lastDateText;
    return m_lastDateText + QLatin1Char(' ') + m_locale.toString(dateTime.time(), m_timeFormat);
}

QString DateTimeText(DateTimeValue value) {
    return DateTimeTextFormatter().text(value);
}

DateTimeValue DateTimeValueFromEpochMs(qint64 ms, TimeGrid grid) {
    qint64 seconds = ms / 1000;
    int millis = int(ms % 1000);
    if (millis < 0) {
        millis += 1000;
        --seconds;
    }
#ifdef Q_OS_WIN
    const QDateTime local = QDateTime::fromSecsSinceEpoch(seconds).toLocalTime();
    const QDate date = local.date();
    const QTime t = local.time();
    int hour = t.hour(), minute = t.minute(), second = t.second();
#else
    // localtime_r rather than QDateTime: this runs for every file a search lists.
    const time_t t = time_t(seconds);
    struct tm broken {};
    if (!localtime_r(&t, &broken))
        return 0;
    const QDate date(broken.tm_year + 1900, broken.tm_mon + 1, broken.tm_mday);
    int hour = broken.tm_hour, minute = broken.tm_min, second = broken.tm_sec;
#endif
    if (grid == TimeGrid::TwoSeconds) {
        second &= ~1;
        millis = 0;
    }
    const double days = double(kEpoch.daysTo(date));
    const double fraction = (((hour * 60 + minute) * 60 + second) * 1000 + millis) / kMsPerDay;
    return days >= 0 ? days + fraction : days - fraction;
}
