#pragma once

// A reporter that writes down every hand-over of a search run, for tests.

#include "SearchReporter.h"

#include <QList>
#include <QStringList>
#include <functional>

class RecordingReporter : public SearchReporter {
public:
    QStringList calls; // "clear", "enter", "leave", "row NAME", "progress LINE", ...
    QList<FoundFile> rows;
    QStringList progressLines;
    QString finalLine;
    std::function<void(const FoundFile&)> onRow; // e.g. to request a stop mid-walk

    void clearRows() override { calls << QStringLiteral("clear"); }
    void enterBulkUpdate() override { calls << QStringLiteral("enter"); }
    void leaveBulkUpdate() override { calls << QStringLiteral("leave"); }
    void addRow(const FoundFile& row) override {
        calls << QStringLiteral("row ") + row.Name;
        rows << row;
        if (onRow)
            onRow(row);
    }
    void showProgress(const QString& line) override {
        calls << QStringLiteral("progress");
        progressLines << line;
    }
    void showFinalStatus(const QString& line) override {
        calls << QStringLiteral("final");
        finalLine = line;
    }
    void updateRecentLists() override { calls << QStringLiteral("recent"); }
    void focusFirstRow() override { calls << QStringLiteral("focus"); }

    QStringList names() const {
        QStringList list;
        for (const FoundFile& f : rows)
            list << f.Name;
        return list;
    }
};
