#include "FileNameListModel.h"

#include "NumberText.h"

#include <algorithm>
#include <numeric>

FileNameListModel::FileNameListModel(QObject* parent) : QAbstractTableModel(parent) {}

int FileNameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_announced;
}

int FileNameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kResultColumnCount;
}

QVariant FileNameListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return m_rows[size_t(index.row())][size_t(index.column())];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ResultColumnLayouts()[size_t(index.column())].alignment |
                                   Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant FileNameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kResultColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(ResultColumnLayouts()[size_t(section)].caption);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ResultColumnLayouts()[size_t(section)].alignment |
                                   Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags FileNameListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void FileNameListModel::clearRows() {
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_announced = 0;
    endResetModel();
}

void FileNameListModel::appendRow(Row row, bool announce) {
    m_rows.push_back(std::move(row));
    if (announce)
        announcePendingRows();
}

void FileNameListModel::announcePendingRows() {
    const int stored = storedRowCount();
    if (stored == m_announced)
        return;
    beginInsertRows({}, m_announced, stored - 1);
    m_announced = stored;
    endInsertRows();
}

const QString& FileNameListModel::cellText(int row, ResultColumn column) const {
    return m_rows[size_t(row)][size_t(ColumnIndex(column))];
}

void FileNameListModel::setCellText(int row, ResultColumn column, const QString& text) {
    m_rows[size_t(row)][size_t(ColumnIndex(column))] = text;
    if (row < m_announced) {
        const QModelIndex cell = index(row, ColumnIndex(column));
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
    }
}

void FileNameListModel::reorder(const std::function<bool(int, int)>& lessThan) {
    announcePendingRows();
    const int n = storedRowCount();
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), lessThan);

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Rows move along the cycles of the permutation, in place: no second copy of the table.
    std::vector<int> newPosition(static_cast<size_t>(n));
    for (int p = 0; p < n; ++p)
        newPosition[size_t(order[size_t(p)])] = p;
    std::vector<bool> placed(static_cast<size_t>(n), false);
    for (int start = 0; start < n; ++start) {
        if (placed[size_t(start)])
            continue;
        // Position start receives row order[start], whose place receives order[that], ...
        Row carried = std::move(m_rows[size_t(start)]);
        int p = start;
        while (order[size_t(p)] != start) {
            m_rows[size_t(p)] = std::move(m_rows[size_t(order[size_t(p)])]);
            placed[size_t(p)] = true;
            p = order[size_t(p)];
        }
        m_rows[size_t(p)] = std::move(carried);
        placed[size_t(p)] = true;
    }
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after << index(newPosition[size_t(old.row())], old.column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

FileNameListModel::Row RowFromFoundFile(const FoundFile& f, const QLocale& locale) {
    return {f.Name,         f.Path,
            f.Size,         PlainNumberText(f.SizeRaw),
            f.DateModified, GeneralNumberText(f.DateModifiedRaw, locale),
            f.LogFileDate,  GeneralNumberText(f.LogFileDateRaw, locale),
            f.Type,         f.Program,
            f.Dest,         f.Char,
            f.BOM};
}
