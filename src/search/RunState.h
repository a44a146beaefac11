#pragma once

#include "FoundFile.h"
#include "SearchCriteria.h"

#include <QString>
#include <atomic>

// Everything one search run keeps. Only the worker writes it; the UI thread reads it only during
// a hand-over, while the worker waits. The stop request is the one datum both threads touch.
struct RunState {
    SearchCriteria criteria;
    qint32 fileCounter = 0;   // candidate files met
    qint32 folderCounter = 0; // folders entered, the look-in folder included
    qint32 foundCounter = -1; // -1 for a run without containing text
    qint64 lastProgressMs = 0;
    QString currentFolder;
    QString currentFileName;
    FoundFile currentRow;
    std::atomic<bool> stopRequested{false};
};

// The status-line texts of a run.
QString ProgressLine(const RunState& state);
QString FinalStatusLine(const RunState& state);
