#pragma once

#include "DateTimeValue.h"
#include "DirectoryListing.h"
#include "RunState.h"
#include "SearchReporter.h"
#include "TypeMasks.h"

#include <functional>

// Walks a folder tree depth first for one search run, filling the run state and handing
// accepted files to the reporter. Runs on the search worker.
class FolderWalk {
public:
    using Clock = std::function<qint64()>; // milliseconds on a steady clock

    FolderWalk(RunState& state, SearchReporter& reporter, Clock clock);

    // folder ends with the path separator; no failure passes out of it.
    void walk(const QString& folder);
    // A subfolder of the folder that parent lists, opened relative to that listing.
    void walk(const QString& folder, const DirectoryListing* parent, const QString& name);
    // Shows the progress line when more than 250 ms have passed since the last one.
    void progressReport();

private:
    void examine(const QString& folder, const DirectoryListing& listing, ListingEntry& entry);
    bool stopped() const { return m_state.stopRequested.load(std::memory_order_relaxed); }

    RunState& m_state;
    SearchReporter& m_reporter;
    Clock m_clock;
    TypeMasks m_masks;
    DateTimeTextFormatter m_dateTimeText;
};

// The path separator of the platform.
QChar PathSeparator();

// The look-in text with its final separator: appended unless the text already ends with one
// (or, where paths have drive letters, with a drive colon).
QString WithFinalSeparator(const QString& lookIn);
