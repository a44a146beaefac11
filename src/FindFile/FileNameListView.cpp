#include "FileNameListView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {
// Cells without the dotted focus rectangle: the whole row shows the selection.
class NoFocusRectDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

constexpr int kHeaderHeight = 19;
constexpr int kRowHeight = 18;
constexpr int kCellMargin = 8; // text margins of a cell, both sides together
} // namespace

FileNameListView::FileNameListView(FileNameList* list, QWidget* parent)
    : QTableView(parent), m_list(list), m_frozen(new QTableView(this)) {
    setObjectName(QStringLiteral("FileNameList"));
    list->setViewport(this);
    configure(this);
    configure(m_frozen);
    for (int c = 0; c < kResultColumnCount; ++c) {
        const ResultColumnLayout& layout = ResultColumnLayouts()[size_t(c)];
        setColumnWidth(c, scaled(layout.width));
        setColumnHidden(c, layout.raw);
        m_frozen->setColumnHidden(c, c != ColumnIndex(ResultColumn::Name));
    }
    m_frozen->setColumnWidth(0, columnWidth(0));

    // The frozen view lies over the table's first column and moves with it vertically.
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setFrameShape(QFrame::NoFrame);
    viewport()->stackUnder(m_frozen);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (section == 0) {
                    m_frozen->setColumnWidth(0, size);
                    updateFrozenGeometry();
                }
            });
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (section == 0 && columnWidth(0) != size)
                    setColumnWidth(0, size);
            });
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionHandleDoubleClicked, this,
            [this](int section) { resizeColumnToContents(section); });

    for (QTableView* view : {static_cast<QTableView*>(this), m_frozen}) {
        connect(view->horizontalHeader(), &QHeaderView::sectionClicked, m_list,
                &FileNameList::headerClick);
        connect(view, &QAbstractItemView::doubleClicked, m_list,
                [this] { m_list->FileNameListDblClick(); });
    }
    connect(m_list, &FileNameList::sortMarksChanged, this, &FileNameListView::showSortMarks);
    // No drawing and no layout while the table is in bulk-update mode.
    connect(m_list, &FileNameList::bulkUpdateEntered, this, [this] { setUpdatesEnabled(false); });
    connect(m_list, &FileNameList::bulkUpdateLeft, this, [this] {
        setUpdatesEnabled(true);
        viewport()->update();
        m_frozen->viewport()->update();
    });
    showSortMarks();
    updateFrozenGeometry();
}

void FileNameListView::configure(QTableView* view) {
    view->setModel(m_list->model());
    view->setSelectionModel(m_list->selectionModel());
    view->setItemDelegate(new NoFocusRectDelegate(view));
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideRight);
    view->setShowGrid(false);
    view->setCornerButtonEnabled(false);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setMinimumSectionSize(1);
    view->verticalHeader()->setDefaultSectionSize(scaled(kRowHeight));
    QHeaderView* header = view->horizontalHeader();
    header->setFixedHeight(scaled(kHeaderHeight));
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(0);
    header->setMaximumSectionSize(10000);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setSortIndicatorShown(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

int FileNameListView::scaled(int pixels) const {
    return qRound(pixels * logicalDpiY() / 96.0);
}

void FileNameListView::setLogFileDateShown(bool shown) {
    setColumnHidden(ColumnIndex(ResultColumn::LogFileDate), !shown);
}

void FileNameListView::showSortMarks() {
    for (QTableView* view : {static_cast<QTableView*>(this), m_frozen}) {
        QHeaderView* header = view->horizontalHeader();
        const int column = m_list->sortColumn();
        const SortMark mark = m_list->sortMark(column);
        if (mark == SortMark::None)
            header->setSortIndicator(-1, Qt::AscendingOrder);
        else
            header->setSortIndicator(column, mark == SortMark::Ascend ? Qt::AscendingOrder
                                                                      : Qt::DescendingOrder);
    }
}

bool FileNameListView::isRowOnScreen(int position) const {
    const int top = rowViewportPosition(position);
    return top >= 0 && top + rowHeight(position) <= viewport()->height();
}

void FileNameListView::scrollRowToTop(int position) {
    verticalScrollBar()->setValue(position); // per-item scrolling: the value is the top row
}

void FileNameListView::mousePressEvent(QMouseEvent* event) {
    // A press in the empty space below the last row leaves the focused row as it is.
    if (!indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void FileNameListView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

void FileNameListView::updateGeometries() {
    QTableView::updateGeometries();
    updateFrozenGeometry();
}

void FileNameListView::updateFrozenGeometry() {
    if (!m_frozen)
        return;
    m_frozen->setGeometry(frameWidth(), frameWidth(), columnWidth(0),
                          viewport()->height() + horizontalHeader()->height());
}

int FileNameListView::sizeHintForColumn(int column) const {
    // The widest text of all the column's cells, not only of the rows on screen.
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int r = 0; r < m_list->rowCount(); ++r)
        widest = qMax(widest, metrics.horizontalAdvance(m_list->cellText(r, ResultColumn(column))));
    return widest + kCellMargin +
           2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this);
}
