#include "HeaderCommand.h"
#include "HeaderFixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestHeaderCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void markLessUtf16File();
    void unopenableFileReportedAndOthersPrinted();
};

void TestHeaderCommand::markLessUtf16File() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("le.ged"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Utf16Bytes(
        CrLfLines(Split("0 HEAD / 1 GEDC / 2 VERS 5.5 / 1 CHAR UNICODE / 0 TRLR")), true));
    file.close();
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    QCOMPARE(RunHeaderCommand({path}, out, err), 0);
    QCOMPARE(outText,
             path + "\tGEDCOM 5.5\tNo BOM (file is UTF-16, little-endian)\t---\t---\tUNICODE\n");
    QVERIFY(errText.isEmpty());
}

void TestHeaderCommand::unopenableFileReportedAndOthersPrinted() {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("a.ged"));
    QFile file(good);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("0 HEAD\r\n1 SOUR XY\r\n0 TRLR\r\n");
    file.close();
    const QString missing = dir.filePath(QStringLiteral("missing.ged"));
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    QCOMPARE(RunHeaderCommand({missing, good}, out, err), 1);
    QCOMPARE(outText, good + "\tGEDCOM 2.1\t---\tXY\t---\t---\n");
    QVERIFY(errText.contains(missing));
    QCOMPARE(errText.count(QLatin1Char('\n')), 1);
}

QTEST_GUILESS_MAIN(TestHeaderCommand)
#include "tst_headercommand.moc"
