#pragma once

#include <QString>

// The FileVersion text of the program's own version record (set at build time), or empty.
QString FileVersionRecord();

// The short form of a four-part version: "1.0.1.0" gives "1.0.1", "2.3.0.0" gives "2.3",
// "2.3.0.7" and "2.3.4.5" stay whole. Fields are compared with "0" as texts.
QString ShortVersionText(const QString& fileVersion);

// ShortVersionText of the trimmed FileVersionRecord().
QString ProgramVersion();
