#include "DateTimeValue.h"
#include "TextHelpers.h"

#include <QLocale>
#include <QTest>

class TestCommonHelpers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void nthField_data();
    void nthField();
    void countPhrase_data();
    void countPhrase();
    void upperCaseKeepsLength();
    void extension_data();
    void extension();
    void dateTimeValueRoundTrip_data();
    void dateTimeValueRoundTrip();
    void dateTimeText_data();
    void dateTimeText();
};

void TestCommonHelpers::nthField_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sep");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first") << "a,b,c"
                           << "," << 1 << "a";
    QTest::newRow("middle") << "a,b,c"
                            << "," << 2 << "b";
    QTest::newRow("last") << "a,b,c"
                          << "," << 3 << "c";
    QTest::newRow("beyond") << "a,b,c"
                            << "," << 4 << "";
    QTest::newRow("zero") << "a,b,c"
                          << "," << 0 << "";
    QTest::newRow("negative") << "a,b"
                              << "," << -1 << "";
    QTest::newRow("no separator") << "abc"
                                  << "," << 1 << "abc";
    QTest::newRow("trailing separator gives empty last") << "a,"
                                                         << "," << 2 << "";
    QTest::newRow("empty text") << ""
                                << "," << 1 << "";
    QTest::newRow("mask list") << "GEDCOM Files (*.ged)"
                               << "(" << 2 << "*.ged)";
}

void TestCommonHelpers::nthField() {
    QFETCH(QString, text);
    QFETCH(QString, sep);
    QFETCH(int, n);
    QTEST(NthField(text, sep.at(0), n), "expected");
}

void TestCommonHelpers::countPhrase_data() {
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << qint64(0) << "0 files";
    QTest::newRow("one") << qint64(1) << "1 file";
    QTest::newRow("two") << qint64(2) << "2 files";
    QTest::newRow("minus one") << qint64(-1) << "-1 files";
}

void TestCommonHelpers::countPhrase() {
    QFETCH(qint64, n);
    QTEST(CountPhrase(n, QStringLiteral("file")), "expected");
}

void TestCommonHelpers::upperCaseKeepsLength() {
    const QString text = QStringLiteral("stra\u00dfe smith");
    const QString upper = UpperCodeUnits(text);
    QCOMPARE(upper.size(), text.size());
    QCOMPARE(upper, QStringLiteral("STRA\u00dfE SMITH"));
}

void TestCommonHelpers::extension_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/a/smith.ged"
                           << ".ged";
    QTest::newRow("last dot") << "/a/smith.ged.log"
                              << ".log";
    QTest::newRow("none") << "/a/smith"
                          << "";
    QTest::newRow("dot in folder only") << "/a.b/smith"
                                        << "";
    QTest::newRow("trailing dot") << "smith."
                                  << ".";
}

void TestCommonHelpers::extension() {
    QFETCH(QString, path);
    QTEST(ExtensionOf(path), "expected");
}

void TestCommonHelpers::dateTimeValueRoundTrip_data() {
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<double>("value");
    QTest::newRow("epoch") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::newRow("noon 2020-01-01") << QDateTime(QDate(2020, 1, 1), QTime(12, 0)) << 43831.5;
    QTest::newRow("midnight 2020-01-01") << QDateTime(QDate(2020, 1, 1), QTime(0, 0)) << 43831.0;
    QTest::newRow("6 am 2020-01-02") << QDateTime(QDate(2020, 1, 2), QTime(6, 0)) << 43832.25;
}

void TestCommonHelpers::dateTimeValueRoundTrip() {
    QFETCH(QDateTime, dateTime);
    QFETCH(double, value);
    QCOMPARE(ToDateTimeValue(dateTime), value);
    QCOMPARE(FromDateTimeValue(value), dateTime);
    const QDateTime withMs(QDate(2021, 3, 4), QTime(5, 6, 7, 890));
    QCOMPARE(FromDateTimeValue(ToDateTimeValue(withMs)), withMs);
}

void TestCommonHelpers::dateTimeText_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<QString>("expected");
    const QDateTime afternoon(QDate(2020, 1, 2), QTime(13, 4, 5));
    const QDateTime midnight(QDate(2020, 1, 2), QTime(0, 0));
    QTest::newRow("en_US afternoon") << "en_US" << afternoon << "1/2/20 1:04:05\u202fPM";
    QTest::newRow("en_US midnight") << "en_US" << midnight << "1/2/20";
    QTest::newRow("de_DE afternoon") << "de_DE" << afternoon << "02.01.20 13:04:05";
    QTest::newRow("de_DE midnight") << "de_DE" << midnight << "02.01.20";
}

void TestCommonHelpers::dateTimeText() {
    QFETCH(QString, locale);
    QFETCH(QDateTime, dateTime);
    QLocale::setDefault(QLocale(locale));
    const QString text = DateTimeText(ToDateTimeValue(dateTime));
    QFETCH(QString, expected);
    const QString timeFormat = LongTimeFormatWithoutZone(QLocale());
    QVERIFY2(!timeFormat.contains(QLatin1Char('t')), qPrintable(timeFormat));
    QString composed = QLocale().toString(dateTime.date(), QLocale::ShortFormat);
    if (dateTime.time() != QTime(0, 0))
        composed += QLatin1Char(' ') + QLocale().toString(dateTime.time(), timeFormat);
    QCOMPARE(text, composed);
    QCOMPARE(QString(text).replace(QChar(0x202f), QLatin1Char(' ')),
             QString(expected).replace(QChar(0x202f), QLatin1Char(' ')));
}

QTEST_GUILESS_MAIN(TestCommonHelpers)
#include "tst_commonhelpers.moc"
