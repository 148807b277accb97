#include "DataFile.h"
#include "DataPaths.h"
#include "FakeNotificationServer.h"
#include "PrivateBus.h"
#include "RunningProgram.h"
#include "TestRegistry.h"

#include <QDir>
#include <csignal>

using namespace dvk;

// The real dvk with a notification server of the test's own on a private session bus.
class RemindersProgramTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QDir(DataPaths::userDataFolder()).removeRecursively(); }

    // A due memo is notified once within 15 seconds and not again in the next 20; its
    // "dismiss" action dismisses it, and the file saved at the end shows it.
    void dueMemoIsNotifiedOnceAndDismissed()
    {
        DataStore store;
        const QDate today = QDate::currentDate();
        MemoRecord* due = store.memos.add();
        due->text = "Water the plants";
        const QDate yesterday = today.addDays(-1);
        due->dueYear = yesterday.year();
        due->dueMonth = yesterday.month();
        due->dueDay = yesterday.day();
        MemoRecord* later = store.memos.add();
        later->text = "Not yet";
        const QDate nextYear = today.addYears(1);
        later->dueYear = nextYear.year();
        QVERIFY(DataFile::saveFile(store, DataPaths::dataFilePath(), false).ok);

        test::PrivateBus bus;
        QVERIFY(!bus.address().isEmpty());
        test::FakeNotificationServer server(bus.connect(QStringLiteral("e2e server")));
        QVERIFY(server.isRegistered());
        QProcessEnvironment env;
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        QElapsedTimer sinceStart;
        sinceStart.start();
        QProcess dvk;
        QVERIFY(test::startDvk(dvk, env));

        QTRY_VERIFY_WITH_TIMEOUT(!server.notifications().empty(), 15000);
        QVERIFY(sinceStart.elapsed() <= 15000);
        const auto first = server.notifications().front();
        QCOMPARE(first.appName, QStringLiteral("DVK"));
        QCOMPARE(first.body, QStringLiteral("Water the plants"));
        QVERIFY(first.summary.startsWith(QStringLiteral("Reminder \u2014 ")));
        QTest::qWait(20000);
        QCOMPARE(server.notifications().size(), size_t(1));

        server.invoke(first.id, QStringLiteral("dismiss"));
        QTRY_COMPARE_WITH_TIMEOUT(server.closeCalls().size(), size_t(1), 5000);
        QCOMPARE(server.closeCalls().front(), first.id);
        ::kill(pid_t(dvk.processId()), SIGTERM);
        QVERIFY(dvk.waitForFinished(15000));
        QCOMPARE(dvk.exitCode(), 0);

        DataStore saved;
        QVERIFY(saved.load().ok);
        QCOMPARE(saved.memos.count(), 2);
        for (const MemoRecord* memo : saved.memos)
            QCOMPARE(memo->dismissed, memo->text == "Water the plants" ? 1 : 0);
    }
};

DVK_TEST(RemindersProgramTest);
#include "tst_reminders.moc"
