#include "FixtureTree.h"
#include "ScanCommand.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestScanCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void options_data();
    void options();
    void badUsage_data();
    void badUsage();
    void tsvRowsAndFinalLine();
    void csvQuoting();
    void jsonRawNumbers();
};

void TestScanCommand::options_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("lookIn");
    QTest::addColumn<int>("inWhat");
    QTest::newRow("defaults") << QStringList{"/fam"} << "GEDCOM Files (*.ged)"
                              << "/fam/" << 0;
    QTest::newRow("separator kept") << QStringList{"/fam/"} << "GEDCOM Files (*.ged)"
                                    << "/fam/" << 0;
    QTest::newRow("type and in") << QStringList{"--type", "All Files (*.*)", "--in", "all", "/x"}
                                 << "All Files (*.*)"
                                 << "/x/" << 2;
    QTest::newRow("log") << QStringList{"--in", "log", "--", "--odd"} << "GEDCOM Files (*.ged)"
                         << "--odd/" << 1;
}

void TestScanCommand::options() {
    QFETCH(QStringList, args);
    QString error;
    const auto o = ParseScanOptions(args, error);
    QVERIFY2(o.has_value(), qPrintable(error));
    QTEST(o->criteria.TypeText, "type");
    QTEST(o->criteria.LookIn, "lookIn");
    QTEST(int(o->criteria.InWhat), "inWhat");
}

void TestScanCommand::badUsage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("two folders") << QStringList{"/a", "/b"};
    QTest::newRow("unknown option") << QStringList{"--frobnicate", "/a"};
    QTest::newRow("missing value") << QStringList{"/a", "--type"};
    QTest::newRow("bad in") << QStringList{"--in", "everything", "/a"};
    QTest::newRow("empty type") << QStringList{"--type", "", "/a"};
}

void TestScanCommand::badUsage() {
    QFETCH(QStringList, args);
    QString error;
    QVERIFY(!ParseScanOptions(args, error).has_value());
    QVERIFY(!error.isEmpty());
}

void TestScanCommand::tsvRowsAndFinalLine() {
    FixtureTree tree;
    tree.write("smith.ged", Ged55());
    tree.write("tab\tname.ged", Ged55());
    QString error;
    const auto o = ParseScanOptions({"--name", "smith", tree.root()}, error);
    QVERIFY(o);
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    QCOMPARE(RunScanCommand(*o, out, err, false), 0);
    const QStringList lines = outText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(QLatin1String("Name\tPath\tSize\tSizeRaw\t")));
    const QStringList fields = lines[1].split(QLatin1Char('\t'));
    QCOMPARE(fields.size(), 13);
    QCOMPARE(fields[0], QStringLiteral("smith.ged"));
    QCOMPARE(fields[3], QString::number(Ged55().size()));
    QCOMPARE(fields[8], QStringLiteral("GEDCOM 5.5"));
    QCOMPARE(errText, QStringLiteral("Search ended (1 file found in 1 folder)\n"));

    const auto all = ParseScanOptions({tree.root()}, error);
    outText.clear();
    RunScanCommand(*all, out, err, false);
    QVERIFY(outText.contains(QLatin1String("tab\\tname.ged")));
}

void TestScanCommand::csvQuoting() {
    FixtureTree tree;
    tree.write("a,\"b\".ged", Ged55());
    QString error;
    const auto o = ParseScanOptions({"--csv", tree.root()}, error);
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    RunScanCommand(*o, out, err, false);
    QVERIFY(outText.contains(QLatin1String("\"a,\"\"b\"\".ged\",")));
}

void TestScanCommand::jsonRawNumbers() {
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    QString error;
    const auto o = ParseScanOptions({"--json", tree.root()}, error);
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    RunScanCommand(*o, out, err, false);
    const QJsonObject row = QJsonDocument::fromJson(outText.trimmed().toUtf8()).object();
    QCOMPARE(row.value("Name").toString(), QStringLiteral("a.ged"));
    QVERIFY(row.value("SizeRaw").isDouble());
    QCOMPARE(row.value("SizeRaw").toDouble(), double(Ged55().size()));
    QVERIFY(row.value("DateModifiedRaw").toDouble() > 40000);
    QCOMPARE(row.value("LogFileDateRaw").toDouble(), 0.0);
    QCOMPARE(row.size(), 13);
}

QTEST_GUILESS_MAIN(TestScanCommand)
#include "tst_scancommand.moc"
