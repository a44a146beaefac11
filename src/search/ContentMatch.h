#pragma once

#include "DateTimeValue.h"
#include "SearchCriteria.h"

#include <QString>
#include <optional>

// Letters (upper, lower, title, modifier, other) and decimal digits, per UTF-16 code unit.
bool IsWordCharacter(QChar c);

struct TextSearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
};

// Searches text, up to its first NUL, for needle exactly as typed. Stops at the first match.
bool TextContains(QStringView text, QStringView needle, TextSearchOptions options);

// The companion log file of a file: its full name with ".log" appended.
QString CompanionLogPath(const QString& folder, const QString& name);

// Whether text begins with "Torvex version", the mark of a companion log file.
bool IsTorvexLogText(QStringView text);

// Whether the candidate file folder + name holds ContainingText, looking into the file, its
// companion log file or both as InWhat says. Raises FileAccessError when a file it must read
// cannot be read.
bool ContentTest(const SearchCriteria& criteria, const QString& folder, const QString& name);

struct LogDate {
    DateTimeValue value = 0;
    QString text;
};

// The date of a qualifying companion log file (one that begins with "Torvex version"), or none.
std::optional<LogDate> CompanionLogDate(const QString& folder, const QString& name);

// The last-write time in local time to the millisecond; 0 for a missing path or a folder.
DateTimeValue FileModifiedOrZero(const QString& path);
