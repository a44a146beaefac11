#pragma once

#include <QDateTime>
#include <QString>

// Date-time value: whole days since 1899-12-30 plus the time of day as a fraction, local time.
// 0 stands for "no date".
using DateTimeValue = double;

DateTimeValue ToDateTimeValue(const QDateTime& dateTime);
QDateTime FromDateTimeValue(DateTimeValue value); // local time, rounded to the millisecond

// The locale's short date, then (unless the time is exactly midnight) a blank and its long time.
QString DateTimeText(DateTimeValue value);

// The locale's long time format without the time-zone part Qt appends to it.
QString LongTimeFormatWithoutZone(const QLocale& locale);
