#include "TThread1.h"

#include "TFindFileForm.h"

#include <QCoreApplication>

TThread1::TThread1(const SearchCriteria& criteria, TFindFileForm* form,
                   std::shared_ptr<HandoverChannel> channel)
    : m_form(form), m_channel(std::move(channel)), m_reporter(form, *m_channel),
      m_run(criteria, m_reporter) {}

void TThread1::run() {
    m_run.execute();
    // The last act: the completion notice, unless the window has already let go of the run.
    if (!m_channel->abandoned())
        QCoreApplication::postEvent(m_form, new CompletionNotice(QThread::currentThreadId()));
}

WindowReporter::WindowReporter(TFindFileForm* form, HandoverChannel& channel)
    : m_form(form), m_channel(channel) {
    m_numberLocale.setNumberOptions(QLocale::OmitGroupSeparator);
}

void WindowReporter::handOverRows() {
    m_form->FileNameListLogic->AddResultRows(std::move(m_rows));
    m_rows.clear();
}

void WindowReporter::clearRows() {
    m_channel.run([this] { m_form->FileNameListLogic->clearRows(); });
}

void WindowReporter::enterBulkUpdate() {
    m_channel.run([this] { m_form->FileNameListLogic->enterBulkUpdate(); });
}

void WindowReporter::leaveBulkUpdate() {
    m_channel.run([this] {
        handOverRows();
        m_form->FileNameListLogic->leaveBulkUpdate();
    });
    m_rows.clear(); // not handed over when the window has gone
}

void WindowReporter::addRow(const FoundFile& row) {
    // The texts of the row are made here, so the window only has to take them.
    m_rows.push_back(RowFromFoundFile(row, m_numberLocale));
}

void WindowReporter::showProgress(const QString& line) {
    m_channel.run([this, &line] {
        handOverRows();
        m_form->StatusBar1->setText(line);
        ::FileNameList* list = m_form->FileNameListLogic;
        list->leaveBulkUpdate();
        m_form->FileNameList->viewport()->repaint();
        list->enterBulkUpdate();
    });
    m_rows.clear();
}

void WindowReporter::showFinalStatus(const QString& line) {
    m_channel.run([this, &line] { m_form->StatusBar1->setText(line); });
}

void WindowReporter::updateRecentLists() {
    m_channel.run([this] { m_form->updateRecentLists(); });
}

void WindowReporter::focusFirstRow() {
    m_channel.run([this] { m_form->focusFirstRowAndTabOn(); });
}
