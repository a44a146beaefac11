#include "RunState.h"

#include "TextHelpers.h"

namespace {
QString Counts(const RunState& state) {
    QString text;
    if (state.foundCounter >= 0)
        text = QString::number(state.foundCounter) + QStringLiteral(" out of ");
    return text + CountPhrase(state.fileCounter, QStringLiteral("file")) +
           QStringLiteral(" found in ") +
           CountPhrase(state.folderCounter, QStringLiteral("folder"));
}
} // namespace

QString ProgressLine(const RunState& state) {
    return QStringLiteral("Searching (") + Counts(state) + QStringLiteral(") ... ") +
           state.currentFolder + state.currentFileName;
}

QString FinalStatusLine(const RunState& state) {
    const QString start = state.stopRequested.load(std::memory_order_relaxed)
                              ? QStringLiteral("Search cancelled (")
                              : QStringLiteral("Search ended (");
    return start + Counts(state) + QLatin1Char(')');
}
