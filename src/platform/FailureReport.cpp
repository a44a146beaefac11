#include "FailureReport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstdio>
#include <exception>
#include <vector>

#ifndef Q_OS_WIN
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// What the handlers need, set once at start-up and read only when the program is failing.
struct ReporterSetup {
    QString version;
    std::function<void(const QString&)> tellUser;
    QThread* uiThread = nullptr;
#ifndef Q_OS_WIN
    QByteArray signalReportPath; // prepared in advance: a signal handler may not allocate
    QByteArray signalReportHead;
    std::vector<QByteArray>
        foldersToMake; // the report folder and its missing parents, outermost first
#endif
};

ReporterSetup& Setup() {
    static ReporterSetup setup; // the one process-wide record of how to report a failure
    return setup;
}

QString CurrentThreadName() {
    QThread* current = QThread::currentThread();
    if (current && current == Setup().uiThread)
        return QStringLiteral("the user-interface thread");
    const QString name = current ? current->objectName() : QString();
    return name.isEmpty() ? QStringLiteral("a worker thread") : QStringLiteral("thread ") + name;
}

[[noreturn]] void OnTerminate() {
    QString what = QStringLiteral("the program was ended by std::terminate");
    if (const std::exception_ptr error = std::current_exception()) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            what = QStringLiteral("uncaught exception: ") + QString::fromLocal8Bit(e.what());
        } catch (...) {
            what = QStringLiteral("uncaught exception of an unknown kind");
        }
    }
    const QString path = WriteFailureReport(what, CurrentThreadName(), Setup().version);
    const QString message = FailureMessage(path);
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (Setup().tellUser && QThread::currentThread() == Setup().uiThread)
        Setup().tellUser(message);
#ifndef Q_OS_WIN
    std::signal(SIGABRT, SIG_DFL); // abort() below is the end, not another failure
#endif
    std::abort();
}

#ifndef Q_OS_WIN
extern "C" void OnFatalSignal(int number) {
    // Only async-signal-safe calls: open, write, close, and re-raising the signal.
    const ReporterSetup& setup = Setup();
    for (const QByteArray& folder : setup.foldersToMake)
        ::mkdir(folder.constData(), 0700); // made only now: nothing is created unless needed
    const int fd =
        ::open(setup.signalReportPath.constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0600);
    const char* name = number == SIGSEGV  ? "SIGSEGV (invalid memory access)"
                       : number == SIGBUS ? "SIGBUS (bus error)"
                       : number == SIGFPE ? "SIGFPE (arithmetic error)"
                       : number == SIGILL ? "SIGILL (illegal instruction)"
                                          : "a fatal signal";
    if (fd >= 0) {
        (void)!::write(fd, setup.signalReportHead.constData(), setup.signalReportHead.size());
        (void)!::write(fd, name, std::strlen(name));
        (void)!::write(fd, "\n", 1);
        ::close(fd);
    }
    const char lead[] = "Quendal stopped after an unexpected error; a report was written to ";
    (void)!::write(2, lead, sizeof lead - 1);
    (void)!::write(2, setup.signalReportPath.constData(), setup.signalReportPath.size());
    (void)!::write(2, "\n", 1);
    std::signal(number, SIG_DFL);
    std::raise(number);
}
#endif
} // namespace

QString FailureReportFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QLatin1String("/.local/state");
    return state + QLatin1String("/quendal");
}

QString WriteFailureReport(const QString& what, const QString& where, const QString& version) {
    const QString folder = FailureReportFolder();
    if (!QDir().mkpath(folder))
        return {};
    const QDateTime now = QDateTime::currentDateTime();
    // A new name every time: an earlier report is never overwritten.
    for (int n = 0; n < 100; ++n) {
        const QString path = QStringLiteral("%1/failure-%2-%3%4.txt")
                                 .arg(folder, now.toString(QStringLiteral("yyyyMMdd-HHmmss")))
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(n == 0 ? QString() : QStringLiteral("-%1").arg(n));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            continue;
        const QString text = QStringLiteral("Quendal %1 stopped after an unexpected error.\n"
                                            "When:  %2\nWhat:  %3\nWhere: %4\n")
                                 .arg(version, now.toString(Qt::ISODateWithMs), what, where);
        file.write(text.toUtf8());
        return file.error() == QFileDevice::NoError ? path : QString();
    }
    return {};
}

QString FailureMessage(const QString& reportPath) {
    if (reportPath.isEmpty())
        return QStringLiteral(
            "Quendal stopped after an unexpected error. No report could be written.");
    return QStringLiteral(
               "Quendal stopped after an unexpected error. A short report was written to %1")
        .arg(QDir::toNativeSeparators(reportPath));
}

void InstallFailureReporter(const QString& version, std::function<void(const QString&)> tellUser) {
    ReporterSetup& setup = Setup();
    setup.version = version;
    setup.tellUser = std::move(tellUser);
    setup.uiThread = QThread::currentThread();
    std::set_terminate(OnTerminate);
#ifndef Q_OS_WIN
    const QString folder = FailureReportFolder();
    setup.foldersToMake.clear();
    for (QString f = folder; !f.isEmpty() && !QFileInfo::exists(f); f = QFileInfo(f).path())
        setup.foldersToMake.insert(setup.foldersToMake.begin(), QFile::encodeName(f));
    setup.signalReportPath = QFile::encodeName(QStringLiteral("%1/failure-signal-%2.txt")
                                                   .arg(folder)
                                                   .arg(QCoreApplication::applicationPid()));
    setup.signalReportHead =
        QStringLiteral("Quendal %1 stopped after an unexpected error.\nWhat:  ")
            .arg(version)
            .toUtf8();
    for (int number : {SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(number, OnFatalSignal);
#endif
}
