#include "DataFile.h"
#include "DataPaths.h"
#include "FakeNotificationServer.h"
#include "FakeStatusNotifierWatcher.h"
#include "PrivateBus.h"
#include "RunningProgram.h"
#include "SettingsStore.h"
#include "TestRegistry.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDir>
#include <QScopeGuard>
#include <csignal>
#include <memory>

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
        const auto endDvk = qScopeGuard([&dvk] {
            dvk.kill();
            dvk.waitForFinished(5000);
        });
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

    // On a real display, --hidden with "Keep running" starts in the tray with no window, until
    // the tray icon is clicked; without a tray the window shows at once. A termination signal
    // saves and ends either way.
    void hiddenStart_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::newRow("tray") << true;
        QTest::newRow("no tray") << false;
    }
    void hiddenStart()
    {
        QFETCH(bool, tray);
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
            QSKIP("needs Xvfb and xwininfo");
        test::VirtualDisplay display;
        QVERIFY(!display.name().isEmpty());
        test::PrivateBus bus;
        QVERIFY(!bus.address().isEmpty());
        std::unique_ptr<test::FakeStatusNotifierWatcher> watcher;
        if (tray) {
            watcher = std::make_unique<test::FakeStatusNotifierWatcher>(
                bus.connect(QStringLiteral("tray %1").arg(tray)));
            QVERIFY(watcher->isRegistered());
        }
        QVERIFY(SettingsStore().writeNumber(QStringLiteral("KeepRunning"), 1));
        QProcessEnvironment env;
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display.name());
        QProcess dvk;
        const auto endDvk = qScopeGuard([&dvk] {
            dvk.kill();
            dvk.waitForFinished(5000);
        });
        QVERIFY(test::startDvk(dvk, env, {QStringLiteral("--hidden")}));
        if (tray)
            QTRY_COMPARE_WITH_TIMEOUT(watcher->items().size(), 1, 10000);
        QTest::qWait(1500);
        QCOMPARE(display.showsWindow(QStringLiteral("DVK")), !tray);
        if (tray) {
            QDBusMessage click = QDBusMessage::createMethodCall(
                watcher->items().front(), QStringLiteral("/StatusNotifierItem"),
                QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"));
            click << 0 << 0;
            QDBusConnection(QStringLiteral("tray %1").arg(tray)).asyncCall(click);
            QTRY_VERIFY_WITH_TIMEOUT(display.showsWindow(QStringLiteral("DVK")), 10000);
        }
        ::kill(pid_t(dvk.processId()), SIGTERM);
        QVERIFY(dvk.waitForFinished(15000));
        QCOMPARE(dvk.exitCode(), 0);
        QVERIFY(QFileInfo::exists(DataPaths::dataFilePath()));
        SettingsStore().writeNumber(QStringLiteral("KeepRunning"), 0);
    }
};

DVK_TEST(RemindersProgramTest);
#include "tst_reminders.moc"
