#include "ContentMatch.h"

#include "AnsiSearch.h"
#include "NativeFile.h"
#include "TextDecoding.h"
#include "TextHelpers.h"
#include "WholeText.h"

bool IsWordCharacter(QChar c) {
    switch (c.category()) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Number_DecimalDigit:
        return true;
    default:
        return false;
    }
}

bool TextContains(QStringView text, QStringView needle, TextSearchOptions options) {
    qsizetype length = text.indexOf(QChar(0));
    if (length < 0)
        length = text.size();
    if (length == 0 || needle.size() > length)
        return false;
    const QStringView searched = text.first(length);
    const QString wanted = options.matchCase ? needle.toString() : UpperCodeUnits(needle);
    const qsizetype last = length - needle.size();
    const QChar* t = searched.data();
    const QChar* w = wanted.constData();
    const qsizetype m = wanted.size();

    auto equalAt = [&](qsizetype p) {
        if (options.matchCase) {
            for (qsizetype k = 0; k < m; ++k)
                if (t[p + k] != w[k])
                    return false;
        } else {
            for (qsizetype k = 0; k < m; ++k)
                if (UpperCodeUnit(t[p + k]) != w[k])
                    return false;
        }
        return true;
    };

    if (!options.wholeWord) {
        if (m == 0)
            return true;
        const QChar first = w[0];
        for (qsizetype p = 0; p <= last; ++p) {
            const QChar c = options.matchCase ? t[p] : UpperCodeUnit(t[p]);
            if (c == first && equalAt(p))
                return true;
        }
        return false;
    }

    auto endsWord = [&](qsizetype p) { return p + m >= length || !IsWordCharacter(t[p + m]); };
    if (equalAt(0) && endsWord(0))
        return true;
    bool previousIsWord = IsWordCharacter(t[0]);
    for (qsizetype p = 1; p <= last; ++p) {
        const bool isWord = IsWordCharacter(t[p]);
        if (isWord && !previousIsWord && equalAt(p) && endsWord(p))
            return true;
        previousIsWord = isWord;
    }
    return false;
}

QString CompanionLogPath(const QString& folder, const QString& name) {
    return folder + name + QStringLiteral(".log");
}

bool IsTorvexLogText(QStringView text) {
    return text.startsWith(QLatin1String("Torvex version"));
}

namespace {
// The whole text of a file as ReadWholeText decodes it, searched; text without a mark is
// searched as bytes, which decode one to one.
bool FileContains(const QString& path, const QString& needle, TextSearchOptions options,
                  bool mustBeTorvexLog) {
    const QByteArray bytes = ReadFileUpTo(path, kWholeTextReadLimit);
    if (DetectByteOrderMark(bytes) == ByteOrderMark::None) {
        if (mustBeTorvexLog && !bytes.startsWith("Torvex version"))
            return false;
        return AnsiBytesContain(bytes, needle, options);
    }
    const QString text = DecodeByMark(bytes);
    if (mustBeTorvexLog && !IsTorvexLogText(text))
        return false;
    return TextContains(text, needle, options);
}
} // namespace

bool ContentTest(const SearchCriteria& criteria, const QString& folder, const QString& name) {
    const TextSearchOptions options{criteria.MatchCase, criteria.WholeWord};
    bool matched = false;
    if (criteria.InWhat == InWhatChoice::LogFiles || criteria.InWhat == InWhatChoice::AllFiles) {
        const QString log = CompanionLogPath(folder, name);
        if (StatPath(log).isFile)
            matched = FileContains(log, criteria.ContainingText, options, true);
    }
    if (!matched &&
        (criteria.InWhat == InWhatChoice::DataFiles || criteria.InWhat == InWhatChoice::AllFiles))
        matched = FileContains(folder + name, criteria.ContainingText, options, false);
    return matched;
}

std::optional<LogDate> CompanionLogDate(const QString& folder, const QString& name) {
    const QString log = CompanionLogPath(folder, name);
    if (!StatPath(log).isFile || !IsTorvexLogText(ReadWholeText(log)))
        return std::nullopt;
    LogDate date;
    date.value = FileModifiedOrZero(log);
    date.text = DateTimeText(date.value);
    return date;
}

DateTimeValue FileModifiedOrZero(const QString& path) {
    const PathFacts facts = StatPath(path);
    if (!facts.exists || facts.isFolder)
        return 0;
    return DateTimeValueFromEpochMs(facts.lastWriteMs);
}
