#include "TestData.h"
#include "TestRegistry.h"
#include "ZipCipher.h"

#include <QTest>
#include <QtEndian>

using namespace dvk;

// Checks the cipher against an archive made by Info-ZIP's `zip -0 -P "Secret pass"`: decrypting
// its entry (12-byte header, then the stored data) must give the original text, the header's
// check byte and the stored CRC-32.
class ZipCipherTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decryptsInfoZipEntry()
    {
        const QByteArray zip = test::readFile(test::testDataPath(QStringLiteral("zipcrypto-oracle.zip")));
        const QByteArray expected = test::readFile(test::testDataPath(QStringLiteral("zipcrypto-oracle.txt")));
        QVERIFY(zip.size() > 30);
        QVERIFY(!expected.isEmpty());
        const auto u16 = [&zip](int at) { return qFromLittleEndian<quint16>(zip.constData() + at); };
        const auto u32 = [&zip](int at) { return qFromLittleEndian<quint32>(zip.constData() + at); };
        QCOMPARE(u32(0), 0x04034b50u);
        const quint16 flags = u16(6);
        QVERIFY(flags & 1);
        QCOMPARE(u16(8), quint16(0)); // stored, not deflated
        const quint16 modTime = u16(10);
        const quint32 crc = u32(14);
        const quint32 size = u32(18);
        const int dataStart = 30 + u16(26) + u16(28);
        QCOMPARE(size, quint32(12 + expected.size()));

        QByteArray data = zip.mid(dataStart, int(size));
        ZipCipher cipher("Secret pass");
        cipher.decrypt(data.data(), data.size());
        const quint8 check = quint8(data[11]);
        QCOMPARE(check, quint8((flags & 8) ? modTime >> 8 : crc >> 24));
        QCOMPARE(data.mid(12), expected);
        QCOMPARE(ZipCipher::crc32(expected), crc);

        // and enciphering the plaintext again from the same header gives the archive's bytes
        QByteArray again = data;
        ZipCipher("Secret pass").encrypt(again.data(), again.size());
        QCOMPARE(again, zip.mid(dataStart, int(size)));
    }

    void crc32KnownValues_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<quint32>("crc");
        QTest::newRow("empty") << QByteArray() << 0u;
        QTest::newRow("check string") << QByteArray("123456789") << 0xCBF43926u;
        QTest::newRow("fox") << QByteArray("The quick brown fox jumps over the lazy dog") << 0x414FA339u;
    }
    void crc32KnownValues()
    {
        QFETCH(QByteArray, input);
        QTEST(ZipCipher::crc32(input), "crc");
    }
};

DVK_TEST(ZipCipherTest);
#include "tst_zipcipher.moc"
