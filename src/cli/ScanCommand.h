#pragma once

#include "RowFormat.h"
#include "SearchCriteria.h"

#include <QStringList>
#include <QTextStream>
#include <atomic>
#include <optional>

struct ScanOptions {
    SearchCriteria criteria;
    RowFormat format = RowFormat::Tsv;
};

// Parses the options of a folder search; on bad usage returns nothing and says why in error.
std::optional<ScanOptions> ParseScanOptions(const QStringList& args, QString& error);

// Searches as the window would and prints one row per accepted file to out, the progress
// (when showProgress) and the final status line to err. stopFlag receives the run's stop
// request so that a signal handler can set it. Returns 0, or 130 when the run was stopped.
int RunScanCommand(const ScanOptions& options, QTextStream& out, QTextStream& err,
                   bool showProgress, std::atomic<std::atomic<bool>*>* stopFlag = nullptr);
