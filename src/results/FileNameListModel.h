#pragma once

#include "FoundFile.h"
#include "ResultColumns.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <array>
#include <functional>
#include <vector>

// The rows of the result table: thirteen cell texts each and nothing else. Rows appended while
// publishing is held back are kept but announced to views only when release() is called, so a
// bulk of rows costs one insertion, not one per row.
class FileNameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Row = std::array<QString, kResultColumnCount>;

    explicit FileNameListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void clearRows();
    void appendRow(Row row, bool announce);
    void announcePendingRows();
    int storedRowCount() const { return int(m_rows.size()); }

    const QString& cellText(int row, ResultColumn column) const;
    void setCellText(int row, ResultColumn column, const QString& text);

    // Reorders the rows by lessThan over row indexes; views keep their current row.
    void reorder(const std::function<bool(int, int)>& lessThan);

private:
    std::vector<Row> m_rows;
    int m_announced = 0; // rows that views know of
};

// The cell texts of a found file; number texts use the locale's decimal separator.
FileNameListModel::Row RowFromFoundFile(const FoundFile& file, const QLocale& locale = QLocale());
