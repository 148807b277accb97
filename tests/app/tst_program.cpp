#include "DvkTest.h"
#include "FakeNotificationServer.h"
#include "FakeStatusNotifierWatcher.h"
#include "PrivateBus.h"
#include "RunningProgram.h"
#include "SettingsStore.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

using test::notesInDataFile;
using test::saveNote;

namespace {

// Starts dvk, leaves it time to reach its first window or dialog, sends it `signalNumber` and
// tells whether it then ended normally with exit code 0.
bool startAndSignal(int signalNumber = SIGTERM)
{
    QProcess dvk;
    if (!test::startDvk(dvk))
        return false;
    QTest::qWait(500);
    return test::endDvk(dvk, signalNumber);
}

// The real dvk with the test driver loaded: it pastes notes when asked and logs what it saw.
class DrivenProgram
{
public:
    bool start(const QString& platform = u"offscreen"_s, const QString& display = {})
    {
        QProcessEnvironment env;
        env.insert(u"QT_QPA_PLATFORM"_s, platform);
        if (!display.isEmpty())
            env.insert(u"DISPLAY"_s, display);
        env.insert(u"QT_PLUGIN_PATH"_s, QStringLiteral(DVK_DRIVER_PLUGINS));
        env.insert(u"QT_QPA_GENERIC_PLUGINS"_s, u"dvktestdriver"_s);
        env.insert(u"DVK_TEST_DRIVER"_s, m_folder.path());
        return test::startDvk(process, env) && waitForLog(u"window"_s, 15000);
    }
    bool paste(const QByteArray& text)
    {
        return test::writeFile(m_folder.filePath(u"paste"_s), text) &&
               waitForLog(u"pasted "_s + QString::fromUtf8(text), 5000);
    }
    // Whether a line of the log starts with `start` within `ms` milliseconds.
    bool waitForLog(const QString& start, int ms)
    {
        return QTest::qWaitFor(
            [&] {
                const QString log = QString::fromUtf8(test::readFile(m_folder.filePath(u"log"_s)));
                return log.startsWith(start) || log.contains(u'\n' + start);
            },
            ms);
    }

    QProcess process;

private:
    QTemporaryDir m_folder;
};

} // namespace

// The dvk program itself, started as a user would, ended by signals or without warning; on a
// private session bus, with a notification server or a tray of the test's own, when it reminds.
class ProgramTest final : public QObject
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

    // SIGTERM closes the main window as "Close" does: the data is saved, here encrypted.
    void terminationSaves()
    {
        saveNote("kept through a restart");
        QVERIFY(SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, 1));
        QVERIFY(startAndSignal());
        SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, 0);
        QVERIFY(DataFile::isEncrypted(test::readFile(DataPaths::dataFilePath()).left(4)));
        QCOMPARE(notesInDataFile(), QByteArrayList{"kept through a restart"});
        QVERIFY(QFileInfo::exists(DataPaths::userDataFolder() + QStringLiteral("/DVK.LIL")));
    }

    // A signal while the data-file error dialog is up ends the program as "Exit" does. (SIGTERM
    // is the signal of the other runs.)
    void terminationAtDataFileErrorSavesNothing_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void terminationAtDataFileErrorSavesNothing()
    {
        QFETCH(int, signalNumber);
        const QByteArray damaged = saveNote("precious").chopped(7);
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
        QByteArray before = saveNote("sealed away", DataPaths::dataFilePath(), "open sesame", true);
        QVERIFY(before.startsWith("DVKSEAL1"));
        if (damaged) {
            before[56] = char(before[56] ^ 0x40);
            QVERIFY(test::writeFile(DataPaths::dataFilePath(), before));
        }
        QVERIFY(startAndSignal());
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
        const QString kept = DataPaths::dataFilePath() + QStringLiteral(".damaged");
        QCOMPARE(test::readFile(kept), damaged ? before : QByteArray());
        QCOMPARE(QFileInfo::exists(kept), damaged);
    }

    // A change survives the end of dvk by its display server going away. (That it is saved as
    // it is made, before any end, shows in the next test's conflict message.)
    void changeSurvivesDisplayGone()
    {
        if (QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty())
            QSKIP("Xvfb is not installed");
        saveNote("before");
        test::VirtualDisplay server;
        DrivenProgram dvk;
        QVERIFY(dvk.start(u"xcb"_s, server.name()));
        QVERIFY(dvk.paste("typed just now"));
        QTest::qWait(2000);
        server.end();
        QVERIFY(dvk.process.waitForFinished(10000));
        QCOMPARE(notesInDataFile(), (QByteArrayList{"before", "typed just now"}));
    }

    // A sync tool replaces the file while dvk runs: dvk's next save keeps that version beside
    // its own and says so; closing dvk leaves both.
    void outsideReplacementIsKept()
    {
        saveNote("before");
        DrivenProgram dvk;
        QVERIFY(dvk.start());
        const QString path = DataPaths::dataFilePath();
        saveNote("from the other computer", path + u".synced"_s);
        QVERIFY(QFile::rename(path + u".synced"_s, path) ||
                (QFile::remove(path) && QFile::rename(path + u".synced"_s, path)));
        QVERIFY(dvk.paste("made here"));
        QVERIFY(dvk.waitForLog(u"message Another program replaced DVK's data file"_s, 5000));
        QVERIFY(test::endDvk(dvk.process));

        QCOMPARE(notesInDataFile(), (QByteArrayList{"before", "made here"}));
        const QStringList copies =
            QDir(DataPaths::userDataFolder()).entryList({u"DVK.DAT.conflict-*"_s});
        QCOMPARE(copies.size(), 1);
        const QString copy = DataPaths::userDataFolder() + u'/' + copies[0];
        QCOMPARE(notesInDataFile(copy), QByteArrayList{"from the other computer"});
        QCOMPARE(QFileInfo(copy).permissions() & 0x077, QFileDevice::Permissions());
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

DVK_TEST(ProgramTest);
#include "tst_program.moc"
