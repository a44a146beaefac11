#include "NumberText.h"

QString GeneralNumberText(double value, const QLocale& locale)
{
    if (locale.numberOptions() & QLocale::OmitGroupSeparator)
        return locale.toString(value, 'g', 15);
    QLocale plain = locale; // QLocale would insert group separators in 43,831.5
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}
