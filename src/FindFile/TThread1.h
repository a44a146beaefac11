#pragma once

#include "Handover.h"
#include "SearchReporter.h"
#include "SearchRun.h"

#include "FileNameListModel.h"

#include <QEvent>
#include <QLocale>
#include <QThread>
#include <vector>

class TFindFileForm;

// The worker's completion notice: the first user event number plus 8, carrying its thread id.
class CompletionNotice : public QEvent {
public:
    static constexpr QEvent::Type kType = QEvent::Type(QEvent::User + 8);
    explicit CompletionNotice(Qt::HANDLE threadId) : QEvent(kType), m_threadId(threadId) {}
    Qt::HANDLE threadId() const { return m_threadId; }

private:
    Qt::HANDLE m_threadId;
};

// The window's side of a run, called on the worker: every step is handed over to the UI thread.
// Accepted rows are collected and handed over together at the next refresh, when the table
// would show them anyway.
class WindowReporter : public SearchReporter {
public:
    WindowReporter(TFindFileForm* form, HandoverChannel& channel);

    void clearRows() override;
    void enterBulkUpdate() override;
    void leaveBulkUpdate() override;
    void addRow(const FoundFile& row) override;
    void showProgress(const QString& line) override;
    void showFinalStatus(const QString& line) override;
    void updateRecentLists() override;
    void focusFirstRow() override;

private:
    void handOverRows(); // appends the collected rows (on the UI thread)

    TFindFileForm* m_form; // touched only inside hand-overs, on the UI thread
    HandoverChannel& m_channel;
    std::vector<FileNameListModel::Row> m_rows; // cell texts made on the worker
    QLocale m_numberLocale;
};

// The search worker: runs one search and releases itself at its end.
class TThread1 : public QThread {
    Q_OBJECT
public:
    TThread1(const SearchCriteria& criteria, TFindFileForm* form,
             std::shared_ptr<HandoverChannel> channel);

    void requestStop() { m_run.requestStop(); }

protected:
    void run() override; // Execute

private:
    TFindFileForm* m_form;
    std::shared_ptr<HandoverChannel> m_channel;
    WindowReporter m_reporter;
    SearchRun m_run;
};
