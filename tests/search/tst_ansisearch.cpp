#include "AnsiSearch.h"
#include "TextDecoding.h"

#include <QRandomGenerator>
#include <QTest>

// The byte search must give exactly what the text search gives on the decoded bytes.
class TestAnsiSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameAsTextSearch_data();
    void sameAsTextSearch();
    void randomAgreement();
};

void TestAnsiSearch::sameAsTextSearch_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("found");
    QTest::newRow("any case") << QByteArray("SMITH and Smithson") << "smith" << false << false
                              << true;
    QTest::newRow("whole word") << QByteArray("Smithson SMITH") << "smith" << false << true << true;
    QTest::newRow("match case") << QByteArray("SMITH and Smithson") << "smith" << true << false
                                << false;
    QTest::newRow("underscore") << QByteArray("jones_smith") << "smith" << false << true << true;
    QTest::newRow("inside word") << QByteArray("blacksmith") << "smith" << false << true << false;
    QTest::newRow("nul cut") << QByteArray("0123456789\0smith", 16) << "smith" << false << false
                             << false;
    QTest::newRow("1252 accented upper")
        << QByteArray("M\xDCLLER") << QStringLiteral("m\u00fcller") << false << false << true;
    QTest::newRow("1252 euro") << QByteArray("cost \x80 5") << QStringLiteral("\u20ac 5") << true
                               << false << true;
    QTest::newRow("char no byte has")
        << QByteArray("abc") << QStringLiteral("\u4e2d") << false << false << false;
    QTest::newRow("at the end") << QByteArray("the smith") << "smith" << false << true << true;
    QTest::newRow("non-word start only at 0")
        << QByteArray("a -x") << "-x" << false << true << false;
    QTest::newRow("non-word start at 0") << QByteArray("-x y") << "-x" << false << true << true;
    QTest::newRow("empty view without data")
        << QByteArray() << "a" << false << false << false; // found by UBSan
    QTest::newRow("anchor near start") << QByteArray("zq") << "zq" << false << false << true;
}

void TestAnsiSearch::sameAsTextSearch() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, needle);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(bool, found);
    QCOMPARE(TextContains(DecodeWindows1252(bytes), needle, {matchCase, wholeWord}), found);
    QCOMPARE(AnsiBytesContain(bytes, needle, {matchCase, wholeWord}), found);
}

void TestAnsiSearch::randomAgreement() {
    // Small alphabets make matches, near-misses, word edges and NULs common.
    QRandomGenerator random(20261211);
    const QByteArray alphabet("aAbB _-1\xE9\xC9\x8A\x9A\0", 14);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes;
        const int n = random.bounded(0, 24);
        for (int i = 0; i < n; ++i)
            bytes += alphabet[random.bounded(alphabet.size())];
        QByteArray needleBytes;
        const int m = random.bounded(1, 4);
        for (int i = 0; i < m; ++i)
            needleBytes += alphabet[random.bounded(alphabet.size() - 1)]; // typed text has no NUL
        const QString needle = DecodeWindows1252(needleBytes);
        const TextSearchOptions options{random.bounded(2) == 1, random.bounded(2) == 1};
        const bool expected = TextContains(DecodeWindows1252(bytes), needle, options);
        if (AnsiBytesContain(bytes, needle, options) != expected)
            QFAIL(qPrintable(QStringLiteral("differs for text %1, needle %2, case %3, word %4")
                                 .arg(QString::fromLatin1(bytes.toHex()),
                                      QString::fromLatin1(needleBytes.toHex()))
                                 .arg(options.matchCase)
                                 .arg(options.wholeWord)));
    }
}

QTEST_GUILESS_MAIN(TestAnsiSearch)
#include "tst_ansisearch.moc"
