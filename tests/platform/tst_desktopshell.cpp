#include "DesktopShell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The real desktop shell, pointed at folders of our own: the "program" associated with text
// files is a shell command that writes down the path it was given. No editor or browser starts.
class TestDesktopShell : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void openStartsTheAssociatedProgram();
    void missingDocumentFailsToOpen();
    void associatedProgramWithAndWithoutQuotes();

private:
    QTemporaryDir m_config, m_data, m_files;
    QString m_record;
};

void TestDesktopShell::initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_config.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
    // Ours first; the system's after it, for its MIME type database.
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_data.path()) + ":/usr/local/share:/usr/share");
    m_record = m_files.filePath("opened.txt");
    QDir(m_data.path()).mkpath("applications");
    QFile entry(m_data.filePath("applications/recorder.desktop"));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write(
        "[Desktop Entry]\nType=Application\nName=Recorder\nExec=sh -c \"printf %s \\\"$1\\\" > " +
        QFile::encodeName(m_record) + "\" sh %f\n");
    entry.close();
    QFile list(m_config.filePath("mimeapps.list"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\ntext/plain=recorder.desktop\n");
    list.close();
}

void TestDesktopShell::openStartsTheAssociatedProgram() {
    const QString document = m_files.filePath("the smiths.txt");
    QFile file(document);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("notes");
    file.close();
    const auto shell = CreateDesktopShell();
    QVERIFY(shell->openDocument(document));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(m_record).size() > 0, 5000);
    QFile record(m_record);
    QVERIFY(record.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(record.readAll()), document); // one argument, blanks and all
}

void TestDesktopShell::missingDocumentFailsToOpen() {
    const auto shell = CreateDesktopShell();
    QVERIFY(!shell->openDocument(m_files.filePath("gone.txt")));
    QVERIFY(shell->associatedProgram(m_files.filePath("gone.txt")).isEmpty());
}

void TestDesktopShell::associatedProgramWithAndWithoutQuotes() {
    const QString readme = m_files.filePath("Quendal Readme.txt");
    QFile file(readme);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("readme");
    file.close();
    const auto shell = CreateDesktopShell();
    const QString program = shell->associatedProgram(readme);
    QVERIFY2(program.endsWith(QLatin1String("/sh")), qPrintable(program));
    QCOMPARE(shell->associatedProgram(QLatin1Char('"') + readme + QLatin1Char('"')), program);
    QVERIFY(!shell->fallbackTextViewer().isEmpty());
}

QTEST_GUILESS_MAIN(TestDesktopShell)
#include "tst_desktopshell.moc"
