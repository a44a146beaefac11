#include "TypeMasks.h"

#include "TextHelpers.h"

TypeMasks DeriveTypeMasks(const QString& typeText) {
    TypeMasks result;
    if (typeText == QLatin1String("All Files except *.ged")) {
        result.excludeGed = true;
    } else if (typeText == QLatin1String("All Files except *.tvx and *.ged")) {
        result.excludeGed = true;
        result.excludeTvx = true;
    }
    if (result.excludeGed) {
        result.masks << QStringLiteral("*.*");
        return result;
    }
    const QString list = NthField(NthField(typeText, QLatin1Char('('), 2), QLatin1Char(')'), 1);
    if (list.contains(QLatin1Char(','))) {
        // The first mask is trimmed, the later ones are taken exactly as typed.
        result.masks << TrimBlanksAndControls(NthField(list, QLatin1Char(','), 1));
        for (int n = 2;; ++n) {
            const QString mask = NthField(list, QLatin1Char(','), n);
            if (mask.isEmpty())
                break;
            result.masks << mask;
        }
    } else {
        const QString mask = TrimBlanksAndControls(list);
        if (!mask.isEmpty())
            result.masks << mask;
    }
    return result;
}

namespace {
bool MatchFrom(QStringView name, qsizetype n, QStringView mask, qsizetype m) {
    // Iterative glob with one back-tracking point: linear enough for file names.
    qsizetype starMask = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == QLatin1Char('*')) {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == QLatin1Char('?') ||
                                       UpperCodeUnit(mask[m]) == UpperCodeUnit(name[n]))) {
            ++m;
            ++n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == QLatin1Char('*'))
        ++m;
    return m == mask.size();
}
} // namespace

bool MatchesMask(QStringView name, QStringView mask) {
    if (mask == QLatin1String("*.*"))
        return true;
    return MatchFrom(name, 0, mask, 0);
}
