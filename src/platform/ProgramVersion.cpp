#include "ProgramVersion.h"

#include "TextHelpers.h"

QString FileVersionRecord() {
#ifdef QUENDAL_VERSION_RECORD
    return QStringLiteral(QUENDAL_VERSION_RECORD);
#else
    return {};
#endif
}

QString ShortVersionText(const QString& fileVersion) {
    if (fileVersion.isEmpty())
        return {};
    const QChar dot = QLatin1Char('.');
    const QString p1 = NthField(fileVersion, dot, 1), p2 = NthField(fileVersion, dot, 2),
                  p3 = NthField(fileVersion, dot, 3), p4 = NthField(fileVersion, dot, 4);
    QString text = p1 + dot + p2;
    if (p4 != QLatin1String("0"))
        text += dot + p3 + dot + p4;
    else if (p3 != QLatin1String("0"))
        text += dot + p3;
    return text;
}

QString ProgramVersion() {
    return ShortVersionText(TrimBlanksAndControls(FileVersionRecord()));
}
