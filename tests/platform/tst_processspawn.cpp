#include "NativePath.h"
#include "ProcessSpawn.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <unistd.h>

// Our own helper processes (sh, true, false, sleep) stand in for the programs the desktop starts.
class TestProcessSpawn : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outcomes();
    void nameThatIsNotUtf8ReachesTheProgram();
};

void TestProcessSpawn::outcomes() {
    QCOMPARE(RunBriefly(QStringLiteral("true"), {}, 5000), BriefRun::Succeeded);
    QCOMPARE(RunBriefly(QStringLiteral("false"), {}, 5000), BriefRun::Failed);
    QCOMPARE(RunBriefly(QStringLiteral("sleep"), {QStringLiteral("2")}, 100),
             BriefRun::StillRunning);
    QVERIFY(!StartDetached(QStringLiteral("/no/such/program"), {}));
    QVERIFY(!StartDetached(QStringLiteral("no-such-program-anywhere"), {}));
    QVERIFY(StartDetached(QStringLiteral("true"), {}));
}

void TestProcessSpawn::nameThatIsNotUtf8ReachesTheProgram() {
    QTemporaryDir dir;
    const QByteArray native = QFile::encodeName(dir.path()) + "/M\xfcller family.ged";
    const int fd = ::open(native.constData(), O_CREAT | O_WRONLY, 0600);
    QVERIFY(fd >= 0);
    ::close(fd);
    const QString path = DecodeNativePath(native);
    // The program sees the very bytes: it finds the file and leaves a mark beside it.
    QVERIFY(StartDetached(
        QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("test -f \"$0\" && touch \"$0.seen\""), path}));
    QTRY_VERIFY_WITH_TIMEOUT(::access((native + ".seen").constData(), F_OK) == 0, 5000);
}

QTEST_GUILESS_MAIN(TestProcessSpawn)
#include "tst_processspawn.moc"
