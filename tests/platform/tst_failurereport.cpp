#include "FailureReport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QStringList Reports(const QString& state) {
    return QDir(state + QStringLiteral("/quendal")).entryList(QDir::Files, QDir::Name);
}

QString ReadReport(const QString& state, const QString& name) {
    QFile file(state + QStringLiteral("/quendal/") + name);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// Ends the program with an exception in hand, as when nothing catches it.
void EndWithUncaughtException() {
    try {
        throw std::runtime_error("the family tree has a loop");
    } catch (...) {
        std::terminate();
    }
}

// Runs body in a child process and returns how it ended.
int InChild(const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}
} // namespace

class TestFailureReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void reportHasWhatWhereVersion();
    void reportsNeverOverwrite();
    void uncaughtExceptionIsReported();
    void fatalSignalIsReported();
    void nothingIsWrittenWithoutAFailure();

private:
    QTemporaryDir m_state;
};

void TestFailureReport::init() {
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_state.path()));
    QDir(m_state.path() + QStringLiteral("/quendal")).removeRecursively();
}

void TestFailureReport::reportHasWhatWhereVersion() {
    const QString path =
        WriteFailureReport(QStringLiteral("disk on fire"), QStringLiteral("the search worker"),
                           QStringLiteral("1.0.1"));
    QVERIFY(path.startsWith(m_state.path() + QStringLiteral("/quendal/failure-")));
    const QString text = ReadReport(m_state.path(), QFileInfo(path).fileName());
    QVERIFY(text.contains(QLatin1String("Quendal 1.0.1")));
    QVERIFY(text.contains(QLatin1String("What:  disk on fire")));
    QVERIFY(text.contains(QLatin1String("Where: the search worker")));
    QVERIFY(FailureMessage(path).contains(path));
}

void TestFailureReport::reportsNeverOverwrite() {
    const QString first =
        WriteFailureReport(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("1"));
    const QString second =
        WriteFailureReport(QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("1"));
    QVERIFY(!first.isEmpty() && !second.isEmpty() && first != second);
    QCOMPARE(Reports(m_state.path()).size(), 2);
}

void TestFailureReport::uncaughtExceptionIsReported() {
    const int status = InChild([] {
        InstallFailureReporter(QStringLiteral("9.8.7"), {});
        EndWithUncaughtException();
    });
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT);
    const QStringList reports = Reports(m_state.path());
    QCOMPARE(reports.size(), 1);
    const QString text = ReadReport(m_state.path(), reports.first());
    QVERIFY2(text.contains(QLatin1String("uncaught exception: the family tree has a loop")),
             qPrintable(text));
    QVERIFY(text.contains(QLatin1String("Quendal 9.8.7")));
    QVERIFY(text.contains(QLatin1String("user-interface thread")));
}

void TestFailureReport::fatalSignalIsReported() {
    const int status = InChild([] {
        InstallFailureReporter(QStringLiteral("9.8.7"), {});
        std::raise(SIGSEGV);
    });
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGSEGV);
    const QStringList reports = Reports(m_state.path());
    QCOMPARE(reports.size(), 1);
    QVERIFY(ReadReport(m_state.path(), reports.first()).contains(QLatin1String("SIGSEGV")));
}

void TestFailureReport::nothingIsWrittenWithoutAFailure() {
    const int status = InChild([] { InstallFailureReporter(QStringLiteral("9.8.7"), {}); });
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QVERIFY(!QFileInfo::exists(m_state.path() + QStringLiteral("/quendal")));
}

QTEST_GUILESS_MAIN(TestFailureReport)
#include "tst_failurereport.moc"
