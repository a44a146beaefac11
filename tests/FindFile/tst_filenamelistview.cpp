#include "FileNameListView.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

namespace {
FoundFile File(const QString& name, const QString& path) {
    FoundFile f;
    f.Name = name;
    f.Path = path;
    f.Size = QStringLiteral("1 KB");
    f.SizeRaw = 1000;
    f.DateModified = QStringLiteral("1/2/2020 1:04:05 PM");
    f.DateModifiedRaw = 43832.54;
    f.Type = QStringLiteral("GEDCOM 5.5.1 (Not 5.5)");
    f.Program = QStringLiteral("PAF 5.2.18.0");
    f.Dest = QStringLiteral("PAF");
    f.Char = QStringLiteral("ANSEL");
    f.BOM = QStringLiteral("---");
    return f;
}
// Shows the view at a size with room for a few rows and waits until it is on screen.
bool ShowOnScreen(FileNameListView& view) {
    view.resize(800, 300);
    view.show();
    return QTest::qWaitForWindowExposed(&view);
}
} // namespace

class TestFileNameListView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnsAsLaidOut();
    void rawColumnsNeverShown();
    void headerClickSortsAndMarks();
    void pressBelowLastRowKeepsFocus();
    void rightClickFocusesRow();
    void bulkModeSuspendsDrawing();
    void fitColumnToWidestCell();
    void screenshot();
};

void TestFileNameListView::columnsAsLaidOut() {
    FileNameList list;
    QAbstractItemModelTester tester(list.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    FileNameListView view(&list);
    view.setLogFileDateShown(true);
    const QStringList captions{"Name",
                               "Path",
                               "Size",
                               "SizeRaw",
                               "Date modified",
                               "DateModifiedRaw",
                               "Log File Date",
                               "Log File Date Raw",
                               "Type",
                               "Program",
                               "Dest",
                               "Char",
                               "BOM"};
    for (int c = 0; c < 13; ++c) {
        QCOMPARE(list.model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                 captions[c]);
        if (!ResultColumnLayouts()[size_t(c)].raw) // a hidden column has no width on screen
            QCOMPARE(view.columnWidth(c), view.scaled(ResultColumnLayouts()[size_t(c)].width));
    }
    QCOMPARE(view.horizontalHeader()->height(), view.scaled(19));
    QCOMPARE(view.verticalHeader()->defaultSectionSize(), view.scaled(18));
    QVERIFY(!view.horizontalHeader()->sectionsMovable());
    QCOMPARE(view.horizontalHeader()->maximumSectionSize(), 10000);
    QCOMPARE(view.selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
    list.AddResultRow(File("a&b.ged", "/x/"));
    const auto align =
        Qt::Alignment(list.model()->data(list.model()->index(0, 2), Qt::TextAlignmentRole).toInt());
    QVERIFY(align & Qt::AlignRight);
    QCOMPARE(list.model()->data(list.model()->index(0, 0)).toString(), QStringLiteral("a&b.ged"));
    QCOMPARE(view.horizontalHeader()->sortIndicatorSection(), int(ResultColumn::Path));
    QCOMPARE(view.horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
}

void TestFileNameListView::rawColumnsNeverShown() {
    FileNameList list;
    FileNameListView view(&list);
    view.setLogFileDateShown(false);
    int shown = 0;
    for (int c = 0; c < 13; ++c)
        shown += view.isColumnHidden(c) ? 0 : 1;
    QCOMPARE(shown, 9);
    for (ResultColumn raw :
         {ResultColumn::SizeRaw, ResultColumn::DateModifiedRaw, ResultColumn::LogFileDateRaw})
        QVERIFY(view.isColumnHidden(int(raw)));
    QVERIFY(view.isColumnHidden(int(ResultColumn::LogFileDate)));
    view.setLogFileDateShown(true);
    QVERIFY(!view.isColumnHidden(int(ResultColumn::LogFileDate)));
}

void TestFileNameListView::headerClickSortsAndMarks() {
    FileNameList list;
    FileNameListView view(&list);
    QVERIFY(ShowOnScreen(view));
    list.AddResultRow(File("b.ged", "/1/"));
    list.AddResultRow(File("a.ged", "/2/"));
    QHeaderView* header = view.horizontalHeader();
    const int x = header->sectionViewportPosition(int(ResultColumn::Path)) + 20;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    QCOMPARE(header->sortIndicatorSection(), int(ResultColumn::Path));
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(list.cellText(0, ResultColumn::Name), QStringLiteral("a.ged"));
}

void TestFileNameListView::pressBelowLastRowKeepsFocus() {
    FileNameList list;
    FileNameListView view(&list);
    QVERIFY(ShowOnScreen(view));
    list.AddResultRow(File("a.ged", "/1/"));
    list.AddResultRow(File("b.ged", "/1/"));
    list.focusRow(1);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      QPoint(300, view.viewport()->height() - 5));
    QCOMPARE(*list.focusedRow(), 1);
}

void TestFileNameListView::rightClickFocusesRow() {
    FileNameList list;
    FileNameListView view(&list);
    QVERIFY(ShowOnScreen(view));
    list.AddResultRow(File("a.ged", "/1/"));
    list.AddResultRow(File("b.ged", "/1/"));
    list.focusRow(0);
    const int y = view.rowViewportPosition(1) + view.rowHeight(1) / 2;
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, QPoint(300, y));
    QCOMPARE(*list.focusedRow(), 1);
}

void TestFileNameListView::bulkModeSuspendsDrawing() {
    FileNameList list;
    FileNameListView view(&list);
    list.enterBulkUpdate();
    QVERIFY(!view.updatesEnabled());
    list.AddResultRow(File("a.ged", "/1/"));
    QCOMPARE(view.model()->rowCount(), 0);
    list.leaveBulkUpdate();
    QVERIFY(view.updatesEnabled());
    QCOMPARE(view.model()->rowCount(), 1);
}

void TestFileNameListView::fitColumnToWidestCell() {
    FileNameList list;
    FileNameListView view(&list);
    for (int i = 0; i < 3000; ++i)
        list.AddResultRow(File(QStringLiteral("f%1.ged").arg(i), QStringLiteral("/x/")));
    list.AddResultRow(File(QStringLiteral("a-very-long-file-name-far-down-the-table.ged"),
                           QStringLiteral("/x/")));
    view.resizeColumnToContents(0);
    const int wanted = view.fontMetrics().horizontalAdvance(
        QStringLiteral("a-very-long-file-name-far-down-the-table.ged"));
    QVERIFY(view.columnWidth(0) >= wanted);
}

void TestFileNameListView::screenshot() {
    // Writes a picture of the table when QUENDAL_SCREENSHOT_DIR names a folder.
    const QString dir = qEnvironmentVariable("QUENDAL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set QUENDAL_SCREENSHOT_DIR to write a screenshot");
    FileNameList list;
    FileNameListView view(&list);
    view.setLogFileDateShown(true);
    view.resize(900, 220);
    list.AddResultRow(File("smith.ged", "/home/anna/Family/"));
    list.AddResultRow(
        File("jones & co.ged", "/home/anna/Family/Archive/2019 and much older material/"));
    list.AddResultRow(File("tree10.ged", "/home/anna/Family/"));
    list.focusRow(0);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(view.grab().save(QDir(dir).filePath(QStringLiteral("result-table.png"))));
}

QTEST_MAIN(TestFileNameListView)
#include "tst_filenamelistview.moc"
