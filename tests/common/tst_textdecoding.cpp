#include "TextDecoding.h"

#include <QTest>

class TestTextDecoding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void utf8Strict_data();
    void utf8Strict();
    void windows1252();
    void utf16OddByteDropped();
    void byMark_data();
    void byMark();
};

void TestTextDecoding::utf8Strict_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascii") << QByteArray("abc") << QStringLiteral("abc");
    QTest::newRow("two-byte") << QByteArray("\xC3\xA9") << QStringLiteral("\u00e9");
    QTest::newRow("astral as pair")
        << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral("\U0001F600");
    QTest::newRow("nul kept") << QByteArray("a\0b", 3) << QString::fromLatin1("a\0b", 3);
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QString();
    QTest::newRow("overlong three-byte") << QByteArray("\xE0\x80\xAF") << QString();
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QString();
    QTest::newRow("above 10FFFF") << QByteArray("\xF4\x90\x80\x80") << QString();
    QTest::newRow("cut off at end") << QByteArray("ab\xC3") << QString();
    QTest::newRow("stray continuation") << QByteArray("a\x80z") << QString();
    QTest::newRow("invalid lead FF") << QByteArray("a\xFF") << QString();
}

void TestTextDecoding::utf8Strict() {
    QFETCH(QByteArray, bytes);
    QTEST(DecodeUtf8Strict(bytes), "expected");
}

void TestTextDecoding::windows1252() {
    QCOMPARE(DecodeWindows1252("\x80\x81\x9F\xA0\xFF"),
             QStringLiteral("\u20ac\u0081\u0178\u00a0\u00ff"));
}

void TestTextDecoding::utf16OddByteDropped() {
    QCOMPARE(DecodeUtf16LE(QByteArrayView("A\0B", 3)), QStringLiteral("A"));
    QCOMPARE(DecodeUtf16BE(QByteArrayView("\0A\0", 3)), QStringLiteral("A"));
}

void TestTextDecoding::byMark_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("utf16 bom le") << QByteArray("\xFF\xFEh\0i\0", 6) << QStringLiteral("hi");
    QTest::newRow("utf16 bom le then 00 00")
        << QByteArray("\xFF\xFE\0\0h\0", 6) << QString::fromLatin1("\0h", 2);
    QTest::newRow("utf16 bom be") << QByteArray("\xFE\xFF\0h\0i", 6) << QStringLiteral("hi");
    QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBFh\xC3\xA9") << QStringLiteral("h\u00e9");
    QTest::newRow("utf8 bom invalid") << QByteArray("\xEF\xBB\xBFh\xC3") << QString();
    QTest::newRow("utf16 nobom le") << QByteArray("h\0i\0", 4) << QString::fromLatin1("h\0i\0", 4);
    QTest::newRow("no mark 1252") << QByteArray("caf\xE9") << QStringLiteral("caf\u00e9");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestTextDecoding::byMark() {
    QFETCH(QByteArray, bytes);
    QTEST(DecodeByMark(bytes), "expected");
}

QTEST_GUILESS_MAIN(TestTextDecoding)
#include "tst_textdecoding.moc"
