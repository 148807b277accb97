#include "ConflictGuard.h"
#include "CrashStores.h"
#include "DataFile.h"
#include "DataPaths.h"
#include "DvkTest.h"
#include "HistoryKeeper.h"
#include "SampleStore.h"
#include "SaveFixture.h"

#include <QProcess>
#include <QRandomGenerator>
#include <csignal>
#include <filesystem>
#include <utime.h>

namespace {

const QDateTime Now(QDate(2026, 12, 7), QTime(15, 20));

// Copies named for hours before Now; `hoursAgo` of each.
QList<HistoryKeeper::Copy> copiesAt(const QList<int>& hoursAgo)
{
    QList<HistoryKeeper::Copy> copies;
    for (const int h : hoursAgo) {
        const QDateTime time = Now.addSecs(-3600LL * h);
        copies.append({HistoryKeeper::copyName(QStringLiteral("/d/DVK.DAT"), time), time, time, 0});
    }
    return copies;
}

QList<int> hoursOf(const QList<HistoryKeeper::Copy>& copies)
{
    QList<int> hours;
    for (const HistoryKeeper::Copy& copy : copies)
        hours << int(copy.time.secsTo(Now) / 3600);
    return hours;
}

} // namespace

// What saving leaves on disk: the history copies, conflicts with other programs, and a
// writer killed half-way.
class HistoryTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QDir(DataPaths::userDataFolder()).removeRecursively(); }

    // The newest 24 copies stay, and the newest of each of the last 14 days.
    void keptCopies_data()
    {
        addColumns<QList<int>, QList<int>>({"hoursAgo", "kept"}); // newest first
        // every `step` hours from 0, `count` times
        const auto hours = [](int count, int step) {
            QList<int> list;
            for (int h = 0; h < count; ++h)
                list << h * step;
            return list;
        };
        QTest::newRow("30 hours: the newest 24, whose days already have one")
            << hours(30, 1) << hours(24, 1);
        QTest::newRow("20 daily copies are fewer than 24") << hours(20, 24) << hours(20, 24);
        const QList<int> sparse = {0, 24 * 13, 24 * 13 + 1, 24 * 14 + 2, 24 * 40};
        QTest::newRow("few copies: all within the 24 newest") << sparse << sparse;
        QTest::newRow("beyond 24: newest of day 13 kept, day 15 dropped")
            << hours(24, 1) + QList<int>{24 * 13 + 1, 24 * 13 + 2, 24 * 15}
            << hours(24, 1) + QList<int>{24 * 13 + 1};
    }
    void keptCopies()
    {
        const auto [hoursAgo, kept] = fetch<QList<int>, QList<int>>({"hoursAgo", "kept"});
        QCOMPARE(hoursOf(HistoryKeeper::keptAt(copiesAt(hoursAgo), Now)), kept);
    }

    // The first save of an hour keeps the file it replaces as a hard link; later saves of the
    // same hour keep nothing more; the copy is private and listed with its size.
    void copyPerHour()
    {
        test::SaveFixture f;
        f.store.notes.add()->text = "version one";
        f.store.saveDirectly();
        const QByteArray one = test::readFile(f.path);
        const QString kept = f.path + u".history-2026-12-07-15"_s;
        QCOMPARE(HistoryKeeper::keepBeforeReplace(f.path, Now), kept);
        QVERIFY(HistoryKeeper::keepBeforeReplace(f.path, Now.addSecs(600)).isEmpty());
        QVERIFY(std::filesystem::equivalent(f.path.toStdString(), kept.toStdString()));
        QCOMPARE(QFile::permissions(kept) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::ReadOwner | QFile::WriteOwner);
        f.store.notes.add()->text = "version two";
        f.store.saveDirectly();
        const QList<HistoryKeeper::Copy> copies = HistoryKeeper::copies(f.path);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(copies[0].size, qint64(one.size()));
        QCOMPARE(test::readFile(copies[0].path), one);
    }

    // What counts as the file having been changed from outside.
    void outsideChange_data()
    {
        // the new content; "-" removes the file, "=" only touches it
        addColumns<QByteArray, bool>({"outside", "conflict"});
        QTest::newRow("untouched") << QByteArray() << false;
        QTest::newRow("touched, same bytes") << QByteArray("=") << false;
        QTest::newRow("same size, other bytes") << QByteArray("abcdefgh") << true;
        QTest::newRow("other size") << QByteArray("longer than before") << true;
        QTest::newRow("removed") << QByteArray("-") << false;
    }
    void outsideChange()
    {
        const auto [outside, conflict] = fetch<QByteArray, bool>({"outside", "conflict"});
        const QString path = DataPaths::dataFilePath();
        QVERIFY(test::writeFile(path, "ABCDEFGH"));
        struct utimbuf old
        {
            1700000000, 1700000000
        };
        ::utime(QFile::encodeName(path).constData(), &old);
        const FileIdentity remembered = FileIdentity::of(path, true);
        if (outside == "-")
            QFile::remove(path);
        else if (outside == "=")
            ::utime(QFile::encodeName(path).constData(), nullptr);
        else if (!outside.isEmpty())
            QVERIFY(test::writeFile(path, outside));
        QCOMPARE(ConflictGuard::changedOutside(path, remembered), conflict);
        if (outside == "=")
            QVERIFY(!FileIdentity::of(path, false).sameStat(remembered));
    }

    // "Open the other version": DVK's own file is kept as a conflict copy too, the other one is
    // staged for the next start, and nothing is removed.
    void otherVersionIsStaged()
    {
        const QString path = DataPaths::dataFilePath();
        const QByteArray ours = test::saveNote("ours", path);
        const QString other = path + u".conflict-2026-12-07-1530"_s;
        const QByteArray theirs = test::saveNote("theirs", other);
        QVERIFY(!ours.isEmpty() && !theirs.isEmpty());

        QVERIFY(ConflictGuard::stageOtherVersion(path, other, QDateTime({2026, 12, 7}, {15, 45})));
        QCOMPARE(test::readFile(path), ours);
        QCOMPARE(test::readFile(other), theirs);
        QCOMPARE(test::readFile(DataPaths::stagingFilePath()), theirs);
        QCOMPARE(test::readFile(path + u".conflict-2026-12-07-1545"_s), ours);
    }

    // A writer killed at any moment of its save loop leaves a data file that reads completely
    // and is one of the two stores it saves, never a mix, never a part.
    void killedWriterLeavesOldOrNew()
    {
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

DVK_TEST(HistoryTest);
#include "tst_history.moc"
