#include "HeaderAnalyzer.h"

#include "GedcomLine.h"
#include "HeaderVersion.h"
#include "NativeFile.h"
#include "TextDecoding.h"
#include "TextHelpers.h"

#include <array>

namespace {

const QString kDashes = QStringLiteral("---");

bool IsOneOf(const QString& tag, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (tag == QLatin1String(name))
            return true;
    return false;
}

// The twelve characters "0 HEAD" in UTF-16 read byte by byte: little-endian puts the zero after
// each character, big-endian before it.
bool StartsWithMarklessUtf16Head(const QString& text, bool littleEndian) {
    static constexpr char kHead[] = "0 HEAD";
    if (text.size() < 12)
        return false;
    for (int k = 0; k < 6; ++k) {
        const char16_t ch = char16_t(kHead[k]);
        const char16_t first = text[2 * k].unicode();
        const char16_t second = text[2 * k + 1].unicode();
        if (littleEndian ? (first != ch || second != 0) : (first != 0 || second != ch))
            return false;
    }
    return true;
}

QString DescribeMark(ByteOrderMark mark) {
    switch (mark) {
    case ByteOrderMark::Utf8:
        return QStringLiteral("EF BB BF (UTF-8)");
    case ByteOrderMark::Utf16BE:
        return QStringLiteral("FE FF (UTF-16, big-endian)");
    case ByteOrderMark::Utf16LE:
        return QStringLiteral("FF FE (UTF-16, little-endian)");
    case ByteOrderMark::None:
        break;
    }
    return kDashes;
}

// Working state of one analysis.
struct HeaderWalk {
    HeaderInfo info;
    VersionFacts facts;
    QString embeddedPrefix;
    QString eventPrefix;
    QString locationsSuffix;
    QString form;
    QString blockTag;

    bool inGedcBlock() const { return IsOneOf(blockTag, {"GEDC", "GEDCOM"}); }
    bool inSourceBlock() const { return IsOneOf(blockTag, {"SOUR", "SOURCE", "SYST", "HS"}); }

    void examine(const GedcomLine& line) {
        if (line.Level == 1)
            blockTag = line.Tag;
        const QString& tag = line.Tag;
        if (inGedcBlock()) {
            if (IsOneOf(tag, {"VERS", "VERSION"})) {
                facts.statedVersion =
                    line.Value.isEmpty() ? QStringLiteral("provided") : line.Value;
                facts.gedcVersionSeen = true;
            } else if (tag == QLatin1String("_EXTENDED_LOCATIONS")) {
                locationsSuffix = QStringLiteral("EL");
            } else if (tag == QLatin1String("FORM") && line.Level == 2) {
                form = line.Value;
            } else if (tag == QLatin1String("FORM") && line.Level == 3 &&
                       line.Value == QLatin1String("EVENT")) {
                eventPrefix = QStringLiteral("Event");
            }
            return;
        }
        const bool source = inSourceBlock();
        if (IsOneOf(tag, {"DEST", "DESTINATION", "HD"}) && info.Dest == kDashes) {
            info.Dest = line.Value;
        } else if (source && line.Level == 1 && info.Program == kDashes && !line.Value.isEmpty()) {
            info.Program = line.Value;
        } else if (source && IsOneOf(tag, {"NAME", "SOUR"}) && info.Program == kDashes &&
                   !line.Value.isEmpty()) {
            info.Program = line.Value;
        } else if (source && IsOneOf(tag, {"VERS", "VERSION"})) {
            info.Program += QLatin1Char(' ') + line.Value;
            facts.sourceVersionSeen = true;
        } else if (source && IsOneOf(tag, {"ADR3", "EMAIL", "FAX", "WWW"})) {
            facts.addressSeen = true;
        } else if (!source && IsOneOf(tag, {"CHAR", "CHARACTER"}) && info.Char == kDashes) {
            info.Char = line.Value;
        }
    }

    void walk(const QString& text) {
        GedcomLine line;
        qsizetype cursor = 0;
        ReadGedcomLine(text, cursor, line); // the header line itself
        SkipGedcomSpaces(text, cursor);
        ReadGedcomLine(text, cursor, line);
        facts.systSecond = line.Tag == QLatin1String("SYST");
        // The line that brings the cursor to the end is never examined: the window may cut it.
        while (!AtGedcomTextEnd(text, cursor)) {
            if (line.Level == 0)
                break;
            examine(line);
            SkipGedcomSpaces(text, cursor);
            ReadGedcomLine(text, cursor, line);
        }
    }
};

// The decoded text from where the header may start, and whether text in front was dropped.
struct HeaderText {
    QString text;
    bool embedded = false;
    bool searched = false; // the ".ged" search for "0 HEAD" has been made
};

// Without a mark every byte decodes on its own and ASCII stays ASCII, so the header is found
// among the bytes, and only the part the line reader will see (up to the first NUL) is decoded.
HeaderText DecodeMarklessWindow(QByteArrayView window, bool dotGed) {
    static constexpr char kHead[] = "0 HEAD";
    static constexpr char kLeHead[] = "0\0 \0H\0E\0A\0D\0";
    static constexpr char kBeHead[] = "\0"
                                      "0\0 \0H\0E\0A\0D";
    HeaderText result;
    if (window.startsWith(QByteArrayView(kLeHead, 12)) ||
        window.startsWith(QByteArrayView(kBeHead, 12))) {
        result.text = DecodeWindows1252(
            window.first(qMin<qsizetype>(14, window.size()))); // tells the layouts
        return result;
    }
    qsizetype start = 0;
    if (!window.startsWith(QByteArrayView("0HH")) && dotGed) {
        result.searched = true;
        start = window.indexOf(QByteArrayView(kHead, 6));
        if (start < 0)
            return result; // no header anywhere in the window
        result.embedded = start > 0;
    }
    qsizetype end = window.indexOf('\0', start);
    if (end < 0)
        end = window.size();
    result.text = DecodeWindows1252(window.sliced(start, end - start));
    return result;
}

} // namespace

HeaderInfo AnalyzeGedcomHeaderWindow(QByteArrayView window, const QString& extension) {
    window = window.first(qMin(window.size(), kHeaderWindowSize));
    HeaderWalk state;
    const bool dotGed = UpperCodeUnits(extension) == QLatin1String(".GED");
    const ByteOrderMark mark = DetectByteOrderMark(window);
    HeaderText decoded;
    if (mark == ByteOrderMark::None)
        decoded = DecodeMarklessWindow(window, dotGed);
    else
        decoded.text = DecodeAfterMark(window.sliced(ByteOrderMarkLength(mark)), mark);
    QString& text = decoded.text;

    QString baseType = NothingFoundType();
    auto charAt = [&text](qsizetype i) { return i < text.size() ? text[i].unicode() : -1; };

    if (text.startsWith(QLatin1String("0HH"))) {
        baseType = QStringLiteral("GEDCOM");
        state.facts.zeroHH = true;
    } else if (StartsWithMarklessUtf16Head(text, true)) {
        baseType = (charAt(12) == ' ' && charAt(13) == 0) ? QStringLiteral("GEDCOMsp")
                                                          : QStringLiteral("GEDCOM");
        state.info.BOM = QStringLiteral("No BOM (file is UTF-16, little-endian)");
        text = DecodeUtf16LE(window);
    } else if (StartsWithMarklessUtf16Head(text, false)) {
        baseType = (charAt(12) == 0 && charAt(13) == ' ') ? QStringLiteral("GEDCOMsp")
                                                          : QStringLiteral("GEDCOM");
        state.info.BOM = QStringLiteral("No BOM (file is UTF-16, big-endian)");
        text = DecodeUtf16BE(window);
    } else {
        qsizetype start = 0;
        if (decoded.searched)
            start = decoded.embedded ? 1 : (text.isEmpty() ? -1 : 0);
        else if (dotGed)
            start = text.indexOf(QLatin1String("0 HEAD"));
        if (start >= 0) {
            if (start > 0) {
                state.embeddedPrefix = QStringLiteral("Embedded");
                if (!decoded.searched)
                    text.remove(0, start);
            }
            const QLatin1String head("0 HEAD");
            if (text.startsWith(head) && (charAt(6) == '\r' || charAt(6) == '\n'))
                baseType = QStringLiteral("GEDCOM");
            else if (text.startsWith(head) && charAt(6) == ' ')
                baseType = QStringLiteral("GEDCOMsp");
            else if (text.startsWith(QLatin1String("0 HEADER")))
                baseType = QStringLiteral("FTW TEXT");
        }
    }

    if (baseType != NothingFoundType()) {
        if (mark != ByteOrderMark::None)
            state.info.BOM = DescribeMark(mark);
        state.walk(text);
        state.facts.program = state.info.Program;
        state.facts.charSet = state.info.Char;
        state.facts.eventForm = !state.eventPrefix.isEmpty();
    }
    const VersionDecision version = DecideVersion(state.facts, baseType != NothingFoundType());

    QString type = baseType;
    if (!state.embeddedPrefix.isEmpty())
        type.prepend(state.embeddedPrefix + QLatin1Char(' '));
    if (!state.eventPrefix.isEmpty())
        type.prepend(state.eventPrefix + QLatin1Char(' '));
    if (!state.locationsSuffix.isEmpty())
        type += QLatin1Char(' ') + state.locationsSuffix;
    if (!version.corrected.isEmpty())
        type += QLatin1Char(' ') + version.corrected + QStringLiteral(" (Not ") + version.stated +
                QLatin1Char(')');
    else if (!version.stated.isEmpty())
        type += QLatin1Char(' ') + version.stated;
    if (!state.form.isEmpty() && UpperCodeUnits(state.form) != QLatin1String("LINEAGE-LINKED"))
        type += QLatin1Char(' ') + state.form;
    state.info.Type = type;
    return state.info;
}

HeaderInfo AnalyzeGedcomHeader(const QString& path) {
    std::array<char, kHeaderWindowSize> window{};
    const qint64 got = ReadFileStart(path, window.data(), window.size());
    return AnalyzeGedcomHeaderWindow(QByteArrayView(window.data(), got), ExtensionOf(path));
}
