#pragma once

#include <QString>

// What the header analysis says about one file; "---" means the header did not name the item.
struct HeaderInfo {
    QString Type = QStringLiteral("Nothing found");
    QString BOM = QStringLiteral("---");
    QString Program = QStringLiteral("---");
    QString Dest = QStringLiteral("---");
    QString Char = QStringLiteral("---");

    friend bool operator==(const HeaderInfo&, const HeaderInfo&) = default;
};

inline const QString& NothingFoundType() {
    static const QString text = QStringLiteral("Nothing found");
    return text;
}
