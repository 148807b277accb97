#include "DvkTest.h"
#include "ZipCipher.h"

#include <QtEndian>

// Checks the cipher against an archive made by Info-ZIP's `zip -0 -P "Secret pass"`: decrypting
// its entry (12-byte header, then the stored data) must give the original text, the header's
// check byte and the stored CRC-32.
class ZipCipherTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decryptsInfoZipEntry()
    {
        const QByteArray zip = test::readFile(test::testDataPath(u"zipcrypto-oracle.zip"_s));
        const QByteArray expected = test::readFile(test::testDataPath(u"zipcrypto-oracle.txt"_s));
        const char* const header = zip.constData();
        const quint16 flags = qFromLittleEndian<quint16>(header + 6);
        const quint16 modTime = qFromLittleEndian<quint16>(header + 10);
        const quint32 crc = qFromLittleEndian<quint32>(header + 14);
        const quint32 size = qFromLittleEndian<quint32>(header + 18);
        const int dataStart =
            30 + qFromLittleEndian<quint16>(header + 26) + qFromLittleEndian<quint16>(header + 28);
        QCOMPARE(size, quint32(12 + expected.size()));

        QByteArray data = zip.mid(dataStart, int(size));
        ZipCipher("Secret pass").decrypt(data.data(), data.size());
        QCOMPARE(quint8(data[11]), quint8((flags & 8) ? modTime >> 8 : crc >> 24));
        QCOMPARE(data.mid(12), expected);
        QCOMPARE(ZipCipher::crc32(expected), crc);

        // and enciphering the plaintext again from the same header gives the archive's bytes
        QByteArray again = data;
        ZipCipher("Secret pass").encrypt(again.data(), again.size());
        QCOMPARE(again, zip.mid(dataStart, int(size)));
    }
};

DVK_TEST(ZipCipherTest);
#include "tst_zipcipher.moc"
