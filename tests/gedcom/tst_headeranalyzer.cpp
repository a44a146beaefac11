#include "FileErrors.h"
#include "HeaderAnalyzer.h"
#include "HeaderFixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(HeaderInfo)

namespace QTest {
template <> inline char* toString(const HeaderInfo& info) {
    const QString text = QStringLiteral("Type=[%1] BOM=[%2] Program=[%3] Dest=[%4] Char=[%5]")
                             .arg(info.Type, info.BOM, info.Program, info.Dest, info.Char);
    return qstrdup(text.toUtf8().constData());
}
} // namespace QTest

class TestHeaderAnalyzer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void analyzeWindow_data();
    void analyzeWindow();
    void analyzeFile_data() { analyzeWindow_data(); }
    void analyzeFile();
    void missingFileRaises();
    void folderRaises();
    void unreadableFileRaises();
    void windowBeyond4096IsIgnored();

private:
    QTemporaryDir m_dir;
};

void TestHeaderAnalyzer::analyzeWindow_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<HeaderInfo>("expected");
    for (const HeaderFixture& f : HeaderFixtures())
        QTest::newRow(f.name) << f.bytes << f.extension << f.expected;
}

void TestHeaderAnalyzer::analyzeWindow() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, extension);
    QFETCH(HeaderInfo, expected);
    const QByteArrayView window(bytes.constData(),
                                qMin<qsizetype>(bytes.size(), kHeaderWindowSize));
    QCOMPARE(AnalyzeGedcomHeaderWindow(window, extension), expected);
}

void TestHeaderAnalyzer::analyzeFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, extension);
    QFETCH(HeaderInfo, expected);
    const QString path = m_dir.filePath(QStringLiteral("family") + extension);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    QCOMPARE(AnalyzeGedcomHeader(path), expected);
}

void TestHeaderAnalyzer::missingFileRaises() {
    QVERIFY_THROWS_EXCEPTION(FileAccessError, AnalyzeGedcomHeader(m_dir.filePath("none.ged")));
}

void TestHeaderAnalyzer::folderRaises() {
    QVERIFY_THROWS_EXCEPTION(FileAccessError, AnalyzeGedcomHeader(m_dir.path()));
}

void TestHeaderAnalyzer::unreadableFileRaises() {
    const QString path = m_dir.filePath(QStringLiteral("locked.ged"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("0 HEAD\r\n");
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::Permissions()));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("running with privileges that read any file (root): no unreadable file to make");
    QVERIFY_THROWS_EXCEPTION(FileAccessError, AnalyzeGedcomHeader(path));
}

void TestHeaderAnalyzer::windowBeyond4096IsIgnored() {
    // A CHAR line that lies wholly past the window must not count.
    QByteArray bytes = "0 HEAD\r\n1 SOUR XY\r\n2 NOTE ";
    bytes += QByteArray(4200, 'x') + "\r\n1 CHAR ANSEL\r\n0 TRLR\r\n";
    HeaderInfo expected;
    expected.Type = QStringLiteral("GEDCOM 2.1");
    expected.Program = QStringLiteral("XY");
    QCOMPARE(AnalyzeGedcomHeaderWindow(bytes, QStringLiteral(".ged")), expected);
}

QTEST_GUILESS_MAIN(TestHeaderAnalyzer)
#include "tst_headeranalyzer.moc"
