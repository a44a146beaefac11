#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Date-time value: whole days since 1899-12-30 plus the time of day as a fraction, local time.
// 0 stands for "no date".
using DateTimeValue = double;

DateTimeValue ToDateTimeValue(const QDateTime& dateTime);
QDateTime FromDateTimeValue(DateTimeValue value); // local time, rounded to the millisecond

enum class TimeGrid { Milliseconds, TwoSeconds };

// A file-system time (milliseconds since 1970 UTC) as a local date-time value; TwoSeconds cuts
// it down to the even second, as the packed file-system date-time form has it.
DateTimeValue DateTimeValueFromEpochMs(qint64 ms, TimeGrid grid = TimeGrid::Milliseconds);

// The locale's short date, then (unless the time is exactly midnight) a blank and its long time.
QString DateTimeText(DateTimeValue value);

// The same text for many values: keeps the locale's formats and the last day's date text.
class DateTimeTextFormatter {
public:
    DateTimeTextFormatter();
    QString text(DateTimeValue value);

private:
    QLocale m_locale;
    QString m_timeFormat;
    QDate m_lastDate;
    QString m_lastDateText;
};

// The locale's long time format without the time-zone part Qt appends to it.
QString LongTimeFormatWithoutZone(const QLocale& locale);
