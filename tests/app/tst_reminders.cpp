#include "DvkTest.h"
#include "FakeNotificationServer.h"
#include "FakeStatusNotifierWatcher.h"
#include "PrivateBus.h"
#include "RunningProgram.h"
#include "SettingsStore.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDir>
#include <QScopeGuard>
#include <memory>

// The real dvk on a private session bus, with a notification server or a tray of the test's own.
class RemindersProgramTest final : public QObject
{
    Q_OBJECT

    test::PrivateBus m_bus;
    QProcess m_dvk;

    bool start(QProcessEnvironment env, const QStringList& arguments = {})
    {
        env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, m_bus.address());
        return !m_bus.address().isEmpty() && test::startDvk(m_dvk, env, arguments);
    }

private Q_SLOTS:
    void init() { QDir(DataPaths::userDataFolder()).removeRecursively(); }
    void cleanup()
    {
        m_dvk.kill();
        m_dvk.waitForFinished(5000);
        SettingsStore().remove(u"KeepRunning"_s);
    }

    // A due memo is notified once within 15 seconds and not again in the next 11, which see a
    // refresh of the memo list and every second's check; its "dismiss" action dismisses it, and
    // the file saved at the end shows it.
    void dueMemoIsNotifiedOnceAndDismissed()
    {
        DataStore store;
        const QDate yesterday = QDate::currentDate().addDays(-1);
        MemoRecord* due = store.memos.add();
        due->text = "Water the plants";
        yesterday.getDate(&due->dueYear, &due->dueMonth, &due->dueDay);
        store.memos.add()->dueYear = yesterday.year() + 1;
        QVERIFY(DataFile::saveFile(store, DataPaths::dataFilePath(), false).ok);
        test::FakeNotificationServer server(m_bus.connect(u"e2e server"_s));
        QVERIFY(server.isRegistered());

        QElapsedTimer sinceStart;
        sinceStart.start();
        QVERIFY(start({}));
        QTRY_VERIFY_WITH_TIMEOUT(!server.notifications().empty(), 15000);
        QVERIFY(sinceStart.elapsed() <= 15000);
        const auto first = server.notifications().front();
        QCOMPARE(first.body, u"Water the plants"_s);
        QTest::qWait(11000);
        QCOMPARE(server.notifications().size(), size_t(1));

        server.invoke(first.id, u"dismiss"_s);
        QTRY_COMPARE_WITH_TIMEOUT(server.closeCalls().size(), size_t(1), 5000);
        QCOMPARE(server.closeCalls().front(), first.id);
        QVERIFY(test::endDvk(m_dvk));
        DataStore saved;
        QVERIFY(saved.load().ok);
        QCOMPARE(saved.memos.count(), 2);
        for (const MemoRecord* memo : saved.memos)
            QCOMPARE(memo->dismissed, memo->text == "Water the plants" ? 1 : 0);
    }

    // On a real display, --hidden with "Keep running" starts in the tray with no window, until
    // the tray icon is clicked; without a tray the window shows at once. A termination signal
    // saves and ends either way.
    void hiddenStart_data() { test::addSwitchRows("tray", "no tray", "tray"); }
    void hiddenStart()
    {
        QFETCH(bool, tray);
        if (QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty() ||
            QStandardPaths::findExecutable(u"xwininfo"_s).isEmpty())
            QSKIP("needs Xvfb and xwininfo");
        test::VirtualDisplay display;
        QVERIFY(!display.name().isEmpty());
        const QString trayName = u"tray %1"_s.arg(QString::fromLatin1(QTest::currentDataTag()));
        std::unique_ptr<test::FakeStatusNotifierWatcher> watcher;
        if (tray)
            watcher = std::make_unique<test::FakeStatusNotifierWatcher>(m_bus.connect(trayName));
        QVERIFY(SettingsStore().writeNumber(u"KeepRunning"_s, 1));
        QProcessEnvironment env;
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        env.insert(u"DISPLAY"_s, display.name());
        QVERIFY(start(env, {u"--hidden"_s}));
        if (tray)
            QTRY_COMPARE_WITH_TIMEOUT(watcher->items().size(), 1, 10000);
        QTest::qWait(1500);
        QCOMPARE(display.showsWindow(u"DVK"_s), !tray);
        if (tray) {
            QDBusMessage click =
                QDBusMessage::createMethodCall(watcher->items().front(), u"/StatusNotifierItem"_s,
                                               u"org.kde.StatusNotifierItem"_s, u"Activate"_s);
            click << 0 << 0;
            QDBusConnection(trayName).asyncCall(click);
            QTRY_VERIFY_WITH_TIMEOUT(display.showsWindow(u"DVK"_s), 10000);
        }
        QVERIFY(test::endDvk(m_dvk));
        QVERIFY(QFileInfo::exists(DataPaths::dataFilePath()));
    }
};

DVK_TEST(RemindersProgramTest);
#include "tst_reminders.moc"
