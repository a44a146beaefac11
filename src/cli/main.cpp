#include "FailureReport.h"
#include "HeaderCommand.h"
#include "NativePath.h"
#include "ProgramVersion.h"
#include "ScanCommand.h"

#include "LocalTimeZone.h"
#include "ProcessSpawn.h"

#include <QCoreApplication>
#include <QTextStream>
#include <atomic>
#include <csignal>
#include <cstdio>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {
const char kUsage[] =
    "Usage: quendal-scan [options] FOLDER\n"
    "       quendal-scan --header FILE...\n"
    "\n"
    "Searches FOLDER for GEDCOM files as the Quendal window does and prints one row per\n"
    "accepted file, in found order, with the fields Name, Path, Size, SizeRaw, DateModified,\n"
    "DateModifiedRaw, LogFileDate, LogFileDateRaw, Type, Program, Dest, Char and BOM.\n"
    "\n"
    "  --type TEXT       file type, as in the window (default \"GEDCOM Files (*.ged)\")\n"
    "  --name TEXT       only files whose name contains TEXT (letter case ignored)\n"
    "  --contains TEXT   only files that contain TEXT\n"
    "  --match-case      --contains compares letter case\n"
    "  --whole-word      --contains matches whole words only\n"
    "  --in data|log|all where --contains looks: the file, its .log file, or both\n"
    "                    (default data)\n"
    "  --no-subfolders   search FOLDER only\n"
    "  --tsv             tab-separated rows with a header line (default)\n"
    "  --csv             comma-separated rows (RFC 4180) with a header line\n"
    "  --json            one JSON object per line\n"
    "  --header FILE...  print, for each file, its path and the Type, BOM, Program,\n"
    "                    Dest and Char of its GEDCOM header, tab-separated\n"
    "  --help            show this help\n"
    "\n"
    "The final status line goes to stderr, as the window shows it; progress too, when\n"
    "stderr is a terminal. Exit status: 0 after a completed search, 130 when stopped by\n"
    "Ctrl-C, 1 when --header could not open a file, 2 for bad usage.\n";

// The one place a signal handler can reach: the live run's stop request.
std::atomic<std::atomic<bool>*> g_stopRequest{nullptr};

extern "C" void OnInterrupt(int) {
    if (std::atomic<bool>* stop = g_stopRequest.load())
        stop->store(true);
}

bool StderrIsTerminal() {
#ifdef Q_OS_WIN
    return false;
#else
    return ::isatty(2) == 1;
#endif
}
} // namespace

int main(int argc, char* argv[]) {
    PinLocalTimeZone();
    RaiseOpenFileLimit();
    QCoreApplication app(argc, argv);
    InstallFailureReporter(ProgramVersion(), {});
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    // Arguments are taken as bytes so that file names that are not UTF-8 still name their file.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << DecodeNativePath(QByteArrayView(argv[i]));

    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        out << kUsage;
        return 0;
    }
    if (!args.isEmpty() && args.first() == QStringLiteral("--header")) {
        if (args.size() < 2) {
            err << "quendal-scan: --header needs at least one file\n" << kUsage;
            return 2;
        }
        return RunHeaderCommand(args.mid(1), out, err);
    }

    QString error;
    const std::optional<ScanOptions> options = ParseScanOptions(args, error);
    if (!options) {
        err << "quendal-scan: " << error << "\n\n" << kUsage;
        return 2;
    }
    std::signal(SIGINT, OnInterrupt);
    return RunScanCommand(*options, out, err, StderrIsTerminal(), &g_stopRequest);
}
