#pragma once

// One shared table of byte fixtures for the header analysis, each row named, each with the
// HeaderInfo it must give. The lines of a fixture are joined with CR LF, the last one included.

#include "HeaderInfo.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct HeaderFixture {
    const char* name;
    QByteArray bytes;
    QString extension;
    HeaderInfo expected;
};

inline QByteArray CrLfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

inline QByteArray Utf16Bytes(const QByteArray& latin1, bool littleEndian) {
    QByteArray out;
    for (char c : latin1) {
        if (littleEndian)
            out.append(c).append('\0');
        else
            out.append('\0').append(c);
    }
    return out;
}

inline HeaderInfo Info(const char* type, const char* bom = "---", const char* program = "---",
                       const char* dest = "---", const char* charSet = "---") {
    HeaderInfo info;
    info.Type = QString::fromUtf8(type);
    info.BOM = QString::fromUtf8(bom);
    info.Program = QString::fromUtf8(program);
    info.Dest = QString::fromUtf8(dest);
    info.Char = QString::fromUtf8(charSet);
    return info;
}

inline QStringList Split(const char* slashed) {
    return QString::fromLatin1(slashed).split(QStringLiteral(" / "));
}

inline QByteArray PafHeader(const char* program) {
    return CrLfLines({QStringLiteral("0 HEAD"), QStringLiteral("1 SOUR ") + QLatin1String(program),
                      QStringLiteral("1 GEDC"), QStringLiteral("2 VERS 5.5"),
                      QStringLiteral("0 TRLR")});
}

inline QList<HeaderFixture> HeaderFixtures() {
    const QString ged = QStringLiteral(".ged");
    const QByteArray utf8Mark("\xEF\xBB\xBF");
    const QByteArray mail = CrLfLines(
        {QStringLiteral("From: someone@example.org"), QStringLiteral("Subject: our tree")});
    const QByteArray simple55 = CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.5 / 0 TRLR"));
    const QByteArray unicode55 =
        CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.5 / 1 CHAR UNICODE / 0 TRLR"));

    // A header longer than the window: the line that the window cuts would otherwise set Char.
    QByteArray longHeader = "0 HEAD\r\n1 SOUR XY\r\n";
    longHeader += "2 NOTE " + QByteArray(4090 - longHeader.size() - 9, 'x') + "\r\n";
    longHeader += "1 CHAR ANSEL\r\n0 TRLR\r\n"; // "1 CHAR" ends at byte 4096

    // A UTF-8 multi-byte character cut by the window's end makes the strict decoding empty.
    QByteArray cutUtf8 = utf8Mark + CrLfLines(Split("0 HEAD / 1 CHAR UTF-8"));
    cutUtf8 += QByteArray(4095 - cutUtf8.size(), 'x') + "\xC3\xA9";

    return {
        {"utf8 bom 5.5.1",
         utf8Mark + CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.5.1 / 2 FORM LINEAGE-LINKED / 1 "
                                    "CHAR UTF-8 / 0 @I1@ INDI")),
         ged, Info("GEDCOM 5.5.1", "EF BB BF (UTF-8)", "---", "---", "UTF-8")},
        {"paf 5.5 corrected",
         CrLfLines(Split("0 HEAD / 1 SOUR PAF / 2 VERS 5.2.18.0 / 1 DEST PAF / 1 GEDC / 2 VERS 5.5 "
                         "/ 2 FORM LINEAGE-LINKED / 1 CHAR ANSEL / 0 @I1@ INDI")),
         ged, Info("GEDCOM 5.5.1 (Not 5.5)", "---", "PAF 5.2.18.0", "PAF", "ANSEL")},
        {"utf16 nobom le", Utf16Bytes(unicode55, true), ged,
         Info("GEDCOM 5.5", "No BOM (file is UTF-16, little-endian)", "---", "---", "UNICODE")},
        {"utf16 bom be", QByteArray("\xFE\xFF") + Utf16Bytes(unicode55, false), ged,
         Info("GEDCOM 5.5", "FE FF (UTF-16, big-endian)", "---", "---", "UNICODE")},
        {"utf16 bom le", QByteArray("\xFF\xFE") + Utf16Bytes(unicode55, true), ged,
         Info("GEDCOM 5.5", "FF FE (UTF-16, little-endian)", "---", "---", "UNICODE")},
        {"utf16 nobom be", Utf16Bytes(unicode55, false), ged,
         Info("GEDCOM 5.5", "No BOM (file is UTF-16, big-endian)", "---", "---", "UNICODE")},
        {"utf16 nobom le sp",
         Utf16Bytes(CrLfLines(Split("0 HEAD x / 1 GEDC / 2 VERS 5.5 / 0 TRLR")), true), ged,
         Info("GEDCOMsp 5.5", "No BOM (file is UTF-16, little-endian)")},
        {"utf16 nobom le odd byte", Utf16Bytes(simple55, true) + "1", ged,
         Info("GEDCOM 5.5", "No BOM (file is UTF-16, little-endian)")},
        {"embedded after mail headers", mail + simple55, ged, Info("Embedded GEDCOM 5.5")},
        {"embedded after a NUL byte", QByteArray("abc\0", 4) + simple55, ged,
         Info("Embedded GEDCOM 5.5")},
        {"utf16 nobom le exactly twelve bytes", QByteArray("0\0 \0H\0E\0A\0D\0", 12), ged,
         Info("GEDCOM ??? (Not provided)", "No BOM (file is UTF-16, little-endian)")},
        {"embedded needs .ged", mail + simple55, QStringLiteral(".txt"), Info("Nothing found")},
        {"embedded head then tab", mail + "0 HEAD\t\r\n1 GEDC\r\n", ged,
         Info("Embedded Nothing found")},
        {"embedded from 10 HEAD", CrLfLines(Split("10 HEAD / 1 GEDC / 2 VERS 5.5 / 0 TRLR")), ged,
         Info("Embedded GEDCOM 5.5")},
        {"extension upper case", mail + simple55, QStringLiteral(".GED"),
         Info("Embedded GEDCOM 5.5")},
        {"head with value", CrLfLines(Split("0 HEAD xyz / 1 GEDC / 2 VERS 5.5 / 0 TRLR")), ged,
         Info("GEDCOMsp 5.5")},
        {"source version gives 3.0", CrLfLines(Split("0 HEAD / 1 SOUR XY / 2 VERS 1.1 / 0 TRLR")),
         ged, Info("GEDCOM 3.0", "---", "XY 1.1")},
        {"syst second gives 2.0", CrLfLines(Split("0 HEAD / 1 SYST XY / 0 TRLR")), ged,
         Info("GEDCOM 2.0", "---", "XY")},
        {"0HH gives 1.0", CrLfLines(Split("0HH / 1 HS XY / 0 TRLR")), ged,
         Info("GEDCOM 1.0", "---", "XY")},
        {"program gives 2.1", CrLfLines(Split("0 HEAD / 1 SOUR XY / 1 CHAR ASCII / 0 TRLR")), ged,
         Info("GEDCOM 2.1", "---", "XY", "---", "ASCII")},
        {"nothing gives unknown", CrLfLines(Split("0 HEAD / 1 CHAR ASCII / 0 TRLR")), ged,
         Info("GEDCOM ??? (Not provided)", "---", "---", "---", "ASCII")},
        {"ftw text", CrLfLines(Split("0 HEADER / 0 TRLR")), ged,
         Info("FTW TEXT ??? (Not provided)")},
        {"5.01", CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.01 / 0 TRLR")), ged,
         Info("GEDCOM 5.1 (Not 5.01)")},
        {"4+", CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 4+ / 0 TRLR")), ged,
         Info("GEDCOM 4.0 (Not 4+)")},
        {"legacy provided", CrLfLines(Split("0 HEAD / 1 SOUR Legacy 7 / 1 GEDC / 2 VERS / 0 TRLR")),
         ged, Info("GEDCOM 5.5 (Not provided)", "---", "Legacy 7")},
        {"provided", CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS / 0 TRLR")), ged,
         Info("GEDCOM 4.0 (Not provided)")},
        {"before 4.0", CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 3.0 / 0 TRLR")), ged,
         Info("GEDCOM 4.0 (Not 3.0)")},
        {"GEDCOM prefix dropped", CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS GEDCOM 5.5 / 0 TRLR")),
         ged, Info("GEDCOM 5.5")},
        {"5.5 with utf-8", CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.5 / 1 CHAR UTF-8 / 0 TRLR")),
         ged, Info("GEDCOM 5.5.1 (Not 5.5)", "---", "---", "---", "UTF-8")},
        {"5.5 with email",
         CrLfLines(
             Split("0 HEAD / 1 SOUR XY / 2 CORP Z / 3 EMAIL a / 1 GEDC / 2 VERS 5.5 / 0 TRLR")),
         ged, Info("GEDCOM 5.5.1 (Not 5.5)", "---", "XY")},
        {"event form",
         CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.5 / 2 FORM XY / 3 FORM EVENT / 0 TRLR")), ged,
         Info("Event GEDCOM 5.5 XY")},
        {"extended locations, form any case",
         CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.5.1 / 2 _EXTENDED_LOCATIONS / 2 FORM "
                         "lineage-linked / 0 TRLR")),
         ged, Info("GEDCOM EL 5.5.1")},
        {"version without program",
         CrLfLines(Split("0 HEAD / 1 SOUR / 2 VERS 5 / 2 NAME XY / 0 TRLR")), ged,
         Info("GEDCOM 3.0", "---", "--- 5")},
        {"first dest wins, char in source ignored",
         CrLfLines(Split("0 HEAD / 1 DEST / 1 DEST XY / 1 SOUR XY / 2 CHAR ANSEL / 0 TRLR")), ged,
         Info("GEDCOM 2.1", "---", "XY", "", "---")},
        {"last line never examined", CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.5")), ged,
         Info("GEDCOM ??? (Not provided)")},
        {"bom on unrecognised text", utf8Mark + "hello\r\n", ged, Info("Nothing found")},
        {"ill-formed utf-8 after mark",
         utf8Mark + CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.5 / 1 NOTE \xff / 0 TRLR")), ged,
         Info("Nothing found")},
        {"utf-8 cut at window end", cutUtf8, ged, Info("Nothing found")},
        {"header longer than window", longHeader, ged, Info("GEDCOM 2.1", "---", "XY")},
        {"form other than lineage-linked",
         CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.5.1 / 2 FORM Event-Linked / 0 TRLR")), ged,
         Info("GEDCOM 5.5.1 Event-Linked")},
        {"paf 5 lower bound", PafHeader("PAF 5"), ged,
         Info("GEDCOM 5.5.1 (Not 5.5)", "---", "PAF 5")},
        {"paf 5.2.18.0", PafHeader("PAF 5.2.18.0"), ged,
         Info("GEDCOM 5.5.1 (Not 5.5)", "---", "PAF 5.2.18.0")},
        {"paf 8", PafHeader("PAF 8"), ged, Info("GEDCOM 5.5.1 (Not 5.5)", "---", "PAF 8")},
        {"paf 9 upper bound", PafHeader("PAF 9"), ged,
         Info("GEDCOM 5.5.1 (Not 5.5)", "---", "PAF 9")},
        {"paf 9.1 above", PafHeader("PAF 9.1"), ged, Info("GEDCOM 5.5", "---", "PAF 9.1")},
        {"paf 4.0 below", PafHeader("PAF 4.0"), ged, Info("GEDCOM 5.5", "---", "PAF 4.0")},
        {"empty file", QByteArray(), ged, Info("Nothing found")},
        {"too short", QByteArray("0 HE"), ged, Info("Nothing found")},
        {"head alone, no line end", QByteArray("0 HEAD"), QStringLiteral(".txt"),
         Info("Nothing found")},
        {"ansi bytes are windows-1252",
         QByteArray("0 HEAD\r\n1 SOUR Famille \xe9t\xe9\r\n0 TRLR\r\n"), ged,
         Info("GEDCOM 2.1", "---", "Famille \u00e9t\u00e9")},
        {"euro sign from 0x80", QByteArray("0 HEAD\r\n1 DEST \x80\r\n0 TRLR\r\n"), ged,
         Info("GEDCOM ??? (Not provided)", "---", "---", "\u20ac")},
    };
}
