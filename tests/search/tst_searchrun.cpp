#include "FixtureTree.h"
#include "RecordingReporter.h"
#include "SearchRun.h"

#include <QTest>

class TestSearchRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statusLines_data();
    void statusLines();
    void handOverOrder();
    void quickRunShowsNoProgress();
    void progressEveryMoreThan250ms();
    void contentCountsAndFinalLine();
    void missingLookInEndsNormally();
    void recentList_data();
    void recentList();
};

void TestSearchRun::statusLines_data() {
    QTest::addColumn<int>("found");
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("folders");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("progress");
    QTest::addColumn<QString>("final");
    QTest::newRow("no text") << -1 << 1 << 1 << false
                             << "Searching (1 file found in 1 folder) ... /fam/smith.ged"
                             << "Search ended (1 file found in 1 folder)";
    QTest::newRow("text") << 2 << 7 << 3 << false
                          << "Searching (2 out of 7 files found in 3 folders) ... /fam/smith.ged"
                          << "Search ended (2 out of 7 files found in 3 folders)";
    QTest::newRow("no text stopped")
        << -1 << 0 << 2 << true << "Searching (0 files found in 2 folders) ... /fam/smith.ged"
        << "Search cancelled (0 files found in 2 folders)";
    QTest::newRow("text stopped")
        << 0 << 4 << 2 << true
        << "Searching (0 out of 4 files found in 2 folders) ... /fam/smith.ged"
        << "Search cancelled (0 out of 4 files found in 2 folders)";
}

void TestSearchRun::statusLines() {
    QFETCH(int, found);
    QFETCH(int, files);
    QFETCH(int, folders);
    QFETCH(bool, stopped);
    RunState state;
    state.foundCounter = found;
    state.fileCounter = files;
    state.folderCounter = folders;
    state.stopRequested = stopped;
    state.currentFolder = QStringLiteral("/fam/");
    state.currentFileName = QStringLiteral("smith.ged");
    QTEST(ProgressLine(state), "progress");
    QTEST(FinalStatusLine(state), "final");
}

void TestSearchRun::handOverOrder() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    SearchCriteria c;
    c.TypeText = QStringLiteral("GEDCOM Files (*.ged)");
    c.LookIn = tree.root();
    RecordingReporter reporter;
    SearchRun run(c, reporter, [] { return qint64(0); });
    run.execute();
    QCOMPARE(reporter.calls,
             (QStringList{"clear", "enter", "row a.ged", "leave", "final", "recent", "focus"}));
}

void TestSearchRun::quickRunShowsNoProgress() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    SearchCriteria c;
    c.TypeText = QStringLiteral("GEDCOM Files (*.ged)");
    c.LookIn = tree.root();
    qint64 now = 0;
    RecordingReporter reporter;
    // The run starts at 0 and everything after happens at 250 ms: exactly 250 is not more.
    SearchRun run(c, reporter, [&] { return std::exchange(now, qint64(250)); });
    run.execute();
    QVERIFY(reporter.progressLines.isEmpty());
}

void TestSearchRun::progressEveryMoreThan250ms() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    tree.write("b.ged", Ged55());
    SearchCriteria c;
    c.TypeText = QStringLiteral("GEDCOM Files (*.ged)");
    c.LookIn = tree.root();
    c.ContainingText = QStringLiteral("HEAD");
    qint64 now = 0;
    RecordingReporter reporter;
    SearchRun run(c, reporter, [&] { return now += 251; });
    run.execute();
    // On entering the folder, then after each of the two files.
    QCOMPARE(reporter.progressLines.size(), 3);
    QCOMPARE(reporter.progressLines[0],
             QStringLiteral("Searching (0 out of 0 files found in 0 folders) ... ") + tree.root());
    QVERIFY(reporter.progressLines[2].startsWith(
        QStringLiteral("Searching (2 out of 2 files found in 1 folder) ... ") + tree.root()));
    QVERIFY(reporter.progressLines[2].endsWith(QLatin1String(".ged")));
}

void TestSearchRun::contentCountsAndFinalLine() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    tree.write("b.ged", Ged55());
    tree.write("sub/c.ged", Ged55());
    tree.write("sub/d.ged", Ged55());
    SearchCriteria c;
    c.TypeText = QStringLiteral("GEDCOM Files (*.ged)");
    c.LookIn = tree.root();
    c.ContainingText = QStringLiteral("nowhere");
    RecordingReporter reporter;
    SearchRun run(c, reporter);
    run.execute();
    QCOMPARE(reporter.finalLine,
             QStringLiteral("Search ended (0 out of 4 files found in 2 folders)"));
    for (const QString& line : reporter.progressLines)
        QVERIFY(line.contains(QLatin1String(" out of ")));
}

void TestSearchRun::missingLookInEndsNormally() {
    SearchCriteria c;
    c.TypeText = QStringLiteral("GEDCOM Files (*.ged)");
    c.LookIn = QStringLiteral("/no/such/folder/");
    RecordingReporter reporter;
    SearchRun run(c, reporter);
    run.execute();
    QCOMPARE(reporter.finalLine, QStringLiteral("Search ended (0 files found in 1 folder)"));
}

void TestSearchRun::recentList_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after");
    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten << QStringLiteral("e%1").arg(i);
    QStringList tenAfter = ten;
    tenAfter.prepend(QStringLiteral("new"));
    tenAfter.removeLast();
    QTest::newRow("empty list") << QStringList{} << "a" << QStringList{"a"};
    QTest::newRow("new on top") << QStringList{"a", "b"} << "c" << QStringList{"c", "a", "b"};
    QTest::newRow("known moves up")
        << QStringList{"a", "b", "c"} << "c" << QStringList{"c", "a", "b"};
    QTest::newRow("case change") << QStringList{"x", "smith"} << "SMITH"
                                 << QStringList{"SMITH", "x"};
    QTest::newRow("ten and a new one") << ten << "new" << tenAfter;
    QTest::newRow("ten and a known one") << ten << "e10" << (QStringList{"e10"} + ten.mid(0, 9));
    QTest::newRow("blanks only") << QStringList{"a"} << "   " << QStringList{"a"};
    QTest::newRow("empty text") << QStringList{"a"} << "" << QStringList{"a"};
    QTest::newRow("leading blank differs")
        << QStringList{"smith"} << " smith" << QStringList{" smith", "smith"};
    QTest::newRow("already first") << QStringList{"a", "b"} << "a" << QStringList{"a", "b"};
}

void TestSearchRun::recentList() {
    QFETCH(QStringList, before);
    QFETCH(QString, text);
    UpdateRecentList(before, text);
    QTEST(before, "after");
}

QTEST_GUILESS_MAIN(TestSearchRun)
#include "tst_searchrun.moc"
