#include "CipherDevice.h"
#include "DataFile.h"
#include "DataPaths.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "FakeStartupSteps.h"
#include "SampleStore.h"
#include "SealKey.h"
#include "SealedFile.h"
#include "SealedHeader.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "StoreFactory.h"
#include "StoreFingerprint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <csignal>
#include <sodium.h>
#include <sys/resource.h>
#include <unistd.h>

using dvk::test::FakeClock;
using dvk::test::fileBytes;

namespace {

const QByteArray KeyBytes(32, '\x5a');

std::unique_ptr<SealKey> fixedKey()
{
    return SealKey::fromBytes(KeyBytes, SealKey::Salt{7}, 3, 65536);
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

// The store, its file forms and the settings that say where the file is and how it is saved.
class DataFileTest final : public QObject
{
    Q_OBJECT
private:
    FakeClock m_clock;
    QString m_path;

private Q_SLOTS:
    void init()
    {
        QDir(DataPaths::userDataFolder()).removeRecursively();
        QDir(QFileInfo(SettingsStore().filePath()).absolutePath()).removeRecursively();
        m_path = DataPaths::dataFilePath();
    }

    void defaultsUseToday()
    {
        const FakeClock leapDay(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)));
        DataStore store(leapDay);
        const MemoRecord* m = store.memos.add();
        QCOMPARE(std::tie(m->dueYear, m->dueMonth, m->dueDay, m->createdYear, m->createdMonth,
                          m->createdDay, m->dueHour, m->dueMinute, m->dueSecond, m->anyTime),
                 std::make_tuple(2024, 2, 29, 2024, 2, 29, 1, 0, 0, 1));
        QCOMPARE(store.purseCategories.add()->entries.add()->dateKey(), 20240229);
        QCOMPARE(store.archiveItems.add()->notes.add()->dateKey(), 20240229);
    }

    void removeByIdentity()
    {
        DataStore store(m_clock);
        NoteRecord* a = store.notes.add();
        NoteRecord* b = store.notes.add();
        NoteRecord* c = store.notes.add();
        DataStore other(m_clock);
        store.notes.remove(other.notes.add());
        QCOMPARE(store.notes.count(), 3);
        store.notes.remove(b);
        QCOMPARE(std::make_tuple(store.notes[0], store.notes[1]), std::make_tuple(a, c));
        QVERIFY(store.notes.count() == 2 && !store.notes.contains(b));
        store.notes.removeAll({a, c});
        QVERIFY(store.notes.isEmpty());
    }

    void total_data()
    {
        addColumns<QList<double>, double>({"amounts", "total"});
        QTest::newRow("tenths") << QList<double>{0.1, 0.2, 0.3} << 0.6;
        QTest::newRow("signs") << QList<double>{12.5, -2.5, 1e9} << 1e9 + 10;
    }
    void total()
    {
        const auto [amounts, total] = fetch<QList<double>, double>({"amounts", "total"});
        DataStore store(m_clock);
        PurseCategory* category = store.purseCategories.add();
        for (double a : amounts)
            category->entries.add()->amount = a;
        QVERIFY(qAbs(category->total() - total) < 1e-9);
    }

    void passwordStates()
    {
        DataStore store(m_clock);
        store.setPassword("");
        QVERIFY(!store.hasPassword());
        store.setPassword(" secret");
        QVERIFY(store.hasPassword() && store.checkPassword(" secret"));
        QVERIFY(!store.checkPassword("secret") && !store.checkPassword(""));
        QCOMPARE(store.passwordBlock[32], quint8(0));
        // MD5 of " secret", lowercase hex
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(store.passwordBlock.data()), 32),
                 QByteArray("cef748b9c74b854a49ba638b838da817"));
        QVERIFY(std::all_of(store.passwordBlock.begin() + 33, store.passwordBlock.end(),
                            [](quint8 b) { return b == 0; }));
    }

    // The counts key the password block, so a record added to any list changes it.
    void countsText()
    {
        DataStore store(m_clock);
        store.setPassword("unchanged");
        QCOMPARE(store.countsText(), QByteArray("0-0-0-0"));
        const QByteArray empty = fileBytes(store);
        QCOMPARE(empty.size(), 68);
        QCOMPARE(empty.left(20), QByteArray(20, '\0'));
        store.archiveItems.add();
        for (int i = 0; i < 12; ++i)
            store.memos.add();
        store.notes.add();
        store.notes.add();
        QCOMPARE(store.countsText(), QByteArray("1-0-12-2"));
        QVERIFY(fileBytes(store).right(48) != empty.right(48));
    }

    void textPrefix_data()
    {
        addColumns<int, QByteArray>({"length", "prefix"});
        QTest::newRow("254") << 254 << QByteArray::fromHex("fe");
        QTest::newRow("255") << 255 << QByteArray::fromHex("ffff00");
        QTest::newRow("65533") << 65533 << QByteArray::fromHex("fffdff");
        QTest::newRow("65534") << 65534 << QByteArray::fromHex("fffffffeff0000");
        QTest::newRow("1 MiB") << (1 << 20) << QByteArray::fromHex("ffffff00001000");
    }
    void textPrefix()
    {
        const auto [length, prefix] = fetch<int, QByteArray>({"length", "prefix"});
        DataStore store(m_clock);
        NoteRecord* note = store.notes.add();
        note->text = QByteArray(length, 'x');
        const QByteArray bytes = fileBytes(store);
        // marker, three empty counts, the Notes count, then year, month, day of the note
        QCOMPARE(bytes.mid(32, prefix.size()), prefix);

        DataStore back(m_clock);
        QVERIFY(test::readBytes(back, bytes).ok);
        QCOMPARE(back.notes[0]->text, note->text);
    }

    void noteLayouts()
    {
        DataStore store(m_clock);
        NoteRecord* note = store.notes.add();
        ArchiveItem* item = store.archiveItems.add();
        NoteRecord* itemNote = item->notes.add();
        for (NoteRecord* n : {note, itemNote}) {
            n->text = "abc";
            n->imageIndex = 2;
        }
        const QByteArray bytes = fileBytes(store);
        const QByteArray notesLayout = QByteArray::fromHex("0361626302000000");
        const QByteArray itemLayout = QByteArray::fromHex("0200000003616263");
        QCOMPARE(bytes.count(notesLayout), 1);
        QCOMPARE(bytes.count(itemLayout), 1);
        QVERIFY(bytes.indexOf(itemLayout) < bytes.indexOf(notesLayout));
    }

    void roundTrip_data()
    {
        addColumns<bool, quint32>({"encrypted", "seed"});
        for (quint32 seed : {1u, 2u, 3u}) {
            QTest::addRow("plain %u", seed) << false << seed;
            QTest::addRow("encrypted %u", seed) << true << seed;
        }
    }
    void roundTrip()
    {
        const auto [encrypted, seed] = fetch<bool, quint32>({"encrypted", "seed"});
        DataStore store(m_clock);
        test::StoreFactory(seed).fill(store, 40);
        if (!encrypted) // with a password, the encrypted form is the sealed one
            store.setPassword("pw " + QByteArray::number(seed));
        QVERIFY(DataFile::saveFile(store, m_path, encrypted).ok);
        const QByteArray first = test::readFile(m_path);
        QCOMPARE(DataFile::isEncrypted(first.left(4)), encrypted);
        if (encrypted) { // the marker enciphered from the file key's first state
            QByteArray marker(4, '\0');
            ZipCipher(ZipCipher::fileKey()).encrypt(marker.data(), 4);
            QCOMPARE(first.left(4), marker);
        }

        DataStore back(m_clock);
        QVERIFY(DataFile::loadFile(back, m_path).ok);
        store.setSealKey(nullptr); // not part of these forms
        QCOMPARE(StoreFingerprint::of(back), StoreFingerprint::of(store)); // every field's value
        QVERIFY(DataFile::saveFile(back, m_path, encrypted).ok);
        QVERIFY(test::readFile(m_path) == first);
    }

    void utf16Text()
    {
        // An item whose name uses the UTF-16 form: FF FE FF, then 5 units of "Grüße".
        const QString name = QStringLiteral("Gr\u00fc\u00dfe");
        QByteArray bytes = QByteArray::fromHex("00000000 01000000 01000000 02000000 03000000");
        bytes += QByteArray::fromHex("fffeff05");
        for (const QChar c : name)
            bytes += char(c.unicode() & 0xFF), bytes += char(c.unicode() >> 8);
        bytes += QByteArray::fromHex("00 00000000 00000000 00000000 00000000 00000000");
        DataStore plain(m_clock);
        bytes += fileBytes(plain).right(48); // counts differ: the block just must be 48 bytes
        DataStore store(m_clock);
        QVERIFY(test::readBytes(store, bytes).ok);
        QCOMPARE(store.archiveItems.count(), 1);
        QCOMPARE(store.archiveItems[0]->name, name.toLocal8Bit());
        QCOMPARE(store.archiveItems[0]->createdMonth, 2);
    }

    // Hostile or damaged bytes fail cleanly, without allocating what the input cannot hold.
    void hostileInput_data()
    {
        addColumns<QByteArray, int>({"bytes", "items"});
        QTest::newRow("ends in the password block")
            << QByteArray(20, '\0') + QByteArray(47, 'p') << 0;
        QTest::newRow("huge count") << QByteArray::fromHex("00000000 ffffffff") << 0;
        QTest::newRow("huge text length")
            << QByteArray::fromHex("00000000 01000000 010000000200000003000000 ffffffff f0ffffff")
            << 0;
        QTest::newRow("huge UTF-16 length")
            << QByteArray::fromHex(
                   "00000000 01000000 010000000200000003000000 fffeffffffff ffffff7f")
            << 0;
        QTest::newRow("second item cut")
            << QByteArray::fromHex("00000000 02000000 010000000200000003000000 0161 00 00000000 "
                                   "00000000 0100")
            << 1;
    }
    void hostileInput()
    {
        QFETCH(QByteArray, bytes);
        DataStore store(m_clock);
        QVERIFY(!test::readBytes(store, bytes).ok);
        QTEST(int(store.archiveItems.count()), "items");
    }

    void shortAndMissingFiles_data()
    {
        addColumns<QByteArray, bool>({"content", "exists"});
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("three bytes") << QByteArray("\0\0\0", 3) << true;
    }
    void shortAndMissingFiles()
    {
        const auto [content, exists] = fetch<QByteArray, bool>({"content", "exists"});
        if (exists)
            QVERIFY(test::writeFile(m_path, content));
        DataStore store(m_clock);
        QVERIFY(store.load().ok);
        QCOMPARE(store.loadFailed, 0);
        QVERIFY(!QFile::exists(m_path));
        QCOMPARE(store.notes.count(), 0);
    }

    void saveFollowsEncryptSetting_data()
    {
        addColumns<QString, bool>({"setting", "encrypted"});
        QTest::newRow("missing") << QString() << false;
        QTest::newRow("0") << QStringLiteral("0") << false;
        QTest::newRow("1") << QStringLiteral("1") << true;
        QTest::newRow("not a number") << QStringLiteral("yes") << false;
    }
    void saveFollowsEncryptSetting()
    {
        const auto [setting, encrypted] = fetch<QString, bool>({"setting", "encrypted"});
        if (!setting.isNull())
            QVERIFY(SettingsStore().writeText(SettingsStore::EncryptDVKFile, setting));
        DataStore store(m_clock);
        store.notes.add()->text = "remember";
        QVERIFY(store.save().ok);
        QCOMPARE(DataFile::isEncrypted(test::readFile(m_path).left(4)), encrypted);
    }

    // A save that cannot be completed leaves the previous file exactly as it was.
    void failedSaveKeepsOldFile_data()
    {
        test::addSwitchRows("readOnlyFolder", "disk full", "read-only folder");
    }
    void failedSaveKeepsOldFile()
    {
        QFETCH(bool, readOnlyFolder);
        if (readOnlyFolder && ::geteuid() == 0)
            QSKIP("permissions do not stop root");
        const QByteArray before = test::saveNote("old");
        QVERIFY(!before.isEmpty());

        DataStore store(m_clock);
        test::StoreFactory(11).fill(store, 200);
        const QString folder = DataPaths::userDataFolder();
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        if (readOnlyFolder) {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        } else {
            rlimit small = saved;
            small.rlim_cur = 16384;
            ::setrlimit(RLIMIT_FSIZE, &small);
        }
        const FileResult r = DataFile::saveFile(store, m_path, false);
        const int failedFlagBefore = store.loadFailed;
        const FileResult viaStore = store.save();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);

        QVERIFY(!r.ok && !r.message.isEmpty() && !viaStore.ok);
        QCOMPARE(std::make_pair(failedFlagBefore, store.loadFailed), std::make_pair(0, 1));
        QCOMPARE(test::readFile(m_path), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("DVK.DAT")});
    }

    // The cipher against an archive made by Info-ZIP's `zip -0 -P "Secret pass"`: decrypting
    // its entry (12-byte header, then the stored data) gives the original text and the stored
    // CRC-32; enciphering it again gives the archive's bytes.
    void decryptsInfoZipEntry()
    {
        const QByteArray zip = test::readFile(test::testDataPath(u"zipcrypto-oracle.zip"_s));
        const QByteArray expected = test::readFile(test::testDataPath(u"zipcrypto-oracle.txt"_s));
        const char* const header = zip.constData();
        const quint32 crc = qFromLittleEndian<quint32>(header + 14);
        const quint32 size = qFromLittleEndian<quint32>(header + 18);
        const int dataStart =
            30 + qFromLittleEndian<quint16>(header + 26) + qFromLittleEndian<quint16>(header + 28);
        QCOMPARE(size, quint32(12 + expected.size()));

        QByteArray data = zip.mid(dataStart, int(size));
        ZipCipher("Secret pass").decrypt(data.data(), data.size());
        QCOMPARE(data.mid(12), expected);
        QCOMPARE(ZipCipher::crc32(expected), crc);

        QByteArray again = data;
        ZipCipher("Secret pass").encrypt(again.data(), again.size());
        QCOMPARE(again, zip.mid(dataStart, int(size)));
    }

    void freshAccountFallsBackAndFirstWriteCreates()
    {
        const SettingsStore settings;
        QVERIFY(settings.filePath().endsWith(QStringLiteral("/QUILLMARK/DVK.conf")));
        QVERIFY(!settings.readNumber(SettingsStore::EncryptDVKFile) &&
                !settings.readNumber(SettingsStore::BeepFlag) &&
                !settings.readText(SettingsStore::DateFormat, 80) &&
                !settings.readBytes(SettingsStore::RichEditDefaultFont));
        QVERIFY(!QFileInfo::exists(settings.filePath()));

        QVERIFY(settings.writeNumber(SettingsStore::BeepFlag, 1));
        QVERIFY(QFileInfo::exists(settings.filePath()));
        QCOMPARE(settings.readNumber(SettingsStore::BeepFlag), std::optional<quint32>(1));
    }

    // An empty text reads back (the length limit is pinned where the date format is read).
    void emptyTextReadsBack()
    {
        const SettingsStore s;
        QVERIFY(s.writeText(SettingsStore::DateFormat, QString()));
        QCOMPARE(s.readText(SettingsStore::DateFormat, 80), std::optional<QString>(QString()));
    }

    // The DataFolder setting moves the data file when it is an absolute path; the folder given
    // for one run wins over it; anything else falls back to the default folder. The staged
    // restore lies beside the data file.
    void chosenDataFolder_data()
    {
        addColumns<QVariant, QString>({"setting", "forThisRun"});
        QTest::addColumn<QString>("folder"); // below the temporary home; empty = default
        const QString home = QDir::homePath();
        QTest::newRow("no setting") << QVariant() << QString() << QString();
        QTest::newRow("relative setting") << QVariant(u"Sync/DVK"_s) << QString() << QString();
        QTest::newRow("number setting") << QVariant(7) << QString() << QString();
        QTest::newRow("absolute setting")
            << QVariant(home + u"/Sync//DVK/"_s) << QString() << u"/Sync/DVK"_s;
        QTest::newRow("option over setting")
            << QVariant(home + u"/Sync"_s) << home + u"/Elsewhere"_s << u"/Elsewhere"_s;
        QTest::newRow("option without setting") << QVariant() << home + u"/Stick"_s << u"/Stick"_s;
    }
    void chosenDataFolder()
    {
        const auto [setting, forThisRun, folder] =
            fetch<QVariant, QString, QString>({"setting", "forThisRun", "folder"});
        const SettingsStore settings;
        if (setting.isValid())
            QVERIFY(setting.typeId() == QMetaType::Int
                        ? settings.writeNumber(u"DataFolder"_s, quint32(setting.toInt()))
                        : settings.writeText(u"DataFolder"_s, setting.toString()));
        else
            settings.remove(u"DataFolder"_s);
        DataPaths::setFolderForThisRun(forThisRun);
        const QString expected =
            folder.isEmpty()
                ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                      u"/Quillmark/DVK"_s
                : QDir::homePath() + folder;
        QDir(expected).removeRecursively();
        QCOMPARE(DataPaths::dataFilePath(), expected + u"/DVK.DAT"_s);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(DataPaths::stagingFilePath(), expected + u"/DVK.DAT.bak"_s);
        DataPaths::setFolderForThisRun({});
        settings.remove(u"DataFolder"_s);
    }

    void sealedRoundTrip_data()
    {
        QTest::addColumn<int>("scale");
        for (int scale : {0, 3, 60})
            QTest::addRow("%d records each", scale) << scale;
    }
    void sealedRoundTrip()
    {
        QFETCH(int, scale);
        DataStore store(m_clock);
        test::StoreFactory(quint32(scale)).fill(store, scale);
        const QByteArray plain = fileBytes(store);
        const auto key = fixedKey();
        const QByteArray file = fileBytes(store, key.get());
        QCOMPARE(independentUnseal(file, KeyBytes), std::optional(plain));
        QCOMPARE(qFromLittleEndian<quint32>(file.constData() + 56), 21u); // the marker alone

        DataStore back(m_clock);
        QVERIFY(test::readBytes(back, file, key.get()).ok);
        QCOMPARE(fileBytes(back), plain);
    }

    // The typed passwords, in turn; whether the file opens; whether it is in the older form.
    void startupAsksBeforeLoading_data()
    {
        addColumns<QList<QByteArray>, bool, bool>({"passwords", "opens", "olderForm"});
        QTest::newRow("older encrypted form") << QList<QByteArray>{"s3cret!"} << true << true;
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
        QCOMPARE(fileBytes(again), fileBytes(original));
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
        const QByteArray file = fileBytes(store, key.get());
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
        const QByteArray small = fileBytes(DataStore(m_clock), key.get());
        for (qsizetype i = 0; i < small.size(); ++i) {
            for (char flip : {'\x01', '\x80'}) {
                QByteArray one = small;
                one[i] = char(one[i] ^ flip);
                damaged << one;
            }
        }
        for (const QByteArray& bytes : std::as_const(damaged)) {
            DataStore back(m_clock);
            const FileResult result = test::readBytes(back, bytes, key.get());
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

DVK_TEST(DataFileTest);
#include "tst_datafile.moc"
