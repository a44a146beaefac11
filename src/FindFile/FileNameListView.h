#pragma once

#include "FileNameList.h"

#include <QTableView>

// The result table on screen: thirteen columns as laid out (three raw ones never shown), "Name"
// fixed at the left while the others scroll, one selected row at a time, read-only cells.
class FileNameListView : public QTableView, public RowViewport {
    Q_OBJECT
public:
    FileNameListView(FileNameList* list, QWidget* parent = nullptr);

    // "Log File Date" is shown or hidden once, at start-up.
    void setLogFileDateShown(bool shown);

    bool isRowOnScreen(int position) const override;
    void scrollRowToTop(int position) override;

    // Pixels at 96 dpi scaled to this screen.
    int scaled(int pixels) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    int sizeHintForColumn(int column) const override;

private:
    void configure(QTableView* view);
    void updateFrozenGeometry();
    void showSortMarks();

    FileNameList* m_list;
    QTableView* m_frozen; // the "Name" column, kept in place over the scrolling table
};
