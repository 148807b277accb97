#include "CipherDevice.h"
#include "DataFile.h"
#include "DataPaths.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "FakeStartupSteps.h"
#include "SealedFile.h"
#include "SealedHeader.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "StoreFactory.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <sodium.h>

using test::plainBytes;

namespace {

const QByteArray KeyBytes(32, '\x5a');

std::unique_ptr<SealKey> fixedKey()
{
    return SealKey::fromBytes(KeyBytes, SealKey::Salt{7}, 3, 65536);
}

QByteArray sealed(const DataStore& store, const SealKey& key)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return SealedFile::write(store, buffer, &key).ok ? bytes : QByteArray();
}

FileResult unseal(QByteArray bytes, DataStore& store, const SealKey& key)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return SealedFile::read(store, buffer, &key);
}

// The layout read with nothing but libsodium: the plaintext, or nothing on any doubt.
std::optional<QByteArray> independentUnseal(const QByteArray& file, const QByteArray& key)
{
    if (file.size() < 56 || !file.startsWith("DVKSEAL1"))
        return std::nullopt;
    const auto* const ad = reinterpret_cast<const unsigned char*>(file.constData());
    crypto_secretstream_xchacha20poly1305_state state;
    crypto_secretstream_xchacha20poly1305_init_pull(
        &state, ad + 32, reinterpret_cast<const unsigned char*>(key.constData()));
    QByteArray plain;
    unsigned char tag = 0;
    qsizetype at = 56;
    while (tag != crypto_secretstream_xchacha20poly1305_TAG_FINAL) {
        if (at + 4 > file.size())
            return std::nullopt;
        const quint32 length = qFromLittleEndian<quint32>(file.constData() + at);
        if (length < 17 || at + 4 + length > file.size())
            return std::nullopt;
        QByteArray out(length - 17, '\0');
        if (crypto_secretstream_xchacha20poly1305_pull(
                &state, reinterpret_cast<unsigned char*>(out.data()), nullptr, &tag, ad + at + 4,
                length, ad, 56) != 0)
            return std::nullopt;
        plain += out;
        at += 4 + length;
    }
    return at == file.size() ? std::optional(plain) : std::nullopt;
}

// Offsets where a chunk starts (the first is the end of the header), and the file's end.
QList<qsizetype> chunkBoundaries(const QByteArray& file)
{
    QList<qsizetype> at{56};
    while (at.last() + 4 <= file.size())
        at << at.last() + 4 + qFromLittleEndian<quint32>(file.constData() + at.last());
    return at;
}

} // namespace

class SealedTest final : public QObject
{
    Q_OBJECT
    test::FakeClock m_clock;

private Q_SLOTS:
    void init() { QDir(DataPaths::userDataFolder()).removeRecursively(); }

    void roundTrip_data()
    {
        QTest::addColumn<int>("scale");
        for (int scale : {0, 3, 60})
            QTest::addRow("%d records each", scale) << scale;
    }
    void roundTrip()
    {
        QFETCH(int, scale);
        DataStore store(m_clock);
        test::StoreFactory(quint32(scale)).fill(store, scale);
        const QByteArray plain = plainBytes(store);
        const auto key = fixedKey();
        const QByteArray file = sealed(store, *key);
        QCOMPARE(independentUnseal(file, KeyBytes), std::optional(plain));
        QCOMPARE(qFromLittleEndian<quint32>(file.constData() + 56), 21u); // the marker alone

        DataStore back(m_clock);
        QVERIFY(unseal(file, back, *key).ok);
        QCOMPARE(plainBytes(back), plain);
    }

    // The typed passwords, in turn; whether the file opens; whether it is in the older form.
    void startupAsksBeforeLoading_data()
    {
        addColumns<QList<QByteArray>, bool, bool>({"passwords", "opens", "olderForm"});
        QTest::newRow("older encrypted form") << QList<QByteArray>{"s3cret!"} << true << true;
        QTest::newRow("older form, wrong") << QList<QByteArray>{"guess"} << false << true;
        QTest::newRow("right") << QList<QByteArray>{"s3cret!"} << true << false;
        QTest::newRow("second try") << QList<QByteArray>{"x", "s3cret!"} << true << false;
        QTest::newRow("two wrong")
            << QList<QByteArray>{"S3cret!", "s3cret", "s3cret!"} << false << false;
    }
    void startupAsksBeforeLoading()
    {
        const auto [passwords, opens, olderForm] =
            fetch<QList<QByteArray>, bool, bool>({"passwords", "opens", "olderForm"});
        SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, 1);
        DataStore original(m_clock);
        original.notes.add()->text = "behind the seal";
        original.setPassword("s3cret!");
        if (olderForm) {
            QFile file(DataPaths::dataFilePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            CipherDevice cipher(&file, ZipCipher::fileKey());
            QVERIFY(cipher.open(QIODevice::WriteOnly) && DataFile::write(original, cipher).ok);
        } else {
            QVERIFY(DataFile::saveFile(original, DataPaths::dataFilePath(), true).ok);
        }
        const QByteArray before = test::readFile(DataPaths::dataFilePath());

        QTemporaryDir runtime;
        SingleInstance instance(runtime.path());
        test::FakeStartupSteps steps;
        steps.passwords = passwords;
        DataStore store(m_clock);
        QCOMPARE(Startup::run(store, instance, steps),
                 opens ? Startup::Outcome::SavedAndEnded : Startup::Outcome::PasswordNotGiven);
        SettingsStore().remove(SettingsStore::EncryptDVKFile);
        const QByteArray after = test::readFile(DataPaths::dataFilePath());
        if (!opens) {
            QCOMPARE(after, before);
            return;
        }
        QCOMPARE(store.notes[0]->text, QByteArray("behind the seal"));
        // the default limits, and each save with a new stream header
        QVERIFY(after.startsWith(QByteArray("DVKSEAL1") + QByteArray::fromHex("0300000000000100")));
        QVERIFY(after.mid(32, 24) != before.mid(32, 24));
        QByteArray typed("s3cret!");
        DataStore again(m_clock);
        again.setSealKey(SealedFile::unlock(DataPaths::dataFilePath(), typed));
        QVERIFY(again.load().ok);
        QVERIFY(typed.isEmpty()); // wiped
        QCOMPARE(plainBytes(again), plainBytes(original));
        original.setPassword("another one");
        QVERIFY(original.sealKey()->salt() != again.sealKey()->salt());
    }

    // Every single byte changed, the file cut at every chunk boundary, lengths out of range and
    // bytes after the final chunk: each is a read error.
    void damageIsAReadError()
    {
        DataStore store(m_clock);
        store.notes.add()->text = QByteArray(140000, 'n');
        const auto key = fixedKey();
        const QByteArray file = sealed(store, *key);
        const QList<qsizetype> bounds = chunkBoundaries(file);
        QCOMPARE(bounds.size(), 5); // marker, two full chunks, the final one, the end

        QList<QByteArray> damaged;
        for (qsizetype at : bounds.first(bounds.size() - 1))
            damaged << file.left(at);
        for (const QByteArray& tail : {QByteArray(1, '\0'), file.mid(bounds[3])})
            damaged << file + tail;
        QByteArray length = file;
        for (quint32 bad : {16u, 65554u}) {
            qToLittleEndian(bad, length.data() + bounds[1]);
            damaged << length;
        }
        const QByteArray small = sealed(DataStore(m_clock), *key);
        for (qsizetype i = 0; i < small.size(); ++i) {
            for (char flip : {'\x01', '\x80'}) {
                QByteArray one = small;
                one[i] = char(one[i] ^ flip);
                damaged << one;
            }
        }
        for (const QByteArray& bytes : std::as_const(damaged)) {
            DataStore back(m_clock);
            const FileResult result = unseal(bytes, back, *key);
            QVERIFY2(!result.ok, qPrintable(QString::number(bytes.size())));
        }
    }

    void headerLimits_data()
    {
        addColumns<QByteArray, bool>({"limits", "accepted"});
        QTest::newRow("lowest") << QByteArray::fromHex("0100000000200000") << true;
        QTest::newRow("highest") << QByteArray::fromHex("0a00000000001000") << true;
        QTest::newRow("ops 0") << QByteArray::fromHex("0000000000000100") << false;
        QTest::newRow("ops 11") << QByteArray::fromHex("0b00000000000100") << false;
        QTest::newRow("mem 8191") << QByteArray::fromHex("03000000ff1f0000") << false;
        QTest::newRow("mem 1 GiB + 1") << QByteArray::fromHex("0300000001001000") << false;
    }
    void headerLimits()
    {
        const auto [limits, accepted] = fetch<QByteArray, bool>({"limits", "accepted"});
        const QByteArray header = "DVKSEAL1" + limits + QByteArray(40, '\0');
        QTEST(SealedHeader::parse(header).has_value(), "accepted");
        QVERIFY(test::writeFile(DataPaths::dataFilePath(),
                                header + QByteArray::fromHex("15000000") + QByteArray(21, '\0')));
        QCOMPARE(SealedFile::kindOf(DataPaths::dataFilePath()),
                 accepted ? SealedFile::Kind::Sealed : SealedFile::Kind::Damaged);
    }
};

DVK_TEST(SealedTest);
#include "tst_sealed.moc"
