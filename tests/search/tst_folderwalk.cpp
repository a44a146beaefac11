#include "DateTimeValue.h"
#include "FixtureTree.h"
#include "FolderWalk.h"
#include "RecordingReporter.h"
#include "SearchRun.h"
#include "SizeText.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QTest>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
struct RunResult {
    QStringList names;
    QList<FoundFile> rows;
    QString finalLine;
    int files = 0;
    int folders = 0;
    int found = 0;
};

RunResult Run(const SearchCriteria& criteria, std::function<void(SearchRun&)> onRow = {}) {
    RecordingReporter reporter;
    SearchRun run(criteria, reporter, [] { return qint64(0); });
    if (onRow)
        reporter.onRow = [&](const FoundFile&) { onRow(run); };
    run.execute();
    return {reporter.names(),          reporter.rows,
            reporter.finalLine,        run.state().fileCounter,
            run.state().folderCounter, run.state().foundCounter};
}

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}
} // namespace

class TestFolderWalk : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typeMasks_data();
    void typeMasks();
    void wildcard_data();
    void wildcard();
    void sizeText_data();
    void sizeText();
    void listingFacts();
    void tvxBeforeGed();
    void maskWithoutParenthesesListsNothing();
    void blankAfterCommaKeptInSecondMask();
    void exclusions();
    void hiddenFilesAndFolders();
    void specialFilesSkipped();
    void folderLinkLoopEnds();
    void fileLinkExaminedBrokenLinkSkipped();
    void nameFilter();
    void organizeFileRule();
    void candidateRuleUnderAllFiles();
    void noSubfolders();
    void stopMidWalk();
    void unreadableFileSkipped();
    void searchChangesNothing();
    void depthFirstOrder();
};

void TestFolderWalk::typeMasks_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("masks");
    QTest::addColumn<bool>("excludeGed");
    QTest::addColumn<bool>("excludeTvx");
    QTest::newRow("GEDCOM") << "GEDCOM Files (*.ged)" << QStringList{"*.ged"} << false << false;
    QTest::newRow("All") << "All Files (*.*)" << QStringList{"*.*"} << false << false;
    QTest::newRow("All except ged")
        << "All Files except *.ged" << QStringList{"*.*"} << true << false;
    QTest::newRow("Organize") << "Torvex Organize Files (*.tvx)" << QStringList{"*.tvx"} << false
                              << false;
    QTest::newRow("Torvex & GEDCOM")
        << "Torvex & GEDCOM Files (*.tvx,*.ged)" << QStringList{"*.tvx", "*.ged"} << false << false;
    QTest::newRow("All except tvx and ged")
        << "All Files except *.tvx and *.ged" << QStringList{"*.*"} << true << true;
    QTest::newRow("no parentheses") << "*.ged" << QStringList{} << false << false;
    QTest::newRow("blank after comma")
        << "x (*.ged, *.tvx)" << QStringList{"*.ged", " *.tvx"} << false << false;
    QTest::newRow("first mask trimmed")
        << "x ( *.ged ,*.tvx)" << QStringList{"*.ged", "*.tvx"} << false << false;
    QTest::newRow("no closing parenthesis") << "x (*.ged" << QStringList{"*.ged"} << false << false;
    QTest::newRow("stops at empty piece") << "x (*.a,,*.b)" << QStringList{"*.a"} << false << false;
    QTest::newRow("exclusion text exact case")
        << "all files except *.ged" << QStringList{} << false << false;
}

void TestFolderWalk::typeMasks() {
    QFETCH(QString, type);
    const TypeMasks m = DeriveTypeMasks(type);
    QTEST(m.masks, "masks");
    QTEST(m.excludeGed, "excludeGed");
    QTEST(m.excludeTvx, "excludeTvx");
}

void TestFolderWalk::wildcard_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("matches");
    QTest::newRow("ext") << "smith.ged"
                         << "*.ged" << true;
    QTest::newRow("ext any case") << "SMITH.GED"
                                  << "*.ged" << true;
    QTest::newRow("other ext") << "smith.ged.log"
                               << "*.ged" << false;
    QTest::newRow("star dot star no ext") << "README"
                                          << "*.*" << true;
    QTest::newRow("question") << "a1.ged"
                              << "a?.ged" << true;
    QTest::newRow("question needs one") << "a.ged"
                                        << "a?.ged" << false;
    QTest::newRow("leading blank mask") << "x.tvx"
                                        << " *.tvx" << false;
    QTest::newRow("leading blank name") << " x.tvx"
                                        << " *.tvx" << true;
    QTest::newRow("star in middle") << "tree-2020.ged"
                                    << "tree*.ged" << true;
    QTest::newRow("backtracking") << "a.ged.ged"
                                  << "*.ged" << true;
}

void TestFolderWalk::wildcard() {
    QFETCH(QString, name);
    QFETCH(QString, mask);
    QTEST(MatchesMask(name, mask), "matches");
}

void TestFolderWalk::sizeText_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << "0 KB";
    QTest::newRow("1") << qint64(1) << "1 KB";
    QTest::newRow("1024") << qint64(1024) << "1 KB";
    QTest::newRow("1025") << qint64(1025) << "2 KB";
    QTest::newRow("1 MiB") << qint64(1048576) << "1,024 KB";
    QTest::newRow("999 KB") << qint64(999 * 1024) << "999 KB";
    QTest::newRow("999,999 KB") << qint64(999999) * 1024 << "999,999 KB";
    QTest::newRow("1,000,000 KB") << qint64(1000000) * 1024 << "1,000,000 KB";
    QTest::newRow("ten digits") << qint64(1234567890) * 1024 << "1234,567,890 KB";
}

void TestFolderWalk::sizeText() {
    QFETCH(qint64, bytes);
    QTEST(SizeKBText(bytes), "text");
}

void TestFolderWalk::listingFacts() {
    FixtureTree tree;
    tree.write("smith.ged", Ged55());
    tree.write("smith.ged.log", "Torvex version 1\r\n");
    tree.setModified("smith.ged", QDateTime(QDate(2020, 1, 2), QTime(13, 4, 5, 900)));
    const RunResult r = Run(CriteriaFor(tree.root()));
    QCOMPARE(r.rows.size(), 1);
    const FoundFile& f = r.rows.first();
    QCOMPARE(f.Name, QStringLiteral("smith.ged"));
    QCOMPARE(f.Path, tree.root());
    QCOMPARE(f.SizeRaw, Ged55().size());
    QCOMPARE(f.Size, QStringLiteral("1 KB"));
    // Cut to the 2-second grid: 13:04:05.900 becomes 13:04:04.
    QCOMPARE(f.DateModifiedRaw, ToDateTimeValue(QDateTime(QDate(2020, 1, 2), QTime(13, 4, 4))));
    QCOMPARE(f.DateModified, DateTimeText(f.DateModifiedRaw));
    QCOMPARE(f.Type, QStringLiteral("GEDCOM 5.5"));
    QVERIFY(f.LogFileDateRaw > 0);
    QVERIFY(!f.LogFileDate.isEmpty());
    QCOMPARE(r.finalLine, QStringLiteral("Search ended (1 file found in 1 folder)"));
}

void TestFolderWalk::tvxBeforeGed() {
    FixtureTree tree;
    tree.write("b.ged", Ged55());
    tree.write("a.tvx", "; This is a Torvex organize file\r\n");
    const RunResult r = Run(CriteriaFor(tree.root(), "Torvex & GEDCOM Files (*.tvx,*.ged)"));
    QCOMPARE(r.names, (QStringList{"a.tvx", "b.ged"}));
    QCOMPARE(r.rows[0].Type, QStringLiteral("Torvex Organize file"));
}

void TestFolderWalk::maskWithoutParenthesesListsNothing() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    tree.write("sub/b.ged", Ged55());
    const RunResult r = Run(CriteriaFor(tree.root(), "*.ged"));
    QVERIFY(r.names.isEmpty());
    QCOMPARE(r.finalLine, QStringLiteral("Search ended (0 files found in 2 folders)"));
}

void TestFolderWalk::blankAfterCommaKeptInSecondMask() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    tree.write("b.tvx", Ged55());
    tree.write(" c.tvx", Ged55());
    const RunResult r = Run(CriteriaFor(tree.root(), "Mine (*.ged, *.tvx)"));
    QCOMPARE(r.names, (QStringList{"a.ged", " c.tvx"}));
}

void TestFolderWalk::exclusions() {
    FixtureTree tree;
    tree.write("smith.GED", Ged55());
    tree.write("jones.ged", Ged55());
    tree.write("smith.tvx", "nothing");
    tree.write("notes.txt", Ged55());
    const RunResult exceptGed = Run(CriteriaFor(tree.root(), "All Files except *.ged"));
    QCOMPARE(Sorted(exceptGed.names), (QStringList{"notes.txt", "smith.tvx"}));
    const RunResult exceptBoth = Run(CriteriaFor(tree.root(), "All Files except *.tvx and *.ged"));
    QCOMPARE(exceptBoth.names, (QStringList{"notes.txt"}));
}

void TestFolderWalk::hiddenFilesAndFolders() {
    FixtureTree tree;
    tree.write(".hidden.ged", Ged55());
    tree.write(".secret/inner.ged", Ged55());
    const RunResult r = Run(CriteriaFor(tree.root()));
    QCOMPARE(Sorted(r.names), (QStringList{".hidden.ged", "inner.ged"}));
    QCOMPARE(r.folders, 2);
}

void TestFolderWalk::specialFilesSkipped() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    QVERIFY(::mkfifo(tree.path("pipe.ged").toLocal8Bit().constData(), 0600) == 0);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray socketPath = tree.path("sock.ged").toLocal8Bit();
    if (socketPath.size() < qsizetype(sizeof(addr.sun_path))) {
        qstrncpy(addr.sun_path, socketPath.constData(), sizeof(addr.sun_path));
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0);
    }
    const RunResult r = Run(CriteriaFor(tree.root(), "All Files (*.*)"));
    ::close(fd);
    QCOMPARE(r.names, (QStringList{"a.ged"}));
    QCOMPARE(r.files, 1);
}

void TestFolderWalk::folderLinkLoopEnds() {
    FixtureTree tree;
    tree.write("sub/a.ged", Ged55());
    QVERIFY(QFile::link(tree.root(), tree.path("sub/loop")));
    QVERIFY(QFile::link(tree.path("sub"), tree.path("sideways")));
    const RunResult r = Run(CriteriaFor(tree.root()));
    QCOMPARE(r.names, (QStringList{"a.ged"}));
    QCOMPARE(r.folders, 2);
}

void TestFolderWalk::fileLinkExaminedBrokenLinkSkipped() {
    FixtureTree tree;
    tree.write("real.txt", Ged55());
    QVERIFY(QFile::link(tree.path("real.txt"), tree.path("linked.ged")));
    QVERIFY(QFile::link(tree.path("gone.txt"), tree.path("broken.ged")));
    const RunResult r = Run(CriteriaFor(tree.root()));
    QCOMPARE(r.names, (QStringList{"linked.ged"}));
    QCOMPARE(r.rows[0].SizeRaw, Ged55().size());
    QCOMPARE(r.files, 1);
}

void TestFolderWalk::nameFilter() {
    FixtureTree tree;
    tree.write("Smith.ged", Ged55());
    tree.write("blacksmith.GED", Ged55());
    tree.write("jones.ged", Ged55());
    SearchCriteria c = CriteriaFor(tree.root());
    c.NameContains = QStringLiteral("smi");
    QCOMPARE(Sorted(Run(c).names), (QStringList{"Smith.ged", "blacksmith.GED"}));
    c.NameContains = QStringLiteral("ged");
    QCOMPARE(Run(c).names.size(), 3);
    c.NameContains = QStringLiteral(" smi"); // blanks count
    QVERIFY(Run(c).names.isEmpty());
}

void TestFolderWalk::organizeFileRule() {
    FixtureTree tree;
    tree.write("family.tvx", "; This is a Torvex organize file\r\n");
    QByteArray wide;
    for (char c : QByteArray("; This is a Torvex organize"))
        wide.append(c).append('\0');
    tree.write("wide.tvx", wide);
    tree.write("other.tvx", "something else");
    tree.write("family.txt", "; This is a Torvex organize file\r\n");
    const RunResult r = Run(CriteriaFor(tree.root(), "All Files (*.*)"));
    QCOMPARE(Sorted(r.names), (QStringList{"family.tvx", "other.tvx", "wide.tvx"}));
    for (const FoundFile& f : r.rows) {
        const QString expected = f.Name == QLatin1String("other.tvx")
                                     ? QStringLiteral("Nothing found")
                                     : QStringLiteral("Torvex Organize file");
        QCOMPARE(f.Type, expected);
    }
}

void TestFolderWalk::candidateRuleUnderAllFiles() {
    FixtureTree tree;
    tree.write("notes.txt", "hello");
    tree.write("notes.ged", "hello");
    tree.write("tree.txt", Ged55());
    const RunResult r = Run(CriteriaFor(tree.root(), "All Files (*.*)"));
    QCOMPARE(Sorted(r.names), (QStringList{"notes.ged", "tree.txt"}));
    QCOMPARE(r.files, 2);
    for (const FoundFile& f : r.rows)
        if (f.Name == QLatin1String("notes.ged"))
            QCOMPARE(f.Type, QStringLiteral("Nothing found"));
}

void TestFolderWalk::noSubfolders() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    tree.write("sub/b.ged", Ged55());
    SearchCriteria c = CriteriaFor(tree.root());
    c.IncludeSubfolders = false;
    const RunResult r = Run(c);
    QCOMPARE(r.names, (QStringList{"a.ged"}));
    QCOMPARE(r.folders, 1);
}

void TestFolderWalk::stopMidWalk() {
    FixtureTree tree;
    for (int i = 0; i < 5; ++i)
        tree.write(QStringLiteral("f%1.ged").arg(i), Ged55());
    tree.write("sub/deeper.ged", Ged55());
    SearchCriteria c = CriteriaFor(tree.root(), "Torvex & GEDCOM Files (*.tvx,*.ged)");
    tree.write("t1.tvx", Ged55());
    tree.write("t2.tvx", Ged55());
    // Stop at the first row: the .tvx listing is left, the .ged listing still has its first
    // entry examined, and no subfolder is entered.
    const RunResult r = Run(c, [](SearchRun& run) { run.requestStop(); });
    QCOMPARE(r.names.size(), 2);
    QVERIFY(r.names[0].endsWith(QLatin1String(".tvx")));
    QVERIFY(r.names[1].endsWith(QLatin1String(".ged")));
    QCOMPARE(r.folders, 1);
    QCOMPARE(r.finalLine, QStringLiteral("Search cancelled (2 files found in 1 folder)"));
}

void TestFolderWalk::unreadableFileSkipped() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    tree.write("b.ged", Ged55());
    QFile::setPermissions(tree.path("a.ged"), QFileDevice::Permissions());
    QFile probe(tree.path("a.ged"));
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("running with privileges that read any file (root): no unreadable file to make");
    const RunResult r = Run(CriteriaFor(tree.root()));
    QCOMPARE(r.names, (QStringList{"b.ged"}));
}

void TestFolderWalk::searchChangesNothing() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    tree.write("b.tvx", "; This is a Torvex x");
    tree.write("a.ged.log", "Torvex version 1 smith");
    tree.write("sub/c.ged", "\xEF\xBB\xBF" + Ged55());
    auto snapshot = [&] {
        QStringList facts;
        QDirIterator it(tree.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            QFile f(it.filePath());
            f.open(QIODevice::ReadOnly);
            facts << it.filePath() + QLatin1Char(' ') +
                         QString::number(it.fileInfo().lastModified().toMSecsSinceEpoch()) +
                         QLatin1Char(' ') +
                         QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
        }
        facts.sort();
        return facts;
    };
    const QStringList before = snapshot();
    SearchCriteria c = CriteriaFor(tree.root(), "All Files (*.*)");
    c.ContainingText = QStringLiteral("smith");
    c.InWhat = InWhatChoice::AllFiles;
    const RunResult r = Run(c);
    QCOMPARE(r.names, (QStringList{"a.ged"}));
    QCOMPARE(snapshot(), before);
}

void TestFolderWalk::depthFirstOrder() {
    FixtureTree tree;
    tree.write("a/x.ged", Ged55());
    tree.write("a/b/y.ged", Ged55());
    tree.write("c/z.ged", Ged55());
    tree.write("top.ged", Ged55());
    const RunResult r = Run(CriteriaFor(tree.root()));
    QCOMPARE(r.names.first(), QStringLiteral("top.ged")); // a folder's files before its subfolders
    const int x = r.names.indexOf("x.ged"), y = r.names.indexOf("y.ged"),
              z = r.names.indexOf("z.ged");
    QVERIFY(x < y);
    QVERIFY(z < x || z > y); // a/ is walked completely before or after c/, never interleaved
    QCOMPARE(r.folders, 4);
}

QTEST_GUILESS_MAIN(TestFolderWalk)
#include "tst_folderwalk.moc"
