#pragma once

#include "FoundFile.h"

#include <QString>

// How a search run reaches whoever shows it (the window, the command line). Every call is a
// hand-over: the run waits until it has been carried out, so the receiver may read the run's
// state during the call without a lock.
class SearchReporter {
public:
    virtual ~SearchReporter() = default;

    virtual void clearRows() = 0;
    virtual void enterBulkUpdate() = 0;
    virtual void leaveBulkUpdate() = 0;
    virtual void addRow(const FoundFile& row) = 0;
    // Shows a progress line, then makes the rows added since the last one visible.
    virtual void showProgress(const QString& line) = 0;
    virtual void showFinalStatus(const QString& line) = 0;
    virtual void updateRecentLists() = 0;
    virtual void focusFirstRow() = 0;
};
