#include "NativeFile.h"
#include "NativePath.h"

#include <QTemporaryDir>
#include <QTest>

class TestNativePath : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void invalidBytesBecomeLoneSurrogates();
};

void TestNativePath::roundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QByteArray("/tmp/smith.ged");
    QTest::newRow("utf8") << QByteArray("/tmp/M\xC3\xBCller.ged");
    QTest::newRow("latin1 byte") << QByteArray("/tmp/M\xFCller.ged");
    QTest::newRow("cut sequence") << QByteArray("/tmp/a\xE2\x82");
    QTest::newRow("encoded surrogate bytes") << QByteArray("/tmp/\xED\xB2\x80");
    QTest::newRow("astral") << QByteArray("/tmp/\xF0\x9F\x98\x80");
}

void TestNativePath::roundTrip() {
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeNativePath(DecodeNativePath(bytes)), bytes);
}

void TestNativePath::invalidBytesBecomeLoneSurrogates() {
    const QString text = DecodeNativePath(QByteArrayView("a\xFC"));
    QCOMPARE(text.size(), 2);
    QCOMPARE(text.at(1).unicode(), char16_t(0xDCFC));
}

QTEST_GUILESS_MAIN(TestNativePath)
#include "tst_nativepath.moc"
