#include "FileNameList.h"

#include "NativeFile.h"
#include "NaturalCompare.h"

#include <vector>

FileNameList::FileNameList(QObject* parent)
    : QObject(parent), m_selection(&m_model)
{
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

void FileNameList::clearRows()
{
    m_model.clearRows();
}

void FileNameList::enterBulkUpdate()
{
    if (m_bulkCount++ == 0)
        Q_EMIT bulkUpdateEntered();
}

void FileNameList::leaveBulkUpdate()
{
    if (m_bulkCount == 0)
        return;
    if (--m_bulkCount == 0) {
        m_model.announcePendingRows();
        Q_EMIT bulkUpdateLeft();
    }
}

void FileNameList::AddResultRow(const FoundFile& file)
{
    const QLocale current; // tests and users may change the default between rows
    if (current != m_numberLocaleSource) {
        m_numberLocaleSource = current;
        m_numberLocale = current;
        m_numberLocale.setNumberOptions(QLocale::OmitGroupSeparator);
    }
    m_model.appendRow(RowFromFoundFile(file, m_numberLocale), m_bulkCount == 0);
}

void FileNameList::focusRow(std::optional<int> row)
{
    if (!row || *row < 0 || *row >= rowCount()) {
        m_selection.clear();
        return;
    }
    m_model.announcePendingRows();
    m_selection.setCurrentIndex(m_model.index(*row, 0),
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::optional<int> FileNameList::focusedRow() const
{
    const QModelIndex current = m_selection.currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return current.row();
}

void FileNameList::setCellText(int row, ResultColumn column, const QString& text)
{
    m_model.setCellText(row, column, text);
}

std::optional<int> FileNameList::rowAt(int position) const
{
    if (position < 0 || position >= rowCount())
        return std::nullopt;
    return position;
}

void FileNameList::makeVisible(int row)
{
    if (inBulkUpdate() || !m_viewport || m_viewport->isRowOnScreen(row))
        return;
    m_viewport->scrollRowToTop(row);
}

void FileNameList::FileNameListItemFocused()
{
    const std::optional<int> row = focusedRow();
    if (!row || !m_target)
        return;
    const QString full = cellText(*row, ResultColumn::Path) + cellText(*row, ResultColumn::Name);
    const bool open = StatPath(full).isFile;
    const bool logFile = cellText(*row, ResultColumn::LogFileDateRaw) != QLatin1String("0");
    m_target->setFileActionsEnabled(open, open, logFile);
}

void FileNameList::FileNameListDblClick()
{
    if (m_target)
        m_target->runOpen();
}

namespace {
// The number a raw cell stands for, in the locale it was written in (or plain C form).
double RawNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    return ok ? value : QLocale::c().toDouble(text);
}

int Sign(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }
} // namespace

int FileNameList::FileNameListCompareItems(int item1, int item2) const
{
    auto natural = [&](ResultColumn c) {
        return NaturalCompare(cellText(item1, c), cellText(item2, c));
    };
    auto numeric = [&](ResultColumn c) {
        if (!m_sortNumbers.empty()) // read once per sort, not once per comparison
            return Sign(m_sortNumbers[size_t(item1)], m_sortNumbers[size_t(item2)]);
        return Sign(RawNumber(cellText(item1, c)), RawNumber(cellText(item2, c)));
    };
    int result = 0;
    switch (ResultColumn(m_sortColumn)) {
    case ResultColumn::Path:
        result = natural(ResultColumn::Path);
        break;
    case ResultColumn::Size:
        result = numeric(ResultColumn::SizeRaw);
        break;
    case ResultColumn::DateModified:
        result = numeric(ResultColumn::DateModifiedRaw);
        break;
    case ResultColumn::LogFileDate:
        result = numeric(ResultColumn::LogFileDateRaw);
        break;
    case ResultColumn::Type:
        result = natural(ResultColumn::Type);
        if (result == 0)
            result = natural(ResultColumn::LogFileDateRaw); // as texts, not numbers
        break;
    case ResultColumn::Program:
        result = natural(ResultColumn::Program);
        if (result == 0)
            result = natural(ResultColumn::Dest);
        break;
    case ResultColumn::Dest:
        result = natural(ResultColumn::Dest);
        if (result == 0)
            result = natural(ResultColumn::Program);
        break;
    case ResultColumn::Char:
        result = natural(ResultColumn::Char);
        if (result == 0)
            result = natural(ResultColumn::BOM);
        break;
    case ResultColumn::BOM:
        result = natural(ResultColumn::BOM);
        if (result == 0)
            result = natural(ResultColumn::Char);
        break;
    default: // "Name" has no key of its own; the raw columns are never sort columns
        break;
    }
    if (result == 0)
        result = natural(ResultColumn::Name);
    if (result == 0)
        result = natural(ResultColumn::Path);
    return result;
}

void FileNameList::headerClick(int column)
{
    if (column < 0 || column >= kResultColumnCount || ResultColumnSpecs()[size_t(column)].raw)
        return;
    const SortMark mark =
        m_marks[size_t(column)] == SortMark::Ascend ? SortMark::Descend : SortMark::Ascend;
    m_marks.fill(SortMark::None);
    m_marks[size_t(column)] = mark;
    m_sortColumn = column;
    Q_EMIT sortMarksChanged();

    enterBulkUpdate();
    std::optional<ResultColumn> rawKey;
    switch (ResultColumn(column)) {
    case ResultColumn::Size: rawKey = ResultColumn::SizeRaw; break;
    case ResultColumn::DateModified: rawKey = ResultColumn::DateModifiedRaw; break;
    case ResultColumn::LogFileDate: rawKey = ResultColumn::LogFileDateRaw; break;
    default: break;
    }
    if (rawKey) {
        m_sortNumbers.resize(size_t(rowCount()));
        for (int r = 0; r < rowCount(); ++r)
            m_sortNumbers[size_t(r)] = RawNumber(cellText(r, *rawKey));
    }
    const bool descending = mark == SortMark::Descend;
    m_model.reorder([this, descending](int a, int b) {
        const int r = FileNameListCompareItems(a, b);
        return descending ? r > 0 : r < 0;
    });
    m_sortNumbers.clear();
    FileNameListSortEnd();
    leaveBulkUpdate();
}

void FileNameList::FileNameListSortEnd()
{
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
