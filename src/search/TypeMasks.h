#pragma once

#include <QString>
#include <QStringList>

// The file masks and extension exclusions that a Type text stands for.
struct TypeMasks {
    QStringList masks; // in listing order; empty means no file is listed
    bool excludeGed = false;
    bool excludeTvx = false;
};

TypeMasks DeriveTypeMasks(const QString& typeText);

// Wildcard match of a file name: "*" any run, "?" any one character, letters without regard to
// case; "*.*" matches every name, with or without an extension.
bool MatchesMask(QStringView name, QStringView mask);
