#include "FreedesktopAssociations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestAssociations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void execSplitting_data();
    void execSplitting();
    void defaultApplicationAndCommand();
    void missingDocumentHasNoProgram();
};

void TestAssociations::execSplitting_data() {
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("plain") << "gedit %U" << QStringList{"gedit", "%U"};
    QTest::newRow("quoted") << "\"/opt/my editor/ed\" --new %f"
                            << QStringList{"/opt/my editor/ed", "--new", "%f"};
    QTest::newRow("escaped quote")
        << "sh -c \"echo \\\"x\\\"\"" << QStringList{"sh", "-c", "echo \"x\""};
}

void TestAssociations::execSplitting() {
    QFETCH(QString, exec);
    QTEST(SplitExecLine(exec), "words");
}

void TestAssociations::defaultApplicationAndCommand() {
    QTemporaryDir config, data;
    QDir(data.path()).mkpath("applications");
    QFile entry(data.filePath("applications/test-viewer.desktop"));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Viewer\nExec=sh --view %f --icon %i\n");
    entry.close();
    QFile list(config.filePath("mimeapps.list"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\ntext/plain=missing.desktop;test-viewer.desktop;\n");
    list.close();
    QFile doc(data.filePath("notes.txt"));
    QVERIFY(doc.open(QIODevice::WriteOnly));
    doc.write("hello");
    doc.close();

    const FreedesktopAssociations associations({config.path()}, {data.path()});
    QCOMPARE(associations.desktopEntryFor("text/plain"), QStringLiteral("test-viewer.desktop"));
    const auto command = associations.commandFor(data.filePath("notes.txt"));
    QVERIFY(command.has_value());
    QVERIFY(command->first().endsWith(QLatin1String("/sh")));
    QCOMPARE(command->mid(1), (QStringList{"--view", data.filePath("notes.txt"), "--icon"}));
}

void TestAssociations::missingDocumentHasNoProgram() {
    QTemporaryDir config, data;
    const FreedesktopAssociations associations({config.path()}, {data.path()});
    QVERIFY(!associations.commandFor(data.filePath("none.txt")).has_value());
}

QTEST_GUILESS_MAIN(TestAssociations)
#include "tst_associations.moc"
