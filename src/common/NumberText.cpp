#include "NumberText.h"

#include <cmath>

QString GeneralNumberText(double value, const QLocale& locale) {
    if (value == 0)
        return QStringLiteral("0");
    // Plain positive numbers (every date-time value) need no locale machinery beyond the
    // decimal separator; QLocale::toString costs a microsecond per call.
    if (value >= 1e-4 && value < 1e15 && std::isfinite(value)) {
        QString text = QString::number(value, 'g', 15);
        const QString point = locale.decimalPoint();
        if (point != QLatin1String("."))
            text.replace(QLatin1Char('.'), point);
        return text;
    }
    QLocale plain = locale; // QLocale would insert group separators in 43,831.5
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}
