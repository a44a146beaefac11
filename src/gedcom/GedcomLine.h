#pragma once

#include <QString>

// One GEDCOM line split into its parts; every field is set by every read.
struct GedcomLine {
    int Level = -1;      // 0 to 99; -1 when the line does not begin with a digit
    QString Xref;        // with both "@" signs, or empty
    QString Tag;         // may be empty
    QString Value;       // without trailing spaces; empty for a marked value
    QString MarkedValue; // the text after a mark (code 30) in the value position
};

// Reads the line at cursor and moves cursor to the start of the next one. The text ends at its
// first NUL or at its size, whichever comes first. Never fails; at the end of the text it
// returns an empty line (Level -1) and leaves the cursor where it is.
void ReadGedcomLine(const QString& text, qsizetype& cursor, GedcomLine& line);

// Steps over spaces (code 32 only), as callers that accept indented lines do before a read.
void SkipGedcomSpaces(const QString& text, qsizetype& cursor);

// True when cursor stands on the end of the text (its size or its first NUL).
bool AtGedcomTextEnd(const QString& text, qsizetype cursor);
