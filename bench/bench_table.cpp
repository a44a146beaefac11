// Appends realistic rows to the result table in bulk mode and sorts them by every clickable
// column, printing times and memory per row; then checks a header click and scrolling with a
// million rows in a real (offscreen) view.
#include "FileNameList.h"
#include "FileNameListView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <cstdio>
#include <vector>

namespace {
long RssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

FoundFile RealisticRow(int i) {
    static const char* types[] = {"GEDCOM 5.5.1",  "GEDCOM 5.5.1 (Not 5.5)", "GEDCOM 5.5",
                                  "Nothing found", "Embedded GEDCOM 5.5",    "GEDCOM 2.1"};
    static const char* programs[] = {"PAF 5.2.18.0", "Legacy 7", "---", "FTM 2012", "RootsMagic 8"};
    FoundFile f;
    f.Name = QStringLiteral("tree%1.ged").arg((i * 7919) % 200003);
    f.Path = QStringLiteral("/home/anna/Family/branch%1/sub%2/").arg(i % 97).arg(i % 13);
    f.SizeRaw = (i * 104729LL) % 5000000;
    f.Size = QStringLiteral("%1 KB").arg((f.SizeRaw + 1023) / 1024);
    f.DateModifiedRaw = 40000 + (i * 37 % 8000) + (i % 86400) / 86400.0;
    f.DateModified = QStringLiteral("1/2/2020 1:04:05 PM");
    f.LogFileDateRaw = i % 5 == 0 ? 41000 + i % 3000 + 0.25 : 0;
    f.LogFileDate = f.LogFileDateRaw ? QStringLiteral("3/4/2021 6:00:00 AM") : QString();
    f.Type = QString::fromLatin1(types[i % 6]);
    f.Program = QString::fromLatin1(programs[i % 5]);
    f.Dest = i % 3 ? QStringLiteral("ANSTFILE") : QStringLiteral("---");
    f.Char = i % 4 ? QStringLiteral("ANSEL") : QStringLiteral("UTF-8");
    f.BOM = i % 4 ? QStringLiteral("---") : QStringLiteral("EF BB BF (UTF-8)");
    return f;
}

// Times the appending only: the rows exist before, as the search has them.
double Fill(FileNameList& list, int rows) {
    std::vector<FoundFile> files;
    files.reserve(size_t(rows));
    for (int i = 0; i < rows; ++i)
        files.push_back(RealisticRow(i));
    QElapsedTimer timer;
    timer.start();
    list.enterBulkUpdate();
    for (const FoundFile& f : files)
        list.AddResultRow(f);
    list.leaveBulkUpdate();
    return timer.nsecsElapsed() / 1e9;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    const int rows = 200000;
    {
        FileNameList list;
        const long before = RssKb();
        const double append = Fill(list, rows);
        const long after = RssKb();
        std::printf("append %d rows in bulk mode: %.3f s (target < 0.5 s); memory %.0f bytes/row\n",
                    rows, append, (after - before) * 1024.0 / rows);
        for (int c = 0; c < kResultColumnCount; ++c) {
            if (ResultColumnLayouts()[size_t(c)].raw)
                continue;
            list.focusRow(rows / 2);
            QElapsedTimer timer;
            timer.start();
            list.headerClick(c);
            std::printf("sort %d rows by %-14s %.3f s (target < 0.5 s)\n", rows,
                        ResultColumnLayouts()[size_t(c)].caption, timer.nsecsElapsed() / 1e9);
        }
    }
    {
        const int million = 1000000;
        FileNameList list;
        FileNameListView view(&list);
        view.setLogFileDateShown(true);
        view.resize(1000, 600);
        view.show();
        const double append = Fill(list, million);
        QElapsedTimer timer;
        timer.start();
        list.headerClick(int(ResultColumn::Size));
        view.repaint();
        const double click = timer.nsecsElapsed() / 1e9;
        timer.restart();
        for (int step = 0; step < 200; ++step) {
            view.verticalScrollBar()->setValue(step * (million / 200));
            (void)view.grab(); // paints the whole table as it now stands, synchronously
        }
        const double scroll = timer.nsecsElapsed() / 1e9 / 200;
        std::printf(
            "1,000,000 rows: append %.2f s; header click (sort by Size and repaint) %.2f s; "
            "scroll and repaint %.2f ms per step\n",
            append, click, scroll * 1000);
    }
    return 0;
}
