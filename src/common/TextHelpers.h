#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The n-th piece (from 1) of text split at every c; empty when there is no such piece.
QString NthField(QStringView text, QChar c, int n);

// "1 file", "0 files", "2 folders".
QString CountPhrase(qint64 n, const QString& noun);

// Upper case one code unit to one code unit, so lengths and positions never change.
inline QChar UpperCodeUnit(QChar c) {
    return c.toUpper();
}
QString UpperCodeUnits(QStringView text);

// The last path component's extension from its last dot, dot included; empty without a dot.
QString ExtensionOf(QStringView path);

// True for the path separators of the platform ('/' everywhere, and '\' on Windows).
bool IsPathSeparator(QChar c);

// Leading and trailing blanks and control characters removed (as the desktop's Trim does).
QString TrimBlanksAndControls(QStringView text);
