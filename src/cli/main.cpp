#include "HeaderCommand.h"
#include "NativePath.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {
const char kUsage[] =
    "Usage: quendal-scan --header FILE...\n"
    "\n"
    "  --header FILE...  print, for each file, its path and the Type, BOM, Program,\n"
    "                    Dest and Char of its GEDCOM header, tab-separated\n"
    "  --help            show this help\n"
    "\n"
    "Exit status: 0 when every file was analysed, 1 when a file could not be opened,\n"
    "2 for bad usage.\n";
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
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
    if (args.size() >= 2 && args.first() == QStringLiteral("--header"))
        return RunHeaderCommand(args.mid(1), out, err);

    err << (args.isEmpty() ? "quendal-scan: missing arguments\n"
                           : "quendal-scan: unknown or incomplete arguments\n")
        << kUsage;
    return 2;
}
