#include "Backup.h"
#include "DataFile.h"
#include "DataPaths.h"
#include "FakeClock.h"
#include "SealedFile.h"
#include "SettingsStore.h"
#include "TestData.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace dvk;

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
        QTest::addColumn<bool>("encrypted");
        QTest::newRow("plain") << false;
        QTest::newRow("encrypted") << true;
    }
    void backupCopiesTheFreshlySavedFile()
    {
        QFETCH(bool, encrypted);
        SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, encrypted ? 1 : 0);
        DataStore store(m_clock);
        store.notes.add()->text = "typed just now";
        store.setPassword("pw");
        const QString target = m_elsewhere.filePath(QStringLiteral("mine.bak"));
        QVERIFY(test::writeFile(target, "older backup"));
        QVERIFY(Backup::backupTo(store, target));
        QCOMPARE(test::readFile(target), test::readFile(DataPaths::dataFilePath()));
        QCOMPARE(DataFile::isEncrypted(test::readFile(target).left(4)), encrypted);
    }

    void backupFailsWhenTargetCannotBeWritten()
    {
        DataStore store(m_clock);
        QVERIFY(
            !Backup::backupTo(store, m_elsewhere.filePath(QStringLiteral("no/such/folder/x.bak"))));
    }

    // Restore stages a copy; the next start swaps it in and removes the staging file.
    void stageAndApply()
    {
        DataStore current(m_clock);
        current.notes.add()->text = "current";
        QVERIFY(current.save().ok);

        DataStore old(m_clock);
        old.notes.add()->text = "from the backup";
        old.setPassword("old password");
        const QString backup = m_elsewhere.filePath(QStringLiteral("old.bak"));
        QVERIFY(DataFile::saveFile(old, backup, true).ok);

        QVERIFY(Backup::stageRestore(backup));
        QCOMPARE(test::readFile(DataPaths::stagingFilePath()), test::readFile(backup));
        const QByteArray untouched = test::readFile(DataPaths::dataFilePath());
        {
            DataStore check(m_clock);
            QVERIFY(check.load().ok);
            QCOMPARE(check.notes[0]->text, QByteArray("current"));
        }

        // changes saved after the restore are discarded by the swap
        current.notes.add()->text = "made after restoring";
        QVERIFY(current.save().ok);
        QVERIFY(test::readFile(DataPaths::dataFilePath()) != untouched);
        const QByteArray replaced = test::readFile(DataPaths::dataFilePath());

        QVERIFY(Backup::applyStagedRestore());
        QCOMPARE(test::readFile(DataPaths::dataFilePath() + QStringLiteral(".before-restore")),
                 replaced);
        QVERIFY(!QFile::exists(DataPaths::stagingFilePath()));
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), test::readFile(backup));
        // a sealed backup opens with its own password
        DataStore back(m_clock);
        QByteArray typed("old password");
        back.setSealKey(SealedFile::unlock(DataPaths::dataFilePath(), typed));
        QVERIFY(back.load().ok);
        QCOMPARE(back.notes.count(), 1);
        QCOMPARE(back.notes[0]->text, QByteArray("from the backup"));
        QVERIFY(back.checkPassword("old password"));
    }

    void stagingFileItselfCannotBeRestored()
    {
        QVERIFY(test::writeFile(DataPaths::stagingFilePath(), "staged"));
        QVERIFY(!Backup::stageRestore(DataPaths::stagingFilePath()));
        QCOMPARE(test::readFile(DataPaths::stagingFilePath()), QByteArray("staged"));
        QVERIFY(!Backup::stageRestore(m_elsewhere.filePath(QStringLiteral("missing.bak"))));
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
        DataStore current(m_clock);
        current.notes.add()->text = "years of notes";
        QVERIFY(current.save().ok);
        const QByteArray data = test::readFile(DataPaths::dataFilePath());

        const QString chosen = m_elsewhere.filePath(QStringLiteral("chosen.bak"));
        QVERIFY(test::writeFile(chosen, bytes));
        QVERIFY(!Backup::stageRestore(chosen));
        QVERIFY(!QFile::exists(DataPaths::stagingFilePath()));
        QCOMPARE(test::readFile(chosen), bytes);

        QVERIFY(test::writeFile(DataPaths::stagingFilePath(), bytes));
        QVERIFY(!Backup::applyStagedRestore());
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), data);
        QVERIFY(!QFile::exists(DataPaths::stagingFilePath()));
        QCOMPARE(test::readFile(DataPaths::stagingFilePath() + QStringLiteral(".refused")), bytes);
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
