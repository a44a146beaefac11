#pragma once

#include "FileNameListModel.h"
#include "ResultColumns.h"

#include <QItemSelectionModel>
#include <QLocale>
#include <QObject>
#include <QTimer>
#include <optional>
#include <vector>

// What the table needs of the window: the enabled states of the file actions (each button and
// then its menu item) and the Open command.
class FileActionsTarget {
public:
    virtual ~FileActionsTarget() = default;
    virtual void setFileActionsEnabled(bool open, bool view, bool logFile) = 0;
    virtual void runOpen() = 0;
};

// What the table needs of its view on screen.
class RowViewport {
public:
    virtual ~RowViewport() = default;
    virtual bool isRowOnScreen(int position) const = 0;
    virtual void scrollRowToTop(int position) = 0;
};

enum class SortMark { None, Ascend, Descend };

// The result table without its widgets: rows, bulk-update mode, the focused row and its
// notice, and sorting by a header click. Lives on the UI thread.
class FileNameList : public QObject {
    Q_OBJECT
public:
    explicit FileNameList(QObject* parent = nullptr);

    FileNameListModel* model() { return &m_model; }
    QItemSelectionModel* selectionModel() { return &m_selection; }
    void setFileActionsTarget(FileActionsTarget* target) { m_target = target; }
    void setViewport(RowViewport* viewport) { m_viewport = viewport; }

    // Operations the other parts of the program call.
    void clearRows();
    void enterBulkUpdate();
    void leaveBulkUpdate();
    bool inBulkUpdate() const { return m_bulkCount > 0; }
    void AddResultRow(const FoundFile& file);
    // Rows whose cell texts were made beforehand (RowFromFoundFile), appended in order.
    void AddResultRows(std::vector<FileNameListModel::Row>&& rows);
    void focusRow(std::optional<int> row);
    std::optional<int> focusedRow() const;
    int rowCount() const { return m_model.storedRowCount(); }
    const QString& cellText(int row, ResultColumn column) const {
        return m_model.cellText(row, column);
    }
    void setCellText(int row, ResultColumn column, const QString& text);
    // Rows are addressed by their position in the current order.
    int position(int row) const { return row; }
    std::optional<int> rowAt(int position) const;
    void makeVisible(int row);

    // Sorting.
    void headerClick(int column);
    int sortColumn() const { return m_sortColumn; }
    SortMark sortMark(int column) const { return m_marks[size_t(column)]; }
    int FileNameListCompareItems(int item1, int item2) const;

    // Events.
    void FileNameListItemFocused();
    void FileNameListDblClick();

    static constexpr int kFocusNoticeDelayMs = 50;

Q_SIGNALS:
    void bulkUpdateEntered();
    void bulkUpdateLeft(); // the count is back to 0: lay out and repaint once
    void sortMarksChanged();

private:
    void FileNameListSortEnd();
    void refreshNumberLocale();

    FileNameListModel m_model;
    QItemSelectionModel m_selection;
    QTimer m_focusNotice;
    QLocale m_numberLocale;
    QLocale m_numberLocaleSource = QLocale::c();
    FileActionsTarget* m_target = nullptr;
    RowViewport* m_viewport = nullptr;
    int m_bulkCount = 0;
    int m_sortColumn = ColumnIndex(ResultColumn::Path);
    std::array<SortMark, kResultColumnCount> m_marks{};
};
