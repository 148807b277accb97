#include "DataFile.h"
#include "DataPaths.h"
#include "DvkTest.h"
#include "RunningProgram.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <csignal>

namespace {

QByteArray storeWithNote(const QByteArray& text)
{
    DataStore store;
    store.notes.add()->text = text;
    store.archiveItems.add()->name = "Bank";
    DataFile::saveFile(store, DataPaths::dataFilePath(), false);
    return test::readFile(DataPaths::dataFilePath());
}

// Starts dvk, leaves it time to reach its first window or dialog, sends it `signalNumber` and
// tells whether it then ended normally with exit code 0.
bool startAndSignal(int signalNumber = SIGTERM)
{
    QProcess dvk;
    if (!test::startDvk(dvk))
        return false;
    QTest::qWait(500);
    ::kill(pid_t(dvk.processId()), signalNumber);
    return dvk.waitForFinished(15000) && dvk.exitStatus() == QProcess::NormalExit &&
           dvk.exitCode() == 0;
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
        QVERIFY(startAndSignal());
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
        QVERIFY(startAndSignal(signalNumber));
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), damaged);
        QCOMPARE(test::readFile(DataPaths::dataFilePath() + QStringLiteral(".damaged")), damaged);
    }

    // A sealed file asks for its password before anything is read: ended at that prompt, the file
    // is untouched and nothing was found damaged. A sealed file whose first chunk is damaged
    // gets the data-file error instead, and is kept aside byte for byte.
    void sealedFileAtStart_data()
    {
        test::addSwitchRows("damaged", "password first", "damaged first chunk");
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
        QVERIFY(startAndSignal());
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
        const QString kept = DataPaths::dataFilePath() + QStringLiteral(".damaged");
        QCOMPARE(QFileInfo::exists(kept), damaged);
        if (damaged)
            QCOMPARE(test::readFile(kept), before);
    }

    // A second copy ends at once and leaves the data file alone. (That a copy with another
    // runtime folder on the same data ends too is checked on the single-instance lock itself.)
    void secondCopyEndsAtOnce()
    {
        const QByteArray before = storeWithNote("first copy's");
        QProcess first;
        QVERIFY(test::startDvk(first));
        QProcess second;
        second.setProcessEnvironment(first.processEnvironment());
        second.start(QStringLiteral(DVK_BINARY), {});
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
        ::kill(pid_t(first.processId()), SIGINT);
        QVERIFY(first.waitForFinished(15000));
    }
};

DVK_TEST(ProgramTest);
#include "tst_program.moc"
