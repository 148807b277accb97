#include "Backup.h"
#include "DataFile.h"
#include "DataPaths.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "SampleStore.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class BackupTest final : public QObject
{
    Q_OBJECT
private:
    test::FakeClock m_clock;
    QTemporaryDir m_elsewhere;

private Q_SLOTS:
    void init()
    {
        QDir(DataPaths::userDataFolder()).removeRecursively();
        SettingsStore().remove(SettingsStore::EncryptDVKFile);
    }

    // Backup saves first, so the copy holds what the user sees now, in the current form.
    void backupCopiesTheFreshlySavedFile_data()
    {
        test::addSwitchRows("encrypted", "plain", "encrypted");
    }
    void backupCopiesTheFreshlySavedFile()
    {
        QFETCH(bool, encrypted);
        SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, encrypted ? 1 : 0);
        DataStore store(m_clock);
        store.notes.add()->text = "typed just now";
        store.setPassword("pw");
        const QString target = m_elsewhere.filePath(u"mine.bak"_s);
        QVERIFY(test::writeFile(target, "older backup"));
        QVERIFY(Backup::backupTo(store, target));
        QCOMPARE(test::readFile(target), test::readFile(DataPaths::dataFilePath()));
        QCOMPARE(DataFile::isEncrypted(test::readFile(target).left(4)), encrypted);
    }

    // Restore stages a copy; the next start swaps it in and removes the staging file.
    void stageAndApply()
    {
        DataStore current(m_clock);
        current.notes.add()->text = "current";
        QVERIFY(current.save().ok);

        const QString backup = m_elsewhere.filePath(u"old.bak"_s);
        QVERIFY(!test::saveNote("from the backup", backup, "old password", true).isEmpty());

        const QByteArray untouched = test::readFile(DataPaths::dataFilePath());
        QVERIFY(Backup::stageRestore(backup));
        QCOMPARE(test::readFile(DataPaths::stagingFilePath()), test::readFile(backup));
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), untouched);

        // changes saved after the restore are discarded by the swap
        current.notes.add()->text = "made after restoring";
        QVERIFY(current.save().ok);
        const QByteArray replaced = test::readFile(DataPaths::dataFilePath());

        QVERIFY(Backup::applyStagedRestore());
        QCOMPARE(test::readFile(DataPaths::dataFilePath() + u".before-restore"_s), replaced);
        QVERIFY(!QFile::exists(DataPaths::stagingFilePath()));
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), test::readFile(backup));
    }

    // A backup to a folder that is not there fails; the staging file itself or a missing file
    // cannot be restored.
    void refusals()
    {
        DataStore store(m_clock);
        QVERIFY(!Backup::backupTo(store, m_elsewhere.filePath(u"no/such/folder/x.bak"_s)));
        QVERIFY(test::writeFile(DataPaths::stagingFilePath(), "staged"));
        QVERIFY(!Backup::stageRestore(DataPaths::stagingFilePath()));
        QCOMPARE(test::readFile(DataPaths::stagingFilePath()), QByteArray("staged"));
        QVERIFY(!Backup::stageRestore(m_elsewhere.filePath(u"missing.bak"_s)));
    }

    // A file that does not read as a data file is never staged, and one staged by other means
    // is set aside at the next start instead of replacing the data.
    void foreignFileIsNeitherStagedNorSwappedIn_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("Dear diary, today I restored the wrong file.\n");
        QTest::newRow("foreign") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20);
    }
    void foreignFileIsNeitherStagedNorSwappedIn()
    {
        QFETCH(QByteArray, bytes);
        const QByteArray data = test::saveNote("years of notes");
        QVERIFY(!data.isEmpty());

        const QString chosen = m_elsewhere.filePath(u"chosen.bak"_s);
        QVERIFY(test::writeFile(chosen, bytes));
        QVERIFY(!Backup::stageRestore(chosen));
        QVERIFY(!QFile::exists(DataPaths::stagingFilePath()));
        QCOMPARE(test::readFile(chosen), bytes);

        QVERIFY(test::writeFile(DataPaths::stagingFilePath(), bytes));
        QVERIFY(!Backup::applyStagedRestore());
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), data);
        QVERIFY(!QFile::exists(DataPaths::stagingFilePath()));
        QCOMPARE(test::readFile(DataPaths::stagingFilePath() + u".refused"_s), bytes);
    }

    // When the swap cannot be made, both files stay for the next start to try again.
    void failedApplyKeepsBoth()
    {
        DataStore staged(m_clock);
        QVERIFY(DataFile::saveFile(staged, DataPaths::stagingFilePath(), false).ok);
        const QByteArray stagedBytes = test::readFile(DataPaths::stagingFilePath());
        QDir().mkpath(DataPaths::dataFilePath()); // a folder where the data file should be
        QVERIFY(!Backup::applyStagedRestore());
        QCOMPARE(test::readFile(DataPaths::stagingFilePath()), stagedBytes);
        QDir().rmdir(DataPaths::dataFilePath());

        QFile::remove(DataPaths::stagingFilePath());
        QDir().mkpath(DataPaths::stagingFilePath()); // a folder named like the staging file
        QVERIFY(Backup::applyStagedRestore());
        QVERIFY(!QFile::exists(DataPaths::dataFilePath()));
    }
};

DVK_TEST(BackupTest);
#include "tst_backup.moc"
