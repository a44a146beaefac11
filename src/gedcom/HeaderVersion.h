#pragma once

#include <QString>

// What the header walk learned that bears on the GEDCOM version.
struct VersionFacts {
    QString statedVersion;          // from a VERS line of the GEDC block
    bool gedcVersionSeen = false;   // a VERS or VERSION line in a GEDC block
    bool sourceVersionSeen = false; // a VERS or VERSION line in a source block
    bool systSecond = false;        // the second line is tagged SYST
    bool zeroHH = false;            // the text begins with "0HH"
    bool addressSeen = false;       // ADR3, EMAIL, FAX or WWW in a source block
    bool eventForm = false;         // FORM EVENT at level 3 of the GEDC block
    QString program = QStringLiteral("---");
    QString charSet = QStringLiteral("---");
};

struct VersionDecision {
    QString stated;    // empty when the file was not recognised
    QString corrected; // empty when the stated version stands
};

// The stated version and, where the header is irregular, the corrected one.
VersionDecision DecideVersion(const VersionFacts& facts, bool recognised);
