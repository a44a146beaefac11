#pragma once

#include <QString>
#include <QtGlobal>

// One accepted file: one row of the result table, fields in column order.
struct FoundFile {
    QString Name;
    QString Path; // folder, ending with the separator
    QString Size;
    qint64 SizeRaw = 0;
    QString DateModified;
    double DateModifiedRaw = 0;
    QString LogFileDate;
    double LogFileDateRaw = 0;
    QString Type;
    QString Program;
    QString Dest;
    QString Char;
    QString BOM;

    QString FullName() const { return Path + Name; }
};
