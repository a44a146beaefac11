#include "LocalTimeZone.h"

#include <QByteArray>
#include <QtGlobal>

void PinLocalTimeZone() {
#ifdef Q_OS_LINUX
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", QByteArrayLiteral(":/etc/localtime"));
#endif
}
