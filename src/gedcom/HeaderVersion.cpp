#include "HeaderVersion.h"

namespace {
const QString kDashes = QStringLiteral("---");

// Code-unit order in which a proper prefix sorts first.
int CompareCodeUnits(const QString& a, const QString& b) {
    return QStringView(a).compare(QStringView(b), Qt::CaseSensitive);
}
} // namespace

VersionDecision DecideVersion(const VersionFacts& facts, bool recognised) {
    VersionDecision d;
    if (!recognised)
        return d;

    if (!facts.gedcVersionSeen) {
        if (facts.sourceVersionSeen)
            d.stated = QStringLiteral("3.0");
        else if (facts.systSecond)
            d.stated = QStringLiteral("2.0");
        else if (facts.zeroHH)
            d.stated = QStringLiteral("1.0");
        else if (facts.program != kDashes)
            d.stated = QStringLiteral("2.1");
        else {
            d.stated = QStringLiteral("provided");
            d.corrected = QStringLiteral("???");
        }
        return d;
    }

    d.stated = facts.statedVersion;
    if (facts.eventForm)
        return d;

    const QString& v = d.stated;
    if (v == QLatin1String("5.01"))
        d.corrected = QStringLiteral("5.1");
    else if (v == QLatin1String("4+"))
        d.corrected = QStringLiteral("4.0");
    else if (v == QLatin1String("provided") && facts.program.startsWith(QLatin1String("Legacy")))
        d.corrected = QStringLiteral("5.5");
    else if (v == QLatin1String("provided"))
        d.corrected = QStringLiteral("4.0");
    else if (CompareCodeUnits(v, QStringLiteral("4.0")) < 0)
        d.corrected = QStringLiteral("4.0");
    else if (v.startsWith(QLatin1String("GEDCOM ")))
        d.stated = v.mid(7);
    else if (v == QLatin1String("5.5") &&
             (facts.addressSeen || facts.charSet == QLatin1String("UTF-8")))
        d.corrected = QStringLiteral("5.5.1");
    else if (v == QLatin1String("5.5") &&
             CompareCodeUnits(facts.program, QStringLiteral("PAF 5")) >= 0 &&
             CompareCodeUnits(facts.program, QStringLiteral("PAF 9")) <= 0)
        d.corrected = QStringLiteral("5.5.1");
    return d;
}
