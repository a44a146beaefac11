#include "GedcomLine.h"

#include <QTest>

// [CR], [LF], [TAB] and [mark] of the worked examples are written as \r, \n, \t and \x1e.
class TestGedcomLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readLine_data();
    void readLine();
    void endOfTextIsSticky();
    void lfThenCrGivesEmptyLine();
    void textEndsAtFirstNul();
    void reusedLineKeepsNoStaleFields();
};

void TestGedcomLine::readLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("xref");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<int>("cursorAfter");

    auto row = [](const char* name, const QString& text, int level, const char* xref,
                  const QString& tag, const QString& value, const char* marked, int after,
                  int start = 0) {
        QTest::newRow(name) << text << start << level << QString::fromLatin1(xref) << tag << value
                            << QString::fromLatin1(marked) << after;
    };
    row("head crlf", "0 HEAD\r\n", 0, "", "HEAD", "", "", 8);
    row("trailing spaces lf", "1 SOUR Some Program   \n", 1, "", "SOUR", "Some Program", "", 23);
    row("xref", "0 @I12@ INDI\r\n", 0, "@I12@", "INDI", "", "", 14);
    row("two-digit level", "12 NOTE x\r\n", 12, "", "NOTE", "x", "", 11);
    row("third digit is the tag", "123 NOTE x\r\n", 12, "", "3", "NOTE x", "", 12);
    row("leading zero not joined", "05 NAME x\r\n", 0, "", "5", "NAME x", "", 11);
    row("no space after level", "1SOUR x\r\n", 1, "", "SOUR", "x", "", 9);
    row("0HH", "0HH\r\n", 0, "", "HH", "", "", 5);
    row("no level", "SOUR x\r\n", -1, "", "SOUR", "x", "", 8);
    row("blank line", "\r\n", -1, "", "", "", "", 2);
    row("spaces then CR only", "1 DEST    \r", 1, "", "DEST", "", "", 11);
    row("inner spaces kept", "2 NOTE a  b  \r\n", 2, "", "NOTE", "a  b", "", 15);
    row("marked value stops at tab",
        "1 NOTE \x1e"
        "abc\tdef\r\n",
        1, "", "NOTE", "", "abc", 11);
    row("continuing from the tab",
        "1 NOTE \x1e"
        "abc\tdef\r\n",
        -1, "", "\tdef", "", "", 17, 11);
    row("lf then cr", "1 X\n\r2 Y", 1, "", "X", "", "", 4);
    row("end of text without line end", "2 VERS 5.5", 2, "", "VERS", "5.5", "", 10);
    row("end of text itself", "", -1, "", "", "", "", 0);
    row("trailing tab kept", "1 NOTE x\t \r\n", 1, "", "NOTE", "x\t", "", 12);
    row("tab does not end xref", "0 @a\tb@ INDI\n", 0, "@a\tb@", "INDI", "", "", 13);
}

void TestGedcomLine::readLine() {
    QFETCH(QString, text);
    QFETCH(int, start);
    qsizetype cursor = start;
    GedcomLine line;
    line.Value = QStringLiteral("stale");
    ReadGedcomLine(text, cursor, line);
    QTEST(line.Level, "level");
    QTEST(line.Xref, "xref");
    QTEST(line.Tag, "tag");
    QTEST(line.Value, "value");
    QTEST(line.MarkedValue, "marked");
    QTEST(int(cursor), "cursorAfter");
}

void TestGedcomLine::endOfTextIsSticky() {
    const QString text = QStringLiteral("0 HEAD");
    qsizetype cursor = text.size();
    GedcomLine line;
    for (int i = 0; i < 3; ++i) {
        ReadGedcomLine(text, cursor, line);
        QCOMPARE(line.Level, -1);
        QVERIFY(line.Tag.isEmpty());
        QCOMPARE(cursor, text.size());
    }
}

void TestGedcomLine::lfThenCrGivesEmptyLine() {
    const QString text = QStringLiteral("1 X\n\r2 Y");
    qsizetype cursor = 0;
    GedcomLine line;
    ReadGedcomLine(text, cursor, line);
    ReadGedcomLine(text, cursor, line);
    QCOMPARE(line.Level, -1);
    QVERIFY(line.Tag.isEmpty() && line.Value.isEmpty());
    QCOMPARE(text.at(cursor), QLatin1Char('2'));
}

void TestGedcomLine::textEndsAtFirstNul() {
    const QString text = QString::fromLatin1("1 NOTE ab\0cd\r\n", 14);
    qsizetype cursor = 0;
    GedcomLine line;
    ReadGedcomLine(text, cursor, line);
    QCOMPARE(line.Value, QStringLiteral("ab"));
    QCOMPARE(cursor, 9);
    QVERIFY(AtGedcomTextEnd(text, cursor));
}

void TestGedcomLine::reusedLineKeepsNoStaleFields() {
    const QString text = QStringLiteral("0 @X@ A \x1e"
                                        "m\n1 B v\n");
    qsizetype cursor = 0;
    GedcomLine line;
    ReadGedcomLine(text, cursor, line);
    QCOMPARE(line.MarkedValue, QStringLiteral("m"));
    ReadGedcomLine(text, cursor, line);
    QVERIFY(line.Xref.isEmpty());
    QVERIFY(line.MarkedValue.isEmpty());
    QCOMPARE(line.Value, QStringLiteral("v"));
}

QTEST_GUILESS_MAIN(TestGedcomLine)
#include "tst_gedcomline.moc"
