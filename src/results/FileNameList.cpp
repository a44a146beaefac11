#include "FileNameList.h"

#include "NativeFile.h"
#include "NaturalCompare.h"
#include "SortKeys.h"

#include <vector>

FileNameList::FileNameList(QObject* parent) : QObject(parent), m_selection(&m_model) {
    m_marks[size_t(ColumnIndex(ResultColumn::Path))] = SortMark::Ascend; // shown, not applied
    m_numberLocaleSource = QLocale();
    m_numberLocale = m_numberLocaleSource;
    m_numberLocale.setNumberOptions(QLocale::OmitGroupSeparator);
    m_focusNotice.setSingleShot(true);
    m_focusNotice.setInterval(kFocusNoticeDelayMs);
    connect(&m_focusNotice, &QTimer::timeout, this, &FileNameList::FileNameListItemFocused);
    // Every change of the focused row restarts the wait, so a held arrow key gives one notice.
    connect(&m_selection, &QItemSelectionModel::currentRowChanged, this,
            [this] { m_focusNotice.start(); });
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] { m_focusNotice.start(); });
}

void FileNameList::clearRows() {
    m_model.clearRows();
}

void FileNameList::enterBulkUpdate() {
    if (m_bulkCount++ == 0) {
        refreshNumberLocale();
        Q_EMIT bulkUpdateEntered();
    }
}

void FileNameList::leaveBulkUpdate() {
    if (m_bulkCount == 0)
        return;
    if (--m_bulkCount == 0) {
        m_model.announcePendingRows();
        Q_EMIT bulkUpdateLeft();
    }
}

void FileNameList::refreshNumberLocale() {
    const QLocale current;
    if (current != m_numberLocaleSource) {
        m_numberLocaleSource = current;
        m_numberLocale = current;
        m_numberLocale.setNumberOptions(QLocale::OmitGroupSeparator);
    }
}

void FileNameList::AddResultRow(const FoundFile& file) {
    // The locale is looked up once per bulk of rows, not for each of them.
    if (m_bulkCount == 0)
        refreshNumberLocale();
    m_model.appendRow(RowFromFoundFile(file, m_numberLocale), m_bulkCount == 0);
}

void FileNameList::AddResultRows(std::vector<FileNameListModel::Row>&& rows) {
    for (FileNameListModel::Row& row : rows)
        m_model.appendRow(std::move(row), false);
    rows.clear();
    if (m_bulkCount == 0)
        m_model.announcePendingRows();
}

void FileNameList::focusRow(std::optional<int> row) {
    if (!row || *row < 0 || *row >= rowCount()) {
        m_selection.clear();
        return;
    }
    m_model.announcePendingRows();
    m_selection.setCurrentIndex(m_model.index(*row, 0),
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::optional<int> FileNameList::focusedRow() const {
    const QModelIndex current = m_selection.currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return current.row();
}

void FileNameList::setCellText(int row, ResultColumn column, const QString& text) {
    m_model.setCellText(row, column, text);
}

std::optional<int> FileNameList::rowAt(int position) const {
    if (position < 0 || position >= rowCount())
        return std::nullopt;
    return position;
}

void FileNameList::makeVisible(int row) {
    if (inBulkUpdate() || !m_viewport || m_viewport->isRowOnScreen(row))
        return;
    m_viewport->scrollRowToTop(row);
}

void FileNameList::FileNameListItemFocused() {
    const std::optional<int> row = focusedRow();
    if (!row || !m_target)
        return;
    const QString full = cellText(*row, ResultColumn::Path) + cellText(*row, ResultColumn::Name);
    const bool open = StatPath(full).isFile;
    const bool logFile = cellText(*row, ResultColumn::LogFileDateRaw) != QLatin1String("0");
    m_target->setFileActionsEnabled(open, open, logFile);
}

void FileNameList::FileNameListDblClick() {
    if (m_target)
        m_target->runOpen();
}

int FileNameList::FileNameListCompareItems(int item1, int item2) const {
    int result = 0;
    for (const SortKey& key : SortKeysFor(m_sortColumn)) {
        const QString& a = cellText(item1, key.column);
        const QString& b = cellText(item2, key.column);
        if (key.kind == KeyKind::Natural) {
            result = NaturalCompare(a, b);
        } else {
            const QLocale locale;
            const double x = RawCellNumber(a, locale), y = RawCellNumber(b, locale);
            result = x < y ? -1 : (x > y ? 1 : 0);
        }
        if (result != 0)
            break;
    }
    return result;
}

void FileNameList::headerClick(int column) {
    if (column < 0 || column >= kResultColumnCount || ResultColumnLayouts()[size_t(column)].raw)
        return;
    const SortMark mark =
        m_marks[size_t(column)] == SortMark::Ascend ? SortMark::Descend : SortMark::Ascend;
    m_marks.fill(SortMark::None);
    m_marks[size_t(column)] = mark;
    m_sortColumn = column;
    Q_EMIT sortMarksChanged();

    enterBulkUpdate();
    // The same comparison as FileNameListCompareItems, with every key read once per sort.
    const std::vector<SortKey> keys = SortKeysFor(m_sortColumn);
    SortKeyCache cache(m_model);
    const bool descending = mark == SortMark::Descend;
    m_model.reorder([&](int a, int b) {
        int r = 0;
        for (const SortKey& key : keys)
            if ((r = cache.compare(a, b, key)) != 0)
                break;
        return descending ? r > 0 : r < 0;
    });
    FileNameListSortEnd();
    leaveBulkUpdate();
}

void FileNameList::FileNameListSortEnd() {
    const std::optional<int> focused = focusedRow();
    if (!focused)
        return;
    const bool leftBulk = inBulkUpdate();
    if (leftBulk)
        leaveBulkUpdate();
    const int p = position(*focused);
    int t = p;
    if (t > 0)
        --t;
    if (t > 0)
        --t;
    if (const std::optional<int> row = rowAt(t))
        makeVisible(*row);
    if (leftBulk)
        enterBulkUpdate();
}
