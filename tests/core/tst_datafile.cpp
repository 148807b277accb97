#include "CipherDevice.h"
#include "DataFile.h"
#include "DataPaths.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "SampleStore.h"
#include "SealKey.h"
#include "SettingsStore.h"
#include "StoreFactory.h"
#include "StoreFingerprint.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using dvk::test::FakeClock;
using dvk::test::plainBytes;

// The store and its file forms.
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
        SettingsStore().remove(SettingsStore::EncryptDVKFile);
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
        QTest::newRow("none") << QList<double>{} << 0.0;
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
        QVERIFY(store.hasPassword());
        QVERIFY(store.checkPassword(" secret"));
        QVERIFY(!store.checkPassword("secret") && !store.checkPassword(""));
        QCOMPARE(store.passwordBlock[32], quint8(0));
        // MD5 of " secret", lowercase hex
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(store.passwordBlock.data()), 32),
                 QByteArray("cef748b9c74b854a49ba638b838da817"));
        QVERIFY(std::all_of(store.passwordBlock.begin() + 33, store.passwordBlock.end(),
                            [](quint8 b) { return b == 0; }));
        store.setPassword({});
        QVERIFY(!store.hasPassword());
    }

    void countsText()
    {
        DataStore store(m_clock);
        QCOMPARE(store.countsText(), QByteArray("0-0-0-0"));
        store.archiveItems.add();
        for (int i = 0; i < 12; ++i)
            store.memos.add();
        store.notes.add();
        QCOMPARE(store.countsText(), QByteArray("1-0-12-1"));
    }

    void emptyStore_data()
    {
        QTest::addColumn<QByteArray>("password");
        QTest::newRow("no password") << QByteArray();
        QTest::newRow("password") << QByteArray("open sesame");
    }
    void emptyStore()
    {
        QFETCH(QByteArray, password);
        DataStore store(m_clock);
        store.setPassword(password);
        const QByteArray bytes = plainBytes(store);
        QCOMPARE(bytes.size(), 68);
        QCOMPARE(bytes.left(20), QByteArray(20, '\0'));
        QVERIFY(bytes.mid(20) !=
                QByteArray(reinterpret_cast<const char*>(store.passwordBlock.data()), 48));

        DataStore back(m_clock);
        QVERIFY(test::readPlain(back, bytes).ok);
        QCOMPARE(back.hasPassword(), !password.isEmpty());
        QCOMPARE(back.passwordBlock, store.passwordBlock);
    }

    void textPrefix_data()
    {
        addColumns<int, QByteArray>({"length", "prefix"});
        QTest::newRow("0") << 0 << QByteArray::fromHex("00");
        QTest::newRow("254") << 254 << QByteArray::fromHex("fe");
        QTest::newRow("255") << 255 << QByteArray::fromHex("ffff00");
        QTest::newRow("65533") << 65533 << QByteArray::fromHex("fffdff");
        QTest::newRow("65534") << 65534 << QByteArray::fromHex("fffffffeff0000");
        QTest::newRow("65535") << 65535 << QByteArray::fromHex("ffffffffff0000");
        QTest::newRow("1 MiB") << (1 << 20) << QByteArray::fromHex("ffffff00001000");
    }
    void textPrefix()
    {
        const auto [length, prefix] = fetch<int, QByteArray>({"length", "prefix"});
        DataStore store(m_clock);
        NoteRecord* note = store.notes.add();
        note->text = QByteArray(length, 'x');
        const QByteArray bytes = plainBytes(store);
        // marker, three empty counts, the Notes count, then year, month, day of the note
        QCOMPARE(bytes.mid(32, prefix.size()), prefix);

        DataStore back(m_clock);
        QVERIFY(test::readPlain(back, bytes).ok);
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
        const QByteArray bytes = plainBytes(store);
        const QByteArray notesLayout = QByteArray::fromHex("0361626302000000");
        const QByteArray itemLayout = QByteArray::fromHex("0200000003616263");
        QCOMPARE(bytes.count(notesLayout), 1);
        QCOMPARE(bytes.count(itemLayout), 1);
        QVERIFY(bytes.indexOf(itemLayout) < bytes.indexOf(notesLayout));
    }

    // A record added to any list changes the counts, and with them the password block.
    void countsKeyChangesBlock()
    {
        using Add = void (*)(DataStore&);
        const Add adds[] = {
            [](DataStore& s) { s.archiveItems.add(); },
            [](DataStore& s) { s.purseCategories.add(); },
            [](DataStore& s) { s.memos.add(); },
            [](DataStore& s) { s.notes.add(); },
        };
        for (const Add add : adds) {
            DataStore store(m_clock);
            store.setPassword("unchanged");
            const QByteArray before = plainBytes(store).right(48);
            const QByteArray countsBefore = store.countsText();
            add(store);
            QVERIFY(store.countsText() != countsBefore);
            QVERIFY(plainBytes(store).right(48) != before);
            DataStore back(m_clock);
            QVERIFY(test::readPlain(back, plainBytes(store)).ok);
            QVERIFY(back.checkPassword("unchanged"));
        }
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
        bytes += plainBytes(plain).right(48); // counts differ: the block just must be 48 bytes
        DataStore store(m_clock);
        QVERIFY(test::readPlain(store, bytes).ok);
        QCOMPARE(store.archiveItems.count(), 1);
        QCOMPARE(store.archiveItems[0]->name, name.toLocal8Bit());
        QCOMPARE(store.archiveItems[0]->createdMonth, 2);
    }

    // Damage in the middle of the Memo list keeps what came before it.
    void truncatedInMemoList()
    {
        DataStore store(m_clock);
        test::StoreFactory(7).fill(store, 5);
        store.setPassword("locked");
        const QByteArray full = plainBytes(store);

        // the file up to the end of the second memo: the same store with only two memos and no
        // notes, less the note count and the password block
        DataStore head(m_clock);
        test::StoreFactory(7).fill(head, 5);
        head.memos.removeAll({head.memos.at(2), head.memos.at(3), head.memos.at(4)});
        head.notes.clear();
        const qsizetype cut = plainBytes(head).size() - 4 - 48;
        QVERIFY(test::writeFile(m_path, full.left(cut + 9)));

        DataStore back(m_clock);
        const FileResult r = back.load();
        QVERIFY(!r.ok);
        QCOMPARE((QList<qsizetype>{back.loadFailed, back.archiveItems.count(),
                                   back.purseCategories.count(), back.memos.count(),
                                   back.notes.count()}),
                 (QList<qsizetype>{1, 5, 5, 2, 0}));
        QVERIFY(!back.hasPassword());
        QCOMPARE(back.memos[1]->text, store.memos[1]->text);
        // the damaged file is kept as it was, and a copy is set aside
        QCOMPARE(test::readFile(m_path), full.left(cut + 9));
        QCOMPARE(test::readFile(r.keptCopy), full.left(cut + 9));
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
        QVERIFY(!test::readPlain(store, bytes).ok);
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
        QTest::newRow("7") << QStringLiteral("7") << true;
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
        DataStore back(m_clock);
        QVERIFY(back.load().ok);
        QCOMPARE(back.notes[0]->text, QByteArray("remember"));
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
    // its entry (12-byte header, then the stored data) gives the original text, the header's
    // check byte and the stored CRC-32; enciphering it again gives the archive's bytes.
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

        QByteArray again = data;
        ZipCipher("Secret pass").encrypt(again.data(), again.size());
        QCOMPARE(again, zip.mid(dataStart, int(size)));
    }

    // Reading through the cipher device in odd chunks gives the same bytes as one pass.
    void cipherDeviceChunking()
    {
        QByteArray plain(10000, Qt::Uninitialized);
        for (int i = 0; i < plain.size(); ++i)
            plain[i] = char(i * 7 + i / 13);
        QByteArray once = plain;
        ZipCipher(ZipCipher::fileKey()).encrypt(once.data(), once.size());

        QByteArray written;
        QBuffer out(&written);
        out.open(QIODevice::WriteOnly);
        CipherDevice encrypt(&out, ZipCipher::fileKey());
        QVERIFY(encrypt.open(QIODevice::WriteOnly));
        for (qsizetype pos = 0, step = 1; pos < plain.size();
             pos += step, step = step * 3 % 4099 + 1)
            QVERIFY(encrypt.write(plain.constData() + pos, std::min(step, plain.size() - pos)) > 0);
        QCOMPARE(written, once);

        QBuffer in(&written);
        in.open(QIODevice::ReadOnly);
        CipherDevice decrypt(&in, ZipCipher::fileKey());
        QVERIFY(decrypt.open(QIODevice::ReadOnly));
        QByteArray back;
        for (qint64 step = 5; !decrypt.atEnd(); step = step * 5 % 3001 + 1)
            back += decrypt.read(step);
        QCOMPARE(back, plain);
    }
};

DVK_TEST(DataFileTest);
#include "tst_datafile.moc"
