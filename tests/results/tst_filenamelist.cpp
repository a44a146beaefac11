#include "FileNameList.h"
#include "FixtureTree.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {
class RecordingTarget : public FileActionsTarget {
public:
    int notices = 0;
    int opens = 0;
    bool open = false, view = false, logFile = false;
    void setFileActionsEnabled(bool o, bool v, bool l) override {
        ++notices;
        open = o;
        view = v;
        logFile = l;
    }
    void runOpen() override { ++opens; }
};

class RecordingViewport : public RowViewport {
public:
    int firstOnScreen = 0, rowsOnScreen = 10;
    QList<int> scrolledTo;
    bool isRowOnScreen(int p) const override {
        return p >= firstOnScreen && p < firstOnScreen + rowsOnScreen;
    }
    void scrollRowToTop(int p) override {
        scrolledTo << p;
        firstOnScreen = p;
    }
};

FoundFile File(const QString& name, const QString& path = QStringLiteral("/a/"), qint64 size = 1,
               double modified = 43831, double log = 0) {
    FoundFile f;
    f.Name = name;
    f.Path = path;
    f.SizeRaw = size;
    f.Size = QStringLiteral("1 KB");
    f.DateModifiedRaw = modified;
    f.LogFileDateRaw = log;
    f.Type = QStringLiteral("GEDCOM 5.5");
    f.Program = f.Dest = f.Char = f.BOM = QStringLiteral("---");
    return f;
}

QStringList Names(FileNameList& list) {
    QStringList names;
    for (int r = 0; r < list.rowCount(); ++r)
        names << list.cellText(r, ResultColumn::Name);
    return names;
}
} // namespace

class TestFileNameList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void numberTexts_data();
    void numberTexts();
    void bulkModeAnnouncesOnceAtZero();
    void compareRules_data();
    void compareRules();
    void headerClickMarks();
    void descendingReversesTieBreaks();
    void afterSortVisibleRow_data();
    void afterSortVisibleRow();
    void sortWithoutFocusScrollsNothing();
    void focusFollowsItsRowThroughSort();
    void rowsAfterSortStandAtEnd();
    void focusNoticeCoalesces();
    void enableRule();
    void doubleClickRunsOpen();
    void setCellTextKeepsPlace();
    void sortAgreesWithCompareItems_data();
    void sortAgreesWithCompareItems();

private:
    std::unique_ptr<FileNameList> m_list;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestFileNameList::init() {
    m_list = std::make_unique<FileNameList>();
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestFileNameList::cleanup() {
    m_tester.reset();
    m_list.reset();
    QLocale::setDefault(QLocale::c());
}

void TestFileNameList::numberTexts_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("en noon") << "en_US" << 43831.5 << "43831.5";
    QTest::newRow("de noon") << "de_DE" << 43831.5 << "43831,5";
    QTest::newRow("en midnight") << "en_US" << 43831.0 << "43831";
    QTest::newRow("de zero") << "de_DE" << 0.0 << "0";
    QTest::newRow("en fifteen digits") << "en_US" << 43831.123456789012 << "43831.1234567890";
}

void TestFileNameList::numberTexts() {
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    if (QTest::currentDataTag() == QByteArrayView("en fifteen digits"))
        text = QStringLiteral("43831.123456789"); // 15 significant digits, trailing zero dropped
    m_list->AddResultRow(File("a", "/a/", 1025, value, value));
    QCOMPARE(m_list->cellText(0, ResultColumn::SizeRaw), QStringLiteral("1025"));
    QCOMPARE(m_list->cellText(0, ResultColumn::DateModifiedRaw), text);
    QCOMPARE(m_list->cellText(0, ResultColumn::LogFileDateRaw), text);
}

void TestFileNameList::bulkModeAnnouncesOnceAtZero() {
    QSignalSpy inserted(m_list->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy left(m_list.get(), &FileNameList::bulkUpdateLeft);
    m_list->enterBulkUpdate();
    m_list->enterBulkUpdate();
    for (int i = 0; i < 5; ++i)
        m_list->AddResultRow(File(QString::number(i)));
    m_list->leaveBulkUpdate();
    QCOMPARE(m_list->model()->rowCount(), 0); // still held
    QCOMPARE(left.count(), 0);
    m_list->leaveBulkUpdate();
    QCOMPARE(m_list->model()->rowCount(), 5);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(left.count(), 1);
    m_list->leaveBulkUpdate(); // unbalanced leave is harmless
    QCOMPARE(left.count(), 1);
}

void TestFileNameList::compareRules_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>(
        "a"); // Name, Path, SizeRaw, DateRaw, LogRaw, Type, Program, Dest, Char, BOM
    QTest::addColumn<QStringList>("b");
    QTest::addColumn<int>("expected");
    auto row = [](const char* n, const char* p, const char* s, const char* d, const char* l,
                  const char* t, const char* pr, const char* de, const char* c,
                  const char* bo) { return QStringList{n, p, s, d, l, t, pr, de, c, bo}; };
    const QStringList base =
        row("a.ged", "/x/", "10", "43831", "0", "GEDCOM 5.5", "PAF", "X", "ANSEL", "---");
    QTest::newRow("name by tie-breaks")
        << 0 << base << row("b.ged", "/a/", "1", "1", "0", "A", "A", "A", "A", "A") << -1;
    QTest::newRow("name equal, path decides")
        << 0 << base << row("A.GED", "/a/", "1", "1", "0", "A", "A", "A", "A", "A") << 1;
    QTest::newRow("path natural") << 1 << row("z", "/tree2/", "", "", "0", "", "", "", "", "")
                                  << row("a", "/tree10/", "", "", "0", "", "", "", "", "") << -1;
    QTest::newRow("size numeric") << 2 << row("a", "/", "9", "0", "0", "", "", "", "", "")
                                  << row("a", "/", "10", "0", "0", "", "", "", "", "") << -1;
    QTest::newRow("size equal, name") << 2 << row("b", "/", "5", "0", "0", "", "", "", "", "")
                                      << row("a", "/", "5", "0", "0", "", "", "", "", "") << 1;
    QTest::newRow("date chronological")
        << 4 << row("a", "/", "0", "43831", "0", "", "", "", "", "")
        << row("a", "/", "0", "43830.9", "0", "", "", "", "", "") << 1;
    QTest::newRow("no log date first")
        << 6 << row("z", "/", "0", "0", "0", "", "", "", "", "")
        << row("a", "/", "0", "0", "43000", "", "", "", "", "") << -1;
    QTest::newRow("type then log text")
        << 8 << row("a", "/", "0", "0", "43831.5", "T", "", "", "", "")
        << row("a", "/", "0", "0", "0", "T", "", "", "", "") << 1;
    QTest::newRow("program then dest") << 9 << row("a", "/", "0", "0", "0", "", "P", "B", "", "")
                                       << row("b", "/", "0", "0", "0", "", "p", "A", "", "") << 1;
    QTest::newRow("dest then program") << 10 << row("a", "/", "0", "0", "0", "", "B", "D", "", "")
                                       << row("b", "/", "0", "0", "0", "", "A", "D", "", "") << 1;
    QTest::newRow("char then bom") << 11 << row("a", "/", "0", "0", "0", "", "", "", "UTF-8", "EF")
                                   << row("b", "/", "0", "0", "0", "", "", "", "UTF-8", "---") << 1;
    QTest::newRow("bom then char") << 12 << row("b", "/", "0", "0", "0", "", "", "", "A", "X")
                                   << row("a", "/", "0", "0", "0", "", "", "", "B", "X") << -1;
    QTest::newRow("all equal") << 8 << base << base << 0;
}

void TestFileNameList::compareRules() {
    QFETCH(int, column);
    QFETCH(QStringList, a);
    QFETCH(QStringList, b);
    QFETCH(int, expected);
    auto add = [&](const QStringList& c) {
        FoundFile f;
        f.Name = c[0];
        f.Path = c[1];
        f.SizeRaw = c[2].toLongLong();
        f.DateModifiedRaw = c[3].toDouble();
        f.LogFileDateRaw = c[4].toDouble();
        f.Type = c[5];
        f.Program = c[6];
        f.Dest = c[7];
        f.Char = c[8];
        f.BOM = c[9];
        m_list->AddResultRow(f);
    };
    // Make the column the sort column first: rows added afterwards stay in found order.
    m_list->headerClick(column);
    add(a);
    add(b);
    QCOMPARE(m_list->FileNameListCompareItems(0, 1), expected);
    QCOMPARE(m_list->FileNameListCompareItems(1, 0), -expected);
}

void TestFileNameList::headerClickMarks() {
    const int path = ColumnIndex(ResultColumn::Path), size = ColumnIndex(ResultColumn::Size);
    QCOMPARE(m_list->sortColumn(), path);
    QCOMPARE(m_list->sortMark(path), SortMark::Ascend);
    QCOMPARE(m_list->sortMark(size), SortMark::None);
    m_list->AddResultRow(File("a", "/1/"));
    m_list->AddResultRow(File("b", "/2/"));
    QCOMPARE(Names(*m_list), (QStringList{"a", "b"})); // nothing sorted at start
    m_list->headerClick(path);
    QCOMPARE(m_list->sortMark(path), SortMark::Descend);
    QCOMPARE(Names(*m_list), (QStringList{"b", "a"}));
    m_list->headerClick(path);
    QCOMPARE(m_list->sortMark(path), SortMark::Ascend);
    QCOMPARE(Names(*m_list), (QStringList{"a", "b"}));
    m_list->headerClick(size);
    QCOMPARE(m_list->sortMark(size), SortMark::Ascend);
    QCOMPARE(m_list->sortMark(path), SortMark::None);
    m_list->headerClick(ColumnIndex(ResultColumn::SizeRaw)); // never shown, never clicked
    QCOMPARE(m_list->sortColumn(), size);
}

void TestFileNameList::descendingReversesTieBreaks() {
    m_list->AddResultRow(File("b", "/1/", 5));
    m_list->AddResultRow(File("a", "/2/", 5));
    m_list->AddResultRow(File("a", "/1/", 5));
    m_list->AddResultRow(File("c", "/1/", 1));
    const int size = ColumnIndex(ResultColumn::Size);
    m_list->headerClick(size);
    QCOMPARE(Names(*m_list), (QStringList{"c", "a", "a", "b"}));
    QCOMPARE(m_list->cellText(1, ResultColumn::Path), QStringLiteral("/1/"));
    m_list->headerClick(size);
    QCOMPARE(Names(*m_list), (QStringList{"b", "a", "a", "c"}));
    QCOMPARE(m_list->cellText(1, ResultColumn::Path), QStringLiteral("/2/"));
}

void TestFileNameList::afterSortVisibleRow_data() {
    QTest::addColumn<int>("focusedAfterSort");
    QTest::addColumn<int>("madeVisible");
    QTest::newRow("at 0") << 0 << 0;
    QTest::newRow("at 1") << 1 << 0;
    QTest::newRow("at 2") << 2 << 0;
    QTest::newRow("further down") << 30 << 28;
}

void TestFileNameList::afterSortVisibleRow() {
    QFETCH(int, focusedAfterSort);
    QFETCH(int, madeVisible);
    RecordingViewport viewport;
    viewport.firstOnScreen = 40; // nothing of interest on screen
    m_list->setViewport(&viewport);
    for (int i = 0; i < 50; ++i)
        m_list->AddResultRow(File(QStringLiteral("f%1").arg(49 - i)));
    m_list->focusRow(49 - focusedAfterSort); // "f<n>" sorts to position n
    m_list->headerClick(ColumnIndex(ResultColumn::Name));
    QCOMPARE(*m_list->focusedRow(), focusedAfterSort);
    QCOMPARE(viewport.scrolledTo, QList<int>{madeVisible});
}

void TestFileNameList::sortWithoutFocusScrollsNothing() {
    RecordingViewport viewport;
    viewport.firstOnScreen = 40;
    m_list->setViewport(&viewport);
    m_list->AddResultRow(File("b"));
    m_list->AddResultRow(File("a"));
    m_list->headerClick(ColumnIndex(ResultColumn::Name));
    QCOMPARE(Names(*m_list), (QStringList{"a", "b"}));
    QVERIFY(viewport.scrolledTo.isEmpty());
    FileNameList empty;
    empty.headerClick(ColumnIndex(ResultColumn::Type));
    QCOMPARE(empty.sortMark(ColumnIndex(ResultColumn::Type)), SortMark::Ascend);
}

void TestFileNameList::focusFollowsItsRowThroughSort() {
    m_list->AddResultRow(File("c"));
    m_list->AddResultRow(File("a"));
    m_list->AddResultRow(File("b"));
    m_list->focusRow(0);
    m_list->headerClick(ColumnIndex(ResultColumn::Name));
    QCOMPARE(m_list->cellText(*m_list->focusedRow(), ResultColumn::Name), QStringLiteral("c"));
}

void TestFileNameList::rowsAfterSortStandAtEnd() {
    m_list->AddResultRow(File("b"));
    m_list->AddResultRow(File("a"));
    m_list->headerClick(ColumnIndex(ResultColumn::Name));
    m_list->enterBulkUpdate();
    m_list->AddResultRow(File("0"));
    m_list->leaveBulkUpdate();
    QCOMPARE(Names(*m_list), (QStringList{"a", "b", "0"}));
    QCOMPARE(m_list->sortMark(ColumnIndex(ResultColumn::Name)), SortMark::Ascend);
    m_list->clearRows();
    QCOMPARE(m_list->rowCount(), 0);
    QCOMPARE(m_list->sortMark(ColumnIndex(ResultColumn::Name)), SortMark::Ascend);
}

void TestFileNameList::focusNoticeCoalesces() {
    FixtureTree tree;
    tree.write("a.ged", "x");
    RecordingTarget target;
    m_list->setFileActionsTarget(&target);
    for (int i = 0; i < 5; ++i)
        m_list->AddResultRow(File(i == 4 ? "a.ged" : "gone.ged", tree.root()));
    for (int i = 0; i < 5; ++i) {
        m_list->focusRow(i); // quicker than 50 ms apart
        QTest::qWait(5);
    }
    QTRY_COMPARE(target.notices, 1);
    QTest::qWait(80);
    QCOMPARE(target.notices, 1);
    QVERIFY(target.open); // for the row reached last, whose file exists
}

void TestFileNameList::enableRule() {
    FixtureTree tree;
    tree.write("here.ged", "x");
    tree.mkdir("folder.ged");
    RecordingTarget target;
    m_list->setFileActionsTarget(&target);
    m_list->AddResultRow(File("here.ged", tree.root()));
    m_list->AddResultRow(File("deleted.ged", tree.root()));
    m_list->AddResultRow(File("gone.ged", tree.root(), 1, 43831, 43831.5));
    m_list->AddResultRow(File("folder.ged", tree.root()));
    struct Case {
        int row;
        bool open;
        bool log;
    };
    for (const Case c : {Case{0, true, false}, Case{1, false, false}, Case{2, false, true},
                         Case{3, false, false}}) {
        const int before = target.notices;
        m_list->focusRow(c.row);
        QTRY_COMPARE(target.notices, before + 1);
        QCOMPARE(target.open, c.open);
        QCOMPARE(target.view, c.open);
        QCOMPARE(target.logFile, c.log);
    }
    const int before = target.notices;
    m_list->clearRows(); // no focused row: nothing changes
    QTest::qWait(80);
    QCOMPARE(target.notices, before);
}

void TestFileNameList::doubleClickRunsOpen() {
    RecordingTarget target;
    m_list->setFileActionsTarget(&target);
    m_list->FileNameListDblClick();
    QCOMPARE(target.opens, 1);
}

void TestFileNameList::setCellTextKeepsPlace() {
    m_list->AddResultRow(File("b"));
    m_list->AddResultRow(File("a"));
    m_list->headerClick(ColumnIndex(ResultColumn::LogFileDate));
    m_list->setCellText(0, ResultColumn::LogFileDateRaw, QStringLiteral("99999"));
    QCOMPARE(Names(*m_list), (QStringList{"a", "b"}));
}

void TestFileNameList::sortAgreesWithCompareItems_data() {
    QTest::addColumn<int>("column");
    for (int c = 0; c < kResultColumnCount; ++c)
        if (!ResultColumnLayouts()[size_t(c)].raw)
            QTest::newRow(ResultColumnLayouts()[size_t(c)].caption) << c;
}

void TestFileNameList::sortAgreesWithCompareItems() {
    // Many ties and near-ties: the sort's cached keys must order as the comparison does.
    QFETCH(int, column);
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const QStringList names{"a1", "A01", "a10", "b", "B", "a2"};
    const QStringList texts{"GEDCOM 5.5", "gedcom 5.5", "GEDCOM 5.5.1", "---", ""};
    for (int i = 0; i < 120; ++i) {
        FoundFile f = File(names[i % 6], QStringLiteral("/p%1/").arg(i % 4), i % 3,
                           43831 + (i % 5) * 0.5, i % 2 ? 0 : 43000.25 + i % 3);
        f.Type = texts[i % 5];
        f.Program = texts[(i / 5) % 5];
        f.Dest = texts[(i / 2) % 5];
        f.Char = texts[(i / 3) % 5];
        f.BOM = texts[(i / 7) % 5];
        m_list->AddResultRow(f);
    }
    for (int click = 0; click < 2; ++click) {
        m_list->headerClick(column);
        const bool descending = m_list->sortMark(column) == SortMark::Descend;
        for (int r = 0; r + 1 < m_list->rowCount(); ++r) {
            const int c = m_list->FileNameListCompareItems(r, r + 1);
            QVERIFY2(descending ? c >= 0 : c <= 0,
                     qPrintable(QStringLiteral("rows %1 and %2").arg(r).arg(r + 1)));
        }
    }
}

QTEST_GUILESS_MAIN(TestFileNameList)
#include "tst_filenamelist.moc"
