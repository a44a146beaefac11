#include "IniDocument.h"
#include "ProgramVersion.h"
#include "SettingsMedium.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSettingsMedium : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void damagedFileLoadsWhatItCan();
    void layoutOnDisk();
    void companionKeyAsFileOrFolder();
    void readCreatesNothing();
    void failedWriteKeepsPreviousFile();
    void shortVersion_data();
    void shortVersion();
};

void TestSettingsMedium::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks around") << "  C:\\Family  ";
    QTest::newRow("backslashes") << "\\\\server\\share\\";
    QTest::newRow("quotes") << "\"smith\" and \"jones";
    QTest::newRow("equals semicolon hash") << "a=b;c#d [x]";
    QTest::newRow("leading semicolon") << "; not a comment";
    QTest::newRow("non-ascii") << QStringLiteral(
        "M\u00fcller \u00c5str\u00f6m \u4e2d\u6587 \U0001F600");
    QTest::newRow("line ends and tab") << "a\nb\r\nc\td";
    QTest::newRow("control characters") << QString::fromLatin1("a\x01\x1f\x7f", 4);
    QTest::newRow("nul") << QString::fromLatin1("a\0b", 3);
    QTest::newRow("lone surrogate") << QString(QChar(0xDC80)) + "x";
    QTest::newRow("escape-looking text") << "\\u0041 \\n";
    QTest::newRow("very long") << QString(100000, QLatin1Char('x'));
}

void TestSettingsMedium::roundTrip() {
    QFETCH(QString, text);
    QTemporaryDir dir;
    auto medium = CreateIniSettingsMedium(dir.path());
    QVERIFY(medium->writeText("\\Software\\Torvex-Quendal\\FindFiles", "LookIn1", text));
    QVERIFY(medium->writeText("\\Software\\Torvex-Quendal\\FindFiles", "LookIn2", "after"));
    auto again = CreateIniSettingsMedium(dir.path()); // a new start reads the file afresh
    QString read;
    QVERIFY(again->readText("\\Software\\Torvex-Quendal\\FindFiles", "lookin1", read)); // any case
    QCOMPARE(read, text);
    QVERIFY(again->readText("\\Software\\Torvex-Quendal\\FindFiles", "LookIn2", read));
    QCOMPARE(read, QStringLiteral("after"));
}

void TestSettingsMedium::damagedFileLoadsWhatItCan() {
    // Bad lines: a cut quote, an unknown escape, a line without "=", a broken group header, bad
    // UTF-8.
    const QByteArray damaged = "[FindFiles]\n"
                               "LookIn1=\"/good/one\"\n"
                               "LookIn2=\"cut off\n"
                               "garbage without equals\n"
                               "LookIn3=\"bad \\q escape\"\n"
                               "LookIn4=plain text  \n"
                               "\xff\xfe=\"x\"\n"
                               "[Loca\n"
                               "Path=\"nowhere\"\n"
                               "[Location]\n"
                               "Path=\"/opt/quendal/\"\n";
    const IniDocument doc = IniDocument::parse(damaged);
    QString v;
    QVERIFY(doc.read("FindFiles", "LookIn1", v));
    QCOMPARE(v, QStringLiteral("/good/one"));
    QVERIFY(!doc.read("FindFiles", "LookIn2", v));
    QVERIFY(!doc.read("FindFiles", "LookIn3", v));
    QVERIFY(doc.read("FindFiles", "LookIn4", v));
    QCOMPARE(v, QStringLiteral("plain text"));
    QVERIFY(doc.read("Location", "Path", v));
    QCOMPARE(v, QStringLiteral("/opt/quendal/"));
}

void TestSettingsMedium::layoutOnDisk() {
    QTemporaryDir dir;
    auto medium = CreateIniSettingsMedium(dir.path());
    medium->createKey("\\Software\\Torvex-Quendal");
    QVERIFY(QFile::exists(dir.filePath("Software/Torvex-Quendal.ini")));
    medium->writeText("\\Software\\Torvex-Quendal\\Location", "Path", "/opt/q/");
    QFile file(dir.filePath("Software/Torvex-Quendal.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Location]\nPath=\"/opt/q/\"\n"));
    QVERIFY(medium->keyExists("\\Software\\Torvex-Quendal\\Location"));
    QVERIFY(!medium->keyExists("\\Software\\Torvex-Quendal\\FindFiles"));
}

void TestSettingsMedium::companionKeyAsFileOrFolder() {
    QTemporaryDir dir;
    auto medium = CreateIniSettingsMedium(dir.path());
    QVERIFY(!medium->keyExists("\\Software\\Torvex"));
    QDir(dir.path()).mkpath("Software/Torvex");
    QVERIFY(medium->keyExists("\\Software\\Torvex"));
    QTemporaryDir other;
    QDir(other.path()).mkpath("Software");
    QFile ini(other.filePath("Software/Torvex.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    QVERIFY(CreateIniSettingsMedium(other.path())->keyExists("\\Software\\Torvex"));
}

void TestSettingsMedium::readCreatesNothing() {
    QTemporaryDir dir;
    auto medium = CreateIniSettingsMedium(dir.path());
    QString v = "stale";
    QVERIFY(!medium->readText("\\Software\\Torvex-Quendal\\FindFiles", "LookIn1", v));
    QVERIFY(v.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestSettingsMedium::failedWriteKeepsPreviousFile() {
    QTemporaryDir dir;
    auto medium = CreateIniSettingsMedium(dir.path());
    QVERIFY(medium->writeText("\\Software\\Torvex-Quendal\\FindFiles", "LookIn1", "/kept"));
    // A folder that cannot take a new file: the rename-over never happens.
    QFile::setPermissions(dir.filePath("Software"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(dir.filePath("Software/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(dir.filePath("Software"), QFileDevice::ReadOwner |
                                                            QFileDevice::WriteOwner |
                                                            QFileDevice::ExeOwner);
        QSKIP("running with privileges that write anywhere (root): no read-only folder to make");
    }
    QVERIFY(!medium->writeText("\\Software\\Torvex-Quendal\\FindFiles", "LookIn1", "/new"));
    QString v;
    QVERIFY(medium->readText("\\Software\\Torvex-Quendal\\FindFiles", "LookIn1", v));
    QCOMPARE(v, QStringLiteral("/kept"));
    QFile::setPermissions(dir.filePath("Software"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestSettingsMedium::shortVersion_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.0.1.0") << "1.0.1.0"
                             << "1.0.1";
    QTest::newRow("2.3.0.0") << "2.3.0.0"
                             << "2.3";
    QTest::newRow("2.3.0.7") << "2.3.0.7"
                             << "2.3.0.7";
    QTest::newRow("2.3.4.5") << "2.3.4.5"
                             << "2.3.4.5";
    QTest::newRow("00 is not 0") << "2.3.00.0"
                                 << "2.3.00";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSettingsMedium::shortVersion() {
    QFETCH(QString, record);
    QTEST(ShortVersionText(record), "text");
    QCOMPARE(ProgramVersion(), QStringLiteral("1.0.1"));
}

QTEST_GUILESS_MAIN(TestSettingsMedium)
#include "tst_settingsmedium.moc"
