#include "FolderWalk.h"

#include "ContentMatch.h"
#include "DateTimeValue.h"
#include "DirectoryListing.h"
#include "HeaderAnalyzer.h"
#include "SizeText.h"
#include "TextHelpers.h"
#include "WholeText.h"

#include <array>
#include <exception>

namespace {
const QString kGed = QStringLiteral(".GED");
const QString kTvx = QStringLiteral(".TVX");

bool BeginsAsOrganizeFile(const QString& text) {
    static const QString plain = QStringLiteral("; This is a Torvex ");
    if (text.startsWith(plain))
        return true;
    // The same characters each followed by NUL: a mark-less UTF-16 LE file read byte by byte.
    if (text.size() < 2 * plain.size())
        return false;
    for (qsizetype i = 0; i < plain.size(); ++i)
        if (text[2 * i] != plain[i] || text[2 * i + 1] != QChar(0))
            return false;
    return true;
}
} // namespace

QChar PathSeparator() {
#ifdef Q_OS_WIN
    return QLatin1Char('\\');
#else
    return QLatin1Char('/');
#endif
}

QString WithFinalSeparator(const QString& lookIn) {
    if (lookIn.isEmpty())
        return lookIn;
    const QChar last = lookIn.back();
#ifdef Q_OS_WIN
    if (last == QLatin1Char(':'))
        return lookIn;
#endif
    if (last == PathSeparator())
        return lookIn;
    return lookIn + PathSeparator();
}

FolderWalk::FolderWalk(RunState& state, SearchReporter& reporter, Clock clock)
    : m_state(state), m_reporter(reporter), m_clock(std::move(clock)),
      m_masks(DeriveTypeMasks(state.criteria.TypeText)) {}

void FolderWalk::progressReport() {
    const qint64 now = m_clock();
    if (now - m_state.lastProgressMs <= 250)
        return;
    m_state.lastProgressMs = now;
    m_reporter.showProgress(ProgressLine(m_state));
}

void FolderWalk::walk(const QString& folder) {
    walk(folder, nullptr, QString());
}

void FolderWalk::walk(const QString& folder, const DirectoryListing* parent, const QString& name) {
    // Each listing of this folder is opened afresh; below the look-in folder relative to the
    // parent's listing, which stays open meanwhile (one open listing per level).
    auto list = [&] { return parent ? DirectoryListing(*parent, name) : DirectoryListing(folder); };
    m_state.currentFolder = folder;
    m_state.currentFileName.clear(); // a progress line on entering shows the folder alone
    progressReport();
    ++m_state.folderCounter;

    ListingEntry entry;
    for (const QString& mask : m_masks.masks) {
        DirectoryListing listing = list();
        while (listing.next(entry)) {
            if (entry.kind == EntryKind::Folder || entry.kind == EntryKind::Other ||
                !MatchesMask(entry.name, mask))
                continue;
            // The listing leaves out folders and system entries, also behind links.
            if (entry.kind == EntryKind::Unknown &&
                (!listing.describe(entry) || entry.kind != EntryKind::File))
                continue;
            examine(folder, listing, entry);
            if (stopped())
                break;
        }
    }

    if (stopped() || !m_state.criteria.IncludeSubfolders)
        return;
    DirectoryListing listing = list();
    while (listing.next(entry)) {
        if (entry.kind == EntryKind::Unknown && !listing.describe(entry))
            continue;
        if (entry.kind == EntryKind::Folder) {
            try {
                walk(folder + entry.name + PathSeparator(), &listing, entry.name);
            } catch (const std::exception&) {
                // What is left of that subfolder is abandoned; the walk goes on.
            }
        }
        if (stopped())
            break;
    }
}

void FolderWalk::examine(const QString& folder, const DirectoryListing& listing,
                         ListingEntry& entry) {
    try {
        const QString& name = entry.name;
        m_state.currentFileName = name;
        const SearchCriteria& criteria = m_state.criteria;
        if (!criteria.NameContains.isEmpty() &&
            !UpperCodeUnits(name).contains(UpperCodeUnits(criteria.NameContains)))
            return progressReport();
        const QString ext = UpperCodeUnits(ExtensionOf(name));
        if ((m_masks.excludeGed && ext == kGed) || (m_masks.excludeTvx && ext == kTvx))
            return progressReport();

        // One open gives the listing facts and the header window.
        std::array<char, kHeaderWindowSize> window;
        const qint64 got = listing.openAndReadStart(entry, window.data(), window.size());
        if (got < 0)
            return; // no longer a regular file: a system entry, never examined

        FoundFile& row = m_state.currentRow;
        row.Name = name;
        row.Path = folder;
        row.SizeRaw = entry.size;
        row.Size = SizeKBText(entry.size);
        row.DateModifiedRaw = DateTimeValueFromEpochMs(entry.lastWriteMs, TimeGrid::TwoSeconds);
        row.DateModified = m_dateTimeText.text(row.DateModifiedRaw);
        row.LogFileDateRaw = 0;
        row.LogFileDate.clear();

        const HeaderInfo info =
            AnalyzeGedcomHeaderWindow(QByteArrayView(window.data(), got), ExtensionOf(name));
        row.Type = info.Type;
        row.BOM = info.BOM;
        row.Program = info.Program;
        row.Dest = info.Dest;
        row.Char = info.Char;

        if (row.Type == NothingFoundType() && ext == kTvx &&
            BeginsAsOrganizeFile(ReadWholeText(folder + name)))
            row.Type = QStringLiteral("Torvex Organize file");

        if (row.Type == NothingFoundType() && ext != kGed && ext != kTvx)
            return progressReport();
        ++m_state.fileCounter;

        bool accepted = true;
        if (!criteria.ContainingText.isEmpty()) {
            accepted = ContentTest(criteria, folder, name);
            if (accepted)
                ++m_state.foundCounter;
        }
        if (accepted) {
            // Most files have no companion log: ask the open folder first, which is cheap.
            const bool maybeLog = listing.containsFile(name + QStringLiteral(".log"));
            if (const auto log = maybeLog ? CompanionLogDate(folder, name) : std::nullopt) {
                row.LogFileDateRaw = log->value;
                row.LogFileDate = log->text;
            }
            m_reporter.addRow(row);
        }
        progressReport();
    } catch (const std::exception&) {
        // The file is abandoned silently; counts already made for it stay.
    }
}
