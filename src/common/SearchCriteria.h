#pragma once

#include <QString>

enum class InWhatChoice { DataFiles = 0, LogFiles = 1, AllFiles = 2 };

// Snapshot of the window's criteria, taken when a search starts and read-only afterwards.
struct SearchCriteria {
    QString TypeText;
    QString LookIn; // ends with the path separator (or a drive colon)
    bool IncludeSubfolders = true;
    QString NameContains;   // as typed, not trimmed
    QString ContainingText; // as typed, not trimmed; empty means no content test
    bool MatchCase = false;
    bool WholeWord = false;
    InWhatChoice InWhat = InWhatChoice::DataFiles;
};
