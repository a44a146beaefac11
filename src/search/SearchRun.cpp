#include "SearchRun.h"

#include "TextHelpers.h"

#include <QElapsedTimer>
#include <QStringList>

namespace {
FolderWalk::Clock SteadyClock() {
    return [] {
        static thread_local QElapsedTimer timer;
        if (!timer.isValid())
            timer.start();
        return timer.elapsed();
    };
}
} // namespace

SearchRun::SearchRun(const SearchCriteria& criteria, SearchReporter& reporter,
                     FolderWalk::Clock clock)
    : m_reporter(reporter), m_clock(clock ? std::move(clock) : SteadyClock()) {
    m_state.criteria = criteria;
}

void SearchRun::execute() {
    m_state.folderCounter = 0;
    m_reporter.clearRows();
    m_state.fileCounter = 0;
    m_state.foundCounter = m_state.criteria.ContainingText.isEmpty() ? -1 : 0;
    m_state.lastProgressMs = m_clock();
    m_reporter.enterBulkUpdate();
    try {
        FolderWalk walk(m_state, m_reporter, m_clock);
        walk.walk(m_state.criteria.LookIn);
    } catch (const std::exception&) {
        // The end steps run whatever happened in the walk.
    }
    m_reporter.leaveBulkUpdate();
    m_reporter.showFinalStatus(FinalStatusLine(m_state));
    m_reporter.updateRecentLists();
    m_reporter.focusFirstRow();
}

void UpdateRecentList(QStringList& entries, const QString& text) {
    if (TrimBlanksAndControls(text).isEmpty())
        return;
    const QString upper = UpperCodeUnits(text);
    qsizetype pos = entries.size();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (UpperCodeUnits(entries[i]) == upper) {
            pos = i;
            break;
        }
    }
    if (pos == entries.size() && entries.size() < kRecentListCapacity)
        entries.append(QString());
    for (qsizetype k = qMin(pos, qsizetype(entries.size())) - 1; k >= 0; --k) {
        if (k + 1 < kRecentListCapacity && k + 1 < entries.size())
            entries[k + 1] = entries[k];
    }
    if (entries.isEmpty())
        entries.append(QString());
    entries[0] = text;
    while (entries.size() > kRecentListCapacity)
        entries.removeLast();
}
