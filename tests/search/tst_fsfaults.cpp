#include "ContentMatch.h"
#include "FixtureTree.h"
#include "HeaderAnalyzer.h"
#include "NativeFile.h"
#include "NativePath.h"
#include "ProcessSpawn.h"
#include "RecordingReporter.h"
#include "SearchRun.h"
#include "WholeText.h"

#include <QDir>
#include <QTest>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
// Counts what a run hands over without keeping the rows, so memory shows the walk alone.
class CountingReporter : public SearchReporter {
public:
    int rows = 0;
    QString finalLine;
    void clearRows() override {}
    void enterBulkUpdate() override {}
    void leaveBulkUpdate() override {}
    void addRow(const FoundFile&) override { ++rows; }
    void showProgress(const QString&) override {}
    void showFinalStatus(const QString& line) override { finalLine = line; }
    void updateRecentLists() override {}
    void focusFirstRow() override {}
};

long PeakRssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

bool RunningAsRoot() {
    return ::geteuid() == 0;
}
} // namespace

class TestFsFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RaiseOpenFileLimit(); }
    void fileVanishesBetweenListingAndOpening();
    void folderRemovedWhileInside();
    void unreadableFileAndFolder();
    void namesThatAreNotUtf8();
    void deepTreeAndLongPaths();
    void manyFilesInOneFolder();
    void sparseFileOfFourGiB();
    void fileChangingSizeWhileRead();
};

void TestFsFaults::fileVanishesBetweenListingAndOpening() {
    FixtureTree tree;
    for (int i = 0; i < 20; ++i)
        tree.write(QStringLiteral("f%1.ged").arg(i), Ged55());
    RecordingReporter reporter;
    SearchRun run(CriteriaFor(tree.root()), reporter);
    // At the first row, every other file goes: the listing has already read their names.
    reporter.onRow = [&](const FoundFile& row) {
        for (int i = 0; i < 20; ++i)
            if (QStringLiteral("f%1.ged").arg(i) != row.Name)
                QFile::remove(tree.path(QStringLiteral("f%1.ged").arg(i)));
    };
    run.execute();
    QCOMPARE(reporter.rows.size(), 1);
    QCOMPARE(reporter.finalLine, QStringLiteral("Search ended (1 file found in 1 folder)"));
}

void TestFsFaults::folderRemovedWhileInside() {
    FixtureTree tree;
    for (int i = 0; i < 10; ++i)
        tree.write(QStringLiteral("sub/f%1.ged").arg(i), Ged55());
    tree.write("sub/deeper/x.ged", Ged55());
    tree.write("zlast/y.ged", Ged55());
    RecordingReporter reporter;
    SearchRun run(CriteriaFor(tree.root()), reporter);
    bool removed = false;
    reporter.onRow = [&](const FoundFile& row) {
        if (!removed && row.Path.endsWith(QLatin1String("/sub/"))) {
            removed = true;
            QDir(tree.path("sub")).removeRecursively();
        }
    };
    run.execute();
    QVERIFY(removed);
    QVERIFY(reporter.finalLine.startsWith(QLatin1String("Search ended (")));
    QVERIFY(reporter.names().contains(QStringLiteral("y.ged"))); // the walk went on after the loss
}

void TestFsFaults::unreadableFileAndFolder() {
    if (RunningAsRoot())
        QSKIP("running as root, who reads every file and folder: permissions cannot be taken away");
    FixtureTree tree;
    tree.write("open.ged", Ged55());
    tree.write("locked.ged", Ged55());
    tree.write("closed/inner.ged", Ged55());
    QFile::setPermissions(tree.path("locked.ged"), QFileDevice::Permissions());
    QFile::setPermissions(tree.path("closed"), QFileDevice::Permissions());
    RecordingReporter reporter;
    SearchRun run(CriteriaFor(tree.root()), reporter);
    run.execute();
    QFile::setPermissions(tree.path("closed"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(reporter.names(), QStringList{"open.ged"});
    QCOMPARE(reporter.finalLine, QStringLiteral("Search ended (1 file found in 2 folders)"));
}

void TestFsFaults::namesThatAreNotUtf8() {
    FixtureTree tree;
    const QByteArray folder = QFile::encodeName(tree.root());
    const QByteArray name = "M\xfcller.ged"; // Latin-1, as an old program wrote it
    for (const QByteArray& file : {name, name + ".log"}) {
        const int fd = ::open((folder + file).constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(fd >= 0);
        const QByteArray bytes =
            file.endsWith(".log") ? QByteArray("Torvex version 1\r\n") : Ged55();
        QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
        ::close(fd);
    }
    RecordingReporter reporter;
    SearchRun run(CriteriaFor(tree.root()), reporter);
    run.execute();
    QCOMPARE(reporter.rows.size(), 1);
    const FoundFile& row = reporter.rows.first();
    QCOMPARE(row.Type, QStringLiteral("GEDCOM 5.5"));
    QVERIFY(row.LogFileDateRaw > 0); // its log was found through the same bytes
    // The row's texts lead back to the very same file.
    QCOMPARE(EncodeNativePath(row.Path + row.Name), folder + name);
    QVERIFY(StatPath(row.Path + row.Name).isFile);
    QCOMPARE(ReadWholeText(row.Path + row.Name), QString::fromLatin1(Ged55()));
    QCOMPARE(AnalyzeGedcomHeader(row.Path + row.Name).Type, QStringLiteral("GEDCOM 5.5"));
}

void TestFsFaults::deepTreeAndLongPaths() {
    // 2,000 folders deep, each name 20 characters: the full path is far beyond PATH_MAX.
    FixtureTree tree;
    const QByteArray level(20, 'd');
    int fd = ::open(QFile::encodeName(tree.root()).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    for (int depth = 1; depth <= 2000; ++depth) {
        QCOMPARE(::mkdirat(fd, level.constData(), 0700), 0);
        const int next = ::openat(fd, level.constData(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
        QVERIFY(fd >= 0);
        if (depth == 100 || depth == 2000) {
            const int file =
                ::openat(fd, depth == 100 ? "middle.ged" : "bottom.ged", O_CREAT | O_WRONLY, 0600);
            QVERIFY(file >= 0);
            QCOMPARE(::write(file, Ged55().constData(), size_t(Ged55().size())),
                     ssize_t(Ged55().size()));
            ::close(file);
        }
    }
    ::close(fd);
    RecordingReporter reporter;
    SearchRun run(CriteriaFor(tree.root()), reporter);
    run.execute();
    QCOMPARE(run.state().folderCounter, 2001);
    QCOMPARE(reporter.names(), (QStringList{"middle.ged", "bottom.ged"}));
    QVERIFY(reporter.rows.last().Path.size() > 4096 * 10);
    QCOMPARE(reporter.rows.last().Type, QStringLiteral("GEDCOM 5.5"));
    // Remove it the same way, from the bottom up, as no path names it whole.
    std::function<void(int)> clear = [&](int dirFd) {
        const int inner = ::openat(dirFd, level.constData(), O_RDONLY | O_DIRECTORY);
        if (inner >= 0) {
            clear(inner);
            ::close(inner);
            ::unlinkat(dirFd, level.constData(), AT_REMOVEDIR);
        }
        ::unlinkat(dirFd, "middle.ged", 0);
        ::unlinkat(dirFd, "bottom.ged", 0);
    };
    const int top = ::open(QFile::encodeName(tree.root()).constData(), O_RDONLY | O_DIRECTORY);
    clear(top);
    ::close(top);
}

void TestFsFaults::manyFilesInOneFolder() {
    // 200,000 files: the walk streams the listing, so its memory does not grow with the folder.
    FixtureTree tree;
    const QByteArray folder = QFile::encodeName(tree.root());
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 200000; ++i) {
        const QByteArray name = "person" + QByteArray::number(i) + ".txt";
        const int fd = ::openat(dirFd, name.constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(fd >= 0);
        ::close(fd);
    }
    ::close(dirFd);
    const long before = PeakRssKb();
    CountingReporter reporter;
    SearchRun run(CriteriaFor(tree.root(), QStringLiteral("All Files (*.*)")), reporter);
    run.execute();
    const long growth = PeakRssKb() - before;
    QCOMPARE(reporter.finalLine, QStringLiteral("Search ended (0 files found in 1 folder)"));
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer keeps freed memory in quarantine: the peak says nothing about the walk "
          "here");
#endif
    QVERIFY2(growth < 16 * 1024,
             qPrintable(QStringLiteral("peak memory grew by %1 KB").arg(growth)));
}

void TestFsFaults::sparseFileOfFourGiB() {
    FixtureTree tree;
    const QString path = tree.write("huge.ged", Ged55());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(qint64(4) << 30)); // sparse: takes no disk space
    QVERIFY(file.seek((qint64(4) << 30) - 6));
    file.write("smith");
    file.close();
    QCOMPARE(ReadWholeText(path).size(), kWholeTextReadLimit);
    SearchCriteria c = CriteriaFor(tree.root());
    c.ContainingText = QStringLiteral("smith");
    RecordingReporter reporter;
    SearchRun run(c, reporter);
    run.execute();
    QCOMPARE(reporter.finalLine,
             QStringLiteral("Search ended (0 out of 1 file found in 1 folder)"));
}

void TestFsFaults::fileChangingSizeWhileRead() {
    // Another program keeps cutting the file short and writing it out again while it is read:
    // every read gives at most what the file held and never fails for it.
    FixtureTree tree;
    const QByteArray full = Ged55() + QByteArray(1 << 20, 'x');
    const QString path = tree.write("busy.ged", full);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        while (!done.load()) {
            file.resize(0);
            file.seek(0);
            file.write(full);
            file.flush();
        }
    });
    for (int i = 0; i < 300; ++i) {
        QVERIFY(ReadWholeText(path).size() <= full.size());
        const QString type = AnalyzeGedcomHeader(path).Type;
        QVERIFY(type == QLatin1String("GEDCOM 5.5") || type == QLatin1String("Nothing found") ||
                type.startsWith(QLatin1String("GEDCOM")));
    }
    done.store(true);
    writer.join();
}

QTEST_GUILESS_MAIN(TestFsFaults)
#include "tst_fsfaults.moc"
