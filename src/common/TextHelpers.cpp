#include "TextHelpers.h"

QString NthField(QStringView text, QChar c, int n) {
    if (n < 1)
        return {};
    qsizetype start = 0;
    for (int piece = 1; piece < n; ++piece) {
        const qsizetype next = text.indexOf(c, start);
        if (next < 0)
            return {};
        start = next + 1;
    }
    qsizetype end = text.indexOf(c, start);
    if (end < 0)
        end = text.size();
    return text.mid(start, end - start).toString();
}

QString CountPhrase(qint64 n, const QString& noun) {
    QString phrase = QString::number(n) + QLatin1Char(' ') + noun;
    if (n != 1)
        phrase += QLatin1Char('s');
    return phrase;
}

QString UpperCodeUnits(QStringView text) {
    QString upper(text.size(), Qt::Uninitialized);
    QChar* out = upper.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = UpperCodeUnit(text[i]);
    return upper;
}

bool IsPathSeparator(QChar c) {
#ifdef Q_OS_WIN
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
#else
    return c == QLatin1Char('/');
#endif
}

QString ExtensionOf(QStringView path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        const QChar c = path[i];
        if (IsPathSeparator(c))
            return {};
        if (c == QLatin1Char('.'))
            return path.mid(i).toString();
    }
    return {};
}

QString TrimBlanksAndControls(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin).toString();
}
