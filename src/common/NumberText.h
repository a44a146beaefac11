#pragma once

#include <QLocale>
#include <QString>

// A date-time value (or any double) in general form: at most 15 significant digits, trailing
// zeros dropped, the locale's decimal separator, no group separators; 0 gives "0".
QString GeneralNumberText(double value, const QLocale& locale = QLocale());

// A signed 64-bit count in plain digits.
inline QString PlainNumberText(qint64 value) {
    return QString::number(value);
}
