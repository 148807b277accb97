#include "Backup.h"
#include "DataFile.h"
#include "DataPaths.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "FakeStartupSteps.h"
#include "SampleStore.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using test::FakeStartupSteps;
using Outcome = Startup::Outcome;

// The start of the program, and backups with the restore that the next start takes in.
class StartupTest final : public QObject
{
    Q_OBJECT
private:
    test::FakeClock m_clock;
    std::unique_ptr<QTemporaryDir> m_runtime;
    QTemporaryDir m_elsewhere; // where backups are made and restored from

    Outcome run(DataStore& store, FakeStartupSteps& steps)
    {
        SingleInstance instance(m_runtime->path());
        return Startup::run(store, instance, steps);
    }

private Q_SLOTS:
    void init()
    {
        QDir(DataPaths::userDataFolder()).removeRecursively();
        SettingsStore().remove(SettingsStore::EncryptDVKFile);
        m_runtime = std::make_unique<QTemporaryDir>();
    }

    void secondCopyWakesTheFirstAndTouchesNothing()
    {
        const QByteArray before = test::saveNote("mine");
        SingleInstance first(m_runtime->path());
        QVERIFY(first.claim());
        QSignalSpy woken(&first, &SingleInstance::activationRequested);

        DataStore store(m_clock);
        FakeStartupSteps steps;
        QCOMPARE(run(store, steps), Outcome::AnotherCopyRunning);
        QVERIFY(steps.calls.isEmpty());
        QCOMPARE(store.notes.count(), 0);
        QVERIFY(woken.wait(2000));
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
        // nor does a copy with another runtime folder on the same data start
        const QTemporaryDir otherRuntime;
        QVERIFY(!SingleInstance(otherRuntime.path()).claim());
    }

    void lockThatNamesNoLiveCopyIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("dead process") << QByteArray("999999999\ndvk\n\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a lock record");
        QTest::newRow("another machine") << QByteArray("1\ndvk\nsome-other-machine.example\n");
    }
    void lockThatNamesNoLiveCopyIsTakenOver()
    {
        QFETCH(QByteArray, record);
        // the same record in the runtime folder and beside the data: neither ends the start
        QVERIFY(QDir().mkpath(DataPaths::userDataFolder()));
        QVERIFY(test::writeFile(DataPaths::userDataFolder() + u"/DVK.lock"_s, record));
        QVERIFY(test::writeFile(m_runtime->filePath(u"DVK.lock"_s), record));
        QVERIFY(SingleInstance(m_runtime->path()).claim());
    }

    void dataFolderAndFilesArePrivateFromTheStart()
    {
        const mode_t previous = ::umask(022);
        DataStore store(m_clock);
        FakeStartupSteps steps;
        steps.duringMainWindow = [&] {
            store.notes.add()->text = "new";
        };
        SingleInstance instance(m_runtime->path()); // holds the lock until the check
        const Outcome outcome = Startup::run(store, instance, steps);
        ::umask(previous);
        QCOMPARE(outcome, Outcome::SavedAndEnded);
        const QFileDevice::Permissions others(0x077); // any right of the group or of others
        const QString folder = QFileInfo(DataPaths::dataFilePath()).absolutePath();
        for (const QString& path : {folder, DataPaths::dataFilePath(), folder + u"/DVK.lock"_s})
            QVERIFY2(QFileInfo::exists(path) && !(QFileInfo(path).permissions() & others),
                     qPrintable(path));
    }

    // A damaged file: ending there leaves it as it is. Going on saves what was read, without the
    // password that could not be read, once a copy of the file is kept aside; when no copy can
    // be kept, the file is saved over only if the user says so.
    void damagedFile_data()
    {
        addColumns<bool, bool, bool, int, QStringList>(
            {"continueOnError", "noCopy", "overwrite", "outcome", "calls"});
        const QStringList ran{u"icons"_s, u"main"_s, u"save icons"_s};
        QTest::newRow("exit") << false << false << false << int(Outcome::ExitedAfterDataFileError)
                              << QStringList{u"error"_s};
        QTest::newRow("continue") << true << false << false << int(Outcome::SavedAndEnded)
                                  << QStringList{u"error"_s} + ran;
        QTest::newRow("no copy, kept as it is")
            << true << true << false << int(Outcome::EndedWithoutSaving)
            << QStringList{u"error"_s, u"overwrite?"_s} + ran;
        QTest::newRow("no copy, saved over") << true << true << true << int(Outcome::SavedAndEnded)
                                             << QStringList{u"error"_s, u"overwrite?"_s} + ran;
    }
    void damagedFile()
    {
        const auto [continueOnError, noCopy, overwrite, outcome] =
            fetch<bool, bool, bool, int>({"continueOnError", "noCopy", "overwrite", "outcome"});
        const QString path = DataPaths::dataFilePath();
        const QByteArray good = test::saveNote("first note", DataPaths::dataFilePath(), "pw");
        const QByteArray damaged = good.left(good.size() - 10);
        QVERIFY(test::writeFile(path, damaged));
        if (noCopy) { // every name a damaged copy could take is already used
            QVERIFY(test::writeFile(path + u".damaged"_s, "older"));
            for (int n = 2; n < 1000; ++n)
                QVERIFY(test::writeFile(path + u".damaged-"_s + QString::number(n), "older"));
        }

        DataStore store(m_clock);
        FakeStartupSteps steps;
        steps.continueOnError = continueOnError;
        steps.overwrite = overwrite;
        QCOMPARE(int(run(store, steps)), outcome);
        QTEST(steps.calls, "calls");
        QCOMPARE(test::readFile(path + u".damaged"_s), noCopy ? QByteArray("older") : damaged);
        if (outcome != int(Outcome::SavedAndEnded)) {
            QCOMPARE(test::readFile(path), damaged);
            return;
        }
        DataStore back(m_clock);
        QVERIFY(back.load().ok && !back.hasPassword());
        QCOMPARE(back.notes.count() == 1 ? back.notes[0]->text : "", QByteArray("first note"));
    }

    // A save that fails at exit is offered again; leaving keeps the old file.
    void failedSaveAtExit()
    {
        const QByteArray before = test::saveNote("old");
        DataStore store(m_clock);
        FakeStartupSteps steps;
        steps.retries = 1;
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        steps.duringMainWindow = [&] {
            store.notes.add()->text = QByteArray(100000, 'n');
            rlimit small = saved;
            small.rlim_cur = 8192;
            ::setrlimit(RLIMIT_FSIZE, &small);
        };
        const Outcome outcome = run(store, steps);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(outcome, Outcome::EndedWithoutSaving);
        QCOMPARE(steps.calls.count(u"retry?"_s), 2);
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
    }

    // Backup saves first, so the copy holds what the user sees now, in the current form.
    void backupCopiesTheFreshlySavedFile()
    {
        SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, 1);
        DataStore store(m_clock);
        store.notes.add()->text = "typed just now";
        store.setPassword("pw");
        const QString target = m_elsewhere.filePath(u"mine.bak"_s);
        QVERIFY(test::writeFile(target, "older backup"));
        QVERIFY(Backup::backupTo(store, target));
        QCOMPARE(test::readFile(target), test::readFile(DataPaths::dataFilePath()));
        QVERIFY(DataFile::isEncrypted(test::readFile(target).left(4)));
    }

    // Restore stages a copy; the next start swaps it in, keeps the file it replaces and removes
    // the staging file. (One that is no data file is set aside by the swap itself, below.)
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

        DataStore store(m_clock);
        FakeStartupSteps steps;
        steps.passwords = {"old password"};
        QCOMPARE(run(store, steps), Outcome::SavedAndEnded);
        QCOMPARE(store.notes.count() == 1 ? store.notes[0]->text : "",
                 QByteArray("from the backup"));
        QCOMPARE(test::readFile(DataPaths::dataFilePath() + u".before-restore"_s), replaced);
        QVERIFY(!QFile::exists(DataPaths::stagingFilePath()));
    }

    // A backup to a folder that is not there fails; a missing file cannot be restored.
    void refusals()
    {
        DataStore store(m_clock);
        QVERIFY(!Backup::backupTo(store, m_elsewhere.filePath(u"no/such/folder/x.bak"_s)));
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

DVK_TEST(StartupTest);
#include "tst_startup.moc"
