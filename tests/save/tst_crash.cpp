#include "CrashStores.h"
#include "DataFile.h"
#include "DataPaths.h"
#include "DvkTest.h"
#include "StoreFingerprint.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <csignal>

// A writer killed at any moment of its save loop leaves a data file that reads completely and
// is one of the two stores it saves, never a mix, never a part.
class CrashTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void killedWriterLeavesOldOrNew()
    {
        QDir(DataPaths::userDataFolder()).removeRecursively();
        size_t expected[2];
        for (const bool second : {false, true}) {
            DataStore store;
            test::fillCrashStore(store, second);
            expected[second] = StoreFingerprint::of(store);
        }
        constexpr int Kills = 200;
        QRandomGenerator random(20261207);
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(DVK_SAVELOOP), {});
            QVERIFY(writer.waitForStarted(5000));
            // The first writer makes the file; every later one is killed at a moment anywhere
            // from its start through its first saves.
            if (kill == 0)
                QVERIFY(writer.waitForReadyRead(10000));
            else
                QTest::qSleep(int(random.bounded(250)));
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished(5000));
            // What a killed save leaves is its unfinished new file, never the data file.
            const QStringList unfinished =
                QDir(DataPaths::userDataFolder())
                    .entryList({QStringLiteral("DVK.DAT.??????")}, QDir::Files | QDir::Hidden);
            for (const QString& name : unfinished)
                QFile::remove(DataPaths::userDataFolder() + u'/' + name);

            DataStore back;
            const FileResult read = DataFile::loadFile(back, DataPaths::dataFilePath());
            QVERIFY2(read.ok, qPrintable(read.message));
            const size_t found = StoreFingerprint::of(back);
            QVERIFY2(found == expected[0] || found == expected[1],
                     qPrintable(QStringLiteral("kill %1 left another store").arg(kill)));
        }
    }
};

DVK_TEST(CrashTest);
#include "tst_crash.moc"
