#include "NumberText.h"

QString GeneralNumberText(double value, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}
