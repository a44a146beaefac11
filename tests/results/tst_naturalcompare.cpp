#include "NaturalCompare.h"

#include <QRandomGenerator>
#include <QTest>

class TestNaturalCompare : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void compare_data();
    void compare();
    void strictWeakOrder();
};

void TestNaturalCompare::compare_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");
    QTest::newRow("tree2 before tree10") << "tree2.ged"
                                         << "tree10.ged" << -1;
    QTest::newRow("case ignored") << "Smith.ged"
                                  << "smith.ged" << 0;
    QTest::newRow("letters") << "adams.ged"
                             << "Baker.ged" << -1;
    QTest::newRow("leading zeros equal") << "file01"
                                         << "file1" << 0;
    QTest::newRow("leading zeros then value") << "file002"
                                              << "file10" << -1;
    QTest::newRow("prefix first") << "smith"
                                  << "smith.ged" << -1;
    QTest::newRow("digits before letters") << "1abc"
                                           << "abc" << -1;
    QTest::newRow("long numbers") << "x123456789012345678901"
                                  << "x99" << 1;
    QTest::newRow("equal numbers go on") << "a10b"
                                         << "a10c" << -1;
    QTest::newRow("zero runs") << "a0"
                               << "a00" << 0;
    QTest::newRow("empty") << ""
                           << "a" << -1;
    QTest::newRow("both empty") << ""
                                << "" << 0;
    QTest::newRow("dates as texts, not numbers") << "43831.5"
                                                 << "43831.25" << -1;
    QTest::newRow("0 before dated") << "0"
                                    << "43831.5" << -1;
}

void TestNaturalCompare::compare() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    QCOMPARE(NaturalCompare(a, b), expected);
    QCOMPARE(NaturalCompare(b, a), -expected);
}

void TestNaturalCompare::strictWeakOrder() {
    // Antisymmetry and transitivity over many short strings of digits, letters and marks.
    QRandomGenerator random(7);
    const QString alphabet = QStringLiteral("0019aAbB.-_ \u00e9");
    QStringList samples;
    for (int i = 0; i < 150; ++i) {
        QString s;
        for (int k = random.bounded(0, 6); k > 0; --k)
            s += alphabet[random.bounded(alphabet.size())];
        samples << s;
    }
    for (const QString& a : samples) {
        for (const QString& b : samples) {
            const int ab = NaturalCompare(a, b);
            QCOMPARE(NaturalCompare(b, a), -ab);
            if (ab > 0)
                continue;
            for (const QString& c : samples) {
                const int bc = NaturalCompare(b, c);
                if (bc > 0)
                    continue;
                const int ac = NaturalCompare(a, c);
                if (ac > 0 || ((ab < 0 || bc < 0) && ac == 0))
                    QFAIL(
                        qPrintable(QStringLiteral("not transitive: [%1] [%2] [%3]").arg(a, b, c)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestNaturalCompare)
#include "tst_naturalcompare.moc"
