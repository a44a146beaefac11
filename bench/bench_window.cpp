// A search through the real window (offscreen) over the benchmark tree, timed from Find to the
// completion notice, against quendal-scan on the same tree; and the longest stall of the UI
// thread meanwhile, measured by a heartbeat timer.
#include "LocalTimeZone.h"
#include "SettingsMedium.h"
#include "TFindFileForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {
class SilentWarnings : public WarningBox {
public:
    void showWarning(QWidget*, const QString&) override {}
};
class NoFolderPicker : public FolderPicker {
public:
    std::optional<QString> pickFolder(QWidget*, const QString&) override { return std::nullopt; }
};
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    PinLocalTimeZone(); // as the program's entry does
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_window TREE QUENDAL_SCAN\n");
        return 2;
    }
    const QString tree = QString::fromLocal8Bit(argv[1]);
    const QString scan = QString::fromLocal8Bit(argv[2]);
    const QString type = QStringLiteral("All Files (*.*)");

    QTemporaryDir config;
    const auto medium = CreateIniSettingsMedium(config.path());
    SilentWarnings warnings;
    NoFolderPicker picker;
    FormServices services;
    services.settings = medium.get();
    services.warnings = &warnings;
    services.folderPicker = &picker;
    services.programFolder = QStringLiteral("/tmp");
    TFindFileForm form(services);
    form.resize(900, 500);
    form.show();
    form.TypeDropdown->setEditText(type);
    form.LookInEdit->setEditText(tree);

    qint64 longestStallMs = 0;
    QElapsedTimer beat;
    QTimer heartbeat;
    heartbeat.setInterval(5);
    QObject::connect(&heartbeat, &QTimer::timeout,
                     [&] { longestStallMs = qMax(longestStallMs, beat.restart()); });
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!form.searchRunning() && form.FindButton->isEnabled())
            loop.quit();
    });

    QElapsedTimer timer;
    timer.start();
    beat.start();
    heartbeat.start();
    form.FindButton->click();
    poll.start();
    loop.exec();
    const double windowSeconds = timer.nsecsElapsed() / 1e9;
    heartbeat.stop();

    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    timer.restart();
    process.start(scan, {QStringLiteral("--type"), type, tree});
    process.waitForFinished(-1);
    const double cliSeconds = timer.nsecsElapsed() / 1e9;

    std::printf("window search: %.2f s (%s); quendal-scan: %.2f s; ratio %.2f (target <= 1.20)\n",
                windowSeconds, qPrintable(form.StatusBar1->text()), cliSeconds,
                windowSeconds / cliSeconds);
    std::printf("longest UI stall during the search: %lld ms (target < 100 ms)\n", longestStallMs);
    return 0;
}
