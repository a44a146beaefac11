#include "ContentMatch.h"
#include "FileErrors.h"
#include "FixtureTree.h"
#include "WholeText.h"

#include <QTest>

class TestContentMatch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textContains_data();
    void textContains();
    void wordCharacters_data();
    void wordCharacters();
    void readWholeText_data();
    void readWholeText();
    void readWholeTextStopsAt32MiB();
    void readWholeTextMissingRaises();
    void contentTest_data();
    void contentTest();
    void companionLogDate();
    void companionLogThatIsAFolderIsAbsent();
    void companionLogNotTorvexHasNoDate();
    void fileModifiedOrZero();
};

void TestContentMatch::textContains_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("found");
    const QString smiths = QStringLiteral("SMITH and Smithson");
    QTest::newRow("any case") << smiths << "smith" << false << false << true;
    QTest::newRow("whole word through SMITH") << smiths << "smith" << false << true << true;
    QTest::newRow("match case") << smiths << "smith" << true << false << false;
    QTest::newRow("whole word only Smithson") << "Smithson"
                                              << "smith" << false << true << false;
    QTest::newRow("leading non-word") << "-smith"
                                      << "smith" << false << true << true;
    QTest::newRow("digit blank word slash") << "1 SMITH/"
                                            << "smith" << false << true << true;
    QTest::newRow("at the very end") << "the smith"
                                     << "smith" << false << true << true;
    QTest::newRow("underscore after") << "smith_jones"
                                      << "smith" << false << true << true;
    QTest::newRow("underscore before") << "jones_smith"
                                       << "smith" << false << true << true;
    QTest::newRow("inside a word") << "blacksmith"
                                   << "smith" << false << true << false;
    QTest::newRow("followed by letter") << "smiths"
                                        << "smith" << false << true << false;
    QTest::newRow("longer than text") << "smit"
                                      << "smith" << false << false << false;
    QTest::newRow("empty text") << ""
                                << "a" << false << false << false;
    QTest::newRow("nul cut") << QString::fromLatin1("0123456789\0smith", 16) << "smith" << false
                             << false << false;
    QTest::newRow("nul first") << QString::fromLatin1("\0smith", 6) << "smith" << false << false
                               << false;
    QTest::newRow("before nul") << QString::fromLatin1("smith\0x", 7) << "smith" << false << false
                                << true;
    QTest::newRow("non-word start only at 0") << "a -x"
                                              << "-x" << false << true << false;
    QTest::newRow("non-word start at 0") << "-x y"
                                         << "-x" << false << true << true;
    QTest::newRow("blanks as typed") << "a smith"
                                     << " smith" << false << false << true;
    QTest::newRow("accented upper")
        << QStringLiteral("M\u00dcLLER") << QStringLiteral("m\u00fcller") << false << false << true;
    QTest::newRow("combining mark is non-word")
        << QStringLiteral("smith\u0301") << "smith" << false << true << true;
    QTest::newRow("partial overlap") << "aaab"
                                     << "aab" << true << false << true;
}

void TestContentMatch::textContains() {
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QTEST(TextContains(text, needle, {matchCase, wholeWord}), "found");
}

void TestContentMatch::wordCharacters_data() {
    QTest::addColumn<QChar>("c");
    QTest::addColumn<bool>("word");
    QTest::newRow("letter") << QChar(u'a') << true;
    QTest::newRow("digit") << QChar(u'7') << true;
    QTest::newRow("modifier letter") << QChar(u'\u02b0') << true;
    QTest::newRow("cjk") << QChar(u'\u4e2d') << true;
    QTest::newRow("underscore") << QChar(u'_') << false;
    QTest::newRow("blank") << QChar(u' ') << false;
    QTest::newRow("combining") << QChar(u'\u0301') << false;
    QTest::newRow("high surrogate") << QChar(u'\xd83d') << false;
    QTest::newRow("nul") << QChar(u'\0') << false;
    QTest::newRow("roman numeral is no decimal digit") << QChar(u'\u2160') << false;
}

void TestContentMatch::wordCharacters() {
    QFETCH(QChar, c);
    QTEST(IsWordCharacter(c), "word");
}

void TestContentMatch::readWholeText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("found");
    QTest::newRow("utf16 bom le") << QByteArray("\xFF\xFEs\0m\0i\0t\0h\0", 12) << "smith" << true;
    QTest::newRow("utf16 nobom le") << QByteArray("s\0m\0i\0t\0h\0", 10) << "smith" << false;
    QTest::newRow("utf16 nobom le single character") << QByteArray("s\0m\0", 4) << "s" << true;
    QTest::newRow("utf16 bom be") << QByteArray("\xFE\xFF\0s\0m\0i\0t\0h", 12) << "smith" << true;
    QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBFM\xC3\xBCller smith") << "smith" << true;
    QTest::newRow("utf8 bom invalid") << QByteArray("\xEF\xBB\xBFsmith \xC3(") << "smith" << false;
    QTest::newRow("1252 no mark") << QByteArray("caf\xE9 smith") << QStringLiteral("caf\u00e9")
                                  << true;
}

void TestContentMatch::readWholeText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, needle);
    FixtureTree tree;
    const QString path = tree.write(QStringLiteral("f.ged"), bytes);
    QTEST(TextContains(ReadWholeText(path), needle, {}), "found");
}

void TestContentMatch::readWholeTextStopsAt32MiB() {
    FixtureTree tree;
    const QString path = tree.write(QStringLiteral("big.ged"), "start ");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(kWholeTextReadLimit)); // sparse: no real 32 MiB written
    QVERIFY(file.seek(kWholeTextReadLimit));
    file.write("smith");
    file.close();
    const QString text = ReadWholeText(path);
    QCOMPARE(text.size(), kWholeTextReadLimit);
    QVERIFY(!text.contains(QStringLiteral("smith")));
}

void TestContentMatch::readWholeTextMissingRaises() {
    FixtureTree tree;
    QVERIFY_THROWS_EXCEPTION(FileAccessError, ReadWholeText(tree.path("none.ged")));
}

void TestContentMatch::contentTest_data() {
    QTest::addColumn<int>("inWhat");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("log"); // empty: no log file
    QTest::addColumn<bool>("matched");
    const QByteArray torvexWithSmith = "Torvex version 3\r\nsmith\r\n";
    const QByteArray otherLog = "Some log\r\nsmith\r\n";
    QTest::newRow("data: in file") << 0 << QByteArray("smith") << QByteArray() << true;
    QTest::newRow("data: only in log") << 0 << QByteArray("x") << torvexWithSmith << false;
    QTest::newRow("log: in torvex log") << 1 << QByteArray("x") << torvexWithSmith << true;
    QTest::newRow("log: only in file")
        << 1 << QByteArray("smith") << torvexWithSmith.left(18) << false;
    QTest::newRow("log: log not torvex") << 1 << QByteArray("x") << otherLog << false;
    QTest::newRow("log: no log") << 1 << QByteArray("smith") << QByteArray() << false;
    QTest::newRow("log: first line searched")
        << 1 << QByteArray("x") << QByteArray("Torvex version smith") << true;
    QTest::newRow("all: in log") << 2 << QByteArray("x") << torvexWithSmith << true;
    QTest::newRow("all: in file") << 2 << QByteArray("smith") << otherLog << true;
    QTest::newRow("all: nowhere") << 2 << QByteArray("x") << otherLog << false;
}

void TestContentMatch::contentTest() {
    QFETCH(int, inWhat);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, log);
    FixtureTree tree;
    tree.write(QStringLiteral("smith.ged"), data);
    if (!log.isEmpty())
        tree.write(QStringLiteral("smith.ged.log"), log);
    SearchCriteria criteria;
    criteria.ContainingText = QStringLiteral("smith");
    criteria.InWhat = InWhatChoice(inWhat);
    QTEST(ContentTest(criteria, tree.root(), QStringLiteral("smith.ged")), "matched");
}

void TestContentMatch::companionLogDate() {
    FixtureTree tree;
    tree.write(QStringLiteral("smith.ged"), Ged55());
    tree.write(QStringLiteral("smith.ged.log"), "Torvex version 2.0\r\n");
    const QDateTime when(QDate(2020, 1, 2), QTime(13, 4, 5, 678));
    tree.setModified(QStringLiteral("smith.ged.log"), when);
    const auto date = CompanionLogDate(tree.root(), QStringLiteral("smith.ged"));
    QVERIFY(date.has_value());
    QCOMPARE(date->value, ToDateTimeValue(when)); // milliseconds kept
    QCOMPARE(date->text, DateTimeText(ToDateTimeValue(when)));
}

void TestContentMatch::companionLogThatIsAFolderIsAbsent() {
    FixtureTree tree;
    tree.write(QStringLiteral("smith.ged"), "smith");
    tree.mkdir(QStringLiteral("smith.ged.log"));
    QVERIFY(!CompanionLogDate(tree.root(), QStringLiteral("smith.ged")).has_value());
    SearchCriteria criteria;
    criteria.ContainingText = QStringLiteral("smith");
    criteria.InWhat = InWhatChoice::AllFiles;
    QVERIFY(ContentTest(criteria, tree.root(), QStringLiteral("smith.ged")));
}

void TestContentMatch::companionLogNotTorvexHasNoDate() {
    FixtureTree tree;
    tree.write(QStringLiteral("smith.ged.log"), "Other version 2.0\r\n");
    QVERIFY(!CompanionLogDate(tree.root(), QStringLiteral("smith.ged")).has_value());
    QVERIFY(!CompanionLogDate(tree.root(), QStringLiteral("jones.ged")).has_value());
}

void TestContentMatch::fileModifiedOrZero() {
    FixtureTree tree;
    QCOMPARE(FileModifiedOrZero(tree.path("none")), 0.0);
    QCOMPARE(FileModifiedOrZero(tree.mkdir("sub")), 0.0);
    tree.write(QStringLiteral("a"), "x");
    QVERIFY(FileModifiedOrZero(tree.path("a")) > 40000);
}

QTEST_GUILESS_MAIN(TestContentMatch)
#include "tst_contentmatch.moc"
