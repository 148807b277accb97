#include "DataFile.h"
#include "DataPaths.h"
#include "FakeClock.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "TestData.h"
#include "TestRegistry.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace dvk;
using namespace Qt::StringLiterals;

namespace {

// Scripted answers for the start-up dialogs; records which steps ran.
class FakeSteps final : public StartupSteps
{
public:
    bool continueAfterDataFileError(const FileResult&) override
    {
        calls << QStringLiteral("error");
        return continueOnError;
    }
    bool saveOverUncopiedFile() override
    {
        calls << QStringLiteral("overwrite?");
        return overwrite;
    }
    bool askPassword(DataStore& store) override
    {
        calls << QStringLiteral("password");
        return store.checkPassword(password);
    }
    void loadIconLibrary() override { calls << QStringLiteral("icons"); }
    void runMainWindow() override
    {
        calls << QStringLiteral("main");
        if (duringMainWindow)
            duringMainWindow();
    }
    bool retryFailedSave(const FileResult&) override
    {
        calls << QStringLiteral("retry?");
        return retries-- > 0;
    }
    void saveIconLibrary() override { calls << QStringLiteral("save icons"); }

    bool continueOnError = false;
    bool overwrite = false;
    QByteArray password;
    int retries = 0;
    std::function<void()> duringMainWindow;
    QStringList calls;
};

} // namespace

class StartupTest final : public QObject
{
    Q_OBJECT
private:
    test::FakeClock m_clock;
    std::unique_ptr<QTemporaryDir> m_runtime;

    QByteArray writeDataFile(const QByteArray& noteText, const QByteArray& password = {})
    {
        DataStore store(m_clock);
        store.notes.add()->text = noteText;
        store.setPassword(password);
        DataFile::saveFile(store, DataPaths::dataFilePath(), false);
        return test::readFile(DataPaths::dataFilePath());
    }

private Q_SLOTS:
    void init()
    {
        QDir(DataPaths::userDataFolder()).removeRecursively();
        m_runtime = std::make_unique<QTemporaryDir>();
    }

    void secondCopyWakesTheFirstAndTouchesNothing()
    {
        const QByteArray before = writeDataFile("mine");
        SingleInstance first(m_runtime->path());
        QVERIFY(first.claim());
        QSignalSpy woken(&first, &SingleInstance::activationRequested);

        DataStore store(m_clock);
        SingleInstance second(m_runtime->path());
        FakeSteps steps;
        QCOMPARE(Startup::run(store, second, steps), Startup::Outcome::AnotherCopyRunning);
        QVERIFY(steps.calls.isEmpty());
        QCOMPARE(store.notes.count(), 0);
        QVERIFY(woken.wait(2000));
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
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
        const QString dataLock = DataPaths::userDataFolder() + u"/DVK.lock"_s;
        QVERIFY(QDir().mkpath(DataPaths::userDataFolder()));
        QVERIFY(test::writeFile(dataLock, record));
        QVERIFY(test::writeFile(m_runtime->filePath(u"DVK.lock"_s), record));
        SingleInstance instance(m_runtime->path());
        QVERIFY(instance.claim());
    }

    void dataFolderAndFilesArePrivateFromTheStart()
    {
        const mode_t previous = ::umask(022);
        DataStore store(m_clock);
        SingleInstance instance(m_runtime->path());
        FakeSteps steps;
        steps.duringMainWindow = [&] {
            store.notes.add()->text = "new";
        };
        const auto outcome = Startup::run(store, instance, steps);
        ::umask(previous);
        QCOMPARE(outcome, Startup::Outcome::SavedAndEnded);
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
        const QString folder = QFileInfo(DataPaths::dataFilePath()).absolutePath();
        for (const QString& path : {folder, DataPaths::dataFilePath(), folder + u"/DVK.lock"_s})
            QVERIFY2(QFileInfo::exists(path) && !(QFileInfo(path).permissions() & others),
                     qPrintable(path));
    }

    void copyWithAnotherRuntimeFolderOnTheSameDataEnds()
    {
        SingleInstance first(m_runtime->path());
        QVERIFY(first.claim());
        const QTemporaryDir otherRuntime;
        SingleInstance second(otherRuntime.path());
        QVERIFY(!second.claim());
    }

    void stagedRestoreIsSwappedInBeforeLoading()
    {
        writeDataFile("current");
        DataStore backup(m_clock);
        backup.notes.add()->text = "restored";
        QVERIFY(DataFile::saveFile(backup, DataPaths::stagingFilePath(), true).ok);

        DataStore store(m_clock);
        SingleInstance instance(m_runtime->path());
        FakeSteps steps;
        QCOMPARE(Startup::run(store, instance, steps), Startup::Outcome::SavedAndEnded);
        QCOMPARE(store.notes[0]->text, QByteArray("restored"));
        QVERIFY(!QFile::exists(DataPaths::stagingFilePath()));
        QCOMPARE(steps.calls, (QStringList{u"icons"_s, u"main"_s, u"save icons"_s}));
    }

    void damagedFile_data()
    {
        QTest::addColumn<bool>("continueOnError");
        QTest::newRow("exit") << false;
        QTest::newRow("continue") << true;
    }
    void damagedFile()
    {
        QFETCH(bool, continueOnError);
        const QByteArray good = writeDataFile("first note", "pw");
        const QByteArray damaged = good.left(good.size() - 10);
        QVERIFY(test::writeFile(DataPaths::dataFilePath(), damaged));

        DataStore store(m_clock);
        SingleInstance instance(m_runtime->path());
        FakeSteps steps;
        steps.continueOnError = continueOnError;
        const auto outcome = Startup::run(store, instance, steps);
        if (!continueOnError) {
            QCOMPARE(outcome, Startup::Outcome::ExitedAfterDataFileError);
            QCOMPARE(steps.calls, QStringList{u"error"_s});
            QCOMPARE(test::readFile(DataPaths::dataFilePath()), damaged);
            return;
        }
        // what was read is saved, without the password that could not be read
        QCOMPARE(outcome, Startup::Outcome::SavedAndEnded);
        QCOMPARE(steps.calls, (QStringList{u"error"_s, u"icons"_s, u"main"_s, u"save icons"_s}));
        DataStore back(m_clock);
        QVERIFY(back.load().ok);
        QCOMPARE(back.notes.count(), 1);
        QCOMPARE(back.notes[0]->text, QByteArray("first note"));
        QVERIFY(!back.hasPassword());
        QCOMPARE(test::readFile(DataPaths::dataFilePath() + QStringLiteral(".damaged")), damaged);
    }

    // When no copy of the unreadable file can be kept, it is saved over only if the user says so.
    void damagedFileWithoutCopy_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("kept as it is") << false;
        QTest::newRow("saved over") << true;
    }
    void damagedFileWithoutCopy()
    {
        QFETCH(bool, overwrite);
        const QByteArray good = writeDataFile("first note");
        const QByteArray damaged = good.left(good.size() - 3);
        QVERIFY(test::writeFile(DataPaths::dataFilePath(), damaged));
        // every name a damaged copy could take is already used
        const QString path = DataPaths::dataFilePath();
        QVERIFY(test::writeFile(path + u".damaged"_s, "older"));
        for (int n = 2; n < 1000; ++n)
            QVERIFY(test::writeFile(path + u".damaged-"_s + QString::number(n), "older"));

        DataStore store(m_clock);
        SingleInstance instance(m_runtime->path());
        FakeSteps steps;
        steps.continueOnError = true;
        steps.overwrite = overwrite;
        const auto outcome = Startup::run(store, instance, steps);
        QCOMPARE(steps.calls, (QStringList{u"error"_s, u"overwrite?"_s, u"icons"_s, u"main"_s,
                                           u"save icons"_s}));
        QCOMPARE(outcome, overwrite ? Startup::Outcome::SavedAndEnded
                                    : Startup::Outcome::EndedWithoutSaving);
        QCOMPARE(test::readFile(path) == damaged, !overwrite);
    }

    void password_data()
    {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<bool>("runs");
        QTest::newRow("right") << QByteArray("s3cret!") << true;
        QTest::newRow("wrong") << QByteArray("guess") << false;
    }
    void password()
    {
        QFETCH(QByteArray, typed);
        QFETCH(bool, runs);
        const QByteArray before = writeDataFile("private", "s3cret!");
        DataStore store(m_clock);
        SingleInstance instance(m_runtime->path());
        FakeSteps steps;
        steps.password = typed;
        steps.duringMainWindow = [&store] {
            store.notes.add()->text = "added";
        };
        const auto outcome = Startup::run(store, instance, steps);
        QCOMPARE(outcome,
                 runs ? Startup::Outcome::SavedAndEnded : Startup::Outcome::PasswordNotGiven);
        QCOMPARE(test::readFile(DataPaths::dataFilePath()) == before, !runs);
    }

    // A save that fails at exit is offered again; leaving keeps the old file.
    void failedSaveAtExit()
    {
        const QByteArray before = writeDataFile("old");
        DataStore store(m_clock);
        SingleInstance instance(m_runtime->path());
        FakeSteps steps;
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
        const auto outcome = Startup::run(store, instance, steps);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(outcome, Startup::Outcome::EndedWithoutSaving);
        QCOMPARE(steps.calls.count(QStringLiteral("retry?")), 2);
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
    }
};

DVK_TEST(StartupTest);
#include "tst_startup.moc"
