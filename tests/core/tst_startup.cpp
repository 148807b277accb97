#include "DataFile.h"
#include "DataPaths.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "FakeStartupSteps.h"
#include "SampleStore.h"
#include "SingleInstance.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using test::FakeStartupSteps;
using Outcome = Startup::Outcome;

class StartupTest final : public QObject
{
    Q_OBJECT
private:
    test::FakeClock m_clock;
    std::unique_ptr<QTemporaryDir> m_runtime;

    Outcome run(DataStore& store, FakeStartupSteps& steps)
    {
        SingleInstance instance(m_runtime->path());
        return Startup::run(store, instance, steps);
    }

private Q_SLOTS:
    void init()
    {
        QDir(DataPaths::userDataFolder()).removeRecursively();
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

    // A staged restore is swapped in before loading; one that is no data file is set aside and
    // the data is loaded as it was.
    void stagedRestoreAtStart_data() { test::addSwitchRows("backup", "no data file", "a backup"); }
    void stagedRestoreAtStart()
    {
        QFETCH(bool, backup);
        test::saveNote("current");
        const QString staging = DataPaths::stagingFilePath();
        QVERIFY(backup ? !test::saveNote("restored", staging, {}, true).isEmpty()
                       : test::writeFile(staging, "Dear diary,\nthis is not a backup.\n"));

        DataStore store(m_clock);
        FakeStartupSteps steps;
        QCOMPARE(run(store, steps), Outcome::SavedAndEnded);
        QCOMPARE(store.notes[0]->text, backup ? QByteArray("restored") : QByteArray("current"));
        QVERIFY(!QFile::exists(staging));
        QCOMPARE(QFile::exists(staging + u".refused"_s), !backup);
        QCOMPARE(steps.calls, (QStringList{u"icons"_s, u"main"_s, u"save icons"_s}));
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
};

DVK_TEST(StartupTest);
#include "tst_startup.moc"
