#include "DataFile.h"
#include "DataPaths.h"
#include "ProgramProcess.h"
#include "SettingsStore.h"
#include "TestData.h"
#include "TestRegistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace dvk;
using dvk::test::startProgram;

namespace {

QByteArray storeWithNote(const QByteArray& text)
{
    DataStore store;
    store.notes.add()->text = text;
    store.archiveItems.add()->name = "Bank";
    DataFile::saveFile(store, DataPaths::dataFilePath(), false);
    return test::readFile(DataPaths::dataFilePath());
}

} // namespace

// The dvk program itself, started as a user would, ended by signals.
class ProgramTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QDir(DataPaths::userDataFolder()).removeRecursively(); }

    // SIGTERM closes the main window as "Close" does: the data is saved, here encrypted.
    void terminationSaves()
    {
        storeWithNote("kept through a restart");
        QVERIFY(SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, 1));
        QProcess dvk;
        QVERIFY(startProgram(dvk));
        ::kill(pid_t(dvk.processId()), SIGTERM);
        QVERIFY(dvk.waitForFinished(15000));
        QCOMPARE(dvk.exitStatus(), QProcess::NormalExit);
        QCOMPARE(dvk.exitCode(), 0);
        SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, 0);

        const QByteArray saved = test::readFile(DataPaths::dataFilePath());
        QVERIFY(DataFile::isEncrypted(saved.left(4)));
        DataStore back;
        QVERIFY(back.load().ok);
        QCOMPARE(back.notes.count(), 1);
        QCOMPARE(back.notes[0]->text, QByteArray("kept through a restart"));
        QCOMPARE(back.archiveItems[0]->name, QByteArray("Bank"));
        QVERIFY(QFileInfo::exists(DataPaths::userDataFolder() + QStringLiteral("/DVK.LIL")));
    }

    // A signal while the data-file error dialog is up ends the program as "Exit" does.
    void terminationAtDataFileErrorSavesNothing_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void terminationAtDataFileErrorSavesNothing()
    {
        QFETCH(int, signalNumber);
        const QByteArray good = storeWithNote("precious");
        const QByteArray damaged = good.left(good.size() - 7);
        QVERIFY(test::writeFile(DataPaths::dataFilePath(), damaged));
        QProcess dvk;
        QVERIFY(startProgram(dvk));
        ::kill(pid_t(dvk.processId()), signalNumber);
        QVERIFY(dvk.waitForFinished(15000));
        QCOMPARE(dvk.exitStatus(), QProcess::NormalExit);
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), damaged);
        QCOMPARE(test::readFile(DataPaths::dataFilePath() + QStringLiteral(".damaged")), damaged);
    }

    // A sealed file asks for its password before anything is read: ended at that prompt, the file
    // is untouched and nothing was found damaged. A sealed file whose first chunk is damaged
    // gets the data-file error instead, and is kept aside byte for byte.
    void sealedFileAtStart_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("password first") << false;
        QTest::newRow("damaged first chunk") << true;
    }
    void sealedFileAtStart()
    {
        QFETCH(bool, damaged);
        DataStore store;
        store.notes.add()->text = "sealed away";
        store.setPassword("open sesame");
        QVERIFY(DataFile::saveFile(store, DataPaths::dataFilePath(), true).ok);
        QByteArray before = test::readFile(DataPaths::dataFilePath());
        QVERIFY(before.startsWith("DVKSEAL1"));
        if (damaged) {
            before[56] = char(before[56] ^ 0x40);
            QVERIFY(test::writeFile(DataPaths::dataFilePath(), before));
        }
        QProcess dvk;
        QVERIFY(startProgram(dvk));
        ::kill(pid_t(dvk.processId()), SIGTERM);
        QVERIFY(dvk.waitForFinished(15000));
        QCOMPARE(dvk.exitStatus(), QProcess::NormalExit);
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
        const QString kept = DataPaths::dataFilePath() + QStringLiteral(".damaged");
        QCOMPARE(QFileInfo::exists(kept), damaged);
        if (damaged)
            QCOMPARE(test::readFile(kept), before);
    }

    // A second copy ends at once and leaves the data file alone, also when it runs with another
    // runtime folder (after su, or without a login session) on the same data.
    void secondCopyEndsAtOnce_data()
    {
        QTest::addColumn<bool>("otherRuntime");
        QTest::newRow("same session") << false;
        QTest::newRow("another runtime folder") << true;
    }
    void secondCopyEndsAtOnce()
    {
        QFETCH(bool, otherRuntime);
        const QByteArray before = storeWithNote("first copy's");
        QProcess first;
        QVERIFY(startProgram(first));
        QProcess second;
        QProcessEnvironment env = first.processEnvironment();
        QTemporaryDir runtime;
        if (otherRuntime) {
            QVERIFY(QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner |
                                                              QFileDevice::WriteOwner |
                                                              QFileDevice::ExeOwner));
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        }
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(DVK_BINARY), {});
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
        ::kill(pid_t(first.processId()), SIGINT);
        QVERIFY(first.waitForFinished(15000));
    }

    // An empty lock file, left by a crash, keeps no start from running.
    void emptyLockFilesLetDvkStart()
    {
        storeWithNote("after a crash");
        QVERIFY(test::writeFile(test::runtimeFolder() + QStringLiteral("/DVK.lock"), {}));
        QVERIFY(test::writeFile(DataPaths::userDataFolder() + QStringLiteral("/DVK.lock"), {}));
        QProcess dvk;
        QVERIFY(startProgram(dvk));
        ::kill(pid_t(dvk.processId()), SIGTERM);
        QVERIFY(dvk.waitForFinished(15000));
        QFile::remove(test::runtimeFolder() + QStringLiteral("/DVK.lock"));
    }

    // A staged restore that is no data file never replaces the data: DVK starts on the real data
    // and keeps the staged file aside.
    void unreadableStagedRestoreKeepsData_data()
    {
        QTest::addColumn<QByteArray>("staged");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("Dear diary,\nthis is not a backup.\n");
        QTest::newRow("foreign") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    }
    void unreadableStagedRestoreKeepsData()
    {
        QFETCH(QByteArray, staged);
        storeWithNote("years of notes");
        const QString staging = DataPaths::dataFilePath() + QStringLiteral(".bak");
        QVERIFY(test::writeFile(staging, staged));
        QProcess dvk;
        QVERIFY(startProgram(dvk));
        ::kill(pid_t(dvk.processId()), SIGTERM);
        QVERIFY(dvk.waitForFinished(15000));
        DataStore back;
        QVERIFY(back.load().ok);
        QCOMPARE(back.notes.count(), 1);
        QCOMPARE(back.notes[0]->text, QByteArray("years of notes"));
        QVERIFY(!QFileInfo::exists(staging));
        QCOMPARE(test::readFile(staging + QStringLiteral(".refused")), staged);
    }
};

DVK_TEST(ProgramTest);
#include "tst_program.moc"
