#include "ProcessSpawn.h"

#include "NativePath.h"

#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QProcess>

bool StartDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

BriefRun RunBriefly(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return BriefRun::Failed;
    if (!process.waitForFinished(timeoutMs)) {
        process.setParent(nullptr);
        return BriefRun::StillRunning;
    }
    return process.exitCode() == 0 ? BriefRun::Succeeded : BriefRun::Failed;
}

void RaiseOpenFileLimit() {}

#else
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
// The whole command as bytes, prepared before fork: the child may only make async-signal-safe
// calls, so it must not allocate.
struct Command {
    QByteArray program;
    std::vector<QByteArray> words;
    std::vector<char*> argv;
};

bool Prepare(const QString& program, const QStringList& arguments, Command& command) {
    QString resolved = program;
    if (!program.contains(QLatin1Char('/'))) {
        resolved = QStandardPaths::findExecutable(program);
        if (resolved.isEmpty())
            return false;
    }
    command.program = EncodeNativePath(resolved);
    command.words.push_back(command.program);
    for (const QString& a : arguments)
        command.words.push_back(EncodeNativePath(a));
    for (QByteArray& w : command.words)
        command.argv.push_back(w.data());
    command.argv.push_back(nullptr);
    return true;
}

// Runs in the forked intermediate child: starts the program in a grandchild, then reports on
// the pipe: 'E' exec failed, 'S' exit code 0, 'F' other end, 'R' still running at the deadline.
[[noreturn]] void Intermediate(const Command& command, int report, int timeoutMs) {
    ::setsid();
    int execPipe[2];
    if (::pipe2(execPipe, O_CLOEXEC) != 0) {
        (void)!::write(report, "E", 1);
        ::_exit(1);
    }
    const pid_t grandchild = ::fork();
    if (grandchild == 0) {
        ::close(execPipe[0]);
        ::execv(command.program.constData(), command.argv.data());
        (void)!::write(execPipe[1], "E", 1); // reached only when exec failed
        ::_exit(127);
    }
    ::close(execPipe[1]);
    char execFailed = 0;
    const bool failed = grandchild < 0 || ::read(execPipe[0], &execFailed, 1) == 1;
    ::close(execPipe[0]);
    if (failed) {
        (void)!::write(report, "E", 1);
        ::_exit(1);
    }
    if (timeoutMs <= 0) {
        (void)!::write(report, "R", 1);
        ::_exit(0); // the grandchild goes to init, which reaps it
    }
    for (int waited = 0; waited < timeoutMs; waited += 10) {
        int status = 0;
        if (::waitpid(grandchild, &status, WNOHANG) == grandchild) {
            const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            (void)!::write(report, ok ? "S" : "F", 1);
            ::_exit(0);
        }
        const timespec tick{0, 10 * 1000 * 1000};
        ::nanosleep(&tick, nullptr);
    }
    (void)!::write(report, "R", 1);
    ::_exit(0);
}

char Spawn(const QString& program, const QStringList& arguments, int timeoutMs) {
    Command command;
    if (!Prepare(program, arguments, command))
        return 'E';
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return 'E';
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        Intermediate(command, report[1], timeoutMs);
    }
    ::close(report[1]);
    char answer = 'E';
    if (child > 0) {
        while (::read(report[0], &answer, 1) < 0 && errno == EINTR) {
        }
        while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    ::close(report[0]);
    return answer;
}
} // namespace

bool StartDetached(const QString& program, const QStringList& arguments) {
    return Spawn(program, arguments, 0) == 'R';
}

BriefRun RunBriefly(const QString& program, const QStringList& arguments, int timeoutMs) {
    switch (Spawn(program, arguments, timeoutMs)) {
    case 'S':
        return BriefRun::Succeeded;
    case 'R':
        return BriefRun::StillRunning;
    default:
        return BriefRun::Failed;
    }
}

void RaiseOpenFileLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return;
    const rlim_t wanted =
        limit.rlim_max == RLIM_INFINITY ? 65536 : qMin<rlim_t>(limit.rlim_max, 65536);
    if (limit.rlim_cur < wanted) {
        limit.rlim_cur = wanted;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}
#endif
