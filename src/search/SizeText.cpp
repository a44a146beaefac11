#include "SizeText.h"

QString SizeKBText(qint64 bytes) {
    const qint64 kilobytes = bytes / 1024 + (bytes % 1024 > 0 ? 1 : 0);
    QString text = QString::number(kilobytes) + QStringLiteral(" KB");
    if (text.size() > 6)
        text.insert(text.size() - 6, QLatin1Char(','));
    if (text.size() > 10)
        text.insert(text.size() - 10, QLatin1Char(','));
    return text;
}
