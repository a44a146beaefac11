#include "ScanCommand.h"

#include "FolderWalk.h"
#include "SearchRun.h"

namespace {
// Rows go to stdout as they are found; status lines to stderr, as the window's status line.
class CliReporter : public SearchReporter {
public:
    CliReporter(RowFormat format, QTextStream& out, QTextStream& err, bool showProgress)
        : m_format(format), m_out(out), m_err(err), m_showProgress(showProgress) {}
    void clearRows() override {
        const QString header = RowFormatHeader(m_format);
        if (!header.isEmpty())
            m_out << header << '\n';
    }
    void enterBulkUpdate() override {}
    void leaveBulkUpdate() override { m_out.flush(); }
    void addRow(const FoundFile& row) override { m_out << FormatRow(row, m_format) << '\n'; }
    void showProgress(const QString& line) override {
        m_out.flush();
        if (!m_showProgress)
            return;
        m_err << '\r' << line << "\x1b[K";
        m_err.flush();
        m_progressShown = true;
    }
    void showFinalStatus(const QString& line) override {
        if (m_progressShown)
            m_err << "\r\x1b[K";
        m_err << line << '\n';
        m_err.flush();
    }
    void updateRecentLists() override {}
    void focusFirstRow() override {}

private:
    RowFormat m_format;
    QTextStream& m_out;
    QTextStream& m_err;
    bool m_showProgress;
    bool m_progressShown = false;
};

bool TakeValue(const QStringList& args, int& i, QString& value, QString& error) {
    if (i + 1 >= args.size()) {
        error = QStringLiteral("option %1 needs a value").arg(args[i]);
        return false;
    }
    value = args[++i];
    return true;
}
} // namespace

std::optional<ScanOptions> ParseScanOptions(const QStringList& args, QString& error) {
    ScanOptions options;
    options.criteria.TypeText = QStringLiteral("GEDCOM Files (*.ged)");
    QStringList folders;
    bool onlyPositional = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (onlyPositional || !a.startsWith(QLatin1String("--"))) {
            folders << a;
        } else if (a == QLatin1String("--")) {
            onlyPositional = true;
        } else if (a == QLatin1String("--type")) {
            if (!TakeValue(args, i, options.criteria.TypeText, error))
                return std::nullopt;
        } else if (a == QLatin1String("--name")) {
            if (!TakeValue(args, i, options.criteria.NameContains, error))
                return std::nullopt;
        } else if (a == QLatin1String("--contains")) {
            if (!TakeValue(args, i, options.criteria.ContainingText, error))
                return std::nullopt;
        } else if (a == QLatin1String("--in")) {
            QString where;
            if (!TakeValue(args, i, where, error))
                return std::nullopt;
            if (where == QLatin1String("data"))
                options.criteria.InWhat = InWhatChoice::DataFiles;
            else if (where == QLatin1String("log"))
                options.criteria.InWhat = InWhatChoice::LogFiles;
            else if (where == QLatin1String("all"))
                options.criteria.InWhat = InWhatChoice::AllFiles;
            else {
                error = QStringLiteral("--in takes data, log or all, not \"%1\"").arg(where);
                return std::nullopt;
            }
        } else if (a == QLatin1String("--match-case")) {
            options.criteria.MatchCase = true;
        } else if (a == QLatin1String("--whole-word")) {
            options.criteria.WholeWord = true;
        } else if (a == QLatin1String("--no-subfolders")) {
            options.criteria.IncludeSubfolders = false;
        } else if (a == QLatin1String("--tsv")) {
            options.format = RowFormat::Tsv;
        } else if (a == QLatin1String("--csv")) {
            options.format = RowFormat::Csv;
        } else if (a == QLatin1String("--json")) {
            options.format = RowFormat::Json;
        } else {
            error = QStringLiteral("unknown option %1").arg(a);
            return std::nullopt;
        }
    }
    if (folders.size() != 1) {
        error = folders.isEmpty() ? QStringLiteral("no folder to look in")
                                  : QStringLiteral("only one folder can be searched at a time");
        return std::nullopt;
    }
    if (folders.first().isEmpty()) {
        error = QStringLiteral("the folder to look in is empty");
        return std::nullopt;
    }
    if (options.criteria.TypeText.isEmpty()) {
        error = QStringLiteral("the file type is empty");
        return std::nullopt;
    }
    options.criteria.LookIn = WithFinalSeparator(folders.first());
    return options;
}

int RunScanCommand(const ScanOptions& options, QTextStream& out, QTextStream& err,
                   bool showProgress, std::atomic<std::atomic<bool>*>* stopFlag) {
    CliReporter reporter(options.format, out, err, showProgress);
    SearchRun run(options.criteria, reporter);
    if (stopFlag)
        stopFlag->store(&run.stopFlag());
    run.execute();
    if (stopFlag)
        stopFlag->store(nullptr);
    out.flush();
    return run.state().stopRequested.load() ? 130 : 0;
}
