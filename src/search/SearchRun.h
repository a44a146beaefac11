#pragma once

#include "FolderWalk.h"
#include "RunState.h"
#include "SearchReporter.h"

// The body of a search run's worker: clears the table, walks the look-in folder, ends with the
// final status, the recent-entry lists and the first row focused. Stops early when asked.
class SearchRun {
public:
    SearchRun(const SearchCriteria& criteria, SearchReporter& reporter,
              FolderWalk::Clock clock = {});

    void execute();
    // May be called from any thread.
    void requestStop() { m_state.stopRequested.store(true, std::memory_order_relaxed); }

    const RunState& state() const { return m_state; }
    std::atomic<bool>& stopFlag() { return m_state.stopRequested; }

private:
    RunState m_state;
    SearchReporter& m_reporter;
    FolderWalk::Clock m_clock;
};

// Moves text to the top of a recent-entry list as the window does at the end of a run: a text
// equal to an entry (upper-cased) replaces it, a new one is pushed on, at most 10 entries stay.
// A text of blanks and control characters only leaves the list unchanged.
void UpdateRecentList(QStringList& entries, const QString& text);

constexpr int kRecentListCapacity = 10;
